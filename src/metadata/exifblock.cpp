#include "exifblock.h"

#include <QFile>

namespace orv::exif {

namespace {

constexpr quint16 kOrientation = 0x0112;
constexpr quint16 kDateTime = 0x0132;
constexpr quint16 kExifIfd = 0x8769;
constexpr quint16 kDateTimeOriginal = 0x9003;
constexpr qsizetype kEntrySize = 12;

// Reads the TIFF structure's numbers in its own byte order, within bounds.
class Tiff
{
public:
    explicit Tiff(QByteArrayView bytes) : m_b(bytes)
    {
        if (m_b.size() >= 8 && m_b.startsWith("II*\0"))
            m_little = true;
        else if (m_b.size() >= 8 && m_b.startsWith("MM\0*"))
            m_little = false;
        else
            m_b = {};
    }
    bool valid() const { return !m_b.isEmpty(); }
    bool fits(qsizetype at, qsizetype n) const { return at >= 0 && n >= 0 && at <= m_b.size() - n; }
    quint32 u16(qsizetype at) const
    {
        if (!fits(at, 2))
            return 0;
        const auto b = [&](int i) { return quint32(quint8(m_b[at + i])); };
        return m_little ? b(0) | b(1) << 8 : b(0) << 8 | b(1);
    }
    quint32 u32(qsizetype at) const
    {
        if (!fits(at, 4))
            return 0;
        return m_little ? u16(at) | u16(at + 2) << 16 : u16(at) << 16 | u16(at + 2);
    }
    bool little() const { return m_little; }

    // The offset of the entry of `tag` in the IFD at `ifd`, or -1.
    qsizetype entry(qsizetype ifd, quint16 tag) const
    {
        if (!fits(ifd, 2))
            return -1;
        const quint32 count = u16(ifd);
        for (quint32 i = 0; i < count; ++i) {
            const qsizetype at = ifd + 2 + qsizetype(i) * kEntrySize;
            if (!fits(at, kEntrySize))
                return -1;
            if (u16(at) == tag)
                return at;
        }
        return -1;
    }
    qsizetype ifd0() const { return qsizetype(u32(4)); }

    // An ASCII value of at least 19 characters (a date) at entry `at`.
    QString date(qsizetype at) const
    {
        if (at < 0 || u16(at + 2) != 2)
            return {};
        const quint32 count = u32(at + 4);
        const qsizetype where = count <= 4 ? at + 8 : qsizetype(u32(at + 8));
        if (count < 19 || !fits(where, 19))
            return {};
        const QString text = QString::fromLatin1(m_b.sliced(where, 19));
        // Cameras without a clock write blanks or zeros.
        return text.startsWith(QLatin1String("0000")) || text.trimmed().isEmpty() ? QString() : text;
    }

private:
    QByteArrayView m_b;
    bool m_little = true;
};

} // namespace

std::optional<TiffSpan> findJpegExif(QByteArrayView jpeg)
{
    if (jpeg.size() < 4 || quint8(jpeg[0]) != 0xFF || quint8(jpeg[1]) != 0xD8)
        return std::nullopt;
    qsizetype at = 2;
    while (at + 4 <= jpeg.size()) {
        if (quint8(jpeg[at]) != 0xFF)
            return std::nullopt;
        const int marker = quint8(jpeg[at + 1]);
        if (marker == 0xFF) { // fill byte
            ++at;
            continue;
        }
        if (marker == 0xDA || marker == 0xD9) // the picture data: no Exif after it
            return std::nullopt;
        const qsizetype length = quint8(jpeg[at + 2]) << 8 | quint8(jpeg[at + 3]);
        if (length < 2)
            return std::nullopt;
        if (marker == 0xE1 && length >= 8 && at + 10 <= jpeg.size() &&
            jpeg.sliced(at + 4, 6) == QByteArrayView("Exif\0\0", 6)) {
            if (at + 2 + length > jpeg.size())
                return std::nullopt;
            return TiffSpan{at + 10, length - 8};
        }
        at += 2 + length;
    }
    return std::nullopt;
}

QString dateTaken(QByteArrayView bytes)
{
    const Tiff tiff(bytes);
    if (!tiff.valid())
        return {};
    const qsizetype ifd0 = tiff.ifd0();
    const qsizetype exifEntry = tiff.entry(ifd0, kExifIfd);
    if (exifEntry >= 0) {
        const QString original = tiff.date(tiff.entry(qsizetype(tiff.u32(exifEntry + 8)), kDateTimeOriginal));
        if (!original.isEmpty())
            return original;
    }
    return tiff.date(tiff.entry(ifd0, kDateTime));
}

int orientation(QByteArrayView bytes)
{
    const Tiff tiff(bytes);
    if (!tiff.valid())
        return 1;
    const qsizetype at = tiff.entry(tiff.ifd0(), kOrientation);
    if (at < 0)
        return 1;
    const quint32 type = tiff.u16(at + 2);
    const quint32 value = type == 3 ? tiff.u16(at + 8) : type == 4 ? tiff.u32(at + 8) : 1;
    return value >= 1 && value <= 8 ? int(value) : 1;
}

bool setOrientation(QByteArray &bytes, int value)
{
    const Tiff tiff(bytes);
    if (!tiff.valid())
        return false;
    const qsizetype at = tiff.entry(tiff.ifd0(), kOrientation);
    if (at < 0)
        return tiff.fits(tiff.ifd0(), 2);
    // A SHORT (or, from some cameras, a LONG) held in the entry itself.
    const quint32 type = tiff.u16(at + 2);
    if ((type != 3 && type != 4) || tiff.u32(at + 4) != 1)
        return false;
    char *field = bytes.data() + at + 8;
    const int width = type == 3 ? 2 : 4;
    for (int i = 0; i < width; ++i) {
        const int shift = tiff.little() ? 8 * i : 8 * (width - 1 - i);
        field[i] = char((quint32(value) >> shift) & 0xFF);
    }
    return true;
}

std::optional<QByteArray> readJpegExif(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    uchar head[4];
    if (file.read(reinterpret_cast<char *>(head), 2) != 2 || head[0] != 0xFF || head[1] != 0xD8)
        return std::nullopt;
    // Segment by segment: only the headers of the segments before the Exif
    // one are read, and the Exif segment itself.
    for (int segments = 0; segments < 32; ++segments) {
        if (file.read(reinterpret_cast<char *>(head), 4) != 4 || head[0] != 0xFF)
            return QByteArray();
        const int marker = head[1];
        const int length = head[2] << 8 | head[3];
        if (marker == 0xDA || marker == 0xD9 || length < 2)
            return QByteArray();
        if (marker == 0xE1 && length > 8) {
            const QByteArray segment = file.read(length - 2);
            if (segment.size() == length - 2 && segment.startsWith(QByteArrayView("Exif\0\0", 6)))
                return segment.mid(6);
        } else if (!file.seek(file.pos() + length - 2)) {
            return QByteArray();
        }
    }
    return QByteArray();
}

} // namespace orv::exif
