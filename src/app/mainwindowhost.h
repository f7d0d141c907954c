#pragma once

#include "openfolderhost.h"

namespace orv {

class Form1;

// The main window as the open-folder dialog sees it.
class MainWindowHost : public OpenFolderHost
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

private:
    Form1 &m_form;
};

} // namespace orv
