#include "boxtools.h"

#include "clickpanel.h"
#include "displayengine.h"
#include "imageboxview.h"
#include "imagecontrol.h"
#include "messageboxes.h"
#include "rounding.h"
#include "systembeep.h"
#include "toolbutton.h"
#include "zoomview.h"

#include <QLabel>
#include <QScrollBar>
#include <QTimer>

#include <cmath>

#include <vector>

namespace orv {

namespace {

enum class Prop { Left, Top, Width, Height };

// One step of a tool: what it changes on which control, by how much.
struct Change {
    int control; // index into the controls list built in step()
    Prop prop;
    double delta;
};

enum Control { Image2, VScroll1, HScroll1, Marup, Mardn, Marleft, Marright, Label2 };

const std::vector<Change> &changesFor(BoxTools::Tool tool)
{
    static const std::vector<Change> elongate{
        {Image2, Prop::Height, 150}, {Image2, Prop::Top, -75},  {VScroll1, Prop::Height, 150},
        {VScroll1, Prop::Top, -75},  {HScroll1, Prop::Top, 75}, {Marup, Prop::Height, -75},
        {Mardn, Prop::Height, -75},  {Mardn, Prop::Top, 75},    {Label2, Prop::Top, -75}};
    static const std::vector<Change> deelongate{
        {Image2, Prop::Height, -150}, {Image2, Prop::Top, 75},    {VScroll1, Prop::Height, -150},
        {VScroll1, Prop::Top, 75},    {HScroll1, Prop::Top, -75}, {Marup, Prop::Height, 75},
        {Mardn, Prop::Height, 75},    {Mardn, Prop::Top, -75},    {Label2, Prop::Top, 75}};
    static const std::vector<Change> widen{{Image2, Prop::Width, 150},   {Image2, Prop::Left, -75},
                                           {HScroll1, Prop::Width, 150}, {HScroll1, Prop::Left, -75},
                                           {VScroll1, Prop::Left, 75},   {Marleft, Prop::Width, -75},
                                           {Marright, Prop::Width, -75}, {Marright, Prop::Left, 75}};
    static const std::vector<Change> dewiden{{Image2, Prop::Width, -150},   {Image2, Prop::Left, 75},
                                             {HScroll1, Prop::Width, -150}, {HScroll1, Prop::Left, 75},
                                             {VScroll1, Prop::Left, -75},   {Marleft, Prop::Width, 75},
                                             {Marright, Prop::Width, 75},   {Marright, Prop::Left, -75}};
    switch (tool) {
    case BoxTools::Elongate:
        return elongate;
    case BoxTools::Deelongate:
        return deelongate;
    case BoxTools::Widen:
        return widen;
    case BoxTools::Dewiden:
        break;
    }
    return dewiden;
}

} // namespace

BoxTools::BoxTools(ViewerContext context, Buttons buttons, QCursor zoomPointer, QObject *parent)
    : QObject(parent), m_c(context), m_buttons(buttons), m_zoomPointer(std::move(zoomPointer))
{
    const char *names[4] = {"longtmr", "delongtmr", "widetmr", "dewidetmr"};
    for (int t = 0; t < 4; ++t) {
        m_timers[t] = new QTimer(this);
        m_timers[t]->setObjectName(QLatin1String(names[t]));
        m_timers[t]->setInterval(60);
        connect(m_timers[t], &QTimer::timeout, this, [this, t] { step(Tool(t)); });
    }
}

ToolButton *BoxTools::button(Tool tool) const
{
    switch (tool) {
    case Elongate:
        return m_buttons.long1;
    case Deelongate:
        return m_buttons.delong1;
    case Widen:
        return m_buttons.wide1;
    case Dewiden:
        break;
    }
    return m_buttons.dewide1;
}

void BoxTools::press(Tool tool)
{
    if (m_c.state->fitmode) {
        m_c.services.beep->beep();
        return;
    }
    m_timers[tool]->start();
    button(tool)->setBorder(true);
}

void BoxTools::release(Tool tool)
{
    m_timers[tool]->stop();
    button(tool)->setBorder(false);
    if (!m_c.state->fitmode && !m_c.state->stretchmode)
        m_c.engine->rescroll();
}

void BoxTools::step(Tool tool)
{
    DisplayState &s = *m_c.state;
    ImageBoxView *view = m_c.view;
    TwipPlacer &placer = view->placer();
    const double height = placer.height(view->image2());
    const double width = placer.width(view->image2());

    bool allowed = false;
    switch (tool) {
    case Elongate:
        allowed = height < s.maxboxheight - 150;
        break;
    case Deelongate:
        allowed = height > 200;
        break;
    case Widen:
        allowed = width < s.maxboxwidth - 150;
        break;
    case Dewiden:
        allowed = width > 200;
        break;
    }
    if (!allowed) {
        m_c.services.beep->beep();
        return;
    }

    QWidget *controls[] = {view->image2(), view->vscroll(), view->hscroll(),  view->marup(),
                           view->mardn(),  view->marleft(), view->marright(), view->label2()};
    for (const Change &c : changesFor(tool)) {
        QWidget *w = controls[c.control];
        switch (c.prop) {
        case Prop::Left:
            placer.setLeft(w, placer.left(w) + c.delta);
            break;
        case Prop::Top:
            placer.setTop(w, placer.top(w) + c.delta);
            break;
        case Prop::Width:
            placer.setWidth(w, placer.width(w) + c.delta);
            break;
        case Prop::Height:
            placer.setHeight(w, placer.height(w) + c.delta);
            break;
        }
    }
    switch (tool) {
    case Elongate:
        s.boxheight += 150;
        break;
    case Deelongate:
        s.boxheight -= 150;
        break;
    case Widen:
        s.boxwidth += 150;
        break;
    case Dewiden:
        s.boxwidth -= 150;
        break;
    }
}

bool BoxTools::refusedInFitOrStretch()
{
    if (!m_c.state->fitmode && !m_c.state->stretchmode)
        return false;
    MessageRequest box;
    box.text =
        tr("Zoom is not allowed while displaying a picture in 'Stretch' or 'Fit to box' mode !!");
    box.icon = MsgIcon::Critical;
    box.buttons = MsgButtons::Ok;
    m_c.services.messageBoxes->show(m_c.window, box);
    return true;
}

void BoxTools::armZoom()
{
    m_buttons.zomin1->setBorder(false);
    if (refusedInFitOrStretch())
        return;
    m_c.view->image1()->show();
    m_c.view->image2()->hide();
    m_c.view->image1()->setCursor(m_zoomPointer);
    m_c.state->zoomarmed = true;
}

void BoxTools::zoomClick(QPointF point)
{
    DisplayState &s = *m_c.state;
    ImageBoxView *view = m_c.view;
    TwipPlacer &placer = view->placer();
    ImageControl *image1 = view->image1();

    const double newHeight = placer.height(image1) * 1.25;
    const double newWidth = placer.width(image1) * 1.25;
    const bool tooLarge = newWidth > kMaxZoom * std::max(1, s.naturalwidth) ||
                          newHeight > kMaxZoom * std::max(1, s.naturalheight);
    if (tooLarge) {
        // Refused like a box tool at its limit; the armed click is used up.
        m_c.services.beep->beep();
    } else {
        image1->setStretch(true);
        SavedView &v = s.savedview;
        v.height = roundHalfEven(placer.height(image1));
        v.width = roundHalfEven(placer.width(image1));
        v.top = roundHalfEven(placer.top(image1));
        v.left = roundHalfEven(placer.left(image1));
        v.vvalue = view->vscroll()->value();
        v.vmax = view->vscroll()->maximum();
        v.hvalue = view->hscroll()->value();
        v.hmax = view->hscroll()->maximum();

        placer.setHeight(image1, newHeight);
        placer.setWidth(image1, newWidth);
        s.picheight = roundHalfEven(newHeight);
        s.picwidth = roundHalfEven(newWidth);
        s.xoffset = roundHalfEven((point.x() - s.boxwidth / 2.0) * 1.25);
        s.yoffset = roundHalfEven((point.y() - s.boxheight / 2.0) * 1.25);
        m_c.engine->rescroll();
    }
    s.zoomarmed = false;
    image1->unsetCursor();
}

void BoxTools::zoomOut(Qt::KeyboardModifiers modifiers)
{
    m_buttons.zomout1->setBorder(false);
    if (refusedInFitOrStretch())
        return;
    DisplayState &s = *m_c.state;
    if ((modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) == Qt::ShiftModifier) {
        m_c.engine->disp();
        return;
    }
    ImageBoxView *view = m_c.view;
    TwipPlacer &placer = view->placer();
    ImageControl *image1 = view->image1();
    const SavedView &v = s.savedview;
    placer.setWidth(image1, v.width);
    placer.setHeight(image1, v.height);
    placer.setLeft(image1, v.left);
    placer.setTop(image1, v.top);
    // A bar comes back only where the restored picture exceeds the box: the
    // saved maximum of a bar that was off can be an earlier picture's.
    auto restore = [](QScrollBar *bar, int value, int maximum, bool exceeds) {
        bar->setMaximum(maximum);
        bar->setValue(value);
        ImageBoxView::setScrollEnabled(bar, exceeds && maximum > 0);
    };
    s.picwidth = int(placer.width(image1));
    s.picheight = int(placer.height(image1));
    restore(view->vscroll(), v.vvalue, v.vmax, s.picheight > s.boxheight);
    restore(view->hscroll(), v.hvalue, v.hmax, s.picwidth > s.boxwidth);
}

void BoxTools::zoomAt(QPointF point, int steps)
{
    DisplayState &s = *m_c.state;
    if (steps == 0 || s.fitmode || s.stretchmode || s.pichidden || s.naturalwidth <= 0)
        return;
    ImageBoxView *view = m_c.view;
    TwipPlacer &placer = view->placer();
    ImageControl *image1 = view->image1();
    const double factor = std::pow(1.25, steps);
    const double newWidth = placer.width(image1) * factor;
    const double newHeight = placer.height(image1) * factor;
    if (newWidth > kMaxZoom * s.naturalwidth || newHeight > kMaxZoom * std::max(1, s.naturalheight)) {
        m_c.services.beep->beep();
        return;
    }
    // Back at (or below) its natural size the picture is laid out afresh.
    if (newWidth <= s.naturalwidth * 1.001) {
        if (placer.width(image1) > s.naturalwidth * 1.001)
            m_c.engine->disp();
        return;
    }
    QScrollBar *h = view->hscroll();
    QScrollBar *v = view->vscroll();
    const double hvalue = h->isEnabled() ? h->value() : 0;
    const double vvalue = v->isEnabled() ? v->value() : 0;
    showZoomed(m_c, newWidth, newHeight);
    // The point moves from p to p x factor in the picture: the bars take up the difference.
    h->setValue(roundHalfEven(hvalue + point.x() * (factor - 1)));
    v->setValue(roundHalfEven(vvalue + point.y() * (factor - 1)));
}

} // namespace orv
