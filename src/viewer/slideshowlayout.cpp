#include "slideshowlayout.h"

#include "boxgeometry.h"
#include "rounding.h"

#include <algorithm>

namespace orv {

namespace {

// Pictures smaller than this on their larger side are enlarged by 1.35.
constexpr int kSmallPicture = 2500;
constexpr double kEnlargement = 1.35;

// Keeps a box of the picture's proportions within the work area: first the
// width, then the height.
void fitWithin(SlideLayout &l, int w, int h, int workwidth, int workheight)
{
    if (l.slidewidth > workwidth) {
        l.slidewidth = workwidth;
        l.slideheight = approx(double(workwidth) / w * h);
    }
    if (l.slideheight > workheight) {
        l.slideheight = workheight;
        l.slidewidth = approx(double(workheight) / h * w);
    }
}

SlideLayout autoResolution(int w, int h, int workwidth, int workheight)
{
    SlideLayout l;
    l.stretch = true;
    l.slideheight = h;
    l.slidewidth = w;
    if (h > w) {
        if (h > workheight) {
            l.slideheight = workheight;
            l.slidewidth = approx(double(workheight) / h * w);
        } else if (h < kSmallPicture) {
            if (w * kEnlargement < workwidth) {
                l.slideheight = roundHalfEven(h * kEnlargement);
                l.slidewidth = roundHalfEven(w * kEnlargement);
            } else {
                l.slidewidth = workwidth;
                l.slideheight = approx(double(workwidth) / w * h);
            }
        }
    } else {
        if (w > workwidth) {
            l.slidewidth = workwidth;
            l.slideheight = approx(double(workwidth) / w * h);
            if (workheight < l.slideheight) {
                l.slideheight = workheight;
                l.slidewidth = approx(double(workheight) / h * w);
            }
        } else if (w < kSmallPicture) {
            if (h * kEnlargement < workheight) {
                l.slidewidth = roundHalfEven(w * kEnlargement);
                l.slideheight = roundHalfEven(h * kEnlargement);
            } else {
                l.slideheight = workheight;
                l.slidewidth = approx(double(workheight) / h * w);
            }
        }
    }
    // An upright picture scaled to the work area's height can still be wider
    // than a narrow (portrait) work area, and an enlarged small picture wider
    // or taller than a tiny one: keep the whole picture on screen.
    fitWithin(l, w, h, workwidth, workheight);
    return l;
}

SlideLayout fitToBox(const SlideLayoutInput &in)
{
    const int w = in.slidepicwidth;
    const int h = in.slidepicheight;
    SlideLayout l;
    l.stretch = true;
    // Start from the main window's box, squared on its larger side.
    if (in.boxwidth < in.boxheight) {
        l.slidewidth = l.slideheight = in.boxheight;
    } else if (in.boxwidth < in.workheight) {
        l.slideheight = l.slidewidth = in.boxwidth;
    } else {
        l.slideheight = in.workheight;
        l.slidewidth = in.boxwidth;
    }
    if (w < h) {
        l.slidewidth = approx(double(w) / h * l.slideheight);
        if (in.workwidth < l.slidewidth) {
            l.slidewidth = in.workwidth;
            l.slideheight = approx(double(h) / w * l.slidewidth);
        }
    } else {
        l.slideheight = approx(double(h) / w * l.slidewidth);
        if (in.workheight < l.slideheight) {
            l.slideheight = in.workheight;
            l.slidewidth = approx(double(w) / h * l.slideheight);
        }
    }
    return l;
}

} // namespace

SlideLayout slideLayout(const SlideLayoutInput &in)
{
    switch (in.fitstyle) {
    case FitToBox:
        return fitToBox(in);
    case TrueSize: {
        SlideLayout l;
        l.slideheight = std::min(in.workheight, in.slidepicheight);
        l.slidewidth = std::min(in.workwidth, in.slidepicwidth);
        l.stretch = false;
        return l;
    }
    default:
        return autoResolution(in.slidepicwidth, in.slidepicheight, in.workwidth, in.workheight);
    }
}

QRectF slideSizebox(int slidewidth, int slideheight, int workwidth, int workheight)
{
    return QRectF((workwidth - slidewidth) / 2.0 + 15, (workheight - slideheight) / 2.0 + 15, slidewidth,
                  slideheight);
}

QSize slideWorkArea(QSizeF workAreaTwips)
{
    return QSize(roundHalfEven(workAreaTwips.width()), roundHalfEven(workAreaTwips.height()));
}

} // namespace orv
