#include "toolbutton.h"

#include <QMouseEvent>
#include <QPainter>

namespace orv {

ToolButton::ToolButton(const QString &name, const QIcon &icon, const QString &toolTip, QWidget *parent)
    : QAbstractButton(parent)
{
    setObjectName(name);
    setIcon(icon);
    setToolTip(toolTip);
    setAccessibleName(toolTip);
    setAccessibleDescription(toolTip);
    setFocusPolicy(Qt::NoFocus);
}

void ToolButton::setBorder(bool on)
{
    if (m_border == on)
        return;
    m_border = on;
    update();
}

void ToolButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    const int inset = 2;
    icon().paint(&p, r.adjusted(inset, inset, -inset, -inset), Qt::AlignCenter,
                 isEnabled() ? QIcon::Normal : QIcon::Disabled);
    if (m_border) {
        p.setPen(QPen(palette().color(QPalette::WindowText), 1));
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
}

void ToolButton::mousePressEvent(QMouseEvent *event)
{
    m_modifiers = event->modifiers();
    m_held = true;
    Q_EMIT pressed();
}

void ToolButton::mouseReleaseEvent(QMouseEvent *event)
{
    m_modifiers = event->modifiers();
    const bool wasHeld = m_held;
    m_held = false;
    Q_EMIT released();
    if (wasHeld && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

void ToolButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    // A quick second click is one more press.
    mousePressEvent(event);
}

} // namespace orv
