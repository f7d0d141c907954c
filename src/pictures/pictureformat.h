#pragma once

#include <QByteArray>

namespace orv {

// The picture formats that the loader reads through libraries of their own rather than
// Qt's image readers, decided from a file's first bytes.
enum class PictureFormat { Other, Png, Heif, Avif, JpegXl, Svg, SvgCompressed };

// `head`: at least the first 4 KiB of the file (or all of it when shorter).
PictureFormat sniffPictureFormat(const QByteArray &head);

} // namespace orv
