// The slideshow window's keys, clicks and close box.
#include "frameplayer.h"
#include "imagecontrol.h"
#include "slideform.h"
#include "slideshowhost.h"
#include "toolbutton.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWheelEvent>

namespace orv {

void SlideForm::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        setTimerEnabled(false);
        stepBackOne();
        handBack();
        break;
    case Qt::Key_Space:
        toggleShown();
        break;
    case Qt::Key_Down:
        downArrow();
        break;
    case Qt::Key_Right:
        disp();
        break;
    case Qt::Key_Left:
        previous();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void SlideForm::mousePressEvent(QMouseEvent *event)
{
    m_windowPressed = true;
    event->accept();
}

void SlideForm::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_windowPressed && rect().contains(event->position().toPoint());
    m_windowPressed = false;
    event->accept();
    if (click)
        toggleShown();
}

void SlideForm::toggleShown()
{
    if (isPictureShown()) {
        setTimerEnabled(false);
        m_player->stop();
        m_image1->hide();
        return;
    }
    if (!isPaused())
        setTimerEnabled(true);
    m_image1->show();
    // Shown back, a picture that moves plays again from its start.
    playMoving(false);
}

// Down arrow goes by the pause border, the pause button by the timer: with
// the picture hidden by a click (timer off, no border) the button restarts
// the show while Down arrow pauses it.
void SlideForm::downArrow()
{
    if (isPaused()) {
        m_pause->setBorder(false);
        setTimerEnabled(true);
    } else {
        m_pause->setBorder(true);
        setTimerEnabled(false);
    }
}

void SlideForm::pauseClicked()
{
    if (isRunning()) {
        m_pause->setBorder(true);
        setTimerEnabled(false);
    } else {
        m_pause->setBorder(false);
        setTimerEnabled(true);
    }
}

void SlideForm::previous()
{
    // `curpic` is one past the picture on screen: two back is the one before it.
    m_host.setCurpic(m_host.curpic() - 2);
    disp();
}

void SlideForm::closeEvent(QCloseEvent *event)
{
    if (!isVisible()) {
        // Closed while hidden (the program is ending): nothing to hand back.
        event->accept();
        Q_EMIT discarded();
        return;
    }
    const bool pictureWasHidden = !isPictureShown();
    setTimerEnabled(false);
    m_player->stop();
    stepBackOne();
    m_host.showMainWindow();
    m_host.mainDisp();
    if (pictureWasHidden) {
        m_host.mainDisapp();
        m_host.setPichidden(true);
    }
    event->accept();
    Q_EMIT discarded();
}

// While the show is paused the wheel steps through it, once per notch:
// towards the user is the next picture, away the one before.
void SlideForm::wheelEvent(QWheelEvent *event)
{
    event->accept();
    if (!isPaused() || !isPictureShown()) {
        m_wheel.reset();
        return;
    }
    const int notches = m_wheel.take(event->angleDelta().y());
    for (int i = 0; i < -notches && isVisible(); ++i)
        disp();
    for (int i = 0; i < notches && isVisible(); ++i)
        previous();
}

} // namespace orv
