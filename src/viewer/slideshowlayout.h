#pragma once

#include <QRectF>
#include <QSize>

namespace orv {

// Layout arithmetic of the slideshow window, free of widgets. All values in
// twips. The window shows one picture (`Image1`), centred in the work area.

// The sizing styles of the slideshow (`fitstyle`).
enum SlideFitStyle { AutoResolution = 0, FitToBox = 1, TrueSize = 2 };

struct SlideLayout {
    int slidewidth = 0;
    int slideheight = 0;
    // Whether Image1 stretches the picture to its size (true size cuts it).
    bool stretch = false;

    friend bool operator==(const SlideLayout &, const SlideLayout &) = default;
};

struct SlideLayoutInput {
    int fitstyle = AutoResolution;
    int slidepicwidth = 0; // the natural size of the picture
    int slidepicheight = 0;
    int workwidth = 0;
    int workheight = 0;
    int boxwidth = 0; // the main window's stored box, for FitToBox
    int boxheight = 0;
};

// The size given to Image1 for one picture. Proportional sizes round up
// (approx); the 1.35 enlargement of small pictures rounds halves to even.
SlideLayout slideLayout(const SlideLayoutInput &in);

// Where sizebox puts Image1 for a box of slidewidth x slideheight, centred
// in the work area.
QRectF slideSizebox(int slidewidth, int slideheight, int workwidth, int workheight);

// The work area as the window holds it: whole twips, halves to even.
QSize slideWorkArea(QSizeF workAreaTwips);

} // namespace orv
