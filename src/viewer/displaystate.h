#pragma once

#include <array>

namespace orv {

// The view to return to on zoom out: Image1's height, width, left and top,
// then the value and maximum of VScroll1 and of HScroll1.
struct SavedView {
    int height = 0;
    int width = 0;
    int left = 0;
    int top = 0;
    int vvalue = 0;
    int vmax = 0;
    int hvalue = 0;
    int hmax = 0;

    friend bool operator==(const SavedView &, const SavedView &) = default;
};

// The display state of the main window. Lengths are twips.
struct DisplayState {
    int curpic = 1;        // 1-based current position; count + 1 is the end position
    bool pichidden = true; // no picture is being shown
    int toolbarshown = 1;  // 1 while the toolbar is shown; it takes 360 twips
    bool fitmode = false;
    bool stretchmode = false;
    bool zoomarmed = false;
    int boxwidth = 1860;
    int boxheight = 2535;
    int maxboxwidth = 0;
    int maxboxheight = 0;
    int picwidth = 0;
    int picheight = 0;
    int naturalwidth = 0; // the picture's natural size, the base of the zoom bound
    int naturalheight = 0;
    double hometop = 0;
    double homeleft = 0;
    int xoffset = 0;
    int yoffset = 0;
    SavedView savedview;

    int toolbarHeight() const { return 360 * toolbarshown; }
};

} // namespace orv
