#include "exiforientation.h"

#include <QTransform>
#include <QtEndian>

namespace orv {

int exifOrientation(const QByteArray &jpeg)
{
    qsizetype at = 2;
    while (at + 4 <= jpeg.size() && quint8(jpeg[at]) == 0xFF) {
        const quint8 marker = quint8(jpeg[at + 1]);
        if (marker == 0xDA || marker == 0xD9) // image data follows: no more metadata
            break;
        const qsizetype length = qFromBigEndian<quint16>(jpeg.constData() + at + 2);
        if (length < 2 || at + 2 + length > jpeg.size())
            break;
        const QByteArray segment = jpeg.mid(at + 4, length - 2);
        at += 2 + length;
        if (marker != 0xE1 || !segment.startsWith(QByteArrayLiteral("Exif\0\0")) || segment.size() < 14)
            continue;
        const QByteArray tiff = segment.mid(6);
        const bool little = tiff.startsWith("II");
        if (!little && !tiff.startsWith("MM"))
            return 1;
        const auto u16 = [&](qsizetype i) -> quint32 {
            return little ? qFromLittleEndian<quint16>(tiff.constData() + i)
                          : qFromBigEndian<quint16>(tiff.constData() + i);
        };
        const auto u32 = [&](qsizetype i) -> quint32 {
            return little ? qFromLittleEndian<quint32>(tiff.constData() + i)
                          : qFromBigEndian<quint32>(tiff.constData() + i);
        };
        const qsizetype ifd = u32(4);
        if (ifd + 2 > tiff.size())
            return 1;
        const quint32 entries = u16(ifd);
        for (qsizetype i = 0; i < entries && ifd + 2 + 12 * (i + 1) <= tiff.size(); ++i) {
            const qsizetype entry = ifd + 2 + 12 * i;
            if (u16(entry) != 0x0112)
                continue;
            const quint32 type = u16(entry + 2);
            const quint32 value = (type == 3 || type == 8)   ? u16(entry + 8)
                                  : (type == 4 || type == 9) ? u32(entry + 8)
                                                             : 0;
            return value >= 1 && value <= 8 ? int(value) : 1;
        }
        return 1;
    }
    return 1;
}

QImage oriented(const QImage &image, int orientation)
{
    const QTransform quarterTurn = QTransform().rotate(90);
    switch (orientation) {
    case 2:
        return image.mirrored(true, false);
    case 3:
        return image.mirrored(true, true);
    case 4:
        return image.mirrored(false, true);
    case 5: // transpose
        return image.transformed(quarterTurn).mirrored(true, false);
    case 6:
        return image.transformed(quarterTurn);
    case 7: // transverse
        return image.transformed(quarterTurn).mirrored(false, true);
    case 8:
        return image.transformed(QTransform().rotate(270));
    default:
        return image;
    }
}

} // namespace orv
