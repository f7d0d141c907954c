#include "qtframedecoder.h"

#include "lebytes.h"

namespace orv {

namespace {

// Allocation limit for one frame, in megabytes (Qt's default of 128 would refuse large
// canvases that MaxFrameBytes allows).
constexpr int AllocationLimitMb = int(QtFrameDecoder::MaxFrameBytes / (1024 * 1024));

bool playable(QSize size)
{
    return size.isValid() && size.width() < QtFrameDecoder::MaxSide && size.height() < QtFrameDecoder::MaxSide &&
           qint64(size.width()) * size.height() * 4 <= QtFrameDecoder::MaxFrameBytes;
}

} // namespace

QtFrameDecoder::QtFrameDecoder(const QString &path) : m_path(path) {}

bool QtFrameDecoder::open()
{
    m_reader.reset();
    m_file = std::make_unique<QFile>(m_path);
    if (!m_file->open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = m_file->peek(10);
    m_reader = std::make_unique<QImageReader>(m_file.get());
    m_reader->setDecideFormatFromContent(true);
    m_reader->setAllocationLimit(AllocationLimitMb);
    const QByteArray format = m_reader->format();
    if (format != "gif" && format != "webp")
        return false;
    // Qt gives a GIF's first frame as its size; every frame is drawn on the whole
    // canvas (the logical screen), whose size the header gives.
    const QSize canvas =
        format == "gif" && head.size() == 10 ? QSize(le::u16(head, 6), le::u16(head, 8)) : m_reader->size();
    if (!playable(canvas))
        return false;
    // Qt counts the repetitions after the first play, -1 for ever.
    const int repeats = m_reader->loopCount();
    m_loops = repeats < 0 ? 0 : repeats + 1;
    m_frames = m_reader->imageCount();
    return m_frames > 1;
}

bool QtFrameDecoder::next(DecodedFrame &frame)
{
    if (!m_reader || !m_reader->canRead())
        return false;
    QImage image;
    if (!m_reader->read(&image) || image.isNull() || !playable(image.size()))
        return false;
    // The formats drawn fastest, as still pictures are kept.
    const QImage::Format format =
        image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    if (image.format() != format)
        image.convertTo(format);
    frame.image = std::move(image);
    frame.delayMs = std::max(0, m_reader->nextImageDelay());
    return true;
}

bool QtFrameDecoder::rewind()
{
    // Qt's readers cannot go back reliably: the file is read again from its start.
    return open();
}

FrameDecoderPtr openQtFrameDecoder(const QString &path)
{
    std::unique_ptr<QtFrameDecoder> decoder(new QtFrameDecoder(path));
    if (!decoder->open())
        return nullptr;
    return decoder;
}

} // namespace orv
