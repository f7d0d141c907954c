#pragma once

#include <QObject>
#include <functional>

class QTimer;

namespace orv {

// The auto-repeat of the list manager's move buttons (`Timer1`, `movedir`):
// a press moves once at once, the first tick comes after 1000 ms, every
// later one after 75 ms, until the release.
class MoveRepeater : public QObject
{
    Q_OBJECT
public:
    enum Direction { None = 0, Up = -1, Down = 1 };
    static constexpr int FirstDelay = 1000;
    static constexpr int RepeatDelay = 75;

    // `move` runs one move in the given direction.
    explicit MoveRepeater(std::function<void(Direction)> move, QObject *parent = nullptr);

    QTimer *timer() const { return m_timer; }
    Direction movedir() const { return m_movedir; }

    void press(Direction direction);
    void release();
    // One tick of Timer1.
    void tick();

private:
    std::function<void(Direction)> m_move;
    QTimer *m_timer;
    Direction m_movedir = None;
};

} // namespace orv
