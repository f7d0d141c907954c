#include "clickpanel.h"

#include <QMouseEvent>

namespace orv {

ClickPanel::ClickPanel(QWidget *parent) : QWidget(parent)
{
    setAutoFillBackground(true);
}

void ClickPanel::mousePressEvent(QMouseEvent *)
{
    m_pressed = true;
}

void ClickPanel::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_pressed && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
    m_pressed = false;
}

} // namespace orv
