#pragma once

#include "framedecoder.h"

#include <QByteArray>
#include <QColorSpace>
#include <memory>

struct JxlDecoderStruct;

namespace orv {

// JPEG XL pictures through libjxl: lossy and lossless, still and animated. Frames come
// composed on the whole canvas (libjxl's coalescing), turned by the file's orientation,
// with the colour of the decoded samples (structured encoding or ICC) attached; deep
// samples are converted and dithered. The size is checked against the loader's limits
// from the basic information, before any pixel is decoded.
class JxlFrameDecoder : public FrameDecoder
{
public:
    static std::unique_ptr<JxlFrameDecoder> open(QByteArray data);
    ~JxlFrameDecoder() override;

    bool animated() const { return m_animated; }

    bool next(DecodedFrame &frame) override;
    bool rewind() override;
    int loopCount() const override { return m_loops; }
    int frameCount() const override { return -1; }

private:
    explicit JxlFrameDecoder(QByteArray data);
    bool start();
    QColorSpace colourSpace() const;

    QByteArray m_data;
    JxlDecoderStruct *m_decoder = nullptr;
    void *m_runner = nullptr;
    bool m_animated = false;
    bool m_deep = false;
    bool m_alpha = false;
    QSize m_size; // as shown: after the orientation
    int m_loops = 0;
    quint32 m_tpsNumerator = 1, m_tpsDenominator = 1000;
    QColorSpace m_colourSpace;
};

} // namespace orv
