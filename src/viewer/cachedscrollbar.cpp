#include "cachedscrollbar.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace orv {

CachedScrollBar::CachedScrollBar(Qt::Orientation orientation, QWidget *parent) : QScrollBar(orientation, parent)
{
    // Drawn on the window's colour, the bar covers what lies beneath it, so
    // nothing beneath is painted for it.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool CachedScrollBar::sameLook(const QStyleOptionSlider &o) const
{
    const QStyleOptionSlider &d = m_drawnFor;
    return !m_drawn.isNull() && m_drawnStyle == style() && d.palette.cacheKey() == o.palette.cacheKey() &&
           m_drawn.size() == (QSizeF(o.rect.size()) * devicePixelRatioF()).toSize() && d.state == o.state &&
           d.direction == o.direction && d.orientation == o.orientation && d.minimum == o.minimum &&
           d.maximum == o.maximum && d.sliderPosition == o.sliderPosition && d.sliderValue == o.sliderValue &&
           d.pageStep == o.pageStep && d.singleStep == o.singleStep && d.upsideDown == o.upsideDown;
}

void CachedScrollBar::paintEvent(QPaintEvent *event)
{
    if (m_pressed || underMouse()) {
        m_drawn = QImage();
        QPainter(this).fillRect(rect(), palette().window());
        QScrollBar::paintEvent(event);
        return;
    }
    QStyleOptionSlider option;
    initStyleOption(&option);
    option.subControls = QStyle::SC_All;
    option.activeSubControls = QStyle::SC_None;
    if (!sameLook(option)) {
        const qreal ratio = devicePixelRatioF();
        QImage drawn((QSizeF(option.rect.size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
        drawn.setDevicePixelRatio(ratio);
        drawn.fill(option.palette.color(QPalette::Window));
        QPainter painter(&drawn);
        style()->drawComplexControl(QStyle::CC_ScrollBar, &option, &painter, this);
        painter.end();
        m_drawn = drawn;
        m_drawnFor = option;
        m_drawnStyle = style();
    }
    QPainter(this).drawImage(0, 0, m_drawn);
}

void CachedScrollBar::mousePressEvent(QMouseEvent *event)
{
    m_pressed = true;
    QScrollBar::mousePressEvent(event);
}

void CachedScrollBar::mouseReleaseEvent(QMouseEvent *event)
{
    QScrollBar::mouseReleaseEvent(event);
    m_pressed = event->buttons() != Qt::NoButton;
    update();
}

} // namespace orv
