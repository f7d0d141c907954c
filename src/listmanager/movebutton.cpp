#include "movebutton.h"

#include <QMouseEvent>

namespace orv {

MoveButton::MoveButton(const QString &name, const QIcon &icon, const QString &toolTip, QWidget *parent)
    : QPushButton(icon, QString(), parent)
{
    setObjectName(name);
    setToolTip(toolTip);
    setAccessibleName(toolTip);
    setAccessibleDescription(toolTip);
}

void MoveButton::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (m_held)
        return; // a second mouse button while one is held
    m_held = true;
    setDown(true);
    Q_EMIT pressed();
}

void MoveButton::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (!m_held || event->buttons() != Qt::NoButton)
        return; // another mouse button is still held
    m_held = false;
    setDown(false);
    Q_EMIT released();
}

void MoveButton::mouseMoveEvent(QMouseEvent *event)
{
    // Leaving the button while it is held does not end the press.
    event->accept();
}

void MoveButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    // A quick second click is one more press.
    mousePressEvent(event);
}

} // namespace orv
