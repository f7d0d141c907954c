#include "avifpicture.h"

#include "deepimage.h"
#include "picturelimits.h"

#include <avif/avif.h>

#include <cmath>

namespace orv {

namespace {

QImage toImage(const avifImage *image)
{
    const QSize size(int(image->width), int(image->height));
    const bool deep = image->depth > 8;
    if (!limits::allowed(size, deep ? 8 : 4))
        return QImage();
    const bool alpha = image->alphaPlane != nullptr;
    avifRGBImage rgb;
    avifRGBImageSetDefaults(&rgb, image);
    QImage out;
    if (deep) {
        rgb.depth = 16;
        rgb.format = AVIF_RGB_FORMAT_RGBA;
        out = QImage(size, alpha ? QImage::Format_RGBA64 : QImage::Format_RGBX64);
    } else {
        // BGRA bytes are Qt's 32-bit ARGB words on little-endian machines.
        rgb.depth = 8;
        rgb.format = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? AVIF_RGB_FORMAT_BGRA : AVIF_RGB_FORMAT_ARGB;
        rgb.alphaPremultiplied = AVIF_TRUE;
        out = QImage(size, alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    }
    if (out.isNull())
        return out;
    rgb.pixels = out.bits();
    rgb.rowBytes = uint32_t(out.bytesPerLine());
    if (avifImageYUVToRGB(image, &rgb) != AVIF_RESULT_OK)
        return QImage();
    if (image->icc.size > 0)
        out.setColorSpace(QColorSpace::fromIccProfile(
            QByteArray::fromRawData(reinterpret_cast<const char *>(image->icc.data), qsizetype(image->icc.size))));
    else
        out.setColorSpace(colourSpaceFromCicp(image->colorPrimaries, image->transferCharacteristics));
    out = screenReady(std::move(out));
    const int turns = (image->transformFlags & AVIF_TRANSFORM_IROT) ? image->irot.angle : 0;
    const int mirror = (image->transformFlags & AVIF_TRANSFORM_IMIR) ? image->imir.mode : -1;
    return turnedAndMirrored(out, turns, mirror);
}

} // namespace

AvifFrameDecoder::AvifFrameDecoder(QByteArray data) : m_data(std::move(data)), m_decoder(avifDecoderCreate()) {}

AvifFrameDecoder::~AvifFrameDecoder()
{
    if (m_decoder)
        avifDecoderDestroy(m_decoder);
}

std::unique_ptr<AvifFrameDecoder> AvifFrameDecoder::open(QByteArray data)
{
    std::unique_ptr<AvifFrameDecoder> d(new AvifFrameDecoder(std::move(data)));
    avifDecoder *dec = d->m_decoder;
    if (!dec)
        return nullptr;
    dec->maxThreads = 2;
    dec->imageSizeLimit = uint32_t(limits::MaxPixels);
    dec->imageDimensionLimit = 99'999;
    // Files that leave out a required property (pixi, for one) are common: read them.
    dec->strictFlags = AVIF_STRICT_DISABLED;
    dec->ignoreXMP = AVIF_TRUE;
    if (avifDecoderSetIOMemory(dec, reinterpret_cast<const uint8_t *>(d->m_data.constData()),
                               size_t(d->m_data.size())) != AVIF_RESULT_OK ||
        avifDecoderParse(dec) != AVIF_RESULT_OK)
        return nullptr;
    if (!limits::allowed(QSize(int(dec->image->width), int(dec->image->height)), dec->image->depth > 8 ? 8 : 4))
        return nullptr;
    return d;
}

bool AvifFrameDecoder::next(DecodedFrame &frame)
{
    if (avifDecoderNextImage(m_decoder) != AVIF_RESULT_OK)
        return false;
    QImage image = toImage(m_decoder->image);
    if (image.isNull())
        return false;
    frame.image = std::move(image);
    frame.delayMs = int(std::lround(std::clamp(m_decoder->imageTiming.duration, 0.0, 3600.0) * 1000));
    return true;
}

bool AvifFrameDecoder::rewind()
{
    return avifDecoderReset(m_decoder) == AVIF_RESULT_OK;
}

int AvifFrameDecoder::frameCount() const
{
    return m_decoder->imageCount;
}

} // namespace orv
