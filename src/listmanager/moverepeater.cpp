#include "moverepeater.h"

#include <QTimer>

namespace orv {

MoveRepeater::MoveRepeater(std::function<void(Direction)> move, QObject *parent)
    : QObject(parent), m_move(std::move(move)), m_timer(new QTimer(this))
{
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(FirstDelay);
    // The rhythm of a held button is what the user feels: no coarse slack.
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &MoveRepeater::tick);
}

void MoveRepeater::press(Direction direction)
{
    m_move(direction);
    m_movedir = direction;
    m_timer->start(FirstDelay);
}

void MoveRepeater::release()
{
    m_timer->stop();
    m_timer->setInterval(FirstDelay);
    m_movedir = None;
}

void MoveRepeater::tick()
{
    m_timer->setInterval(RepeatDelay);
    if (m_movedir != None)
        m_move(m_movedir);
}

} // namespace orv
