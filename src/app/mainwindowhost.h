#pragma once

#include "openfolderhost.h"
#include "slideshowhost.h"

namespace orv {

class Form1;

// The main window as the open-folder dialog and the slideshow see it.
class MainWindowHost : public OpenFolderHost, public SlideshowHost
{
public:
    explicit MainWindowHost(Form1 &form) : m_form(form) {}

    int curpic() const override;
    void setCurpic(int position) override;
    void setLabel1(const QString &text) override;
    QString label2() const override;
    void setLabel2(const QString &text) override;
    void resetImageBox() override;
    void selectFirstEntry() override;

    PictureList &pictureList() override;
    void setCounterText(const QString &text) override { setLabel1(text); }
    void selectOnly(int index) override;
    void showMainWindow() override;
    void mainDisp() override;
    void mainDisapp() override;
    void setPichidden(bool hidden) override;
    QSize boxSize() const override;
    PictureTurn turnOf(const QString &path) const override;

private:
    Form1 &m_form;
};

} // namespace orv
