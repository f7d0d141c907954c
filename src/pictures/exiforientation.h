#pragma once

#include <QByteArray>
#include <QImage>

namespace orv {

// Orientation (1 to 8) from a JPEG's Exif data (`jpeg`: the file's first bytes); 1 when
// there is none. Unlike Qt's reader it accepts the tag stored as a 32-bit value, as some
// cameras write it.
int exifOrientation(const QByteArray &jpeg);

// `image` turned and mirrored as Exif orientation `orientation` says.
QImage oriented(const QImage &image, int orientation);

} // namespace orv
