#pragma once

#include "framedecoder.h"

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <memory>
#include <vector>

namespace orv {

// Animated PNG (APNG): libpng as Debian builds it knows no animation chunks, so the
// acTL, fcTL and fdAT chunks are read here and each frame is handed to Qt's PNG reader
// as a PNG of its own (the file's header chunks, palette and colour chunks, and the
// frame's data as IDAT); the frames are then composed on the canvas with their blend
// and dispose operations.
class ApngDecoder : public FrameDecoder
{
public:
    // Null when `data` is no PNG with an animation of at least two frames (a PNG whose
    // animation control comes after its image data is a still picture), or when its
    // canvas is beyond the loader's limits.
    static std::unique_ptr<ApngDecoder> open(QByteArray data);

    bool next(DecodedFrame &frame) override;
    bool rewind() override;
    int loopCount() const override { return m_plays; }
    int frameCount() const override { return int(m_frames.size()); }

private:
    struct Frame {
        QRect rect;
        int delayMs = 0;
        quint8 dispose = 0, blend = 0;
        bool fromIdat = false; // the data is in IDAT chunks (no sequence numbers)
        std::vector<std::pair<qsizetype, qsizetype>> data; // offset and length in the file
    };

    ApngDecoder() = default;
    QImage decodeFrame(const Frame &f) const;

    QByteArray m_data;
    QByteArray m_headerChunks; // PLTE, tRNS and the colour chunks, whole
    QByteArray m_ihdr;         // IHDR's 13 bytes
    QSize m_canvasSize;
    int m_plays = 0;
    std::vector<Frame> m_frames;
    size_t m_next = 0;
    QImage m_canvas;
    QRect m_disposeRect;
    quint8 m_disposeOp = 0;
    QImage m_saved; // the region to restore for "dispose to previous"
};

} // namespace orv
