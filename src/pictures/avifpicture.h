#pragma once

#include "framedecoder.h"

#include <QByteArray>
#include <memory>

struct avifDecoder;

namespace orv {

// AVIF pictures through libavif (dav1d or libaom inside): 8, 10 and 12-bit, alpha, grids
// and image sequences. Each frame comes as the whole canvas in the screen's 32 bits, its
// ICC or CICP colour attached (deep samples converted and dithered), irot/imir applied.
// The size is checked against the loader's limits before anything is decoded.
class AvifFrameDecoder : public FrameDecoder
{
public:
    // Null when `data` is no AVIF libavif can parse or is beyond the limits.
    static std::unique_ptr<AvifFrameDecoder> open(QByteArray data);
    ~AvifFrameDecoder() override;

    bool next(DecodedFrame &frame) override;
    bool rewind() override;
    // libavif 0.11 does not read a sequence's repetitions: sequences play for ever.
    int loopCount() const override { return 0; }
    int frameCount() const override;

private:
    explicit AvifFrameDecoder(QByteArray data);

    QByteArray m_data; // read by libavif in place
    avifDecoder *m_decoder = nullptr;
};

} // namespace orv
