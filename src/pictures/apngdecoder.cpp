#include "apngdecoder.h"

#include "deepimage.h"
#include "picturelimits.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QtEndian>

#include <zlib.h>

#include <cmath>

namespace orv {

namespace {

quint32 be32(const QByteArray &d, qsizetype at)
{
    return qFromBigEndian<quint32>(d.constData() + at);
}

quint16 be16(const QByteArray &d, qsizetype at)
{
    return qFromBigEndian<quint16>(d.constData() + at);
}

void appendChunk(QByteArray &png, const char *type, const char *data, qsizetype size)
{
    char length[4];
    qToBigEndian<quint32>(quint32(size), length);
    png.append(length, 4);
    const qsizetype start = png.size();
    png.append(type, 4);
    png.append(data, size);
    uLong crc = crc32(0, reinterpret_cast<const Bytef *>(png.constData() + start), uInt(size + 4));
    char c[4];
    qToBigEndian<quint32>(quint32(crc), c);
    png.append(c, 4);
}

// The frame delay in milliseconds (a zero denominator means hundredths of a second).
int delayOf(quint16 numerator, quint16 denominator)
{
    return int(std::lround(numerator * 1000.0 / (denominator == 0 ? 100 : denominator)));
}

} // namespace

std::unique_ptr<ApngDecoder> ApngDecoder::open(QByteArray data)
{
    if (!data.startsWith("\x89PNG\r\n\x1A\n"))
        return nullptr;
    std::unique_ptr<ApngDecoder> d(new ApngDecoder);
    bool animationControl = false, seenIdat = false;
    Frame *current = nullptr;
    qsizetype at = 8;
    while (at + 12 <= data.size()) {
        const quint32 length = be32(data, at);
        const QByteArray type = data.mid(at + 4, 4);
        const qsizetype body = at + 8;
        if (length > quint32(data.size()) || body + qsizetype(length) + 4 > data.size())
            break; // cut short: the frames read so far stay
        if (type == "IHDR" && length == 13) {
            d->m_ihdr = data.mid(body, 13);
            d->m_canvasSize = QSize(int(std::min<quint32>(be32(data, body), INT_MAX)),
                                    int(std::min<quint32>(be32(data, body + 4), INT_MAX)));
        } else if (type == "acTL" && length == 8 && !seenIdat) {
            animationControl = true;
            d->m_plays = int(std::min<quint32>(be32(data, body + 4), INT_MAX));
        } else if (type == "fcTL" && length == 26) {
            if (d->m_ihdr.isEmpty() || !limits::allowed(d->m_canvasSize, 8))
                break; // no frame without a canvas within the limits
            Frame f;
            const quint32 w = be32(data, body + 4), h = be32(data, body + 8);
            const quint32 x = be32(data, body + 12), y = be32(data, body + 16);
            if (w == 0 || h == 0 || quint64(x) + w > quint64(d->m_canvasSize.width()) ||
                quint64(y) + h > quint64(d->m_canvasSize.height()))
                break; // a frame outside the canvas ends the animation
            f.rect = QRect(int(x), int(y), int(w), int(h));
            f.delayMs = delayOf(be16(data, body + 20), be16(data, body + 22));
            f.dispose = quint8(data[body + 24]);
            f.blend = quint8(data[body + 25]);
            f.fromIdat = !seenIdat;
            d->m_frames.push_back(f);
            current = &d->m_frames.back();
        } else if (type == "IDAT") {
            seenIdat = true;
            if (current && current->fromIdat)
                current->data.emplace_back(body, qsizetype(length));
        } else if (type == "fdAT" && length > 4) {
            if (current && !current->fromIdat)
                current->data.emplace_back(body + 4, qsizetype(length) - 4);
        } else if (!seenIdat && (type == "PLTE" || type == "tRNS" || type == "iCCP" || type == "sRGB" ||
                                 type == "gAMA" || type == "cHRM" || type == "sBIT")) {
            d->m_headerChunks.append(data.mid(at, qsizetype(length) + 12));
        } else if (type == "IEND") {
            break;
        }
        at = body + qsizetype(length) + 4;
    }
    std::erase_if(d->m_frames, [](const Frame &f) { return f.data.empty(); });
    if (!animationControl || d->m_frames.size() < 2 || d->m_ihdr.isEmpty() ||
        !limits::allowed(d->m_canvasSize, 8))
        return nullptr;
    d->m_data = std::move(data);
    return d;
}

QImage ApngDecoder::decodeFrame(const Frame &f) const
{
    QByteArray png("\x89PNG\r\n\x1A\n", 8);
    QByteArray ihdr = m_ihdr;
    qToBigEndian<quint32>(quint32(f.rect.width()), ihdr.data());
    qToBigEndian<quint32>(quint32(f.rect.height()), ihdr.data() + 4);
    appendChunk(png, "IHDR", ihdr.constData(), ihdr.size());
    png.append(m_headerChunks);
    for (const auto &[offset, length] : f.data)
        appendChunk(png, "IDAT", m_data.constData() + offset, length);
    appendChunk(png, "IEND", nullptr, 0);
    QBuffer buffer(&png);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "png");
    reader.setAllocationLimit(int(limits::MaxFrameBytes / (1024 * 1024)));
    QImage image;
    if (!reader.read(&image) || image.size() != f.rect.size())
        return QImage();
    return image;
}

bool ApngDecoder::next(DecodedFrame &frame)
{
    if (m_next >= m_frames.size())
        return false;
    const Frame &f = m_frames[m_next];
    QImage image = decodeFrame(f);
    if (image.isNull())
        return false;
    image = screenReady(std::move(image));
    if (m_canvas.isNull()) {
        m_canvas = QImage(m_canvasSize, QImage::Format_ARGB32_Premultiplied);
        if (m_canvas.isNull())
            return false;
        m_canvas.fill(Qt::transparent);
    } else if (m_disposeOp == 1 || m_disposeOp == 2) {
        QPainter p(&m_canvas);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        if (m_disposeOp == 1 || m_saved.isNull())
            p.fillRect(m_disposeRect, Qt::transparent);
        else
            p.drawImage(m_disposeRect.topLeft(), m_saved);
    }
    m_disposeRect = f.rect;
    // Disposing of the first frame to the previous one clears it.
    m_disposeOp = (f.dispose == 2 && m_next == 0) ? 1 : f.dispose;
    m_saved = m_disposeOp == 2 ? m_canvas.copy(f.rect) : QImage();
    {
        QPainter p(&m_canvas);
        p.setCompositionMode(f.blend == 1 ? QPainter::CompositionMode_SourceOver : QPainter::CompositionMode_Source);
        p.drawImage(f.rect.topLeft(), image);
    }
    m_canvas.setColorSpace(image.colorSpace());
    ++m_next;
    frame.image = m_canvas; // shared until the next frame is drawn
    frame.delayMs = f.delayMs;
    return true;
}

bool ApngDecoder::rewind()
{
    m_next = 0;
    m_canvas = QImage();
    m_saved = QImage();
    m_disposeOp = 0;
    return true;
}

} // namespace orv
