#include "emfconverter.h"

#include "lebytes.h"

#include <QRegularExpression>

#include <cmath>
#include <cstdlib>
#include <emf2svg.h>
#include <limits>
#include <mutex>

namespace orv {

namespace {

constexpr quint32 EmrHeader = 1;
constexpr quint32 EmrEof = 14;
constexpr quint32 EmrSelectObject = 37;
constexpr quint32 EmrComment = 70;
constexpr quint32 EmrExtCreateFontIndirectW = 82;
constexpr quint32 EmrExtTextOutA = 83;
constexpr quint32 EmrExtTextOutW = 84;
constexpr quint32 EmrPolyTextOutA = 96;
constexpr quint32 EmrPolyTextOutW = 97;
constexpr quint32 EtoGlyphIndex = 0x10;
constexpr quint8 HebrewCharset = 177;
constexpr quint8 ArabicCharset = 178;
constexpr quint32 WhiteBrush = 0x80000000; // stock objects
constexpr quint32 BlackPen = 0x80000007;
constexpr quint32 EmfSignature = 0x464D4520;      // " EMF"
constexpr quint32 EmfPlusIdentifier = 0x2B464D45; // "EMF+", the first data bytes of a comment
constexpr qsizetype CommentDataAt = 12;           // after the type, the size and the data size
constexpr qsizetype EmfPlusHeaderSize = 12;       // type, flags, size, data size
constexpr quint16 EmfPlusTypeMask = 0x3F;         // libemf2svg reads a record's type through it
constexpr quint16 EmfPlusObject = 0x08;
constexpr quint16 EmfPlusComment = 0x4003;
constexpr quint16 EmfPlusContinued = 0x8000; // an object's flag: more of it follows
constexpr qsizetype BaseHeaderSize = 88;
constexpr qsizetype MicrometersOffset = 100;
constexpr qsizetype HeaderWithMicrometers = 108;

// Field offsets in the header record.
constexpr qsizetype BoundsAt = 8;
constexpr qsizetype FrameAt = 24;
constexpr qsizetype BytesAt = 48;
constexpr qsizetype RecordsAt = 52;
constexpr qsizetype DescriptionLengthAt = 60;
constexpr qsizetype DescriptionOffsetAt = 64;
constexpr qsizetype DeviceAt = 72;
constexpr qsizetype MillimetersAt = 80;
constexpr qsizetype PixelFormatSizeAt = 88;
constexpr qsizetype PixelFormatOffsetAt = 92;

// libemf2svg is not known to be reentrant.
std::mutex &converterMutex()
{
    static std::mutex m;
    return m;
}

// Reference-device pixels per 0.01 mm along one axis. The header gives the device size in
// pixels and in millimetres; the millimetres are rounded, the optional micrometres are
// not, so they win when present and consistent with the millimetres (some writers put
// nonsense there).
double pixelsPerHimetric(qint32 devicePixels, qint32 millimetres, std::optional<qint32> micrometres)
{
    if (devicePixels <= 0 || millimetres <= 0)
        return 96.0 / 2540.0;
    if (micrometres && *micrometres > 0 && std::abs(*micrometres / 1000.0 - millimetres) <= 1.0)
        return devicePixels / (*micrometres / 10.0);
    return devicePixels / (millimetres * 100.0);
}

int twipsFromHimetric(qint64 himetric)
{
    return int(std::lround(double(himetric) * 1440.0 / 2540.0));
}

struct ParsedHeader {
    EmfFrame frame;
    qsizetype size = 0;
};

std::optional<ParsedHeader> parseHeader(const QByteArray &d)
{
    if (!looksLikeEmf(d))
        return std::nullopt;
    const qsizetype size = le::u32(d, 4);
    if (size < BaseHeaderSize || size > d.size() || size % 4 != 0)
        return std::nullopt;

    const qint64 left = le::s32(d, FrameAt), top = le::s32(d, FrameAt + 4);
    const qint64 right = le::s32(d, FrameAt + 8), bottom = le::s32(d, FrameAt + 12);
    if (right < left || bottom < top)
        return std::nullopt;
    // The frame is inclusive: right and bottom belong to the picture.
    const qint64 width = right - left + 1, height = bottom - top + 1;
    const int maxTwips = std::numeric_limits<int>::max() / 2;
    if (width * 1440 / 2540 > maxTwips || height * 1440 / 2540 > maxTwips)
        return std::nullopt;

    // The micrometre extension exists when the header is long enough and the description
    // and pixel format (which may sit in that space) start after it.
    std::optional<qint32> umX, umY;
    const quint32 descLength = le::u32(d, DescriptionLengthAt);
    const quint32 descOffset = le::u32(d, DescriptionOffsetAt);
    if (size >= HeaderWithMicrometers && (descLength == 0 || descOffset >= HeaderWithMicrometers) &&
        (le::u32(d, PixelFormatSizeAt) == 0 || le::u32(d, PixelFormatOffsetAt) >= HeaderWithMicrometers)) {
        umX = le::s32(d, MicrometersOffset);
        umY = le::s32(d, MicrometersOffset + 4);
    }
    const double sx = pixelsPerHimetric(le::s32(d, DeviceAt), le::s32(d, MillimetersAt), umX);
    const double sy = pixelsPerHimetric(le::s32(d, DeviceAt + 4), le::s32(d, MillimetersAt + 4), umY);

    ParsedHeader h;
    h.size = size;
    h.frame.naturalTwips =
        QSize(std::max(1, twipsFromHimetric(width)), std::max(1, twipsFromHimetric(height)));
    h.frame.deviceFrame = QRectF(left * sx, top * sy, width * sx, height * sy);
    // The frame in device pixels becomes 32-bit bounds: a header whose device and
    // millimetre sizes put it out of that range is unusable.
    constexpr double MaxDeviceCoordinate = 1 << 30;
    const QRectF &f = h.frame.deviceFrame;
    for (double v : {f.left(), f.top(), f.right(), f.bottom()})
        if (!(std::abs(v) < MaxDeviceCoordinate))
            return std::nullopt;
    return h;
}

// Whether a text record of `size` bytes at `at` draws any of its strings as glyph indices.
bool textAsGlyphIndices(const QByteArray &d, qsizetype at, quint32 type, quint32 size)
{
    // After the bounds, the graphics mode and the two scales: one text entry (ExtTextOut) or
    // a count and that many (PolyTextOut), each with its options at byte 16.
    constexpr qsizetype EntriesAt = 8 + 16 + 12;
    constexpr qsizetype EntrySize = 40;
    constexpr qsizetype OptionsAt = 16;
    qsizetype first = EntriesAt;
    qsizetype count = 1;
    if (type == EmrPolyTextOutA || type == EmrPolyTextOutW) {
        if (size < EntriesAt + 4)
            return false;
        count = le::u32(d, at + EntriesAt);
        first += 4;
    } else if (type != EmrExtTextOutA && type != EmrExtTextOutW) {
        return false;
    }
    for (qsizetype i = 0; i < count && first + (i + 1) * EntrySize <= qsizetype(size); ++i)
        if (le::u32(d, at + first + i * EntrySize + OptionsAt) & EtoGlyphIndex)
            return true;
    return false;
}

// A comment whose data size claims more than the record holds is cut to the record, and
// an EMF+ comment is cut after its last EMF+ record that lies whole within it: libemf2svg
// walks the EMF+ records up to the claimed size, past the record and the buffer. An EMF+
// object record that holds no data becomes an EMF+ comment: libemf2svg's object store
// reallocates to zero bytes for it and keeps the freed pointer (a double free later).
void mendComment(QByteArray &d, qsizetype at, quint32 size)
{
    if (size < CommentDataAt)
        return;
    if (le::u32(d, at + 8) > size - CommentDataAt)
        le::put32(d, at + 8, size - CommentDataAt);
    if (size < CommentDataAt + 4 || le::u32(d, at + CommentDataAt) != EmfPlusIdentifier)
        return;
    const qsizetype end = at + CommentDataAt + le::u32(d, at + 8);
    for (qsizetype p = at + CommentDataAt + 4; p < end;) {
        const quint32 recordSize = end - p >= EmfPlusHeaderSize ? le::u32(d, p + 4) : 0;
        if (recordSize < EmfPlusHeaderSize || recordSize % 4 != 0 || recordSize > quint64(end - p)) {
            le::put32(d, at + 8, quint32(p - at - CommentDataAt));
            return;
        }
        const quint16 type = le::u16(d, p), flags = le::u16(d, p + 2);
        const quint32 dataSize = le::u32(d, p + 8);
        if ((type & EmfPlusTypeMask) == EmfPlusObject && dataSize == ((flags & EmfPlusContinued) ? 4 : 0))
            le::put16(d, p, EmfPlusComment);
        p += recordSize;
    }
}

// A copy of the metafile that libemf2svg accepts and draws on the frame:
//  - the records end at the first broken one, followed by an end record, so a damaged
//    file shows what precedes the damage;
//  - the description is dropped (libemf2svg misjudges its length and rejects the file);
//  - the bounds (libemf2svg's canvas) become the frame in device pixels;
//  - a device or millimetre size of zero (a division by zero in libemf2svg) is replaced;
//  - text given as glyph indices, once a font of a right-to-left character set exists,
//    becomes a comment: libemf2svg reverses such text and crashes when it cannot map the
//    glyphs back to characters;
//  - comments are mended (see mendComment).
QByteArray sanitized(const QByteArray &data, const ParsedHeader &h)
{
    QByteArray d = data;
    qsizetype at = h.size;
    quint32 records = 1;
    bool ended = false;
    bool rightToLeftFont = false;
    while (at + 8 <= d.size()) {
        const quint32 type = le::u32(d, at);
        const quint32 size = le::u32(d, at + 4);
        if (size < 8 || size % 4 != 0 || size > quint64(d.size() - at) || type == EmrHeader)
            break;
        if (type == EmrExtCreateFontIndirectW && size >= 36) {
            const quint8 charset = quint8(d.at(at + 35)); // lfCharSet of the LOGFONT
            rightToLeftFont = rightToLeftFont || charset == HebrewCharset || charset == ArabicCharset;
        }
        if (type == EmrComment)
            mendComment(d, at, size);
        if (rightToLeftFont && textAsGlyphIndices(d, at, type, size)) {
            le::put32(d, at, EmrComment);
            le::put32(d, at + 8, size - 12);
        }
        at += size;
        ++records;
        if (type == EmrEof) {
            ended = true;
            break;
        }
    }
    d.truncate(at);
    // Select the device context's initial brush and pen explicitly: libemf2svg starts
    // with a black brush where Windows starts with a white one.
    QByteArray defaults(24, '\0');
    le::put32(defaults, 0, EmrSelectObject);
    le::put32(defaults, 4, 12);
    le::put32(defaults, 8, WhiteBrush);
    le::put32(defaults, 12, EmrSelectObject);
    le::put32(defaults, 16, 12);
    le::put32(defaults, 20, BlackPen);
    d.insert(h.size, defaults);
    records += 2;
    if (!ended) {
        QByteArray eof(20, '\0');
        le::put32(eof, 0, EmrEof);
        le::put32(eof, 4, 20);
        le::put32(eof, 12, 16); // offPalEntries
        le::put32(eof, 16, 20); // nSizeLast
        d += eof;
        ++records;
    }
    le::put32(d, BytesAt, quint32(d.size()));
    le::put32(d, RecordsAt, records);
    le::put32(d, DescriptionLengthAt, 0);
    le::put32(d, DescriptionOffsetAt, 0);

    const QRectF f = h.frame.deviceFrame;
    const qint32 left = qint32(std::floor(f.left())), top = qint32(std::floor(f.top()));
    const qint32 right = std::max(left + 1, qint32(std::ceil(f.right())));
    const qint32 bottom = std::max(top + 1, qint32(std::ceil(f.bottom())));
    le::put32(d, BoundsAt, quint32(left));
    le::put32(d, BoundsAt + 4, quint32(top));
    le::put32(d, BoundsAt + 8, quint32(right));
    le::put32(d, BoundsAt + 12, quint32(bottom));

    if (le::s32(d, DeviceAt) <= 0 || le::s32(d, DeviceAt + 4) <= 0 || le::s32(d, MillimetersAt) <= 0 ||
        le::s32(d, MillimetersAt + 4) <= 0) {
        le::put32(d, DeviceAt, 1024);
        le::put32(d, DeviceAt + 4, 768);
        le::put32(d, MillimetersAt, 271);
        le::put32(d, MillimetersAt + 4, 203);
    }
    return d;
}

} // namespace

bool looksLikeEmf(const QByteArray &head)
{
    return head.size() >= BaseHeaderSize && le::u32(head, 0) == EmrHeader &&
           le::u32(head, 40) == EmfSignature;
}

std::optional<EmfFrame> readEmfFrame(const QByteArray &data)
{
    const auto h = parseHeader(data);
    if (!h)
        return std::nullopt;
    return h->frame;
}

MetafileSvg convertEmf(const QByteArray &data)
{
    const auto header = parseHeader(data);
    if (!header)
        return {};
    QByteArray input = sanitized(data, *header);

    generatorOptions options{};
    options.nameSpace = nullptr; // a prefixed namespace makes the SVG unreadable for Qt
    options.verbose = false;
    options.emfplus = true;
    options.svgDelimiter = true;
    options.imgWidth = 0;
    options.imgHeight = 0;

    char *out = nullptr;
    size_t outLength = 0;
    int converted = 0;
    {
        std::lock_guard lock(converterMutex());
        converted = emf2svg(input.data(), size_t(input.size()), &out, &outLength, &options);
    }
    QByteArray svg(out, out ? qsizetype(outLength) : 0);
    std::free(out);
    if (!converted || svg.isEmpty())
        return {};

    // libemf2svg draws in device pixels shifted by the bounds' top-left corner, scaled so
    // that the bounds fill the SVG's width.
    const qint32 boundsLeft = le::s32(input, BoundsAt), boundsTop = le::s32(input, BoundsAt + 4);
    const qint32 boundsWidth = le::s32(input, BoundsAt + 8) - boundsLeft;
    double scale = 1.0;
    static const QRegularExpression widthAttr(QStringLiteral("<svg[^>]*\\swidth=\"([0-9.]+)\""));
    const auto match = widthAttr.match(QString::fromLatin1(svg.left(1024)));
    if (match.hasMatch() && boundsWidth > 0) {
        const double svgWidth = match.captured(1).toDouble();
        if (svgWidth > 0)
            scale = svgWidth / boundsWidth;
    }

    const QRectF f = header->frame.deviceFrame;
    MetafileSvg result;
    result.svg = std::move(svg);
    result.naturalTwips = header->frame.naturalTwips;
    result.viewBox = QRectF((f.left() - boundsLeft) * scale, (f.top() - boundsTop) * scale, f.width() * scale,
                            f.height() * scale);
    return result;
}

} // namespace orv
