#pragma once

#include <QSize>
#include <QtGlobal>

namespace orv::limits {

// Checked before any pixel is decoded: a picture beyond either bound fails as
// FileError::Other. MaxPixels bounds the 32-bit image the program keeps; MaxFrameBytes
// the memory one decoded frame takes in the decoder's own format (16-bit samples take
// twice the 32-bit image's).
constexpr qint64 MaxPixels = 250'000'000;
constexpr qint64 MaxFrameBytes = qint64(1) << 30;
// Files of the formats read whole into memory (HEIF, AVIF, JPEG XL, SVG, APNG) are at
// most this long.
constexpr qint64 MaxFileBytes = 512 * 1024 * 1024;

// Whether a frame of `size` pixels, decoded at `bytesPerPixel`, is within the bounds.
inline bool allowed(QSize size, int bytesPerPixel = 4)
{
    if (size.width() <= 0 || size.height() <= 0)
        return false;
    const qint64 pixels = qint64(size.width()) * size.height();
    return pixels <= MaxPixels && pixels * bytesPerPixel <= MaxFrameBytes;
}

} // namespace orv::limits
