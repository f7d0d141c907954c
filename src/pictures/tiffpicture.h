#pragma once

#include <QByteArray>
#include <QImage>

namespace orv {

// The first page of a TIFF file through libtiff's RGBA interface, for the files Qt's
// TIFF reader turns down (16-bit tiles, old-style JPEG, unusual sample layouts): any
// photometric libtiff knows (CMYK and YCbCr included) in 8 bits a sample. A null image
// when libtiff cannot read it or the page is beyond the loader's limits (checked before
// the pixels are read).
QImage decodeTiffPage(const QByteArray &data);

} // namespace orv
