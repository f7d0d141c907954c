#pragma once

#include <QImage>

#include <memory>

namespace orv {

// One frame of a picture that moves: the whole canvas as it is to be shown (the
// decoder has already composed it over the frames before, as the format says), and
// how long it stays, as the file gives it (0 when the file gives none).
struct DecodedFrame {
    QImage image;
    int delayMs = 0;
};

// Frames of a picture that moves, decoded one at a time as they are played, so that
// only the frame on screen (and whatever the format's composition needs) is held.
// Not thread-safe: one decoder is used by one player at a time.
class FrameDecoder
{
public:
    virtual ~FrameDecoder() = default;

    // Decodes the next frame into `frame`; false after the last frame or when the
    // next frame is damaged (what was shown stays).
    virtual bool next(DecodedFrame &frame) = 0;
    // Starts again before the first frame; false when that is not possible.
    virtual bool rewind() = 0;
    // How many times the whole sequence is played: 0 for ever.
    virtual int loopCount() const = 0;
    // The number of frames, or -1 when the format does not tell it up front.
    virtual int frameCount() const = 0;
};

using FrameDecoderPtr = std::unique_ptr<FrameDecoder>;

} // namespace orv
