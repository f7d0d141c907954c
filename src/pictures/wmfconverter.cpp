#include "wmfconverter.h"

#include "lebytes.h"
#include "wmftextwidths.h"

#include <QByteArrayList>
#include <QPointF>
#include <QRectF>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <memory>
#include <mutex>
#include <numbers>
#include <optional>
#include <vector>

// libwmf's headers define many short macros (OPAQUE, TRANSPARENT, ...): keep them last.
#include <libwmf/api.h>
#include <libwmf/defs.h>
#include <libwmf/ipa.h>
#include <libwmf/macro.h>

namespace orv {

namespace {

constexpr double Pi = std::numbers::pi;
constexpr quint32 PlaceableKey = 0x9AC6CDD7;
constexpr qsizetype PlaceableSize = 22;
constexpr qsizetype StandardHeaderSize = 18;
// Offset of the largest record's size (in 16-bit words) in the standard header.
constexpr qsizetype MaxRecordAt = 12;
// Twips per unit at 96 units per inch, the scale of a metafile without placeable header.
constexpr int TwipsPerScreenUnit = 1440 / 96;
// Embedded bitmaps of more pixels than this are left out (libwmf would hold each one
// expanded to 4 bytes a pixel).
constexpr qint64 DefaultMaxBitmapPixels = 64'000'000;
// Upper bound of the SVG text; beyond it the picture fails rather than taking more memory.
constexpr qsizetype MaxSvgBytes = 512 * 1024 * 1024;

// ---------------------------------------------------------------------------------------
// Header and mapping
// ---------------------------------------------------------------------------------------

struct Layout {
    bool placeable = false;
    // Placeable bounding box, in the metafile's logical units.
    qint16 left = 0, top = 0, right = 0, bottom = 0;
    int unitsPerInch = 0;
    qsizetype recordsAt = 0;
};

std::optional<Layout> readLayout(const QByteArray &d)
{
    Layout l;
    qsizetype at = 0;
    if (d.size() >= 4 && le::u32(d, 0) == PlaceableKey) {
        if (d.size() < PlaceableSize)
            return std::nullopt;
        l.placeable = true;
        l.left = le::s16(d, 6);
        l.top = le::s16(d, 8);
        l.right = le::s16(d, 10);
        l.bottom = le::s16(d, 12);
        l.unitsPerInch = le::u16(d, 14);
        at = PlaceableSize;
    }
    if (d.size() < at + StandardHeaderSize || le::u16(d, at + 2) != 9)
        return std::nullopt;
    l.recordsAt = at + StandardHeaderSize;
    return l;
}

// Mapping modes as numbered in metafiles; Placeable stands for libwmf's own mode of a
// placeable file that sets none (units of the header's units per inch).
enum MapMode {
    Text = 1,
    LoMetric,
    HiMetric,
    LoEnglish,
    HiEnglish,
    Twips,
    Isotropic,
    Anisotropic,
    Placeable = 100
};

// Record functions that change the mapping or draw.
enum Function : quint16 {
    SaveDc = 0x001E,
    SetMapModeFn = 0x0103,
    RestoreDc = 0x0127,
    SetWindowOrg = 0x020B,
    SetWindowExt = 0x020C,
    SetViewportOrg = 0x020D,
    SetViewportExt = 0x020E,
    OffsetWindowOrg = 0x020F,
    OffsetViewportOrg = 0x0211,
    ScaleWindowExt = 0x0410,
    ScaleViewportExt = 0x0412,
};

bool isDrawing(quint16 function)
{
    switch (function) {
    case 0x012A: // InvertRegion
    case 0x012B: // PaintRegion
    case 0x0213: // LineTo
    case 0x0228: // FillRegion
    case 0x0324: // Polygon
    case 0x0325: // Polyline
    case 0x0418: // Ellipse
    case 0x0419: // FloodFill
    case 0x041B: // Rectangle
    case 0x041F: // SetPixel
    case 0x0429: // FrameRegion
    case 0x0521: // TextOut
    case 0x0538: // PolyPolygon
    case 0x0548: // ExtFloodFill
    case 0x061C: // RoundRect
    case 0x061D: // PatBlt
    case 0x0817: // Arc
    case 0x081A: // Pie
    case 0x0830: // Chord
    case 0x0922: // BitBlt
    case 0x0940: // DIBBitBlt
    case 0x0A32: // ExtTextOut
    case 0x0B23: // StretchBlt
    case 0x0B41: // DIBStretchBlt
    case 0x0D33: // SetDIBitsToDevice
    case 0x0F43: // StretchDIBits
        return true;
    default:
        return false;
    }
}

// libwmf's translation from logical to device coordinates (the space its drawing calls
// use), replayed over the records so that the picture's frame can be placed in that space
// before libwmf plays the file.
class LibwmfMapping
{
public:
    LibwmfMapping(bool placeable, int unitsPerInch) : m_placeable(placeable), m_unitsPerInch(unitsPerInch)
    {
        setMapMode(placeable ? Placeable : Text);
    }

    void apply(quint16 function, const QByteArray &d, qsizetype params, qsizetype count)
    {
        const auto p = [&](qsizetype i) -> qint32 { return i < count ? le::s16(d, params + 2 * i) : 0; };
        switch (function) {
        case SetMapModeFn:
            setMapMode(quint16(p(0)));
            break;
        case SetWindowOrg:
            m_dc.ox = p(1);
            m_dc.oy = p(0);
            break;
        case SetWindowExt:
            m_dc.wx = p(1);
            m_dc.wy = p(0);
            m_dc.windowSet = true;
            recompute();
            break;
        case SetViewportOrg:
            m_vox = p(1) * m_dc.pw;
            m_voy = p(0) * m_dc.ph;
            break;
        case SetViewportExt:
            m_vx = p(1);
            m_vy = p(0);
            recompute();
            break;
        case OffsetWindowOrg:
            m_dc.ox += p(1);
            m_dc.oy += p(0);
            break;
        case OffsetViewportOrg:
            m_vox += p(1) * m_dc.pw;
            m_voy += p(0) * m_dc.ph;
            break;
        case ScaleWindowExt:
        case ScaleViewportExt: {
            const qint32 yDenom = p(0), yNum = p(1), xDenom = p(2), xNum = p(3);
            if (xDenom == 0 || yDenom == 0) {
                m_broken = true;
                break;
            }
            qint32 &x = function == ScaleWindowExt ? m_dc.wx : m_vx;
            qint32 &y = function == ScaleWindowExt ? m_dc.wy : m_vy;
            x = qint32(double(x) * xNum / xDenom);
            y = qint32(double(y) * yNum / yDenom);
            if (function == ScaleWindowExt)
                m_dc.windowSet = true;
            recompute();
            break;
        }
        case SaveDc:
            if (m_stack.size() < 1024)
                m_stack.push_back(m_dc);
            break;
        case RestoreDc:
            // libwmf restores one level, whatever the record asks.
            if (!m_stack.empty()) {
                m_dc = m_stack.back();
                m_stack.pop_back();
            }
            break;
        default:
            break;
        }
    }

    bool windowSet() const { return m_dc.windowSet; }
    QRectF logicalWindow() const { return QRectF(m_dc.ox, m_dc.oy, m_dc.wx, m_dc.wy); }

    // The device rectangle of a logical one (normalized), nullopt if the mapping is broken.
    std::optional<QRectF> toDevice(const QRectF &logical)
    {
        const double pw = pixelWidth(), ph = pixelHeight();
        if (m_broken || !std::isfinite(pw) || !std::isfinite(ph))
            return std::nullopt;
        const QPointF a((logical.left() - m_dc.ox) * pw - m_vox, (logical.top() - m_dc.oy) * ph - m_voy);
        const QPointF b((logical.right() - m_dc.ox) * pw - m_vox, (logical.bottom() - m_dc.oy) * ph - m_voy);
        return QRectF(a, b).normalized();
    }

private:
    struct Dc {
        qint32 ox = 0, oy = 0, wx = 1024, wy = 1024;
        double pw = 1, ph = 1;
        int mode = Text;
        bool windowSet = false;
    };

    void setMapMode(int mode)
    {
        // As libwmf: the fixed modes count in points, and switching to an isotropic or
        // anisotropic mode recomputes the scale while the previous mode is still current.
        constexpr double PointsPerMm = 72.0 / 25.4;
        switch (mode) {
        case Text:
            m_dc.pw = m_dc.ph = 1;
            break;
        case LoMetric:
            m_dc.pw = m_dc.ph = 0.1 * PointsPerMm;
            break;
        case HiMetric:
            m_dc.pw = m_dc.ph = 0.01 * PointsPerMm;
            break;
        case LoEnglish:
            m_dc.pw = m_dc.ph = 0.72;
            break;
        case HiEnglish:
            m_dc.pw = m_dc.ph = 0.072;
            break;
        case Twips:
            m_dc.pw = m_dc.ph = 0.05;
            break;
        case Isotropic:
        case Anisotropic:
            recompute();
            break;
        default:
            if (!m_placeable || m_unitsPerInch <= 0) {
                m_broken = true;
                return;
            }
            m_dc.pw = m_dc.ph = 72.0 / m_unitsPerInch;
            mode = Placeable;
            break;
        }
        m_dc.mode = mode;
    }

    void recompute()
    {
        pixelWidth();
        pixelHeight();
    }

    double pixelWidth()
    {
        if (m_dc.mode == Isotropic || m_dc.mode == Anisotropic) {
            if (m_dc.wx == 0 || m_vx == 0) {
                m_broken = true;
                return 1;
            }
            m_dc.pw = double(m_vx) / m_dc.wx;
            return m_dc.pw;
        }
        return m_dc.wx < 0 ? -m_dc.pw : m_dc.pw;
    }

    double pixelHeight()
    {
        if (m_dc.mode == Isotropic || m_dc.mode == Anisotropic) {
            if (m_dc.wy == 0 || m_vy == 0) {
                m_broken = true;
                return 1;
            }
            m_dc.ph = double(m_vy) / m_dc.wy;
            return m_dc.ph;
        }
        return m_dc.wy < 0 ? -m_dc.ph : m_dc.ph;
    }

    bool m_placeable;
    int m_unitsPerInch;
    Dc m_dc;
    std::vector<Dc> m_stack;
    double m_vox = 0, m_voy = 0;
    qint32 m_vx = 1024, m_vy = 1024;
    bool m_broken = false;
};

constexpr quint16 CreateRegion = 0x06FF;
constexpr quint16 Escape = 0x0626;
constexpr quint16 TextOut = 0x0521;
constexpr quint16 ExtTextOut = 0x0A32;

// Whether libwmf can read a region record's scans: each scan is a count of x
// coordinates, the top and bottom, the coordinates and the count again.
bool libwmfReadsRegion(const QByteArray &d, qsizetype params, qsizetype count)
{
    if (count < 6)
        return false;
    const int scans = le::u16(d, params + 10);
    qsizetype at = 11;
    for (int i = 0; i < scans; ++i) {
        if (at >= count)
            return false;
        const int n = le::u16(d, params + 2 * at);
        if (n % 2 != 0 || at + n + 3 >= count || le::u16(d, params + 2 * (at + n + 3)) != n)
            return false;
        at += n + 4;
    }
    return true;
}

// Text records whose string is longer than the record (or whose options announce a
// rectangle that is missing) make libwmf give up; the string is cut to what is there.
void fitTextRecord(QByteArray &d, qsizetype at, quint16 function, qsizetype params, qsizetype count)
{
    if (function == TextOut) {
        if (count < 3) {
            le::put16(d, at + 4, Escape);
            return;
        }
        const qsizetype room = (count - 3) * 2;
        if (le::u16(d, params) > room)
            le::put16(d, params, quint16(room));
        return;
    }
    if (count < 4) {
        le::put16(d, at + 4, Escape);
        return;
    }
    if (le::u16(d, params + 6) != 0 && count < 8)
        le::put16(d, params + 6, 0);
    const qsizetype room = (count - (le::u16(d, params + 6) != 0 ? 8 : 4)) * 2;
    if (le::u16(d, params + 4) > room)
        le::put16(d, params + 4, quint16(room));
}

// A copy of the metafile without what makes libwmf give up on the whole file although
// Windows plays it: regions written in another layout (they become empty regions, which
// keeps the numbering of the objects), restorations of a device context never saved
// (they become escapes, which are ignored) and text records cut short. The header's
// largest record size, which libwmf allocates whatever it says (gigabytes in a damaged
// file), becomes the size of the largest record there is.
QByteArray playableByLibwmf(const QByteArray &data, const Layout &layout)
{
    QByteArray d = data;
    int saved = 0;
    quint32 largest = 3;
    qsizetype at = layout.recordsAt;
    while (at + 6 <= d.size()) {
        const quint64 words = le::u32(d, at);
        const quint16 function = le::u16(d, at + 4);
        if (function == 0 || words < 3 || words * 2 > quint64(d.size() - at))
            break;
        const qsizetype params = at + 6, count = qsizetype(words) - 3;
        if (function == CreateRegion && count > 5 && !libwmfReadsRegion(d, params, count))
            le::put16(d, params + 10, 0);
        else if (function == SaveDc)
            ++saved;
        else if (function == RestoreDc && saved > 0)
            --saved;
        else if (function == RestoreDc)
            le::put16(d, at + 4, Escape);
        else if (function == TextOut || function == ExtTextOut)
            fitTextRecord(d, at, function, params, count);
        largest = std::max(largest, quint32(words));
        at += qsizetype(words) * 2;
    }
    le::put32(d, layout.recordsAt - StandardHeaderSize + MaxRecordAt, largest);
    return d;
}

// Replays the records up to the first one that draws and returns the mapping then in
// effect.
LibwmfMapping mappingWhenDrawingStarts(const QByteArray &d, const Layout &layout)
{
    LibwmfMapping mapping(layout.placeable, layout.unitsPerInch);
    qsizetype at = layout.recordsAt;
    while (at + 6 <= d.size()) {
        const quint64 words = le::u32(d, at);
        const quint16 function = le::u16(d, at + 4);
        if (function == 0 || words < 3 || words * 2 > quint64(d.size() - at) || isDrawing(function))
            break;
        mapping.apply(function, d, at + 6, qsizetype(words) - 3);
        at += qsizetype(words) * 2;
    }
    return mapping;
}

struct Geometry {
    QSize naturalTwips;
    // The picture's frame in libwmf's device coordinates.
    QRectF deviceFrame;
};

bool usable(const QRectF &r)
{
    return std::isfinite(r.left()) && std::isfinite(r.top()) && std::isfinite(r.width()) &&
           std::isfinite(r.height()) && r.width() > 1e-6 && r.height() > 1e-6;
}

// Natural size and frame. The frame is the area of the drawing shown as the picture:
// Windows plays a metafile with its window (SetWindowOrg/SetWindowExt) mapped onto the
// picture's rectangle, so the window in effect when drawing starts is the frame; without
// one, the placeable bounding box; without that, the extent of the drawing (libwmf's
// scan).
std::optional<Geometry> geometry(const QByteArray &d, const Layout &layout, const wmfD_Rect &scan)
{
    LibwmfMapping mapping = mappingWhenDrawingStarts(d, layout);
    const QRectF scanned(QPointF(scan.TL.x, scan.TL.y), QPointF(scan.BR.x, scan.BR.y));

    Geometry g;
    if (layout.placeable) {
        const int w = std::abs(layout.right - layout.left), h = std::abs(layout.bottom - layout.top);
        if (layout.unitsPerInch <= 0 || w == 0 || h == 0)
            return std::nullopt;
        g.naturalTwips = QSize(std::max(1, int(std::lround(w * 1440.0 / layout.unitsPerInch))),
                               std::max(1, int(std::lround(h * 1440.0 / layout.unitsPerInch))));
    } else if (mapping.windowSet() && mapping.logicalWindow().width() != 0 &&
               mapping.logicalWindow().height() != 0) {
        const QRectF window = mapping.logicalWindow();
        g.naturalTwips = QSize(int(std::abs(window.width())) * TwipsPerScreenUnit,
                               int(std::abs(window.height())) * TwipsPerScreenUnit);
    } else {
        if (!usable(scanned))
            return std::nullopt;
        g.naturalTwips = QSize(std::max(1, int(std::lround(scanned.width() * TwipsPerScreenUnit))),
                               std::max(1, int(std::lround(scanned.height() * TwipsPerScreenUnit))));
    }

    std::optional<QRectF> frame;
    if (mapping.windowSet())
        frame = mapping.toDevice(mapping.logicalWindow());
    else if (layout.placeable)
        frame =
            mapping.toDevice(QRectF(QPointF(layout.left, layout.top), QPointF(layout.right, layout.bottom)));
    if (!frame || !usable(*frame))
        frame = scanned;
    if (!usable(*frame))
        return std::nullopt;
    g.deviceFrame = *frame;
    return g;
}

// ---------------------------------------------------------------------------------------
// SVG device layer
//
// libwmf plays the records and calls these with device coordinates. libwmf's own SVG
// layer is not used: it rounds colours to the nearest SVG colour name, draws fills 50%
// transparent in transparent background mode, emits strokes thinner than a pixel, draws
// arcs over 180° the short way (and some arcs as whole ellipses), places bitmaps twice
// transformed and writes text unescaped.
// ---------------------------------------------------------------------------------------

// Bytes written by libwmf to a stream (the base64 of a bitmap).
struct ByteSink {
    QByteArray bytes;
    bool overflow = false;

    static int puts(char *str, void *context)
    {
        auto *sink = static_cast<ByteSink *>(context);
        const qsizetype n = qsizetype(std::strlen(str));
        if (sink->overflow || sink->bytes.size() + n > MaxSvgBytes) {
            sink->overflow = true;
            return EOF;
        }
        sink->bytes.append(str, n);
        return 0;
    }
    static int reset(void *context)
    {
        static_cast<ByteSink *>(context)->bytes.clear();
        return 0;
    }
};

struct SvgWriter {
    ByteSink out;
    QRectF frame; // device coordinates shown
    QSize size;   // pixels
    double sx = 1, sy = 1;
    bool begun = false;
    // Embedded bitmaps with more pixels are left out.
    qint64 maxBitmapPixels = DefaultMaxBitmapPixels;

    // Added to the coordinates of lines of odd pixel width (see PixelCentred).
    double shift = 0;

    QPointF map(const wmfD_Coord &c) const
    {
        return QPointF((c.x - frame.left()) * sx + shift, (c.y - frame.top()) * sy + shift);
    }

    void write(const char *s)
    {
        if (!out.overflow)
            ByteSink::puts(const_cast<char *>(s), &out);
    }
    void write(const QByteArray &s) { write(s.constData()); }
    // The printf of the writer, for the conversions it uses: %d, %s, %% and
    // %.Nf. Numbers are formatted by std::to_chars, which gives printf's own
    // digits ("C" locale) several times faster: a metafile with much text
    // writes tens of thousands of them.
    void printf(const char *format, ...) __attribute__((format(printf, 2, 3)))
    {
        char buffer[512];
        char *at = buffer;
        char *const end = buffer + sizeof buffer - 1;
        va_list args;
        va_start(args, format);
        for (const char *f = format; *f && at < end; ++f) {
            if (*f != '%') {
                *at++ = *f;
                continue;
            }
            ++f;
            int precision = 6;
            if (*f == '.') {
                precision = 0;
                for (++f; *f >= '0' && *f <= '9'; ++f)
                    precision = precision * 10 + (*f - '0');
            }
            std::to_chars_result r{at, std::errc()};
            switch (*f) {
            case 'f':
                r = std::to_chars(at, end, va_arg(args, double), std::chars_format::fixed, precision);
                break;
            case 'd':
                r = std::to_chars(at, end, va_arg(args, int));
                break;
            case 's':
                for (const char *t = va_arg(args, const char *); *t && r.ptr < end; ++t)
                    *r.ptr++ = *t;
                break;
            case '%':
                *r.ptr++ = '%';
                break;
            default: // not used by the writer
                r.ec = std::errc::invalid_argument;
                break;
            }
            if (r.ec != std::errc())
                break;
            at = r.ptr;
        }
        va_end(args);
        *at = '\0';
        write(buffer);
    }
    void point(const QPointF &p) { printf("%.2f,%.2f ", p.x(), p.y()); }
};

SvgWriter *writerOf(wmfAPI *api)
{
    return static_cast<SvgWriter *>(api->user_data);
}

QByteArray hexColor(const wmfRGB &c)
{
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", c.r, c.g, c.b);
    return QByteArray(buffer);
}

wmfRGB mix(const wmfRGB &a, const wmfRGB &b, double t)
{
    const auto m = [t](unsigned char x, unsigned char y) {
        return (unsigned char)std::lround(x + (y - x) * t);
    };
    return wmfRGB{m(a.r, b.r), m(a.g, b.g), m(a.b, b.b)};
}

// Average colour of a pattern brush's bitmap (sampled), for fills that cannot repeat it.
std::optional<wmfRGB> averageColor(wmfAPI *api, wmfBMP *bmp)
{
    if (!bmp->data || bmp->width == 0 || bmp->height == 0)
        return std::nullopt;
    const unsigned stepX = std::max(1u, bmp->width / 16u), stepY = std::max(1u, bmp->height / 16u);
    double r = 0, g = 0, b = 0;
    int n = 0;
    for (unsigned y = 0; y < bmp->height; y += stepY) {
        for (unsigned x = 0; x < bmp->width; x += stepX) {
            wmfRGB c{};
            if (wmf_ipa_bmp_color(api, bmp, &c, x, y) < 0)
                continue;
            r += c.r;
            g += c.g;
            b += c.b;
            ++n;
        }
    }
    if (n == 0)
        return std::nullopt;
    return wmfRGB{(unsigned char)std::lround(r / n), (unsigned char)std::lround(g / n),
                  (unsigned char)std::lround(b / n)};
}

double penPixels(const SvgWriter *w, wmfPen *pen)
{
    // A pen never draws thinner than one pixel (width 0 is the one-pixel cosmetic pen).
    return std::max(1.0, (std::abs(WMF_PEN_WIDTH(pen) * w->sx) + std::abs(WMF_PEN_HEIGHT(pen) * w->sy)) / 2);
}

// GDI draws a one-pixel line on the pixels whose corner the coordinates name; centred on
// that corner (as SVG would) the line spreads half over two pixel rows. Lines of odd
// width are moved to the pixels' centres while they are written.
class PixelCentred
{
public:
    PixelCentred(SvgWriter *w, wmfDC *dc) : m_w(w)
    {
        if (std::lround(penPixels(w, WMF_DC_PEN(dc))) % 2 == 1)
            m_w->shift = 0.5;
    }
    ~PixelCentred() { m_w->shift = 0; }

private:
    SvgWriter *m_w;
};

void writeFill(wmfAPI *api, SvgWriter *w, wmfDC *dc)
{
    wmfBrush *brush = WMF_DC_BRUSH(dc);
    const unsigned style = WMF_BRUSH_STYLE(brush);
    if (style == BS_NULL) {
        w->write("fill:none;");
        return;
    }
    wmfRGB color = *WMF_BRUSH_COLOR(brush);
    double opacity = 1.0;
    if (style == BS_HATCHED) {
        // SVG without patterns: a hatch is drawn as its colour at the share of the area its
        // lines cover, over the background colour when the background is opaque.
        const double coverage =
            (WMF_BRUSH_HATCH(brush) == HS_CROSS || WMF_BRUSH_HATCH(brush) == HS_DIAGCROSS) ? 0.25 : 0.125;
        if (WMF_DC_OPAQUE(dc))
            color = mix(*WMF_DC_BACKGROUND(dc), color, coverage);
        else
            opacity = coverage;
    } else if (style != BS_SOLID) {
        if (const auto average = averageColor(api, &brush->bmp))
            color = *average;
    }
    w->printf("fill:%s;fill-rule:%s;", hexColor(color).constData(),
              WMF_DC_POLYFILL(dc) == WINDING ? "nonzero" : "evenodd");
    if (opacity < 1.0)
        w->printf("fill-opacity:%.3f;", opacity);
}

void writeStroke(SvgWriter *w, wmfDC *dc)
{
    wmfPen *pen = WMF_DC_PEN(dc);
    const unsigned style = WMF_PEN_STYLE(pen);
    if (style == PS_NULL) {
        w->write("stroke:none;");
        return;
    }
    const double width = penPixels(w, pen);
    w->printf("stroke:%s;stroke-width:%.3f;", hexColor(*WMF_PEN_COLOR(pen)).constData(), width);
    switch (WMF_PEN_ENDCAP(pen)) {
    case PS_ENDCAP_SQUARE:
        w->write("stroke-linecap:square;");
        break;
    case PS_ENDCAP_FLAT:
        w->write("stroke-linecap:butt;");
        break;
    default:
        w->write("stroke-linecap:round;");
        break;
    }
    switch (WMF_PEN_JOIN(pen)) {
    case PS_JOIN_BEVEL:
        w->write("stroke-linejoin:bevel;");
        break;
    case PS_JOIN_MITER:
        w->write("stroke-linejoin:miter;");
        break;
    default:
        w->write("stroke-linejoin:round;");
        break;
    }
    // The dash lengths of Windows' one-pixel pens, scaled with wider pens.
    const char *dashes = nullptr;
    switch (style) {
    case PS_DASH:
        dashes = "18 6";
        break;
    case PS_DOT:
    case PS_ALTERNATE:
        dashes = "3 3";
        break;
    case PS_DASHDOT:
        dashes = "9 6 3 6";
        break;
    case PS_DASHDOTDOT:
        dashes = "9 3 3 3 3 3";
        break;
    default:
        break;
    }
    if (dashes) {
        w->write("stroke-dasharray:");
        for (const QByteArray &part : QByteArray(dashes).split(' '))
            w->printf("%.2f ", part.toDouble() * width);
        w->write(";");
    }
}

// Opens an element's style attribute with fill and stroke (either may be left out).
void writeStyle(wmfAPI *api, SvgWriter *w, wmfDC *dc, bool fill, bool stroke)
{
    w->write(" style=\"");
    if (fill)
        writeFill(api, w, dc);
    else
        w->write("fill:none;");
    if (stroke)
        writeStroke(w, dc);
    else
        w->write("stroke:none;");
    w->write("\"/>\n");
}

bool skipped(wmfDC *dc)
{
    return WMF_DC_ROP(dc) == R2_NOP;
}

void deviceBegin(wmfAPI *api)
{
    SvgWriter *w = writerOf(api);
    if (w->begun)
        return;
    w->begun = true;
    w->printf("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
              "version=\"1.2\" baseProfile=\"tiny\" width=\"%d\" height=\"%d\" viewBox=\"0 0 %d %d\">\n",
              w->size.width(), w->size.height(), w->size.width(), w->size.height());
}

void deviceEnd(wmfAPI *api)
{
    writerOf(api)->write("</svg>\n");
}

void drawPixel(wmfAPI *api, wmfDrawPixel_t *p)
{
    SvgWriter *w = writerOf(api);
    const QPointF at = w->map(p->pt);
    w->printf("<rect x=\"%.2f\" y=\"%.2f\" width=\"%.2f\" height=\"%.2f\" style=\"fill:%s;stroke:none\"/>\n",
              at.x(), at.y(), std::max(1.0, p->pixel_width * w->sx), std::max(1.0, p->pixel_height * w->sy),
              hexColor(p->color).constData());
}

enum class ArcKind { Open, Chord, Pie };

// libwmf hands over the start and end points relative to the centre (clamped to the
// bounding box), the arc running clockwise on the device from start to end.
void drawArc(wmfAPI *api, wmfDrawArc_t *a, ArcKind kind)
{
    SvgWriter *w = writerOf(api);
    if (skipped(a->dc) || (kind == ArcKind::Open && !TO_DRAW(a)) || (!TO_FILL(a) && !TO_DRAW(a)))
        return;
    std::optional<PixelCentred> centred;
    if (kind == ArcKind::Open)
        centred.emplace(w, a->dc);
    const QPointF tl = w->map(a->TL), br = w->map(a->BR);
    const QPointF centre = (tl + br) / 2;
    const double rx = std::abs(br.x() - tl.x()) / 2, ry = std::abs(br.y() - tl.y()) / 2;
    if (rx <= 0 || ry <= 0)
        return;
    // Angles on the unit circle of the ellipse, in device orientation (y down).
    const auto angle = [&](const wmfD_Coord &p) { return std::atan2(p.y * w->sy / ry, p.x * w->sx / rx); };
    const double start = angle(a->start);
    double sweep = angle(a->end) - start;
    while (sweep <= 1e-9)
        sweep += 2 * Pi;
    const auto on = [&](double t) { return centre + QPointF(rx * std::cos(t), ry * std::sin(t)); };

    w->write("<path d=\"");
    const QPointF from = on(start);
    if (kind == ArcKind::Pie)
        w->printf("M%.2f,%.2f L%.2f,%.2f ", centre.x(), centre.y(), from.x(), from.y());
    else
        w->printf("M%.2f,%.2f ", from.x(), from.y());
    // A sweep of a whole turn has no distinct end point: draw it in two halves.
    const int pieces = sweep > 2 * Pi - 1e-6 ? 2 : 1;
    for (int i = 1; i <= pieces; ++i) {
        const QPointF to = on(start + sweep * i / pieces);
        w->printf("A%.2f,%.2f 0 %d,1 %.2f,%.2f ", rx, ry, sweep / pieces > Pi ? 1 : 0, to.x(), to.y());
    }
    if (kind != ArcKind::Open)
        w->write("Z");
    w->write("\"");
    writeStyle(api, w, a->dc, kind != ArcKind::Open && TO_FILL(a), TO_DRAW(a));
}

void drawPie(wmfAPI *api, wmfDrawArc_t *a)
{
    drawArc(api, a, ArcKind::Pie);
}
void drawChord(wmfAPI *api, wmfDrawArc_t *a)
{
    drawArc(api, a, ArcKind::Chord);
}
void drawOpenArc(wmfAPI *api, wmfDrawArc_t *a)
{
    drawArc(api, a, ArcKind::Open);
}

void drawEllipse(wmfAPI *api, wmfDrawArc_t *a)
{
    SvgWriter *w = writerOf(api);
    if (skipped(a->dc) || (!TO_FILL(a) && !TO_DRAW(a)))
        return;
    const QPointF tl = w->map(a->TL), br = w->map(a->BR);
    w->printf("<ellipse cx=\"%.2f\" cy=\"%.2f\" rx=\"%.2f\" ry=\"%.2f\"", (tl.x() + br.x()) / 2,
              (tl.y() + br.y()) / 2, std::abs(br.x() - tl.x()) / 2, std::abs(br.y() - tl.y()) / 2);
    writeStyle(api, w, a->dc, TO_FILL(a), TO_DRAW(a));
}

void drawLine(wmfAPI *api, wmfDrawLine_t *l)
{
    SvgWriter *w = writerOf(api);
    if (skipped(l->dc) || !TO_DRAW(l))
        return;
    const PixelCentred centred(w, l->dc);
    const QPointF a = w->map(l->from), b = w->map(l->to);
    w->printf("<line x1=\"%.2f\" y1=\"%.2f\" x2=\"%.2f\" y2=\"%.2f\"", a.x(), a.y(), b.x(), b.y());
    writeStyle(api, w, l->dc, false, true);
}

void drawPolyline(wmfAPI *api, wmfPolyLine_t *p)
{
    SvgWriter *w = writerOf(api);
    if (skipped(p->dc) || !TO_DRAW(p) || p->count < 2)
        return;
    const PixelCentred centred(w, p->dc);
    w->write("<polyline points=\"");
    for (unsigned i = 0; i < p->count; ++i)
        w->point(w->map(p->pt[i]));
    w->write("\"");
    writeStyle(api, w, p->dc, false, true);
}

void drawPolygon(wmfAPI *api, wmfPolyLine_t *p)
{
    SvgWriter *w = writerOf(api);
    if (skipped(p->dc) || (!TO_FILL(p) && !TO_DRAW(p)) || p->count < 2)
        return;
    w->write("<polygon points=\"");
    for (unsigned i = 0; i < p->count; ++i)
        w->point(w->map(p->pt[i]));
    w->write("\"");
    writeStyle(api, w, p->dc, TO_FILL(p), TO_DRAW(p));
}

void drawPolyPolygon(wmfAPI *api, wmfPolyPoly_t *p)
{
    SvgWriter *w = writerOf(api);
    if (skipped(p->dc) || (!TO_FILL(p) && !TO_DRAW(p)))
        return;
    w->write("<path d=\"");
    for (unsigned i = 0; i < p->npoly; ++i) {
        if (!p->pt[i] || p->count[i] < 2)
            continue;
        for (unsigned k = 0; k < p->count[i]; ++k) {
            w->write(k == 0 ? "M" : "L");
            w->point(w->map(p->pt[i][k]));
        }
        w->write("Z ");
    }
    w->write("\"");
    writeStyle(api, w, p->dc, TO_FILL(p), TO_DRAW(p));
}

void drawRectangle(wmfAPI *api, wmfDrawRectangle_t *r)
{
    SvgWriter *w = writerOf(api);
    if (skipped(r->dc) || (!TO_FILL(r) && !TO_DRAW(r)))
        return;
    const QRectF rect = QRectF(w->map(r->TL), w->map(r->BR)).normalized();
    w->printf("<rect x=\"%.2f\" y=\"%.2f\" width=\"%.2f\" height=\"%.2f\"", rect.x(), rect.y(), rect.width(),
              rect.height());
    if (r->width > 0 || r->height > 0)
        w->printf(" rx=\"%.2f\" ry=\"%.2f\"", std::abs(r->width * w->sx) / 2,
                  std::abs(r->height * w->sy) / 2);
    writeStyle(api, w, r->dc, TO_FILL(r), TO_DRAW(r));
}

void fillRect(SvgWriter *w, const QRectF &rect, const QByteArray &style)
{
    w->printf("<rect x=\"%.2f\" y=\"%.2f\" width=\"%.2f\" height=\"%.2f\" style=\"%s\"/>\n", rect.x(),
              rect.y(), rect.width(), rect.height(), style.constData());
}

// Pattern blits: the brush, black or white over a rectangle; other raster operations
// need the pixels underneath and are left out.
void ropDraw(wmfAPI *api, wmfROP_Draw_t *r)
{
    SvgWriter *w = writerOf(api);
    const QRectF rect = QRectF(w->map(r->TL), w->map(r->BR)).normalized();
    switch (r->ROP) {
    case 0x00F00021: // PATCOPY
        if (WMF_BRUSH_STYLE(WMF_DC_BRUSH(r->dc)) == BS_NULL)
            return;
        w->printf("<rect x=\"%.2f\" y=\"%.2f\" width=\"%.2f\" height=\"%.2f\"", rect.x(), rect.y(),
                  rect.width(), rect.height());
        writeStyle(api, w, r->dc, true, false);
        break;
    case 0x00000042: // BLACKNESS
        fillRect(w, rect, "fill:#000000;stroke:none");
        break;
    case 0x00FF0062: // WHITENESS
        fillRect(w, rect, "fill:#ffffff;stroke:none");
        break;
    default:
        break;
    }
}

void drawBitmap(wmfAPI *api, wmfBMP_Draw_t *b)
{
    SvgWriter *w = writerOf(api);
    if (!b->bmp.data || b->crop.w == 0 || b->crop.h == 0 || b->type == 0x00AA0029 /* DSTCOPY */)
        return;
    const QPointF a = w->map(b->pt);
    wmfD_Coord far = b->pt;
    far.x += float(b->pixel_width * b->crop.w);
    far.y += float(b->pixel_height * b->crop.h);
    const QPointF z = w->map(far);
    const QRectF rect = QRectF(a, z).normalized();
    if (rect.width() <= 0 || rect.height() <= 0)
        return;

    ByteSink png;
    wmfStream stream{&png, &ByteSink::puts, &ByteSink::reset};
    wmf_ipa_bmp_b64(api, b, &stream);
    if (png.overflow || png.bytes.isEmpty())
        return;

    w->printf("<image x=\"%.2f\" y=\"%.2f\" width=\"%.2f\" height=\"%.2f\" preserveAspectRatio=\"none\"",
              rect.x(), rect.y(), rect.width(), rect.height());
    w->write(" xlink:href=\"data:image/png;base64,");
    w->write(png.bytes.simplified().replace(' ', ""));
    w->write("\"/>\n");
}

// Text of a metafile is in the Windows ANSI code page.
QString fromWindows1252(const char *s)
{
    static const char16_t high[32] = {0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
                                      0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
    QString text;
    for (; *s; ++s) {
        const unsigned char c = static_cast<unsigned char>(*s);
        if (c < 0x20 && c != '\t')
            text += QLatin1Char(' '); // not allowed in XML
        else if (c >= 0x80 && c < 0xA0)
            text += QChar(high[c - 0x80]);
        else
            text += QChar(c);
    }
    return text;
}

QByteArray xmlEscaped(const QString &s)
{
    return s.toHtmlEscaped().replace(QLatin1Char('\''), QLatin1String("&apos;")).toUtf8();
}

void drawText(wmfAPI *api, wmfDrawText_t *t)
{
    SvgWriter *w = writerOf(api);
    if (!t->str || !*t->str)
        return;
    wmfDC *dc = t->dc;
    if (t->flags & ETO_OPAQUE) {
        const QRectF box = QRectF(w->map(t->TL), w->map(t->BR)).normalized();
        fillRect(w, box, "fill:" + hexColor(*WMF_DC_BACKGROUND(dc)) + ";stroke:none");
    }
    const double size = std::abs(t->font_height * w->sy);
    if (!(size > 0))
        return;
    wmfFont *font = WMF_DC_FONT(dc);
    const QPointF at = w->map(t->pt);
    // Escapement is counter-clockwise in tenths of a degree.
    const double theta = -(font->lfEscapement / 10.0) * Pi / 180.0;
    const int weight = font->lfWeight == 0 ? 400 : std::clamp(int(font->lfWeight), 100, 900);
    QByteArray decoration;
    if (font->lfUnderline)
        decoration += " underline";
    if (font->lfStrikeOut)
        decoration += " line-through";

    w->write("<text x=\"0\" y=\"0\" xml:space=\"preserve\"");
    if (font->lfFaceName && *font->lfFaceName)
        w->write(" font-family=\"" + xmlEscaped(fromWindows1252(font->lfFaceName)) + "\"");
    w->printf(" font-size=\"%.2f\" font-weight=\"%d\"", size, weight);
    if (font->lfItalic)
        w->write(" font-style=\"italic\"");
    if (!decoration.isEmpty())
        w->write(" text-decoration=\"" + decoration.trimmed() + "\"");
    w->printf(" fill=\"%s\" transform=\"matrix(%.5f %.5f %.5f %.5f %.2f %.2f)\">",
              hexColor(*WMF_DC_TEXTCOLOR(dc)).constData(), std::cos(theta), std::sin(theta), -std::sin(theta),
              std::cos(theta), at.x(), at.y());
    w->write(xmlEscaped(fromWindows1252(t->str)));
    w->write("</text>\n");
}

void paintRegion(wmfAPI *api, wmfPolyRectangle_t *r)
{
    SvgWriter *w = writerOf(api);
    if (skipped(r->dc) || !TO_FILL(r))
        return;
    for (unsigned i = 0; i < r->count; ++i) {
        const QRectF rect = QRectF(w->map(r->TL[i]), w->map(r->BR[i])).normalized();
        w->printf("<rect x=\"%.2f\" y=\"%.2f\" width=\"%.2f\" height=\"%.2f\"", rect.x(), rect.y(),
                  rect.width(), rect.height());
        writeStyle(api, w, r->dc, true, false);
    }
}

void frameRegion(wmfAPI *api, wmfPolyRectangle_t *r)
{
    SvgWriter *w = writerOf(api);
    if (skipped(r->dc) || !TO_FILL(r))
        return;
    const double width = std::max(1.0, (std::abs(r->width * w->sx) + std::abs(r->height * w->sy)) / 2);
    const QByteArray color = hexColor(*WMF_BRUSH_COLOR(WMF_DC_BRUSH(r->dc)));
    for (unsigned i = 0; i < r->count; ++i) {
        const QRectF rect = QRectF(w->map(r->TL[i]), w->map(r->BR[i])).normalized();
        w->printf("<rect x=\"%.2f\" y=\"%.2f\" width=\"%.2f\" height=\"%.2f\" "
                  "style=\"fill:none;stroke:%s;stroke-width:%.2f\"/>\n",
                  rect.x(), rect.y(), rect.width(), rect.height(), color.constData(), width);
    }
}

// Whether libwmf can read the bitmap of a bitmap record (a BITMAPINFOHEADER or
// BITMAPCOREHEADER and what follows) within bounded memory: libwmf allocates its pixels
// and its colour table as the header claims, gigabytes for a few damaged bytes. The
// bitmap must have at most `maxPixels` pixels, a bit count that exists and a colour table
// that lies within the record.
bool bitmapWithinBounds(const wmfBMP_Read_t *r, qint64 maxPixels)
{
    if (!r->buffer || r->length < 12)
        return false;
    const QByteArray core(reinterpret_cast<const char *>(r->buffer), 12);
    if (le::u32(core, 0) == 12) // the core header: no colour count of its own
        return qint64(le::u16(core, 4)) * le::u16(core, 6) <= maxPixels;
    constexpr qsizetype InfoSize = 40;
    if (r->length < InfoSize || le::u32(core, 0) < InfoSize)
        return false;
    const QByteArray info(reinterpret_cast<const char *>(r->buffer), InfoSize);
    const qint64 pixels = std::abs(qint64(le::s32(info, 4))) * std::abs(qint64(le::s32(info, 8)));
    const quint16 bits = le::u16(info, 14);
    const quint32 colours = le::u32(info, 32);
    switch (bits) {
    case 0:
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
        break;
    default:
        return false;
    }
    return pixels <= maxPixels && qint64(le::u32(info, 0)) + qint64(colours) * 4 <= qint64(r->length);
}

// Bitmaps libwmf cannot read within bounds are left out (drawn as nothing).
void readBitmap(wmfAPI *api, wmfBMP_Read_t *r)
{
    const SvgWriter *w = writerOf(api);
    if (!bitmapWithinBounds(r, w ? w->maxBitmapPixels : DefaultMaxBitmapPixels)) {
        r->bmp.data = nullptr;
        r->bmp.width = 0;
        r->bmp.height = 0;
        return;
    }
    wmf_ipa_bmp_read(api, r);
}

void freeBitmap(wmfAPI *api, wmfBMP *bmp)
{
    if (bmp->data)
        wmf_ipa_bmp_free(api, bmp);
}

void ignoreFlood(wmfAPI *, wmfFlood_t *) {}
void ignoreUserData(wmfAPI *, wmfUserData_t *) {}
void ignoreClip(wmfAPI *, wmfPolyRectangle_t *) {}
void ignoreDevice(wmfAPI *) {}

void installDevice(wmfAPI *api)
{
    auto *fr = static_cast<wmfFunctionReference *>(api->function_reference);
    fr->device_open = ignoreDevice;
    fr->device_close = ignoreDevice;
    fr->device_begin = deviceBegin;
    fr->device_end = deviceEnd;
    fr->flood_interior = ignoreFlood;
    fr->flood_exterior = ignoreFlood;
    fr->draw_pixel = drawPixel;
    fr->draw_pie = drawPie;
    fr->draw_chord = drawChord;
    fr->draw_arc = drawOpenArc;
    fr->draw_ellipse = drawEllipse;
    fr->draw_line = drawLine;
    fr->poly_line = drawPolyline;
    fr->draw_polygon = drawPolygon;
    fr->draw_polypolygon = drawPolyPolygon;
    fr->draw_rectangle = drawRectangle;
    fr->rop_draw = ropDraw;
    fr->bmp_draw = drawBitmap;
    fr->bmp_read = readBitmap;
    fr->bmp_free = freeBitmap;
    fr->draw_text = drawText;
    fr->udata_init = ignoreUserData;
    fr->udata_copy = ignoreUserData;
    fr->udata_set = ignoreUserData;
    fr->udata_free = ignoreUserData;
    fr->region_frame = frameRegion;
    fr->region_paint = paintRegion;
    fr->region_clip = ignoreClip;
}

// libwmf keeps process-wide state (font engine set-up); one metafile at a time.
std::mutex &libwmfMutex()
{
    static std::mutex m;
    return m;
}

struct ApiDeleter {
    void operator()(wmfAPI *api) const { wmf_api_destroy(api); }
};

} // namespace

bool looksLikeWmf(const QByteArray &head)
{
    if (head.size() >= 4 && le::u32(head, 0) == PlaceableKey)
        return true;
    if (head.size() < StandardHeaderSize)
        return false;
    const quint16 type = le::u16(head, 0), headerWords = le::u16(head, 2), version = le::u16(head, 4);
    return (type == 1 || type == 2) && headerWords == 9 && (version == 0x0100 || version == 0x0300);
}

MetafileSvg convertWmf(const QByteArray &data, double dpi, qint64 maxPixels)
{
    const auto layout = readLayout(data);
    if (!layout || (layout->placeable && layout->unitsPerInch <= 0))
        return {};
    QByteArray input = playableByLibwmf(data, *layout);

    std::lock_guard lock(libwmfMutex());
    wmfAPI_Options options{};
    options.function = installDevice;
    const unsigned long flags =
        WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
    wmfAPI *raw = nullptr;
    if (wmf_api_create(&raw, flags, &options) != wmf_E_None || !raw)
        return {};
    std::unique_ptr<wmfAPI, ApiDeleter> api(raw);
    const WmfTextWidths textWidths(raw);

    if (wmf_mem_open(raw, reinterpret_cast<unsigned char *>(input.data()), long(input.size())) != wmf_E_None)
        return {};
    wmfD_Rect scanned{};
    if (wmf_scan(raw, 0, &scanned) != wmf_E_None)
        return {};

    const auto g = geometry(input, *layout, scanned);
    if (!g)
        return {};
    const QSize pixels = pixelsFromTwips(g->naturalTwips, dpi);
    if (qint64(pixels.width()) * pixels.height() > maxPixels)
        return {};

    SvgWriter writer;
    writer.frame = g->deviceFrame;
    writer.size = pixels;
    writer.sx = pixels.width() / g->deviceFrame.width();
    writer.sy = pixels.height() / g->deviceFrame.height();
    writer.maxBitmapPixels = std::min(maxPixels, DefaultMaxBitmapPixels);
    raw->user_data = &writer;

    wmfD_Rect played = scanned;
    const wmf_error_t result = wmf_play(raw, 0, &played);
    raw->user_data = nullptr;
    // A record libwmf chokes on ends the drawing; what came before it is kept.
    if (!writer.begun || writer.out.overflow)
        return {};
    if (result != wmf_E_None)
        writer.write("</svg>\n");

    MetafileSvg svg;
    svg.svg = std::move(writer.out.bytes);
    svg.naturalTwips = g->naturalTwips;
    return svg;
}

} // namespace orv
