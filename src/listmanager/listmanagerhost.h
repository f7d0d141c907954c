#pragma once

#include <QString>

namespace orv {

// What the list manager uses of the main window besides the picture list
// and the list clipboard: its counter, its list-file, sort and shuffle
// commands, and the look of its toolbar's `list` button. The main window
// implements it.
class ListManagerHost
{
public:
    virtual ~ListManagerHost() = default;

    // The counter `Label1`: curpic "/" the picture list's count.
    virtual void refreshCounter() = 0;
    virtual void setCounterText(const QString &text) = 0;
    // Forgets the list file the picture list came from (`openedfileclr`).
    virtual void openedfileclr() = 0;

    // Pictures were dropped into the picture list: `count` entries at `row`,
    // into a list that was empty before when `wasEmpty`. The current picture
    // keeps its place, and the counter and the status line follow as after
    // the open-folder dialog's "&Add ".
    virtual void picturesDropped(int row, int count, bool wasEmpty) = 0;

    // The main window's "&Save list" and "Save list &As".
    virtual void msavelstclick() = 0;
    virtual void msaveasclick() = 0;
    // The main window's sort by name and shuffle of the picture list.
    virtual void msrtnmeclick() = 0;
    virtual void msrtrandclick() = 0;

    // The toolbar's `list` button: its pressed look is the record of whether
    // the list manager is open.
    virtual bool listButtonPressed() const = 0;
    virtual void setListButtonPressed(bool pressed) = 0;

    // The help file, for the what's-this texts of the window's controls.
    virtual QString helpfile() const = 0;
};

} // namespace orv
