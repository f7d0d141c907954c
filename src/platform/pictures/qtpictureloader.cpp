#include "qtpictureloader.h"

#include "emfconverter.h"
#include "lebytes.h"
#include "metafilesvg.h"
#include "wmfconverter.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTransform>

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace orv {

namespace {

// Qt refuses images above its allocation limit (128 MB by default, about 33 megapixels
// at 32 bits). Raised per reader so that pictures up to MaxPixels load; the pixel count
// is checked against MaxPixels from the header before anything is decoded.
constexpr int AllocationLimitMb = 1024;
static_assert(QtPictureLoader::MaxPixels * 4 <= qint64(AllocationLimitMb) * 1024 * 1024);

// Files read whole into memory to be repaired for Qt are at most this long.
constexpr qint64 MaxRewrittenBytes = QtPictureLoader::MaxPixels * 4 + 1024 * 1024;

// Icons with more entries than this are looked at only up to it.
constexpr int MaxIconEntries = 256;
constexpr int MaxIconCandidates = 8;

bool isSupportedRaster(const QByteArray &format)
{
    static const QByteArrayList formats{"bmp", "dib", "ico", "cur", "jpeg", "jpg", "gif"};
    return formats.contains(format.toLower());
}

// A device-independent bitmap without the "BM" file header (as on the clipboard): it
// starts with the size of one of the bitmap info headers.
bool looksLikeHeaderlessDib(const QByteArray &head)
{
    if (head.size() < 16)
        return false;
    switch (le::u32(head, 0)) {
    case 12:
    case 40:
    case 52:
    case 56:
    case 64:
    case 108:
    case 124:
        return true;
    default:
        return false;
    }
}

bool tooLarge(QSize size)
{
    return qint64(size.width()) * size.height() > QtPictureLoader::MaxPixels;
}

// Colour resolution of a decoded icon entry, to prefer the richest of equally large ones.
int colorBits(const QImage &image)
{
    if (image.format() == QImage::Format_Indexed8 || image.format() == QImage::Format_Mono
        || image.format() == QImage::Format_MonoLSB)
        return int(std::ceil(std::log2(std::max<qsizetype>(2, image.colorCount()))));
    return image.depth();
}

QImage cheapToPaint(QImage image)
{
    const QImage::Format format =
        image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    if (image.format() != format)
        image.convertTo(format);
    return image;
}

// The largest entry of an icon or cursor (among equally large ones, the one with the
// most colours). QImageReader::read() would return the first, often the smallest.
QImage readLargestIcon(QImageReader &reader)
{
    const int count = std::min(reader.imageCount(), MaxIconEntries);
    std::vector<int> candidates;
    qint64 bestArea = -1;
    for (int i = 0; i < count; ++i) {
        if (!reader.jumpToImage(i))
            break;
        const QSize size = reader.size();
        const qint64 area = size.isValid() ? qint64(size.width()) * size.height() : 0;
        if (area > bestArea) {
            bestArea = area;
            candidates.assign(1, i);
        } else if (area == bestArea && int(candidates.size()) < MaxIconCandidates) {
            candidates.push_back(i);
        }
    }
    if (candidates.empty())
        candidates.push_back(0);

    QImage best;
    for (int index : candidates) {
        if (count > 1 && !reader.jumpToImage(index))
            continue;
        if (reader.size().isValid() && tooLarge(reader.size()))
            continue;
        QImage image;
        if (!reader.read(&image) || image.isNull())
            continue;
        if (best.isNull() || colorBits(image) > colorBits(best))
            best = image;
    }
    return best;
}

LoadedPicture loaded(QImage image, double dpi)
{
    LoadedPicture p;
    p.image = cheapToPaint(std::move(image));
    const auto twips = [dpi](int px) { return int(std::lround(px * 1440.0 / dpi)); };
    p.naturalTwips = QSize(twips(p.image.width()), twips(p.image.height()));
    return p;
}

// Orientation (1 to 8) from a JPEG's Exif data; 1 when there is none. Unlike Qt's
// reader it accepts the tag stored as a 32-bit value, as some cameras write it.
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
        const quint32 ifd = u32(4);
        if (ifd + 2 > quint32(tiff.size()))
            return 1;
        const quint32 entries = u16(ifd);
        for (quint32 i = 0; i < entries && ifd + 2 + 12 * (i + 1) <= quint32(tiff.size()); ++i) {
            const qsizetype entry = ifd + 2 + 12 * i;
            if (u16(entry) != 0x0112)
                continue;
            const quint32 type = u16(entry + 2);
            const quint32 value = (type == 3 || type == 8) ? u16(entry + 8) : (type == 4 || type == 9) ? u32(entry + 8) : 0;
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

// Qt reads the bitmap info headers of 12, 40, 64, 108 and 124 bytes, not the 52- and
// 56-byte ones (the 40-byte header followed by the colour masks): such a bitmap is
// rewritten with the 108-byte header, which holds the same masks at the same place.
std::optional<QByteArray> withVersion4Header(QIODevice &device, const QByteArray &head)
{
    const bool fileHeader = head.startsWith("BM");
    const qsizetype base = fileHeader ? 14 : 0;
    if (head.size() < base + 4)
        return std::nullopt;
    const quint32 size = le::u32(head, base);
    if ((size != 52 && size != 56) || device.size() > MaxRewrittenBytes)
        return std::nullopt;
    const QByteArray d = device.readAll();
    if (d.size() < base + size)
        return std::nullopt;
    const quint32 grow = 108 - size;
    QByteArray out = d.left(base + size);
    le::put32(out, base, 108);
    out += QByteArray(grow, '\0');
    out += d.mid(base + size);
    if (fileHeader) {
        le::put32(out, 2, le::u32(out, 2) + grow);
        if (le::u32(out, 10) >= base + size)
            le::put32(out, 10, le::u32(out, 10) + grow);
    }
    return out;
}

// Qt's icon reader rejects directories whose entries claim more than 32 bits per pixel
// or more than one plane (seen in the wild): such entries get the values of the image
// they point at (a PNG entry is 32 bits).
std::optional<QByteArray> withRepairedIconDirectory(QIODevice &device, const QByteArray &head)
{
    if (head.size() < 6 + 16 || le::u16(head, 0) != 0 || le::u16(head, 2) != 1)
        return std::nullopt;
    const int count = le::u16(head, 4);
    if (count == 0)
        return std::nullopt;
    QByteArray d = device.peek(qint64(6) + 16 * count);
    bool broken = false;
    for (int i = 0; i < count && 6 + 16 * (i + 1) <= d.size(); ++i)
        broken = broken || le::u16(d, 6 + 16 * i + 4) > 1 || le::u16(d, 6 + 16 * i + 6) > 32;
    if (!broken || device.size() > MaxRewrittenBytes)
        return std::nullopt;
    d = device.readAll();
    for (int i = 0; i < count && 6 + 16 * (i + 1) <= d.size(); ++i) {
        const qsizetype entry = 6 + 16 * i;
        const quint32 offset = le::u32(d, entry + 12);
        quint16 planes = 1, bits = 32;
        if (offset + 16 <= quint64(d.size()) && !d.mid(offset, 4).startsWith("\x89PNG")) {
            planes = le::u16(d, offset + 12);
            bits = le::u16(d, offset + 14);
        }
        le::put16(d, entry + 4, std::min<quint16>(planes, 1));
        le::put16(d, entry + 6, std::min<quint16>(bits, 32));
    }
    return d;
}

LoadedPicture decodeRaster(QIODevice &device, const QByteArray &head, double dpi)
{
    QImageReader reader(&device);
    reader.setDecideFormatFromContent(true);
    QByteArray format = reader.format();
    if (format.isEmpty() && looksLikeHeaderlessDib(head)) {
        // Qt recognises a headerless DIB only when told: its "dib" reader.
        device.seek(0);
        reader.setDevice(&device);
        reader.setFormat("dib");
        reader.setDecideFormatFromContent(false);
        format = "dib";
    }
    if (format.isEmpty() || !isSupportedRaster(format))
        return LoadedPicture::failure(FileError::Other);
    const bool jpeg = format == "jpeg" || format == "jpg";
    const int orientation = jpeg ? exifOrientation(device.peek(256 * 1024)) : 1;
    reader.setAutoTransform(false); // the orientation is applied below
    reader.setAllocationLimit(AllocationLimitMb);

    const QSize declared = reader.size();
    if (declared.isValid() && tooLarge(declared))
        return LoadedPicture::failure(FileError::Other);

    QImage image;
    if (format == "ico" || format == "cur") {
        image = readLargestIcon(reader);
    } else if (!reader.read(&image)) {
        image = QImage();
    }
    if (image.isNull() || tooLarge(image.size()))
        return LoadedPicture::failure(FileError::Other);
    return loaded(oriented(image, orientation), dpi);
}

LoadedPicture loadRaster(QFile &file, const QByteArray &head, double dpi)
{
    std::optional<QByteArray> rewritten = withVersion4Header(file, head);
    if (!rewritten)
        rewritten = withRepairedIconDirectory(file, head);
    if (!rewritten)
        return decodeRaster(file, head, dpi);
    QBuffer buffer(&*rewritten);
    buffer.open(QIODevice::ReadOnly);
    return decodeRaster(buffer, rewritten->left(head.size()), dpi);
}

LoadedPicture loadMetafile(QFile &file, bool enhanced, double dpi)
{
    const QByteArray data = file.read(QtPictureLoader::MaxMetafileBytes + 1);
    if (data.size() > QtPictureLoader::MaxMetafileBytes)
        return LoadedPicture::failure(FileError::Other);

    MetafileSvg svg;
    if (enhanced) {
        const auto frame = readEmfFrame(data);
        if (!frame || tooLarge(pixelsFromTwips(frame->naturalTwips, dpi)))
            return LoadedPicture::failure(FileError::Other);
        svg = convertEmf(data);
    } else {
        svg = convertWmf(data, dpi, QtPictureLoader::MaxPixels);
    }
    if (!svg.ok())
        return LoadedPicture::failure(FileError::Other);
    const QSize pixels = pixelsFromTwips(svg.naturalTwips, dpi);
    if (tooLarge(pixels))
        return LoadedPicture::failure(FileError::Other);

    LoadedPicture p;
    p.image = renderMetafileSvg(svg, pixels);
    if (p.image.isNull())
        return LoadedPicture::failure(FileError::Other);
    p.naturalTwips = svg.naturalTwips;
    return p;
}

} // namespace

QtPictureLoader::QtPictureLoader(double logicalDpi) : m_dpi(logicalDpi > 0 ? logicalDpi : 96.0) {}

LoadedPicture QtPictureLoader::load(const QString &path) const
{
    // Devices and pipes are no pictures (and reading them may never end).
    const QFileInfo info(path);
    if (info.exists() && !info.isFile() && !info.isDir())
        return LoadedPicture::failure(FileError::Other);
    if (const int access = FileError::probeReadable(path); access != FileError::None)
        return LoadedPicture::failure(access);

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        const int access = FileError::probeReadable(path);
        return LoadedPicture::failure(access != FileError::None ? access : FileError::Other);
    }
    const QByteArray head = file.peek(128);
    if (head.isEmpty())
        return LoadedPicture::failure(FileError::Other);

    if (looksLikeEmf(head))
        return loadMetafile(file, true, m_dpi);
    if (looksLikeWmf(head))
        return loadMetafile(file, false, m_dpi);
    return loadRaster(file, head, m_dpi);
}

} // namespace orv
