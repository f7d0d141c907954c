#pragma once

#include "viewercontext.h"

#include <QCursor>
#include <QObject>
#include <QPointF>

class QTimer;

namespace orv {

class ToolButton;

// The image-box tools: elongate, de-elongate, widen and de-widen repeat one
// step every 60 ms while their button is held; zoom in arms a zoom that the
// next click on the picture performs about the clicked point; zoom out
// returns to the view saved before the last zoom step.
class BoxTools : public QObject
{
    Q_OBJECT
public:
    enum Tool { Elongate, Deelongate, Widen, Dewiden };

    struct Buttons {
        ToolButton *long1 = nullptr;
        ToolButton *delong1 = nullptr;
        ToolButton *wide1 = nullptr;
        ToolButton *dewide1 = nullptr;
        ToolButton *zomin1 = nullptr;
        ToolButton *zomout1 = nullptr;
    };

    // A zoom step is refused beyond this many times the picture's natural size.
    static constexpr double kMaxZoom = 64.0;

    BoxTools(ViewerContext context, Buttons buttons, QCursor zoomPointer, QObject *parent = nullptr);

    QTimer *timer(Tool tool) const { return m_timers[tool]; }

    void press(Tool tool);
    void release(Tool tool);
    // One step of the tool (a tick of its timer).
    void step(Tool tool);

    // Release on zomin1: arm the zoom (refused in fit and stretch modes).
    void armZoom();
    // Release on Image1 while armed, at `point` in twips from the picture's corner.
    void zoomClick(QPointF point);
    // Release on zomout1 with the given modifiers.
    void zoomOut(Qt::KeyboardModifiers modifiers);
    // One zoom step in (`steps` > 0) or out per step, by the zoom tool's
    // factor, keeping the picture's point `point` (twips from its corner)
    // where it is on screen: the wheel with Ctrl and the touchpad's pinch.
    // Never smaller than the picture's natural size; only at true size.
    void zoomAt(QPointF point, int steps);

private:
    bool refusedInFitOrStretch();
    ToolButton *button(Tool tool) const;

    ViewerContext m_c;
    Buttons m_buttons;
    QCursor m_zoomPointer;
    QTimer *m_timers[4];
};

} // namespace orv
