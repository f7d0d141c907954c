#include "jpegturn.h"

#include "exifblock.h"

#include <turbojpeg.h>

#include <cstring>
#include <memory>

namespace orv {

namespace {

int transformOf(PictureTurn t)
{
    if (!t.mirrored) {
        static const int plain[] = {TJXOP_NONE, TJXOP_ROT90, TJXOP_ROT180, TJXOP_ROT270};
        return plain[t.quarters];
    }
    static const int mirrored[] = {TJXOP_HFLIP, TJXOP_TRANSVERSE, TJXOP_VFLIP, TJXOP_TRANSPOSE};
    return mirrored[t.quarters];
}

// Whether the JPEG is progressive (a SOF2 frame): its turn stays progressive.
bool isProgressive(const QByteArray &jpeg)
{
    qsizetype at = 2;
    while (at + 4 <= jpeg.size() && quint8(jpeg[at]) == 0xFF) {
        const int marker = quint8(jpeg[at + 1]);
        if (marker == 0xC2)
            return true;
        if (marker == 0xC0 || marker == 0xC1 || marker == 0xDA)
            return false;
        at += 2 + (quint8(jpeg[at + 2]) << 8 | quint8(jpeg[at + 3]));
    }
    return false;
}

struct Handle {
    tjhandle h = tjInitTransform();
    ~Handle()
    {
        if (h)
            tjDestroy(h);
    }
};

struct Output {
    unsigned char *data = nullptr;
    unsigned long size = 0;
    ~Output() { tjFree(data); }
};

} // namespace

JpegTurn JpegTurn::apply(const QByteArray &jpeg, PictureTurn turn, bool trim)
{
    JpegTurn r;
    Handle handle;
    if (!handle.h) {
        r.error = QString::fromLocal8Bit(tjGetErrorStr2(nullptr));
        return r;
    }
    const auto *source = reinterpret_cast<const unsigned char *>(jpeg.constData());
    int width = 0, height = 0, subsamp = 0, colorspace = 0;
    if (tjDecompressHeader3(handle.h, source, jpeg.size(), &width, &height, &subsamp, &colorspace) != 0) {
        r.error = QString::fromLocal8Bit(tjGetErrorStr2(handle.h));
        return r;
    }
    if (subsamp >= 0 && subsamp < TJ_NUMSAMP)
        r.block = QSize(tjMCUWidth[subsamp], tjMCUHeight[subsamp]);

    const auto exif = exif::findJpegExif(jpeg);
    const int orientation = exif ? exif::orientation(QByteArrayView(jpeg).sliced(exif->offset, exif->length)) : 1;
    const PictureTurn total = PictureTurn::fromExifOrientation(orientation).then(turn);

    tjtransform transform;
    std::memset(&transform, 0, sizeof transform);
    transform.op = transformOf(total);
    transform.options = trim ? TJXOPT_TRIM : TJXOPT_PERFECT;
    if (isProgressive(jpeg))
        transform.options |= TJXOPT_PROGRESSIVE;
    Output out;
    if (tjTransform(handle.h, source, jpeg.size(), 1, &out.data, &out.size, &transform, 0) != 0) {
        if (!trim) {
            // Only the blocks at the edge stand in the way: say what a trimmed turn gives.
            const JpegTurn trimmed = apply(jpeg, turn, true);
            if (trimmed.outcome == Turned) {
                r.outcome = NeedsTrim;
                Handle probe;
                int w = 0, h = 0, s = 0, c = 0;
                tjDecompressHeader3(probe.h, reinterpret_cast<const unsigned char *>(trimmed.jpeg.constData()),
                                    trimmed.jpeg.size(), &w, &h, &s, &c);
                r.trimmedSize = QSize(w, h);
                return r;
            }
        }
        r.error = QString::fromLocal8Bit(tjGetErrorStr2(handle.h));
        return r;
    }
    r.jpeg = QByteArray(reinterpret_cast<const char *>(out.data), qsizetype(out.size));
    // The turn the orientation asked for is in the pixels now.
    if (const auto outExif = exif::findJpegExif(r.jpeg)) {
        QByteArray tiff = r.jpeg.mid(outExif->offset, outExif->length);
        if (exif::orientation(tiff) != 1 && exif::setOrientation(tiff, 1))
            r.jpeg.replace(outExif->offset, outExif->length, tiff);
    }
    r.outcome = Turned;
    return r;
}

} // namespace orv
