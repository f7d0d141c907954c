#pragma once

#include "picturelist.h"
#include "picturepath.h"
#include "slideshowhost.h"

#include <QStringList>

namespace orv::test {

// The main window as the slideshow sees it: a picture list, the current
// position, and a record of what the slideshow asked of it.
class FakeSlideshowHost : public SlideshowHost
{
public:
    PictureList &pictureList() override { return list; }
    int curpic() const override { return pos; }
    void setCurpic(int position) override { pos = position; }
    void setCounterText(const QString &text) override { counterText = text; }
    void selectOnly(int index) override { selected = index; }
    void showMainWindow() override { calls << QStringLiteral("show"); }
    void mainDisp() override
    {
        calls << QStringLiteral("disp");
        dispAt << pos;
    }
    void mainDisapp() override { calls << QStringLiteral("disapp"); }
    void setPichidden(bool hidden) override
    {
        pichidden = hidden;
        calls << QStringLiteral("pichidden");
    }
    QSize boxSize() const override { return box; }

    void reset()
    {
        list.clear();
        pos = 1;
        counterText.clear();
        selected = -1;
        pichidden = false;
        calls.clear();
        dispAt.clear();
    }

    PictureList list;
    int pos = 1;
    QString counterText;
    int selected = -1;
    bool pichidden = false;
    QSize box{1860, 2535};
    QStringList calls;
    QList<int> dispAt; // curpic at each run of the main window's disp
};

} // namespace orv::test
