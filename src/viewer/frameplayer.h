#pragma once

#include "framedecoder.h"

#include <QImage>
#include <QObject>
#include <QString>

class QTimer;

namespace orv {

class PictureLoader;

// Plays a picture that moves: frame after frame, each for its own delay, as many times
// as the file says, decoding each frame only when its turn comes (one frame is held,
// never the whole sequence). It knows no widget: each frame is handed out by
// frameChanged(), to be drawn the way the still picture is.
//
// After the last play the last frame stays; a damaged frame ends the play with the
// frame before it on screen. The timer is single-shot and re-armed with each frame's
// delay; tests drive it by calling tick().
class FramePlayer : public QObject
{
    Q_OBJECT
public:
    // Delays shorter than MinDelayMs (many files give 0 or 10 ms, meaning "as fast as
    // you can") are shown ShortDelayMs, as web browsers do.
    static constexpr int MinDelayMs = 20;
    static constexpr int ShortDelayMs = 100;
    static int shownForMs(int delayMs) { return delayMs < MinDelayMs ? ShortDelayMs : delayMs; }

    explicit FramePlayer(QObject *parent = nullptr);
    ~FramePlayer() override;

    // Plays `path` through `loader` (which must outlive the play), from its first frame.
    // When `firstShown`, the first frame is on screen already (the picture as loaded)
    // and is not handed out again. The file is opened on the first tick, which comes at
    // once: the caller's own display is not held up.
    void play(const PictureLoader &loader, const QString &path, bool firstShown = true);
    // Ends the play; the frame on screen stays. Nothing is handed out after it.
    void stop();
    bool isPlaying() const { return m_loader != nullptr; }
    const QString &path() const { return m_path; }

    // The timer whose timeout shows the next frame; its interval is the delay of the
    // frame on screen.
    QTimer *timer() const { return m_timer; }
    // Shows the next frame (the timer's handler).
    void tick();

Q_SIGNALS:
    // The next frame to show in place of the one before, in its own colours.
    void frameChanged(const QImage &frame);

private:
    // Opens the decoder and takes the first frame; false when there is none.
    bool open();
    // Starts the sequence again for the next play; false when all plays are over or
    // the file cannot be read again.
    bool startNextPlay(DecodedFrame &frame);
    void show(DecodedFrame &frame);

    QTimer *m_timer = nullptr;
    const PictureLoader *m_loader = nullptr;
    QString m_path;
    bool m_firstShown = true;
    FrameDecoderPtr m_decoder;
    int m_plays = 0;       // plays of the whole sequence ended
    int m_inPlay = 0;      // frames shown in the current play
    int m_firstPlay = -1;  // frames of the first play, once it has ended
};

} // namespace orv
