#include "qtframedecoder.h"

#include "deepimage.h"
#include "picturelimits.h"

#include <QBuffer>
#include <QImageReader>

#include <memory>

namespace orv {

namespace {

class QtFrameDecoder : public FrameDecoder
{
public:
    explicit QtFrameDecoder(QByteArray data) : m_data(std::move(data)) { rewind(); }

    bool valid()
    {
        const QByteArray format = m_reader->format();
        return (format == "gif" || format == "webp") && m_reader->imageCount() > 1 &&
               limits::allowed(m_reader->size());
    }
    bool next(DecodedFrame &frame) override
    {
        if (!m_reader->canRead())
            return false;
        QImage image;
        if (!m_reader->read(&image))
            return false;
        frame.image = screenReady(std::move(image));
        frame.delayMs = std::max(0, m_reader->nextImageDelay());
        return true;
    }
    bool rewind() override
    {
        m_reader.reset();
        m_buffer = std::make_unique<QBuffer>(&m_data);
        m_buffer->open(QIODevice::ReadOnly);
        m_reader = std::make_unique<QImageReader>(m_buffer.get());
        m_reader->setAllocationLimit(int(limits::MaxFrameBytes / (1024 * 1024)));
        return true;
    }
    // Qt counts the repetitions after the first play (-1 for ever).
    int loopCount() const override
    {
        const int repeats = m_reader->loopCount();
        return repeats < 0 ? 0 : repeats + 1;
    }
    int frameCount() const override { return m_reader->imageCount(); }

private:
    QByteArray m_data;
    std::unique_ptr<QBuffer> m_buffer;
    std::unique_ptr<QImageReader> m_reader;
};

} // namespace

FrameDecoderPtr qtFrameDecoder(QByteArray data)
{
    auto decoder = std::make_unique<QtFrameDecoder>(std::move(data));
    if (!decoder->valid())
        return nullptr;
    decoder->rewind(); // counting the frames moved the reader
    return decoder;
}

} // namespace orv
