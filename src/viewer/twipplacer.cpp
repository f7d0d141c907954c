#include "twipplacer.h"

#include <QWidget>

namespace orv {

void TwipPlacer::setScale(TwipScale scale)
{
    m_scale = scale;
    for (auto it = m_rects.cbegin(); it != m_rects.cend(); ++it) {
        if (QWidget *w = m_widgets.value(it.key()))
            w->setGeometry(pixelsFor(w, it.value()));
    }
}

void TwipPlacer::place(QWidget *w, const QRectF &twips)
{
    m_rects.insert(w, twips);
    m_widgets.insert(w, w);
    w->setGeometry(pixelsFor(w, twips));
}

QRect TwipPlacer::pixelsFor(const QWidget *w, QRectF r) const
{
    // A negative size (a box shrunk past its edge) shows as nothing.
    if (r.width() < 0)
        r.setWidth(0);
    if (r.height() < 0)
        r.setHeight(0);
    const auto minTop = m_minimumTops.constFind(w);
    if (minTop != m_minimumTops.constEnd() && r.top() < *minTop)
        r.moveTop(*minTop);
    return m_scale.toPixels(r);
}

void TwipPlacer::setMinimumTop(QWidget *w, double top)
{
    m_minimumTops.insert(w, top);
    if (m_rects.contains(w))
        place(w, m_rects.value(w));
}

void TwipPlacer::setLeft(QWidget *w, double v)
{
    QRectF r = rect(w);
    r.moveLeft(v);
    place(w, r);
}

void TwipPlacer::setTop(QWidget *w, double v)
{
    QRectF r = rect(w);
    r.moveTop(v);
    place(w, r);
}

void TwipPlacer::setWidth(QWidget *w, double v)
{
    QRectF r = rect(w);
    r.setWidth(v);
    place(w, r);
}

void TwipPlacer::setHeight(QWidget *w, double v)
{
    QRectF r = rect(w);
    r.setHeight(v);
    place(w, r);
}

} // namespace orv
