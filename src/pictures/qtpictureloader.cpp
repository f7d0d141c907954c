#include "qtpictureloader.h"

#include "apngdecoder.h"
#include "avifpicture.h"
#include "deepimage.h"
#include "emfconverter.h"
#include "exiforientation.h"
#include "heifpicture.h"
#include "iconpngcheck.h"
#include "lebytes.h"
#include "jxlpicture.h"
#include "metafilesvg.h"
#include "pictureformat.h"
#include "picturelimits.h"
#include "qtframedecoder.h"
#include "svgpicture.h"
#include "tiffpicture.h"
#include "wmfconverter.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QLoggingCategory>

#include <QtEndian>

#ifdef Q_OS_LINUX
#include <cstdlib>
#include <sys/mman.h>
#endif

#include <algorithm>
#include <atomic>
#include <cmath>
#include <optional>
#include <vector>

namespace orv {

namespace {

Q_LOGGING_CATEGORY(lcPictures, "orvanta.pictures")

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
    static const QByteArrayList formats{"bmp", "dib", "ico", "cur", "jpeg", "jpg", "gif", "png", "webp", "tiff", "tif"};
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
    if (image.format() == QImage::Format_Indexed8 || image.format() == QImage::Format_Mono ||
        image.format() == QImage::Format_MonoLSB)
        return int(std::ceil(std::log2(std::max<qsizetype>(2, image.colorCount()))));
    return image.depth();
}

// The bytes a pixel of `format` takes while it is decoded (deep formats are dithered to
// 32 bits after).
int bytesPerPixel(QImage::Format format)
{
    const int depth = QImage::toPixelFormat(format).bitsPerPixel();
    return std::max(4, depth / 8);
}

// The largest entry of an icon or cursor (among equally large ones, the one with the
// most colours). QImageReader::read() would return the first, often the smallest.
// Entries marked in `skipped` are left out.
QImage readLargestIcon(QImageReader &reader, const std::vector<bool> &skipped)
{
    const int count = std::min(reader.imageCount(), MaxIconEntries);
    std::vector<int> candidates;
    qint64 bestArea = -1;
    for (int i = 0; i < count; ++i) {
        if (!reader.jumpToImage(i))
            break;
        if (i < int(skipped.size()) && skipped[i])
            continue;
        const QSize size = reader.size();
        const qint64 area = size.isValid() ? qint64(size.width()) * size.height() : 0;
        if (area > bestArea) {
            bestArea = area;
            candidates.assign(1, i);
        } else if (area == bestArea && int(candidates.size()) < MaxIconCandidates) {
            candidates.push_back(i);
        }
    }
    if (candidates.empty() && (skipped.empty() || !skipped[0]))
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

// `naturalPixels`: the picture's own size, which a picture decoded at a reduced scale is
// smaller than.
LoadedPicture loaded(QImage image, QSize naturalPixels, double dpi)
{
    LoadedPicture p;
    p.image = screenReady(std::move(image));
    const auto twips = [dpi](int px) { return int(std::lround(px * 1440.0 / dpi)); };
    p.naturalTwips = QSize(twips(naturalPixels.width()), twips(naturalPixels.height()));
    return p;
}

// The reduced scale 1/N (N = 8, 4 or 2, the smallest picture wins) at which a JPEG of
// `stored` pixels can be decoded and still be at least `minimum` on each side (or its own
// size where that is smaller); 1 for the full size. Only scales that divide the size
// exactly are used: libjpeg's DCT scaling then gives the picture directly, with no
// resampling after it.
int jpegScaleDenominator(QSize stored, QSize minimum)
{
    if (!minimum.isValid() || stored.isEmpty())
        return 1;
    const int needWidth = std::min(stored.width(), minimum.width());
    const int needHeight = std::min(stored.height(), minimum.height());
    for (int n : {8, 4, 2}) {
        if (stored.width() % n == 0 && stored.height() % n == 0 && stored.width() / n >= needWidth &&
            stored.height() / n >= needHeight)
            return n;
    }
    return 1;
}

// A blank 32-bit image for the decoder to fill, its pixels in transparent huge pages where
// the system offers them: touching a large fresh buffer page by page costs more than
// decoding into it. A null image when the picture is small or the memory is refused (the
// decoder then allocates its own).
QImage hugePageImage(QSize size)
{
#ifdef Q_OS_LINUX
    constexpr size_t HugePage = 2 * 1024 * 1024;
    const qsizetype bytesPerLine = qsizetype(size.width()) * 4;
    const size_t bytes = size_t(bytesPerLine) * size_t(std::max(0, size.height()));
    if (bytes < 4 * HugePage)
        return QImage();
    const size_t rounded = (bytes + HugePage - 1) / HugePage * HugePage;
    void *data = nullptr;
    if (posix_memalign(&data, HugePage, rounded) != 0)
        return QImage();
    madvise(data, rounded, MADV_HUGEPAGE);
    QImage image(
        static_cast<uchar *>(data), size.width(), size.height(), bytesPerLine, QImage::Format_RGB32,
        [](void *p) { std::free(p); }, data);
    if (image.isNull())
        std::free(data);
    return image;
#else
    Q_UNUSED(size);
    return QImage();
#endif
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
        if (quint64(offset) + 16 <= quint64(d.size()) && !d.mid(offset, 4).startsWith("\x89PNG")) {
            planes = le::u16(d, offset + 12);
            bits = le::u16(d, offset + 14);
        }
        le::put16(d, entry + 4, std::min<quint16>(planes, 1));
        le::put16(d, entry + 6, std::min<quint16>(bits, 32));
    }
    return d;
}

LoadedPicture decodeRaster(QIODevice &device, const QByteArray &head, double dpi, QSize minimumPixels)
{
    // Looked at before the reader takes the device.
    const bool iconDirectory =
        head.size() >= 6 && le::u16(head, 0) == 0 && (le::u16(head, 2) == 1 || le::u16(head, 2) == 2);
    const std::vector<bool> brokenIcons =
        iconDirectory ? iconEntriesWithBrokenPng(device, MaxIconEntries) : std::vector<bool>();
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
    // The orientation of a JPEG is applied below; TIFF's (and any other reader's) by Qt.
    const bool qtTurns = format == "tiff" || format == "tif" || format == "png" || format == "webp";
    reader.setAutoTransform(qtTurns);
    reader.setAllocationLimit(AllocationLimitMb);

    const QSize declared = reader.size();
    if (declared.isValid() && (tooLarge(declared) || !limits::allowed(declared, bytesPerPixel(reader.imageFormat()))))
        return LoadedPicture::failure(FileError::Other);
    // LZW codes stand for at most 4,096 pixels: a GIF claiming more pixels than that
    // for every byte it holds is a bomb (Qt would fill what is missing, at full size).
    if (format == "gif" && declared.isValid() &&
        qint64(declared.width()) * declared.height() > std::max<qint64>(device.size(), 1) * 4096)
        return LoadedPicture::failure(FileError::Other);

    // Counted before the first frame is read: an animated GIF or WebP of one frame stands still.
    const bool moves = (format == "gif" || format == "webp") && reader.imageCount() > 1;

    QImage image;
    int denominator = 1;
    if (format == "ico" || format == "cur") {
        image = readLargestIcon(reader, brokenIcons);
    } else {
        if (jpeg && declared.isValid()) {
            // A picture turned by its orientation is decoded before it is turned.
            denominator =
                jpegScaleDenominator(declared, orientation >= 5 ? minimumPixels.transposed() : minimumPixels);
            if (denominator > 1)
                reader.setScaledSize(declared / denominator);
            if (reader.imageFormat() == QImage::Format_RGB32)
                image = hugePageImage(declared / denominator);
        }
        if (!reader.read(&image))
            image = QImage();
        // What Qt's TIFF reader turns down, libtiff's own RGBA interface may read.
        if (image.isNull() && (format == "tiff" || format == "tif") && device.size() <= limits::MaxFileBytes &&
            device.seek(0))
            image = decodeTiffPage(device.readAll());
    }
    if (image.isNull() || tooLarge(image.size()))
        return LoadedPicture::failure(FileError::Other);
    image = oriented(image, orientation);
    QSize natural = image.size();
    if (denominator > 1)
        natural = orientation >= 5 ? declared.transposed() : declared;
    LoadedPicture picture = loaded(std::move(image), natural, dpi);
    picture.moves = moves && limits::mayMove(picture.image.size());
    return picture;
}

LoadedPicture loadRaster(QIODevice &device, const QByteArray &head, double dpi, QSize minimumPixels)
{
    std::optional<QByteArray> rewritten = withVersion4Header(device, head);
    if (!rewritten)
        rewritten = withRepairedIconDirectory(device, head);
    if (!rewritten)
        return decodeRaster(device, head, dpi, minimumPixels);
    QBuffer buffer(&*rewritten);
    buffer.open(QIODevice::ReadOnly);
    return decodeRaster(buffer, rewritten->left(head.size()), dpi, minimumPixels);
}

void warnOnce(const MetafileProcess &helper)
{
    static std::atomic_bool warned = false;
    if (!warned.exchange(true))
        qCWarning(lcPictures,
                  "The metafile converter %s cannot be run: WMF and EMF pictures cannot be shown.",
                  qUtf8Printable(QDir::toNativeSeparators(helper.helperPath())));
}

} // namespace

QtPictureLoader::QtPictureLoader(double logicalDpi) : m_dpi(logicalDpi > 0 ? logicalDpi : 96.0) {}

LoadedPicture QtPictureLoader::loadMetafile(QIODevice &device, bool enhanced) const
{
    const double dpi = m_dpi.load(); // one scale for the whole load
    const QByteArray data = device.read(MaxMetafileBytes + 1);
    if (data.size() > MaxMetafileBytes)
        return LoadedPicture::failure(FileError::Other);
    if (enhanced) {
        // The header is read here (no libemf2svg): a huge frame fails before any work.
        const auto frame = readEmfFrame(data);
        if (!frame || tooLarge(pixelsFromTwips(frame->naturalTwips, dpi)))
            return LoadedPicture::failure(FileError::Other);
    }

    const MetafileProcess::Result converted = m_metafiles.convert(
        enhanced ? MetafileProcess::Kind::Emf : MetafileProcess::Kind::Wmf, data, dpi, MaxPixels);
    switch (converted.status) {
    case MetafileProcess::Status::Converted:
    case MetafileProcess::Status::Refused:
        break;
    case MetafileProcess::Status::NotStarted:
        warnOnce(m_metafiles);
        break;
    case MetafileProcess::Status::Crashed:
    case MetafileProcess::Status::TimedOut:
    case MetafileProcess::Status::BadOutput:
        qCInfo(lcPictures, "The metafile converter failed (%s).",
               converted.status == MetafileProcess::Status::Crashed    ? "crashed"
               : converted.status == MetafileProcess::Status::TimedOut ? "timed out"
                                                                       : "bad output");
        break;
    }
    const MetafileSvg &svg = converted.svg;
    if (converted.status != MetafileProcess::Status::Converted || !svg.ok())
        return LoadedPicture::failure(FileError::Other);
    const QSize pixels = pixelsFromTwips(svg.naturalTwips, dpi);
    if (tooLarge(pixels))
        return LoadedPicture::failure(FileError::Other);

    LoadedPicture p;
    p.image = renderMetafileSvg(svg, renderedPixelSize(pixels, MaxMetafileRenderPixels));
    if (p.image.isNull())
        return LoadedPicture::failure(FileError::Other);
    p.naturalTwips = svg.naturalTwips;
    return p;
}

LoadedPicture QtPictureLoader::loadWhole(QIODevice &device, PictureFormat format) const
{
    const double dpi = m_dpi.load();
    if (device.size() > limits::MaxFileBytes)
        return LoadedPicture::failure(FileError::Other);
    QByteArray data = device.readAll();
    LoadedPicture p = LoadedPicture::failure(FileError::Other);
    const auto firstFrame = [&p, dpi](FrameDecoder *decoder, bool moves) {
        DecodedFrame frame;
        if (decoder && decoder->next(frame)) {
            const QSize size = frame.image.size();
            p = loaded(std::move(frame.image), size, dpi);
            p.moves = moves && limits::mayMove(size);
        }
    };
    switch (format) {
    case PictureFormat::Heif:
        if (QImage image = decodeHeif(data); !image.isNull()) {
            const QSize size = image.size();
            p = loaded(std::move(image), size, dpi);
        }
        break;
    case PictureFormat::Avif: {
        const auto decoder = AvifFrameDecoder::open(std::move(data));
        firstFrame(decoder.get(), decoder && decoder->frameCount() > 1);
        break;
    }
    case PictureFormat::JpegXl: {
        const auto decoder = JxlFrameDecoder::open(std::move(data));
        firstFrame(decoder.get(), decoder && decoder->animated());
        break;
    }
    case PictureFormat::Svg:
    case PictureFormat::SvgCompressed: {
        const auto xml = safeSvg(data, format == PictureFormat::SvgCompressed);
        const auto svg = xml ? drawSvg(*xml, MaxMetafileRenderPixels) : std::nullopt;
        if (svg) {
            p = loaded(svg->image, svg->naturalPixels, dpi);
        }
        break;
    }
    case PictureFormat::Png: {
        // An animated PNG shows its first frame; a PNG that does not move is Qt's.
        if (const auto decoder = ApngDecoder::open(data)) {
            firstFrame(decoder.get(), true);
            break;
        }
        QBuffer buffer(&data);
        buffer.open(QIODevice::ReadOnly);
        return loadRaster(buffer, buffer.peek(4096), dpi, QSize());
    }
    case PictureFormat::Other:
        break;
    }
    return p;
}

LoadedPicture QtPictureLoader::loadFromDevice(QIODevice &device, QSize minimumPixels) const
{
    const QByteArray head = device.peek(4096);
    if (head.isEmpty())
        return LoadedPicture::failure(FileError::Other);
    if (looksLikeEmf(head))
        return loadMetafile(device, true);
    if (looksLikeWmf(head))
        return loadMetafile(device, false);
    const PictureFormat format = sniffPictureFormat(head);
    // A PNG is read whole only when it may be animated (its acTL comes before its data).
    if (format != PictureFormat::Other && (format != PictureFormat::Png || head.contains("acTL")))
        return loadWhole(device, format);
    return loadRaster(device, head, m_dpi.load(), minimumPixels);
}

FrameDecoderPtr QtPictureLoader::framesFromBytes(QByteArray data)
{
    switch (sniffPictureFormat(data.left(4096))) {
    case PictureFormat::Png:
        return ApngDecoder::open(std::move(data));
    case PictureFormat::Avif:
        if (auto d = AvifFrameDecoder::open(std::move(data)); d && d->frameCount() > 1)
            return d;
        return nullptr;
    case PictureFormat::JpegXl:
        if (auto d = JxlFrameDecoder::open(std::move(data)); d && d->animated())
            return d;
        return nullptr;
    default:
        return nullptr;
    }
}

FrameDecoderPtr QtPictureLoader::frames(const QString &path) const
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    switch (sniffPictureFormat(file.peek(4096))) {
    case PictureFormat::Png:
    case PictureFormat::Avif:
    case PictureFormat::JpegXl:
        return file.size() <= limits::MaxFileBytes ? framesFromBytes(file.readAll()) : nullptr;
    default:
        return openQtFrameDecoder(path); // GIF and WebP
    }
}

LoadedPicture QtPictureLoader::load(const QString &path) const
{
    return load(path, QSize());
}

LoadedPicture QtPictureLoader::load(const QString &path, QSize minimumPixels) const
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
    return loadFromDevice(file, minimumPixels);
}

LoadedPicture QtPictureLoader::loadFromBytes(const QByteArray &bytes, QSize minimumPixels) const
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return loadFromDevice(buffer, minimumPixels);
}

} // namespace orv
