#include "jxlpicture.h"

#include "deepimage.h"
#include "picturelimits.h"

#include <jxl/decode.h>
#include <jxl/thread_parallel_runner.h>

#include <cmath>
#include <vector>

namespace orv {

JxlFrameDecoder::JxlFrameDecoder(QByteArray data)
    : m_data(std::move(data)), m_decoder(JxlDecoderCreate(nullptr)),
      m_runner(JxlThreadParallelRunnerCreate(nullptr, 2))
{
}

JxlFrameDecoder::~JxlFrameDecoder()
{
    if (m_decoder)
        JxlDecoderDestroy(m_decoder);
    if (m_runner)
        JxlThreadParallelRunnerDestroy(m_runner);
}

bool JxlFrameDecoder::start()
{
    JxlDecoder *dec = m_decoder;
    return JxlDecoderSubscribeEvents(dec, JXL_DEC_BASIC_INFO | JXL_DEC_COLOR_ENCODING | JXL_DEC_FRAME |
                                              JXL_DEC_FULL_IMAGE) == JXL_DEC_SUCCESS &&
           (!m_runner || JxlDecoderSetParallelRunner(dec, JxlThreadParallelRunner, m_runner) == JXL_DEC_SUCCESS) &&
           JxlDecoderSetInput(dec, reinterpret_cast<const uint8_t *>(m_data.constData()), size_t(m_data.size())) ==
               JXL_DEC_SUCCESS &&
           (JxlDecoderCloseInput(dec), true);
}

std::unique_ptr<JxlFrameDecoder> JxlFrameDecoder::open(QByteArray data)
{
    std::unique_ptr<JxlFrameDecoder> d(new JxlFrameDecoder(std::move(data)));
    if (!d->m_decoder || !d->start())
        return nullptr;
    for (;;) {
        const JxlDecoderStatus status = JxlDecoderProcessInput(d->m_decoder);
        if (status == JXL_DEC_BASIC_INFO) {
            JxlBasicInfo info;
            if (JxlDecoderGetBasicInfo(d->m_decoder, &info) != JXL_DEC_SUCCESS)
                return nullptr;
            d->m_deep = info.bits_per_sample > 8;
            d->m_alpha = info.alpha_bits > 0;
            const QSize stored(int(std::min<quint32>(info.xsize, INT_MAX)), int(std::min<quint32>(info.ysize, INT_MAX)));
            d->m_size = info.orientation >= JXL_ORIENT_TRANSPOSE ? stored.transposed() : stored;
            if (!limits::allowed(d->m_size, d->m_deep ? 8 : 4))
                return nullptr;
            d->m_animated = info.have_animation;
            if (info.have_animation) {
                d->m_loops = int(std::min<quint32>(info.animation.num_loops, INT_MAX));
                d->m_tpsNumerator = std::max<quint32>(1, info.animation.tps_numerator);
                d->m_tpsDenominator = info.animation.tps_denominator;
            }
        } else if (status == JXL_DEC_COLOR_ENCODING) {
            d->m_colourSpace = d->colourSpace();
            return d;
        } else {
            return nullptr;
        }
    }
}

QColorSpace JxlFrameDecoder::colourSpace() const
{
    JxlColorEncoding encoding;
    if (JxlDecoderGetColorAsEncodedProfile(m_decoder, nullptr, JXL_COLOR_PROFILE_TARGET_DATA, &encoding) ==
            JXL_DEC_SUCCESS &&
        encoding.color_space == JXL_COLOR_SPACE_RGB && encoding.white_point == JXL_WHITE_POINT_D65 &&
        encoding.primaries == JXL_PRIMARIES_SRGB && encoding.transfer_function == JXL_TRANSFER_FUNCTION_SRGB)
        return QColorSpace();
    size_t size = 0;
    if (JxlDecoderGetICCProfileSize(m_decoder, nullptr, JXL_COLOR_PROFILE_TARGET_DATA, &size) != JXL_DEC_SUCCESS ||
        size == 0 || size > 16 * 1024 * 1024)
        return QColorSpace();
    QByteArray icc(qsizetype(size), Qt::Uninitialized);
    if (JxlDecoderGetColorAsICCProfile(m_decoder, nullptr, JXL_COLOR_PROFILE_TARGET_DATA,
                                       reinterpret_cast<uint8_t *>(icc.data()), size) != JXL_DEC_SUCCESS)
        return QColorSpace();
    return QColorSpace::fromIccProfile(icc);
}

bool JxlFrameDecoder::next(DecodedFrame &frame)
{
    const JxlPixelFormat format{4, m_deep ? JXL_TYPE_UINT16 : JXL_TYPE_UINT8, JXL_NATIVE_ENDIAN, 0};
    QImage image;
    int delayMs = 0;
    for (;;) {
        switch (JxlDecoderProcessInput(m_decoder)) {
        case JXL_DEC_BASIC_INFO:
        case JXL_DEC_COLOR_ENCODING:
            break; // read again after a rewind
        case JXL_DEC_FRAME: {
            JxlFrameHeader header;
            if (JxlDecoderGetFrameHeader(m_decoder, &header) == JXL_DEC_SUCCESS && m_animated)
                delayMs = int(std::min<double>(3'600'000, std::llround(double(header.duration) * 1000.0 *
                                                                       m_tpsDenominator / m_tpsNumerator)));
            break;
        }
        case JXL_DEC_NEED_IMAGE_OUT_BUFFER: {
            const QImage::Format f = m_deep ? (m_alpha ? QImage::Format_RGBA64 : QImage::Format_RGBX64)
                                            : (m_alpha ? QImage::Format_RGBA8888 : QImage::Format_RGBX8888);
            image = QImage(m_size, f);
            size_t needed = 0;
            if (image.isNull() || JxlDecoderImageOutBufferSize(m_decoder, &format, &needed) != JXL_DEC_SUCCESS ||
                needed != size_t(image.sizeInBytes()) ||
                JxlDecoderSetImageOutBuffer(m_decoder, &format, image.bits(), needed) != JXL_DEC_SUCCESS)
                return false;
            break;
        }
        case JXL_DEC_FULL_IMAGE:
            if (image.isNull())
                return false;
            image.setColorSpace(m_colourSpace);
            frame.image = screenReady(std::move(image));
            frame.delayMs = delayMs;
            return !frame.image.isNull();
        default: // success (no more frames), an error, or a file cut short
            return false;
        }
    }
}

bool JxlFrameDecoder::rewind()
{
    // The runner and the events subscribed to are kept; the input is given anew.
    JxlDecoderRewind(m_decoder);
    if (JxlDecoderSetInput(m_decoder, reinterpret_cast<const uint8_t *>(m_data.constData()),
                           size_t(m_data.size())) != JXL_DEC_SUCCESS)
        return false;
    JxlDecoderCloseInput(m_decoder);
    return true;
}

} // namespace orv
