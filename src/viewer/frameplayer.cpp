#include "frameplayer.h"

#include "pictureloader.h"

#include <QTimer>

namespace orv {

FramePlayer::FramePlayer(QObject *parent) : QObject(parent), m_timer(new QTimer(this))
{
    m_timer->setObjectName(QStringLiteral("frameTimer"));
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &FramePlayer::tick);
}

FramePlayer::~FramePlayer() = default;

void FramePlayer::play(const PictureLoader &loader, const QString &path, bool firstShown)
{
    stop();
    m_loader = &loader;
    m_path = path;
    m_firstShown = firstShown;
    m_timer->start(0);
}

void FramePlayer::stop()
{
    m_timer->stop();
    m_decoder.reset();
    m_loader = nullptr;
    m_plays = 0;
    m_inPlay = 0;
    m_firstPlay = -1;
}

bool FramePlayer::open()
{
    m_decoder = m_loader->frames(m_path);
    DecodedFrame frame;
    if (!m_decoder || !m_decoder->next(frame))
        return false;
    m_inPlay = 1;
    if (m_firstShown) {
        m_timer->start(shownForMs(frame.delayMs));
    } else {
        show(frame);
    }
    return true;
}

void FramePlayer::tick()
{
    if (!m_loader)
        return;
    if (!m_decoder) {
        if (!open())
            stop();
        return;
    }
    DecodedFrame frame;
    if (m_decoder->next(frame)) {
        ++m_inPlay;
        show(frame);
    } else if (startNextPlay(frame)) {
        m_inPlay = 1;
        show(frame);
    } else {
        stop();
    }
}

bool FramePlayer::startNextPlay(DecodedFrame &frame)
{
    // A play that ended before its last frame met a damaged one.
    const int expected = m_decoder->frameCount() >= 0 ? m_decoder->frameCount() : m_firstPlay;
    if (m_inPlay < expected)
        return false;
    if (m_firstPlay < 0)
        m_firstPlay = m_inPlay;
    ++m_plays;
    const int loops = m_decoder->loopCount();
    if (loops > 0 && m_plays >= loops)
        return false;
    return m_decoder->rewind() && m_decoder->next(frame);
}

void FramePlayer::show(DecodedFrame &frame)
{
    m_timer->start(shownForMs(frame.delayMs));
    Q_EMIT frameChanged(frame.image);
    // Only the frame on screen is held, by whoever shows it.
    frame.image = QImage();
}

} // namespace orv
