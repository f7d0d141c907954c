#include "heifbounds.h"

#include <QHash>

#include <functional>
#include <optional>

namespace orv {

namespace {

struct Span {
    qsizetype begin = 0;
    qsizetype end = 0;
};

constexpr quint32 fourcc(const char (&s)[5])
{
    return quint32(quint8(s[0])) << 24 | quint32(quint8(s[1])) << 16 | quint32(quint8(s[2])) << 8 | quint8(s[3]);
}

// Big-endian fields read one after another within a span; a read past its end marks the
// reader failed and gives 0.
class Fields
{
public:
    Fields(const QByteArray &data, Span span) : data_(data), at_(span.begin), end_(span.end) {}

    quint64 take(int bytes)
    {
        if (failed || bytes < 0 || bytes > 8 || end_ - at_ < bytes) {
            failed = true;
            return 0;
        }
        quint64 value = 0;
        for (int i = 0; i < bytes; ++i)
            value = value << 8 | quint8(data_[at_ + i]);
        at_ += bytes;
        return value;
    }
    void skip(qsizetype bytes)
    {
        if (failed || bytes < 0 || end_ - at_ < bytes)
            failed = true;
        else
            at_ += bytes;
    }
    qsizetype at() const { return at_; }

    bool failed = false;

private:
    const QByteArray &data_;
    qsizetype at_;
    qsizetype end_;
};

// libheif reads no more children than this in one box, no more items from `iloc` and no
// more extents for one item (it refuses the file beyond them).
constexpr int MaxChildren = 20'000;
constexpr quint64 MaxItems = 20'000;
constexpr quint64 MaxExtents = 32;

// Calls `visit(type, payload, header bytes)` for each box directly inside `within`, in order.
using BoxVisitor = std::function<void(quint32, Span, qsizetype)>;
void forEachBox(const QByteArray &data, Span within, const BoxVisitor &visit)
{
    qsizetype at = within.begin;
    for (int n = 0; n < MaxChildren && within.end - at >= 8; ++n) {
        Fields head(data, {at, within.end});
        quint64 size = head.take(4);
        const auto type = quint32(head.take(4));
        if (size == 1)
            size = head.take(8);
        else if (size == 0)
            size = quint64(within.end - at);
        if (head.failed || size < quint64(head.at() - at) || size > quint64(within.end - at))
            return;
        visit(type, {head.at(), at + qsizetype(size)}, head.at() - at);
        at += qsizetype(size);
    }
}

// The boxes of the `meta` box that place and name the items.
struct MetaBoxes {
    Span iinf, iloc, idat, ipco;
};

MetaBoxes metaBoxes(const QByteArray &file)
{
    Span meta;
    forEachBox(file, {0, file.size()}, [&](quint32 type, Span payload, qsizetype) {
        if (type == fourcc("meta") && meta.end == 0)
            meta = payload;
    });
    MetaBoxes boxes;
    if (meta.end - meta.begin < 4)
        return boxes;
    forEachBox(file, {meta.begin + 4, meta.end}, [&](quint32 type, Span payload, qsizetype header) {
        if (type == fourcc("iinf"))
            boxes.iinf = payload;
        else if (type == fourcc("iloc"))
            boxes.iloc = payload;
        else if (type == fourcc("idat"))
            // libheif lets an item's data run past the end of `idat` by as many bytes as the
            // box's header takes (it checks against the box's whole size), into what follows.
            boxes.idat = {payload.begin, qMin(file.size(), payload.end + header)};
        else if (type == fourcc("iprp"))
            forEachBox(file, payload, [&](quint32 inner, Span properties, qsizetype) {
                if (inner == fourcc("ipco"))
                    boxes.ipco = properties;
            });
    });
    return boxes;
}

// The item types named in the `iinf` box, by item id.
QHash<quint32, quint32> itemTypes(const QByteArray &data, Span iinf)
{
    Fields fields(data, iinf);
    const auto version = fields.take(1);
    fields.take(3);
    fields.take(version == 0 ? 2 : 4);
    QHash<quint32, quint32> types;
    if (fields.failed)
        return types;
    forEachBox(data, {fields.at(), iinf.end}, [&](quint32 type, Span infe, qsizetype) {
        if (type != fourcc("infe"))
            return;
        Fields entry(data, infe);
        const auto infeVersion = entry.take(1);
        entry.take(3);
        if (infeVersion < 2)
            return;
        const auto id = quint32(entry.take(infeVersion == 2 ? 2 : 4));
        entry.take(2);
        const auto itemType = quint32(entry.take(4));
        if (!entry.failed)
            types.insert(id, itemType);
    });
    return types;
}

// The data of each item of `types`, gathered from its extents in the file (construction
// method 0) or in the `idat` box (method 1) as the `iloc` box places them. A single extent
// is shared with the file, not copied.
QHash<quint32, QByteArray> itemData(const QByteArray &file, const MetaBoxes &boxes, const QHash<quint32, quint32> &types)
{
    QHash<quint32, QByteArray> items;
    Fields f(file, boxes.iloc);
    const auto version = f.take(1);
    f.take(3);
    const auto sizes = f.take(1), more = f.take(1);
    const int offsetSize = int(sizes >> 4), lengthSize = int(sizes & 15), baseSize = int(more >> 4);
    const bool methods = version == 1 || version == 2;
    const int indexSize = methods ? int(more & 15) : 0;
    const auto count = f.take(version < 2 ? 2 : 4);
    if (count > MaxItems)
        return items;
    for (quint64 i = 0; i < count && !f.failed; ++i) {
        const auto id = quint32(f.take(version < 2 ? 2 : 4));
        const auto method = methods ? f.take(2) & 15 : 0;
        f.take(2);
        const auto base = f.take(baseSize);
        const auto extents = f.take(2);
        if (extents > MaxExtents)
            return items;
        const Span source = method == 0 ? Span{0, file.size()} : boxes.idat;
        QList<Span> pieces;
        bool readable = method <= 1;
        for (quint64 e = 0; e < extents && !f.failed; ++e) {
            f.take(indexSize);
            const auto offset = f.take(offsetSize), length = f.take(lengthSize);
            const quint64 room = quint64(source.end - source.begin);
            if (base > room || offset > room - base || (length != 0 && length > room - base - offset)) {
                readable = false;
                continue;
            }
            const qsizetype from = source.begin + qsizetype(base + offset);
            pieces.append({from, length == 0 ? source.end : from + qsizetype(length)});
        }
        if (!readable || f.failed || !types.contains(id) || pieces.isEmpty())
            continue;
        if (pieces.size() == 1) {
            items.insert(id, QByteArray::fromRawData(file.constData() + pieces[0].begin, pieces[0].end - pieces[0].begin));
            continue;
        }
        QByteArray joined;
        for (const Span piece : pieces)
            joined.append(file.constData() + piece.begin, piece.end - piece.begin);
        items.insert(id, joined);
    }
    return items;
}

// The output size a grid's or an overlay's data declares (16 or 32-bit fields by its
// flags), or nothing when the data is too short or of a version libheif refuses.
std::optional<QSize> declaredCanvas(quint32 type, const QByteArray &item)
{
    if (item.size() < 2 || (type == fourcc("iovl") && item[0] != 0))
        return std::nullopt;
    const int field = (quint8(item[1]) & 1) ? 4 : 2;
    // After a grid's two bytes of rows and columns, or an overlay's four 16-bit fill values.
    const qsizetype at = type == fourcc("grid") ? 4 : 10;
    Fields f(item, {at, item.size()});
    const auto width = f.take(field), height = f.take(field);
    if (f.failed)
        return std::nullopt;
    return QSize(int(qMin<quint64>(width, INT_MAX)), int(qMin<quint64>(height, INT_MAX)));
}

// Bits of an HEVC NAL unit's payload, emulation prevention bytes removed.
class NalBits
{
public:
    explicit NalBits(const char *nal, qsizetype length)
    {
        // The sizes come within the first hundred bytes even with seven sub-layers.
        for (qsizetype i = 2; i < length && rbsp_.size() < 160; ++i) {
            if (i >= 4 && nal[i] == 3 && nal[i - 1] == 0 && nal[i - 2] == 0)
                continue;
            rbsp_.append(nal[i]);
        }
    }
    quint32 bits(int n)
    {
        quint32 value = 0;
        for (int i = 0; i < n; ++i, ++at_) {
            if (at_ >= rbsp_.size() * 8) {
                failed = true;
                return 0;
            }
            value = value << 1 | ((quint8(rbsp_[at_ / 8]) >> (7 - at_ % 8)) & 1);
        }
        return value;
    }
    void skip(int n) { bits(n); }
    // An unsigned Exp-Golomb code.
    quint32 ue()
    {
        int zeros = 0;
        while (!failed && bits(1) == 0) {
            if (++zeros > 31) {
                failed = true;
                return 0;
            }
        }
        return quint32((quint64(1) << zeros) - 1 + bits(zeros));
    }

    bool failed = false;

private:
    QByteArray rbsp_;
    qsizetype at_ = 0;
};

constexpr int HevcSpsType = 33;

// The coded picture size of an HEVC sequence parameter set NAL unit.
std::optional<QSize> spsSize(const char *nal, qsizetype length)
{
    if (length < 3 || ((quint8(nal[0]) >> 1) & 0x3f) != HevcSpsType)
        return std::nullopt;
    NalBits b(nal, length);
    b.skip(4);
    const int subLayers = int(b.bits(3));
    b.skip(1);
    b.skip(96); // general profile, tier and level
    QList<bool> profile, level;
    for (int i = 0; i < subLayers; ++i) {
        profile.append(b.bits(1));
        level.append(b.bits(1));
    }
    if (subLayers > 0)
        b.skip(2 * (8 - subLayers));
    for (int i = 0; i < subLayers; ++i)
        b.skip((profile[i] ? 88 : 0) + (level[i] ? 8 : 0));
    b.ue();
    if (b.ue() == 3)
        b.skip(1);
    const quint32 width = b.ue(), height = b.ue();
    if (b.failed)
        return std::nullopt;
    return QSize(int(qMin<quint32>(width, INT_MAX)), int(qMin<quint32>(height, INT_MAX)));
}

// The sizes of the parameter sets in an `hvcC` property's arrays.
void addHvccSizes(const QByteArray &file, Span hvcc, QList<QSize> &sizes)
{
    Fields f(file, hvcc);
    f.skip(22);
    const auto arrays = f.take(1);
    for (quint64 a = 0; a < arrays && !f.failed; ++a) {
        f.take(1);
        const auto units = f.take(2);
        for (quint64 u = 0; u < units && !f.failed; ++u) {
            const auto length = qsizetype(f.take(2));
            if (f.failed || hvcc.end - f.at() < length)
                return;
            if (const auto size = spsSize(file.constData() + f.at(), length))
                sizes.append(*size);
            f.skip(length);
        }
    }
}

// The sizes of the parameter sets sent within an item's data (NAL units with 4-byte
// lengths, as libheif hands them to the decoder).
void addInBandSizes(const QByteArray &item, QList<QSize> &sizes)
{
    qsizetype at = 0;
    while (item.size() - at >= 4) {
        const quint32 length = quint32(quint8(item[at])) << 24 | quint32(quint8(item[at + 1])) << 16 |
                               quint32(quint8(item[at + 2])) << 8 | quint8(item[at + 3]);
        at += 4;
        if (length > quint64(item.size() - at))
            return;
        if (const auto size = spsSize(item.constData() + at, length))
            sizes.append(*size);
        at += length;
    }
}

} // namespace

QList<QSize> heifAllocatedSizes(const QByteArray &file)
{
    const MetaBoxes boxes = metaBoxes(file);
    QList<QSize> sizes;
    forEachBox(file, boxes.ipco, [&](quint32 type, Span payload, qsizetype) {
        if (type == fourcc("hvcC"))
            addHvccSizes(file, payload, sizes);
    });
    QHash<quint32, quint32> wanted;
    const QHash<quint32, quint32> types = itemTypes(file, boxes.iinf);
    for (auto it = types.begin(); it != types.end(); ++it) {
        if (it.value() == fourcc("grid") || it.value() == fourcc("iovl") || it.value() == fourcc("hvc1"))
            wanted.insert(it.key(), it.value());
    }
    const QHash<quint32, QByteArray> items = itemData(file, boxes, wanted);
    for (auto it = items.begin(); it != items.end(); ++it) {
        if (wanted.value(it.key()) == fourcc("hvc1"))
            addInBandSizes(it.value(), sizes);
        else if (const auto canvas = declaredCanvas(wanted.value(it.key()), it.value()))
            sizes.append(*canvas);
    }
    return sizes;
}

} // namespace orv
