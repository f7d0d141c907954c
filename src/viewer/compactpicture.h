#pragma once

#include <QImage>

namespace orv {

// Pictures drawn at their own size (true size) are kept with three bytes a
// pixel instead of four: a 24-megapixel photo takes 72 MB instead of 96 MB,
// so the picture on screen and both its neighbours fit in far less memory,
// while drawing a screenful from it costs under a millisecond more.
//
// The pixels are rewritten in place, so that no second copy exists even for a
// moment, and the freed last quarter goes back to the system. Only opaque
// 32-bit pictures of at least `MinBytes` that nobody else holds are
// compacted; any other image comes back as it is. Thread-safe.
namespace CompactPicture {

constexpr qsizetype MinBytes = 8 * 1024 * 1024;

QImage compacted(QImage image);

// A compacted picture back with four bytes a pixel (any other as it is).
QImage widened(const QImage &picture);

// `picture` smoothly scaled to `size`. Qt 6.4 scales three-byte pictures
// through a general path about fifty times slower than its own for four-byte
// ones, so a compacted picture is widened first (while the copy is scaled,
// the picture is held twice).
QImage smoothlyScaled(const QImage &picture, QSize size);

} // namespace CompactPicture

} // namespace orv
