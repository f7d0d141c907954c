#pragma once

#include "twips.h"

#include <QHash>
#include <QPointer>
#include <QRectF>

class QWidget;

namespace orv {

// Keeps the position and size of controls in twips, as real numbers, and
// places the widgets at the nearest pixels. Reading a value back gives the
// twips that were set, so layout steps that build on earlier ones ("as read
// back") see exact values whatever the screen's DPI.
class TwipPlacer
{
public:
    explicit TwipPlacer(TwipScale scale = TwipScale()) : m_scale(scale) {}

    const TwipScale &scale() const { return m_scale; }
    void setScale(TwipScale scale);

    void place(QWidget *w, const QRectF &twips);
    QRectF rect(const QWidget *w) const { return m_rects.value(w); }

    double left(const QWidget *w) const { return rect(w).left(); }
    double top(const QWidget *w) const { return rect(w).top(); }
    double width(const QWidget *w) const { return rect(w).width(); }
    double height(const QWidget *w) const { return rect(w).height(); }
    void setLeft(QWidget *w, double v);
    void setTop(QWidget *w, double v);
    void setWidth(QWidget *w, double v);
    void setHeight(QWidget *w, double v);

    // Keeps a widget's pixel position at or below `top` twips, whatever top
    // it is given (its twip value is kept as set).
    void setMinimumTop(QWidget *w, double top);

private:
    TwipScale m_scale;
    QHash<const QWidget *, QRectF> m_rects;
    QHash<const QWidget *, QPointer<QWidget>> m_widgets;
    QHash<const QWidget *, double> m_minimumTops;

    QRect pixelsFor(const QWidget *w, QRectF r) const;
};

} // namespace orv
