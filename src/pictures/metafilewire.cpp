#include "metafilewire.h"

#include <QtEndian>

#include <bit>
#include <cmath>

namespace orv {

namespace {

constexpr char Magic[4] = {'O', 'M', 'F', '1'};

void append32(QByteArray &out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

void appendDouble(QByteArray &out, double v)
{
    char b[8];
    qToLittleEndian(std::bit_cast<quint64>(v), b);
    out.append(b, 8);
}

double doubleAt(QByteArrayView d, qsizetype at)
{
    return std::bit_cast<double>(qFromLittleEndian<quint64>(d.data() + at));
}

} // namespace

QByteArray MetafileWire::encode(const MetafileSvg &metafile)
{
    QByteArray out;
    out.reserve(HeaderSize + metafile.svg.size());
    out.append(Magic, 4);
    append32(out, quint32(metafile.naturalTwips.width()));
    append32(out, quint32(metafile.naturalTwips.height()));
    appendDouble(out, metafile.viewBox.x());
    appendDouble(out, metafile.viewBox.y());
    appendDouble(out, metafile.viewBox.width());
    appendDouble(out, metafile.viewBox.height());
    append32(out, quint32(metafile.svg.size()));
    out.append(metafile.svg);
    return out;
}

std::optional<MetafileSvg> MetafileWire::decode(QByteArrayView message, qsizetype maxSvgBytes)
{
    if (message.size() < HeaderSize || !message.startsWith(QByteArrayView(Magic, 4)))
        return std::nullopt;
    const qint32 width = qFromLittleEndian<qint32>(message.data() + 4);
    const qint32 height = qFromLittleEndian<qint32>(message.data() + 8);
    const double box[4] = {doubleAt(message, 12), doubleAt(message, 20), doubleAt(message, 28),
                           doubleAt(message, 36)};
    const quint32 length = qFromLittleEndian<quint32>(message.data() + 44);
    if (width <= 0 || height <= 0 || qsizetype(length) > maxSvgBytes || length == 0 ||
        message.size() - HeaderSize != qsizetype(length))
        return std::nullopt;
    for (double v : box)
        if (!std::isfinite(v))
            return std::nullopt;
    if (box[2] < 0 || box[3] < 0)
        return std::nullopt;

    MetafileSvg metafile;
    metafile.naturalTwips = QSize(width, height);
    metafile.viewBox = QRectF(box[0], box[1], box[2], box[3]);
    metafile.svg = message.sliced(HeaderSize).toByteArray();
    return metafile;
}

} // namespace orv
