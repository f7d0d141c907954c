// The wheel and the touchpad's pinch over the main window's picture.
#include "form1.h"

#include "boxtools.h"
#include "imageboxview.h"
#include "imagecontrol.h"
#include "navigation.h"
#include "twipplacer.h"

#include <QNativeGestureEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace orv {

namespace {
// One notch scrolls this many pixels, as list views scroll three lines.
constexpr int kPixelsPerNotch = 60;
} // namespace

QPointF Form1::picturePoint(QPointF pos) const
{
    const ImageControl *image1 = m_view->image1();
    const QPointF inPicture = image1->mapFrom(this, pos.toPoint());
    const QPointF clamped(std::clamp<qreal>(inPicture.x(), 0, image1->width()),
                          std::clamp<qreal>(inPicture.y(), 0, image1->height()));
    const TwipScale &scale = m_view->placer().scale();
    return QPointF(scale.toTwips(clamped.x()), scale.toTwips(clamped.y()));
}

void Form1::wheelEvent(QWheelEvent *event)
{
    event->accept();
    if (m_state.pichidden)
        return;
    wheelOverPicture(event);
}

void Form1::wheelOverPicture(QWheelEvent *event)
{
    const QPoint angle = event->angleDelta();
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    // Qt hands some wheels' Shift turns on as sideways turns already.
    const int along = shift && angle.y() == 0 ? angle.x() : angle.y();

    if (event->modifiers() & Qt::ControlModifier) {
        if (const int notches = m_wheelSteps.take(along))
            m_boxTools->zoomAt(picturePoint(event->position()), notches);
        return;
    }

    QScrollBar *v = m_view->vscroll();
    QScrollBar *h = m_view->hscroll();
    if (v->isEnabled() || h->isEnabled()) {
        m_wheelSteps.reset();
        // Pixels the picture moves (touchpads give them; a notch is kPixelsPerNotch).
        QPointF move = event->pixelDelta().isNull()
                           ? QPointF(angle) * kPixelsPerNotch / WheelNotches::kNotch
                           : QPointF(event->pixelDelta());
        // Shift turns the wheel's movement sideways, as does a picture with only the bottom bar.
        if ((shift || !v->isEnabled()) && move.x() == 0)
            move = QPointF(move.y(), 0);
        const TwipScale &scale = m_view->placer().scale();
        if (v->isEnabled() && move.y() != 0)
            v->setValue(v->value() - int(std::lround(scale.toTwips(move.y()))));
        if (h->isEnabled() && move.x() != 0)
            h->setValue(h->value() - int(std::lround(scale.toTwips(move.x()))));
        return;
    }

    // No bars: the wheel steps through the pictures, once per notch.
    const int notches = m_wheelSteps.take(along);
    for (int i = 0; i < -notches; ++i)
        m_navigation->next();
    for (int i = 0; i < notches; ++i)
        m_navigation->previous();
}

void Form1::pinch(QNativeGestureEvent *event)
{
    // The pinch's scale factor change adds up to the zoom tool's steps of 1.25.
    m_pinchRest += std::log1p(event->value());
    const double step = std::log(1.25);
    const int steps = int(m_pinchRest / step);
    if (steps != 0) {
        m_pinchRest -= steps * step;
        m_boxTools->zoomAt(picturePoint(mapFromGlobal(event->globalPosition())), steps);
    }
}

bool Form1::event(QEvent *event)
{
    if (event->type() == QEvent::NativeGesture) {
        auto *gesture = static_cast<QNativeGestureEvent *>(event);
        if (gesture->gestureType() == Qt::ZoomNativeGesture) {
            pinch(gesture);
            return true;
        }
        if (gesture->gestureType() == Qt::BeginNativeGesture)
            m_pinchRest = 0;
    }
    return QMainWindow::event(event);
}

} // namespace orv
