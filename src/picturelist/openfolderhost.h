#pragma once

#include <QString>

namespace orv {

// What the open-folder dialog changes in the main window besides the picture
// list. The main window implements it.
class OpenFolderHost
{
public:
    virtual ~OpenFolderHost() = default;

    // The current position (1-based; count + 1 is the end position).
    virtual int curpic() const = 0;
    virtual void setCurpic(int position) = 0;

    // The counter (Label1) and the status line (Label2).
    virtual void setLabel1(const QString &text) = 0;
    virtual QString label2() const = 0;
    virtual void setLabel2(const QString &text) = 0;

    // Shows the sign picture in an image box of the start size with no
    // picture on display: hide Image1 and Image2, stretching of Image1 off,
    // the sign picture into Image2, boxwidth 1860 and boxheight 2535 twips,
    // sizebox, show Image2. The picture counts as hidden afterwards, so a
    // click on the image box shows entry curpic.
    virtual void resetImageBox() = 0;

    // Makes entry 0 the only selected entry of List1 and List2. Called only
    // when the list is not empty.
    virtual void selectFirstEntry() = 0;
};

} // namespace orv
