#pragma once

#include "framedecoder.h"

#include <QFile>
#include <QImageReader>
#include <QString>

#include <memory>

namespace orv {

// The frames of an animated GIF or WebP, read one at a time through Qt's image readers,
// which compose each frame over the ones before it (disposal, blending) and so hand out
// whole canvases. A frame keeps the colour space the reader gives it (a WebP's ICC
// profile); it is converted to the screen's colours where it is drawn.
class QtFrameDecoder : public FrameDecoder
{
public:
    // The frame size above which a picture is not played: the whole canvas of one frame
    // at 32 bits a pixel would need more than this many bytes, or a side is this long.
    static constexpr qint64 MaxFrameBytes = 1024LL * 1024 * 1024;
    static constexpr int MaxSide = 100'000;

    bool next(DecodedFrame &frame) override;
    bool rewind() override;
    int loopCount() const override { return m_loops; }
    int frameCount() const override { return m_frames; }

private:
    friend FrameDecoderPtr openQtFrameDecoder(const QString &path);
    explicit QtFrameDecoder(const QString &path);
    // Opens the file and its reader anew; false when it is not an animated GIF or WebP
    // that may be played.
    bool open();

    QString m_path;
    std::unique_ptr<QFile> m_file;
    std::unique_ptr<QImageReader> m_reader;
    int m_loops = 1;
    int m_frames = -1;
};

// A decoder of the frames of `path` when it is a GIF or WebP of more than one frame
// (decided from the content); null for a still picture, another format, a file that
// cannot be read or a canvas too large to play.
FrameDecoderPtr openQtFrameDecoder(const QString &path);

} // namespace orv
