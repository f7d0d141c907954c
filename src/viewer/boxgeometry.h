#pragma once

#include <QRectF>
#include <QSizeF>

namespace orv {

// Layout arithmetic of the image box, free of widgets. All values in twips.

// Rounds up: the smallest whole number not below x for x > 0, and 0 for x <= 0.
int approx(double x);

struct BoxLimits {
    int maxboxwidth = 0;
    int maxboxheight = 0;
};

// The viewing area from the work area: height less the toolbar and `reserve`
// (1200 at start-up and on toolbar changes, 1300 on a settings change), width
// less 200; both rounded halves to even.
BoxLimits boxLimits(QSizeF workArea, int toolbarshown, int reserve);

// Where sizebox puts every control for a box of W x H in a viewing area of
// MW x MH below a toolbar of height T.
struct SizeboxGeometry {
    QRectF image2;
    QRectF vscroll;
    QRectF hscroll;
    QRectF marup;
    QRectF mardn;
    QRectF marleft;
    QRectF marright;
    double label2Top = 0;
};
SizeboxGeometry sizeboxGeometry(int boxwidth, int boxheight, int maxboxwidth, int maxboxheight,
                                int toolbarHeight);

// True-size placement: Image1's position and the box size it gives.
struct TrueSizePlacement {
    double image1Left = 0;
    double image1Top = 0;
    int boxwidth = 0;
    int boxheight = 0;
};
TrueSizePlacement trueSizePlacement(int picwidth, int picheight, int maxboxwidth, int maxboxheight,
                                    int toolbarHeight);

// The box of the fit layout: squared on its larger side, then shaped to the
// picture's proportions within the limits.
struct BoxSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const BoxSize &, const BoxSize &) = default;
};
BoxSize fitBox(int picwidth, int picheight, BoxSize box, int maxboxwidth, int maxboxheight);

// One scroll bar as rescroll leaves it.
struct ScrollBarState {
    bool enabled = false;
    int maximum = 0;
    int value = 0;
};

struct RescrollInput {
    int picwidth = 0;
    int picheight = 0;
    int boxwidth = 0;
    int boxheight = 0;
    int xoffset = 0;
    int yoffset = 0;
    ScrollBarState vertical; // current state (value before the change)
    ScrollBarState horizontal;
};
struct RescrollResult {
    ScrollBarState vertical;
    ScrollBarState horizontal;
    int xoffset = 0;
    int yoffset = 0;
};
// The vertical bar adds yoffset to its value, the horizontal bar takes
// xoffset as its value; both are kept within 0..maximum.
RescrollResult rescroll(const RescrollInput &in);

} // namespace orv
