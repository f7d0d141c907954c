#include "zoomview.h"

#include "displayengine.h"
#include "imageboxview.h"
#include "imagecontrol.h"
#include "rounding.h"

#include <QScrollBar>

namespace orv {

namespace {

// The box's centre in twips of the window, where Image2 (the box) lies.
QPointF boxCentre(const ViewerContext &c)
{
    const TwipPlacer &placer = c.view->placer();
    QWidget *box = c.view->image2();
    return {placer.left(box) + placer.width(box) / 2.0, placer.top(box) + placer.height(box) / 2.0};
}

} // namespace

std::optional<ZoomView> zoomOf(const ViewerContext &c)
{
    const DisplayState &s = *c.state;
    if (s.fitmode || s.stretchmode || s.pichidden || s.naturalwidth <= 0)
        return std::nullopt;
    const TwipPlacer &placer = c.view->placer();
    ImageControl *image1 = c.view->image1();
    const double width = placer.width(image1);
    if (width <= s.naturalwidth * 1.001)
        return std::nullopt;
    const QPointF centre = boxCentre(c);
    return ZoomView{width / s.naturalwidth, {(centre.x() - placer.left(image1)) / width,
                                             (centre.y() - placer.top(image1)) / placer.height(image1)}};
}

void showZoomed(const ViewerContext &c, double width, double height)
{
    DisplayState &s = *c.state;
    ImageControl *image1 = c.view->image1();
    image1->setStretch(true);
    c.view->placer().setWidth(image1, width);
    c.view->placer().setHeight(image1, height);
    s.picwidth = roundHalfEven(width);
    s.picheight = roundHalfEven(height);
    s.xoffset = 0;
    s.yoffset = 0;
    c.engine->rescroll();
}

void applyZoom(const ViewerContext &c, const ZoomView &zoom)
{
    const DisplayState &s = *c.state;
    if (s.fitmode || s.stretchmode || s.pichidden || s.naturalwidth <= 0)
        return;
    const double width = s.naturalwidth * zoom.factor;
    const double height = s.naturalheight * zoom.factor;
    showZoomed(c, width, height);
    // Image1 lies at home - value: the bars bring the point to the box's centre.
    const QPointF centre = boxCentre(c);
    c.view->hscroll()->setValue(roundHalfEven(s.homeleft - (centre.x() - zoom.centre.x() * width)));
    c.view->vscroll()->setValue(roundHalfEven(s.hometop - (centre.y() - zoom.centre.y() * height)));
}

} // namespace orv
