#include "tiffpicture.h"

#include "picturelimits.h"

#include <tiffio.h>

#include <cstring>
#include <memory>

namespace orv {

namespace {

// libtiff reading from memory.
struct Source {
    const QByteArray *data;
    toff_t pos = 0;
};

tsize_t readProc(thandle_t h, tdata_t buf, tsize_t size)
{
    auto *s = static_cast<Source *>(h);
    const toff_t left = s->pos < toff_t(s->data->size()) ? toff_t(s->data->size()) - s->pos : 0;
    const tsize_t n = tsize_t(std::min<toff_t>(left, toff_t(size)));
    std::memcpy(buf, s->data->constData() + s->pos, size_t(n));
    s->pos += toff_t(n);
    return n;
}

tsize_t writeProc(thandle_t, tdata_t, tsize_t)
{
    return -1;
}

toff_t seekProc(thandle_t h, toff_t offset, int whence)
{
    auto *s = static_cast<Source *>(h);
    const toff_t base = whence == SEEK_CUR ? s->pos : whence == SEEK_END ? toff_t(s->data->size()) : 0;
    s->pos = base + offset;
    return s->pos;
}

int closeProc(thandle_t)
{
    return 0;
}

toff_t sizeProc(thandle_t h)
{
    return toff_t(static_cast<Source *>(h)->data->size());
}

int mapProc(thandle_t, tdata_t *, toff_t *)
{
    return 0;
}

void unmapProc(thandle_t, tdata_t, toff_t) {}

} // namespace

QImage decodeTiffPage(const QByteArray &data)
{
    Source source{&data};
    std::unique_ptr<TIFF, void (*)(TIFF *)> tif(TIFFClientOpen("picture", "rm", &source, readProc, writeProc,
                                                               seekProc, closeProc, sizeProc, mapProc, unmapProc),
                                                TIFFClose);
    if (!tif)
        return QImage();
    uint32_t width = 0, height = 0;
    if (!TIFFGetField(tif.get(), TIFFTAG_IMAGEWIDTH, &width) || !TIFFGetField(tif.get(), TIFFTAG_IMAGELENGTH, &height) ||
        width > 1'000'000 || height > 1'000'000 || !limits::allowed(QSize(int(width), int(height))))
        return QImage();
    // Deflate, the strongest of TIFF's compressions, gives at most about a thousand bytes
    // for each it holds: a file claiming far more pixels than that is a bomb, refused
    // before its page is allocated.
    if (qint64(width) * height > qint64(data.size()) * 16384)
        return QImage();
    QImage image(int(width), int(height), QImage::Format_RGBA8888_Premultiplied);
    if (image.isNull() || image.bytesPerLine() != qsizetype(width) * 4)
        return QImage();
    char message[1024];
    if (!TIFFRGBAImageOK(tif.get(), message) ||
        !TIFFReadRGBAImageOriented(tif.get(), width, height, reinterpret_cast<uint32_t *>(image.bits()),
                                   ORIENTATION_TOPLEFT, 0))
        return QImage();
    return image;
}

} // namespace orv
