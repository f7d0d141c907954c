#pragma once

#include "pictureturn.h"

#include <QSize>
#include <QString>

namespace orv {

class PictureList;

// What the slideshow uses of the main window: its picture list, current
// position, counter, selection and display procedures. The main window
// implements it.
class SlideshowHost
{
public:
    virtual ~SlideshowHost() = default;

    // The picture list (List1, List2 and pathlist as one).
    virtual PictureList &pictureList() = 0;

    // The current position (1-based; count + 1 is the end position).
    virtual int curpic() const = 0;
    virtual void setCurpic(int position) = 0;

    // The main window's counter `Label1`.
    virtual void setCounterText(const QString &text) = 0;

    // Deselects every entry of List1 and List2, then selects entry `index`
    // (0-based) in both.
    virtual void selectOnly(int index) = 0;

    // Shows the main window (it may be hidden behind or under the show).
    virtual void showMainWindow() = 0;

    // The main window's display procedures `disp` and `disapp`.
    virtual void mainDisp() = 0;
    virtual void mainDisapp() = 0;
    virtual void setPichidden(bool hidden) = 0;

    // The main window's stored box size (`boxwidth`, `boxheight`) in twips,
    // the starting point of the fit-to-box slideshow style.
    virtual QSize boxSize() const = 0;

    // The turn the user gave the picture at `path`; the show shows it turned.
    virtual PictureTurn turnOf(const QString &path) const
    {
        Q_UNUSED(path);
        return {};
    }
};

} // namespace orv
