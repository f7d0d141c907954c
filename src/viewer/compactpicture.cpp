#include "compactpicture.h"

#include <QColorSpace>
#include <QtGlobal>

#include <cstring>
#include <memory>
#include <vector>

#ifdef Q_OS_UNIX
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace orv::CompactPicture {

namespace {

// Hands the pages between `from` and `to` back to the system; they read as
// zeros if touched again. The bytes lie inside one allocation that stays
// ours until the image goes.
void releasePages(uchar *from, uchar *to)
{
#ifdef Q_OS_UNIX
    const auto page = uintptr_t(sysconf(_SC_PAGESIZE));
    const uintptr_t first = (uintptr_t(from) + page - 1) / page * page;
    const uintptr_t last = uintptr_t(to) / page * page;
    if (last > first)
        madvise(reinterpret_cast<void *>(first), last - first, MADV_DONTNEED);
#else
    Q_UNUSED(from);
    Q_UNUSED(to);
#endif
}

} // namespace

QImage compacted(QImage image)
{
    if (image.format() != QImage::Format_RGB32 || image.sizeInBytes() < MinBytes || !image.isDetached())
        return image;
    const int width = image.width();
    const int height = image.height();
    const qsizetype sourceLine = image.bytesPerLine();
    const qsizetype targetLine = (qsizetype(width) * 3 + 3) & ~qsizetype(3);
    uchar *const pixels = image.bits(); // not shared: no copy

    // Row y of three-byte pixels starts at or before row y of four-byte ones
    // and each pixel at or before its source, so working forwards never
    // overwrites a pixel not read yet. Each row goes through a small buffer,
    // which lets the compiler work on many pixels at once.
    std::vector<QRgb> row(static_cast<size_t>(width));
    for (int y = 0; y < height; ++y) {
        std::memcpy(row.data(), pixels + y * sourceLine, size_t(width) * sizeof(QRgb));
        uchar *out = pixels + y * targetLine;
        const QRgb *in = row.data();
        for (int x = 0; x < width; ++x) {
            out[3 * x] = uchar(qRed(in[x]));
            out[3 * x + 1] = uchar(qGreen(in[x]));
            out[3 * x + 2] = uchar(qBlue(in[x]));
        }
    }
    releasePages(pixels + targetLine * height, pixels + sourceLine * height);

    // The new image lives on the old one's memory, which the old image keeps
    // until the new one goes.
    auto *owner = new QImage(std::move(image));
    QImage compact(
        pixels, width, height, targetLine, QImage::Format_RGB888,
        [](void *held) { delete static_cast<QImage *>(held); }, owner);
    compact.setColorSpace(owner->colorSpace());
    compact.setDotsPerMeterX(owner->dotsPerMeterX());
    compact.setDotsPerMeterY(owner->dotsPerMeterY());
    return compact;
}

QImage widened(const QImage &picture)
{
    if (picture.format() != QImage::Format_RGB888)
        return picture;
    // Qt 6.4's own conversion takes over a second for 24 megapixels.
    QImage wide(picture.size(), QImage::Format_RGB32);
    if (wide.isNull())
        return wide;
    for (int y = 0; y < picture.height(); ++y) {
        const uchar *in = picture.constScanLine(y);
        auto *out = reinterpret_cast<QRgb *>(wide.scanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            out[x] = qRgb(in[3 * x], in[3 * x + 1], in[3 * x + 2]);
    }
    wide.setColorSpace(picture.colorSpace());
    wide.setDotsPerMeterX(picture.dotsPerMeterX());
    wide.setDotsPerMeterY(picture.dotsPerMeterY());
    return wide;
}

QImage smoothlyScaled(const QImage &picture, QSize size)
{
    return widened(picture).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace orv::CompactPicture
