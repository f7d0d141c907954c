#include "pictureformat.h"

#include <QByteArrayList>
#include <QtEndian>

#include <algorithm>

namespace orv {

namespace {

// The brands of an ISO base media file's ftyp box (major brand first).
QByteArrayList brands(const QByteArray &head)
{
    QByteArrayList out;
    if (head.size() < 16 || head.mid(4, 4) != "ftyp")
        return out;
    const quint32 size = qFromBigEndian<quint32>(head.constData());
    const qsizetype end = std::min<qsizetype>(head.size(), size < 16 ? 16 : qsizetype(size));
    out.append(head.mid(8, 4));
    for (qsizetype i = 16; i + 4 <= end; i += 4)
        out.append(head.mid(i, 4));
    return out;
}

PictureFormat isoFormat(const QByteArray &head)
{
    const QByteArrayList b = brands(head);
    if (b.isEmpty())
        return PictureFormat::Other;
    static const QByteArrayList heif{"heic", "heix", "heim", "heis", "hevc", "hevx"};
    static const QByteArrayList avif{"avif", "avis"};
    if (avif.contains(b.first()))
        return PictureFormat::Avif;
    if (heif.contains(b.first()))
        return PictureFormat::Heif;
    for (const QByteArray &brand : b) {
        if (avif.contains(brand))
            return PictureFormat::Avif;
    }
    for (const QByteArray &brand : b) {
        if (heif.contains(brand) || brand == "mif1" || brand == "msf1")
            return PictureFormat::Heif;
    }
    return PictureFormat::Other;
}

// An XML document whose first element is <svg>, after any declaration, comments and
// doctype.
bool looksLikeSvg(const QByteArray &head)
{
    qsizetype i = head.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (i < head.size() && (head[i] == ' ' || head[i] == '\t' || head[i] == '\r' || head[i] == '\n'))
        ++i;
    if (i >= head.size() || head[i] != '<')
        return false;
    const qsizetype svg = head.indexOf("<svg", i);
    return svg >= 0 && (head.mid(i, 5) == "<?xml" || head.mid(i, 4) == "<!--" || head.mid(i, 2) == "<!" ||
                        svg == i);
}

} // namespace

PictureFormat sniffPictureFormat(const QByteArray &head)
{
    if (head.startsWith("\x89PNG\r\n\x1A\n"))
        return PictureFormat::Png;
    if (head.startsWith("\xFF\x0A") || head.startsWith(QByteArray("\0\0\0\x0CJXL \r\n\x87\n", 12)))
        return PictureFormat::JpegXl;
    if (const PictureFormat iso = isoFormat(head); iso != PictureFormat::Other)
        return iso;
    if (head.startsWith("\x1F\x8B"))
        return PictureFormat::SvgCompressed; // only SVG is read gzip-compressed
    if (looksLikeSvg(head))
        return PictureFormat::Svg;
    return PictureFormat::Other;
}

} // namespace orv
