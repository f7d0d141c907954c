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

// A picture that moves composes and hands over a whole frame at every step of its play,
// on the window's thread: one larger than this (8192 x 4096) stands still on its first
// frame, as a step would take longer than the frames it shows.
constexpr qint64 MaxMovingPixels = 8192 * 4096;

inline bool mayMove(QSize size)
{
    return qint64(size.width()) * size.height() <= MaxMovingPixels;
}

// Whether a frame of `size` pixels, decoded at `bytesPerPixel`, is within the bounds.
inline bool allowed(QSize size, int bytesPerPixel = 4)
{
    if (size.width() <= 0 || size.height() <= 0)
        return false;
    const qint64 pixels = qint64(size.width()) * size.height();
    return pixels <= MaxPixels && pixels * bytesPerPixel <= MaxFrameBytes;
}

} // namespace orv::limits
