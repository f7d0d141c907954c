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

// The screen's colour space: its profile where the desktop publishes one, sRGB
// otherwise.
QColorSpace target();

// Takes the screen's ICC profile as the target (UI thread); an empty, broken or
// unusable profile makes it sRGB. Returns whether the target changed: the
// pictures converted before are then in the wrong colours.
bool setScreenProfile(const QByteArray &icc);

// Counts the target's changes, so that converted copies can tell their age.
quint64 generation();

// Whether `image` must be converted before it is drawn.
bool needsConversion(const QImage &image);

// `image` in the screen's colours: converted when it carries a colour space
// other than the screen's, itself otherwise. The format is kept.
QImage converted(QImage image);

} // namespace ScreenColours

} // namespace orv
