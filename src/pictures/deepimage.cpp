#include "deepimage.h"

#include <QRgba64>
#include <QTransform>

#include <algorithm>

namespace orv {

namespace {

bool isDeep(QImage::Format format)
{
    switch (format) {
    case QImage::Format_RGBA64:
    case QImage::Format_RGBA64_Premultiplied:
    case QImage::Format_RGBX64:
    case QImage::Format_Grayscale16:
        return true;
    default:
        return false;
    }
}

// A 4x4 ordered (Bayer) dither: the offsets, in 16-bit steps, added before a sample is
// cut to 8 bits; they average half a step of the 8-bit scale.
constexpr int Bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

quint32 dithered(quint16 v, int offset)
{
    return std::min<quint32>(255, (quint32(v) + quint32(offset)) / 257);
}

QImage ditheredTo32(const QImage &deep)
{
    const bool alpha = deep.hasAlphaChannel();
    const QImage source = deep.convertToFormat(alpha ? QImage::Format_RGBA64_Premultiplied : QImage::Format_RGBX64);
    QImage out(source.size(), alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    if (out.isNull())
        return out;
    for (int y = 0; y < source.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgba64 *>(source.constScanLine(y));
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            const int offset = (Bayer[y & 3][x & 3] * 257 + 128) / 16;
            const QRgba64 p = in[x];
            const quint32 a = alpha ? dithered(p.alpha(), offset) : 255;
            // Premultiplied: no component above the alpha it was multiplied by.
            const quint32 r = std::min(a, dithered(p.red(), offset));
            const quint32 g = std::min(a, dithered(p.green(), offset));
            const quint32 b = std::min(a, dithered(p.blue(), offset));
            line[x] = (a << 24) | (r << 16) | (g << 8) | b;
        }
    }
    out.setColorSpace(source.colorSpace());
    return out;
}

} // namespace

QImage screenReady(QImage image)
{
    if (image.isNull())
        return image;
    if (isDeep(image.format())) {
        if (image.colorSpace().isValid() && image.colorSpace() != QColorSpace(QColorSpace::SRgb)) {
            if (image.format() == QImage::Format_Grayscale16)
                image.convertTo(QImage::Format_RGBX64);
            else if (image.format() == QImage::Format_RGBA64_Premultiplied)
                image.convertTo(QImage::Format_RGBA64);
            image.convertToColorSpace(QColorSpace::SRgb);
        }
        return ditheredTo32(image);
    }
    const QImage::Format format =
        image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    if (image.format() != format)
        image.convertTo(format);
    return image;
}

QColorSpace colourSpaceFromCicp(int primaries, int transfer)
{
    QColorSpace::Primaries p;
    switch (primaries) {
    case 1: // BT.709
    case 2: // unspecified
        p = QColorSpace::Primaries::SRgb;
        break;
    case 9: // BT.2020
        p = QColorSpace::Primaries::SRgb;
        break;
    case 12: // P3 with the D65 white point
        p = QColorSpace::Primaries::DciP3D65;
        break;
    default:
        p = QColorSpace::Primaries::SRgb;
        break;
    }
    QColorSpace::TransferFunction tf = QColorSpace::TransferFunction::SRgb;
    float gamma = 0;
    switch (transfer) {
    case 8: // linear
        tf = QColorSpace::TransferFunction::Linear;
        break;
    case 4: // gamma 2.2
        tf = QColorSpace::TransferFunction::Gamma;
        gamma = 2.2f;
        break;
    case 5: // gamma 2.8
        tf = QColorSpace::TransferFunction::Gamma;
        gamma = 2.8f;
        break;
    default: // sRGB, BT.709, BT.2020 curves and unspecified: drawn with sRGB's curve
        break;
    }
    if (primaries == 9) {
        // BT.2020's primaries (Qt 6.4 names none of them).
        const QColorSpace bt2020(QPointF(0.3127, 0.3290), QPointF(0.708, 0.292), QPointF(0.170, 0.797),
                                 QPointF(0.131, 0.046), tf, gamma);
        return bt2020;
    }
    if (p == QColorSpace::Primaries::SRgb && tf == QColorSpace::TransferFunction::SRgb)
        return QColorSpace();
    return QColorSpace(p, tf, gamma);
}

QImage turnedAndMirrored(const QImage &image, int quarterTurns, int mirror)
{
    QImage out = image;
    if (quarterTurns % 4 != 0)
        out = out.transformed(QTransform().rotate(-90.0 * (quarterTurns % 4)));
    if (mirror == 0)
        out.mirror(false, true);
    else if (mirror == 1)
        out.mirror(true, false);
    return out;
}

} // namespace orv
