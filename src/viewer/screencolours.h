#pragma once

#include <QColorSpace>
#include <QImage>

namespace orv {

// The colours pictures are drawn in. A picture that carries a colour profile
// (an ICC profile in the file, which Qt's readers hand over as the image's
// colour space) is converted to the screen's colour space before it is drawn,
// so that it looks as its maker saw it; a picture without one is taken to be
// in the screen's colours already and drawn as it is.
//
// The conversion is meant for the copy that is actually drawn (a scaled copy,
// or at true size the picture itself), and it is thread-safe: the picture
// cache runs it on its worker thread.
namespace ScreenColours {

// sRGB: Qt 6.4 reports no colour profile of the screen to convert to instead.
QColorSpace target();

// Whether `image` must be converted before it is drawn.
bool needsConversion(const QImage &image);

// `image` in the screen's colours: converted when it carries a colour space
// other than the screen's, itself otherwise. The format is kept.
QImage converted(QImage image);

} // namespace ScreenColours

} // namespace orv
