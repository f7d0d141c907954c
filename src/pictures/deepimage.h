#pragma once

#include <QColorSpace>
#include <QImage>

namespace orv {

// A decoded picture made ready to be kept and drawn: 32 bits a pixel (RGB32, or
// premultiplied ARGB32 when it has transparency). Samples deeper than 8 bits are first
// converted to sRGB at their own depth (when the picture carries a colour space) and
// then dithered down, so that smooth gradients show no bands; 8-bit pictures keep their
// colour space for the viewer to convert.
QImage screenReady(QImage image);

// The colour space of CICP code points (ITU-T H.273: colour primaries and transfer
// characteristics), as AVIF, HEIF and JPEG XL carry them; an invalid colour space for
// sRGB and for what Qt cannot represent (PQ and HLG are taken as sRGB's curve).
QColorSpace colourSpaceFromCicp(int primaries, int transfer);

// `image` turned anticlockwise by `quarterTurns` × 90 degrees, then mirrored: `mirror`
// 0 exchanges top and bottom, 1 left and right, -1 none (HEIF's irot and imir).
QImage turnedAndMirrored(const QImage &image, int quarterTurns, int mirror);

} // namespace orv
