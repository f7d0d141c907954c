#pragma once

#include <QByteArray>
#include <QImage>

namespace orv {

// The primary picture of a HEIF file (HEIC phone photos: HEVC tiles of a grid, alpha,
// irot/imir and clean aperture applied by libheif), with its ICC or nclx colour; a null
// image when the file is damaged, not HEIF or beyond the loader's limits (checked on
// the declared size before anything is decoded).
QImage decodeHeif(const QByteArray &data);

} // namespace orv
