#pragma once

#include "twipplacer.h"

#include <QWidget>
#include <functional>

class QTimer;

namespace orv {

class SystemInfo;

// The first window of a run: the product's name and the system it runs on
// for 2.5 seconds, then the hand-over to the main window.
class StartupSplash : public QWidget
{
    Q_OBJECT
public:
    // `handOver` shows the main window (loading it first); the splash stays
    // on screen until it returns. `system` gives the DPI and the names of the
    // platform and system shown.
    StartupSplash(const SystemInfo &system, std::function<void()> handOver, QWidget *parent = nullptr);

    QTimer *timer() const { return m_timer; }
    // The timer's tick: show the main window, stop the timer, unload the splash.
    void onTimer();

protected:
    void showEvent(QShowEvent *event) override;

private:
    TwipPlacer m_placer;
    QTimer *m_timer;
    std::function<void()> m_handOver;
};

} // namespace orv
