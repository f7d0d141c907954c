#include "displayengine.h"

#include "boxgeometry.h"
#include "clickpanel.h"
#include "frameplayer.h"
#include "imageboxview.h"
#include "imagecontrol.h"
#include "messageboxes.h"
#include "picturelist.h"
#include "pictureloader.h"
#include "pictureprefetcher.h"
#include "pictureturn.h"
#include "rounding.h"
#include "systembeep.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QScopeGuard>
#include <QScrollBar>

#include <cmath>

namespace orv {

namespace {
// The sign picture's natural size.
constexpr int kSignWidth = 1860;
constexpr int kSignHeight = 2535;
} // namespace

DisplayEngine::DisplayEngine(DisplayState &state, PictureList &list, Controls controls,
                             PlatformServices services, QObject *parent)
    : QObject(parent), m_state(state), m_list(list), m_c(controls), m_services(services),
      m_prefetcher(PicturePrefetcher::of(services.pictureLoader)), m_player(new FramePlayer(this))
{
    connect(m_player, &FramePlayer::frameChanged, this, &DisplayEngine::showFrame);
    connect(m_c.view->vscroll(), &QScrollBar::valueChanged, this, &DisplayEngine::onVScroll);
    connect(m_c.view->hscroll(), &QScrollBar::valueChanged, this, &DisplayEngine::onHScroll);
    if (m_prefetcher) {
        connect(&m_list, &QAbstractItemModel::modelReset, this, &DisplayEngine::scheduleUpcoming);
        connect(&m_list, &QAbstractItemModel::rowsInserted, this, &DisplayEngine::scheduleUpcoming);
        connect(&m_list, &QAbstractItemModel::rowsRemoved, this, &DisplayEngine::scheduleUpcoming);
        connect(&m_list, &QAbstractItemModel::rowsMoved, this, &DisplayEngine::scheduleUpcoming);
    }
}

void DisplayEngine::scheduleUpcoming()
{
    if (m_upcomingScheduled)
        return;
    m_upcomingScheduled = true;
    // Queued: the command that changed the list sets curpic after it, and
    // the list is drawn before any decoding is asked for.
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_upcomingScheduled = false;
            prefetchUpcoming();
        },
        Qt::QueuedConnection);
}

void DisplayEngine::prefetchUpcoming()
{
    if (!m_prefetcher || m_state.curpic < 1 || m_state.curpic > m_list.count())
        return;
    // A click or Space shows entry curpic; with a picture on screen, Enter
    // shows the one after it. Pictures held already are not decoded again.
    const QSize minimum = decodeMinimum();
    const auto drawnSize = neighbourDrawnSize();
    m_prefetcher->prefetch(m_list.fullPath(m_state.curpic - 1), minimum, drawnSize);
    if (!m_state.pichidden && m_state.curpic < m_list.count())
        m_prefetcher->prefetch(m_list.fullPath(m_state.curpic), minimum, drawnSize);
}

void DisplayEngine::disp()
{
    ImageBoxView *view = m_c.view;
    TwipPlacer &placer = view->placer();
    ImageControl *image1 = view->image1();
    ImageControl *image2 = view->image2();

    stopMoving();
    // Both layers are hidden unless the layout shows them again; their
    // visibility is set once, as disp() ends.
    m_showImage1 = false;
    m_showImage2 = false;
    m_settling = true;
    const auto layersSet = qScopeGuard([this] { applyLayers(); });
    image1->setStretch(false);

    if (m_list.isEmpty()) {
        image2->setPicture(m_sign);
        m_state.boxheight = kSignHeight;
        m_state.picheight = kSignHeight;
        m_state.picwidth = kSignWidth;
        m_state.boxwidth = kSignWidth;
        view->setStatus(emptyListText());
        m_services.beep->beep();
        m_showImage2 = true;
        sizebox();
        return;
    }

    // No command leaves the position before the first picture; should one
    // do so, the first picture is shown rather than an entry before the list.
    if (m_state.curpic < 1)
        m_state.curpic = 1;
    if (m_state.curpic <= m_list.count()) {
        switch (loadCurrent()) {
        case LoadOutcome::Loaded:
            break;
        case LoadOutcome::Removed:
        case LoadOutcome::Failed:
            return;
        }
        view->setStatus(tr("Click anywhere to hide this picture."));
        setCounter(m_state.curpic, m_list.count());
        selectOnly(m_state.curpic - 1);
        m_state.pichidden = false;
    } else {
        image1->setPicture(m_sign);
        placer.setWidth(image1, kSignWidth);
        placer.setHeight(image1, kSignHeight);
        view->setStatus(tr("That was the last picture in this list."));
        m_state.fitmode = false;
        m_state.stretchmode = false;
    }

    m_state.picheight = int(placer.height(image1));
    m_state.picwidth = int(placer.width(image1));
    m_state.naturalheight = m_state.picheight;
    m_state.naturalwidth = m_state.picwidth;

    if (m_state.fitmode)
        fitLayout();
    else if (m_state.stretchmode)
        stretchLayout();
    else
        trueSizeLayout();

    if (m_state.curpic <= m_list.count()) {
        if (m_currentMoves) {
            m_movingPath = m_list.fullPath(m_state.curpic - 1);
            m_player->play(*m_services.pictureLoader, m_movingPath);
        }
        prefetchNeighbours();
    }
}

void DisplayEngine::stopMoving()
{
    m_player->stop();
}

void DisplayEngine::showFrame(const QImage &frame)
{
    // A closed window shows nothing: the play ends with it.
    if (!m_c.view->isVisible()) {
        stopMoving();
        return;
    }
    // Every frame is turned as the user turned the picture.
    const QImage shown = m_turns ? m_turns->turn(m_movingPath).applied(frame) : frame;
    // The picture is in Image1 (true size, zoom) and, fitted or stretched, in Image2.
    for (ImageControl *box : {m_c.view->image1(), m_c.view->image2()}) {
        if (box->hasPicture())
            box->setFrame(shown);
    }
}

QSize DisplayEngine::decodeMinimum() const
{
    if (!m_state.fitmode && !m_state.stretchmode)
        return QSize();
    const TwipScale &scale = m_c.view->placer().scale();
    const double ratio = m_c.view->devicePixelRatioF();
    // One pixel more than the viewing area, for the box's rounding.
    const auto pixels = [&](int twips) { return int(std::ceil(scale.toPixelsF(twips) * ratio)) + 1; };
    return QSize(pixels(m_state.maxboxwidth), pixels(m_state.maxboxheight));
}

void DisplayEngine::prefetchNeighbours()
{
    if (!m_prefetcher)
        return;
    const QSize minimum = decodeMinimum();
    const auto drawnSize = neighbourDrawnSize();
    const int index = m_state.curpic - 1;
    if (index + 1 < m_list.count())
        m_prefetcher->prefetch(m_list.fullPath(index + 1), minimum, drawnSize);
    if (index >= 1)
        m_prefetcher->prefetch(m_list.fullPath(index - 1), minimum, drawnSize);
}

std::function<QSize(QSize)> DisplayEngine::neighbourDrawnSize() const
{
    const double ratio = m_c.view->devicePixelRatioF();
    const auto devicePixels = [ratio](QSize logical) { return (QSizeF(logical) * ratio).toSize(); };
    if (m_state.fitmode) {
        // The fit layout of the next display starts from the box as it is now.
        const DisplayState s = m_state;
        const TwipScale scale = m_c.view->placer().scale();
        return [s, scale, devicePixels](QSize natural) {
            const BoxSize box = fitBox(natural.width(), natural.height(), {s.boxwidth, s.boxheight},
                                       s.maxboxwidth, s.maxboxheight);
            const SizeboxGeometry g =
                sizeboxGeometry(box.width, box.height, s.maxboxwidth, s.maxboxheight, s.toolbarHeight());
            return devicePixels(scale.toPixels(g.image2).size());
        };
    }
    if (m_state.stretchmode) {
        // Stretching keeps the box.
        const QSize box = devicePixels(m_c.view->image2()->size());
        return [box](QSize) { return box; };
    }
    return {};
}

void DisplayEngine::useScaledCopy()
{
    if (!m_prefetcher)
        return;
    ImageControl *box = m_c.view->image2();
    const QSize pixels = (QSizeF(box->size()) * box->devicePixelRatioF()).toSize();
    const QImage scaled = m_prefetcher->scaledCopy(box->picture(), pixels);
    if (!scaled.isNull())
        box->setScaledCopy(scaled);
}

DisplayEngine::LoadOutcome DisplayEngine::loadCurrent()
{
    ImageControl *image1 = m_c.view->image1();
    for (;;) {
        const QString path = m_list.fullPath(m_state.curpic - 1);
        LoadedPicture picture = m_services.pictureLoader->load(path, decodeMinimum());
        if (picture.ok() && m_turns)
            picture = turned(std::move(picture), m_turns->turn(path));
        if (picture.ok()) {
            m_currentMoves = picture.moves;
            image1->setPicture(picture.image);
            m_c.view->placer().setWidth(image1, picture.naturalTwips.width());
            m_c.view->placer().setHeight(image1, picture.naturalTwips.height());
            return LoadOutcome::Loaded;
        }
        if (!FileError::isFileAccess(picture.error))
            return LoadOutcome::Failed;

        applyLayers(); // the box stays hidden behind the question
        MessageRequest box;
        box.text = tr("Specified picture file cannot be accessed!!");
        box.icon = MsgIcon::Critical;
        box.buttons = MsgButtons::RetryCancel;
        if (m_services.messageBoxes->show(m_c.dialogParent, box) == MsgResult::Retry)
            continue;

        m_list.removeAt(m_state.curpic - 1);
        setCounter(m_state.curpic, m_list.count());
        showLayers();
        return LoadOutcome::Removed;
    }
}

void DisplayEngine::showLayers()
{
    m_showImage1 = true;
    m_showImage2 = true;
}

void DisplayEngine::applyLayers()
{
    // A layer or bar shown before and after stays shown: Qt asks the X server
    // where the pointer is each time a widget under it is hidden or shown, a
    // round trip for each. (Fitting a large picture enabled the bars for the
    // picture's size before the fitted box disabled them.)
    m_settling = false;
    m_c.view->image1()->setVisible(m_showImage1);
    m_c.view->image2()->setVisible(m_showImage2);
    for (QScrollBar *bar : {m_c.view->vscroll(), m_c.view->hscroll()})
        bar->setVisible(bar->isEnabled());
}

void DisplayEngine::setBarEnabled(QScrollBar *bar, bool enabled)
{
    if (m_settling)
        bar->setEnabled(enabled); // shown or hidden as disp() ends
    else
        ImageBoxView::setScrollEnabled(bar, enabled);
}

void DisplayEngine::trueSizeLayout()
{
    ImageBoxView *view = m_c.view;
    TwipPlacer &placer = view->placer();
    ImageControl *image1 = view->image1();

    const TrueSizePlacement p = trueSizePlacement(m_state.picwidth, m_state.picheight, m_state.maxboxwidth,
                                                  m_state.maxboxheight, m_state.toolbarHeight());
    m_state.boxheight = p.boxheight;
    m_state.boxwidth = p.boxwidth;
    view->image2()->clearPicture();
    m_state.yoffset = 0;
    m_state.xoffset = 0;
    m_state.hometop = p.image1Top;
    m_state.homeleft = p.image1Left;
    placer.setTop(image1, p.image1Top);
    placer.setLeft(image1, p.image1Left);
    view->vscroll()->setValue(0);
    view->hscroll()->setValue(0);
    sizebox();
    showLayers();

    SavedView &s = m_state.savedview;
    s.height = roundHalfEven(placer.height(image1));
    s.width = roundHalfEven(placer.width(image1));
    s.left = roundHalfEven(placer.left(image1));
    s.top = roundHalfEven(placer.top(image1));
    s.vvalue = view->vscroll()->value();
    s.vmax = view->vscroll()->maximum();
    s.hvalue = view->hscroll()->value();
    s.hmax = view->hscroll()->maximum();
}

void DisplayEngine::fitLayout()
{
    ImageBoxView *view = m_c.view;
    view->image2()->setPicture(view->image1()->picture());
    const BoxSize box = fitBox(m_state.picwidth, m_state.picheight, {m_state.boxwidth, m_state.boxheight},
                               m_state.maxboxwidth, m_state.maxboxheight);
    m_state.boxwidth = box.width;
    m_state.boxheight = box.height;
    sizebox();
    setBarEnabled(view->vscroll(), false);
    setBarEnabled(view->hscroll(), false);
    view->image2()->setStretch(true);
    useScaledCopy();
    m_showImage2 = true;
}

void DisplayEngine::stretchLayout()
{
    ImageBoxView *view = m_c.view;
    view->image2()->setPicture(view->image1()->picture());
    useScaledCopy();
    m_showImage2 = true;
    view->image2()->setStretch(true);
    setBarEnabled(view->hscroll(), false);
    setBarEnabled(view->vscroll(), false);
}

void DisplayEngine::disapp()
{
    stopMoving();
    m_c.view->image1()->clearPicture();
    m_c.view->image2()->clearPicture();
    m_c.view->setStatus(tr("Click anywhere to show back the picture."));
    sizebox();
}

void DisplayEngine::sizebox()
{
    ImageBoxView *view = m_c.view;
    TwipPlacer &placer = view->placer();
    const SizeboxGeometry g = sizeboxGeometry(m_state.boxwidth, m_state.boxheight, m_state.maxboxwidth,
                                              m_state.maxboxheight, m_state.toolbarHeight());
    placer.place(view->image2(), g.image2);
    placer.place(view->vscroll(), g.vscroll);
    placer.place(view->hscroll(), g.hscroll);
    placer.place(view->marup(), g.marup);
    placer.place(view->mardn(), g.mardn);
    placer.setTop(view->label2(), g.label2Top);
    // The status line stays readable below the toolbar when the box is tall.
    placer.setMinimumTop(view->label2(), m_state.toolbarHeight());
    placer.place(view->marleft(), g.marleft);
    placer.place(view->marright(), g.marright);
    view->setViewingWidth(m_state.maxboxwidth);
    view->coverClientWidth();

    m_state.yoffset = 0;
    m_state.xoffset = 0;
    rescroll();
}

void DisplayEngine::rescroll()
{
    QScrollBar *v = m_c.view->vscroll();
    QScrollBar *h = m_c.view->hscroll();
    RescrollInput in;
    in.picwidth = m_state.picwidth;
    in.picheight = m_state.picheight;
    in.boxwidth = m_state.boxwidth;
    in.boxheight = m_state.boxheight;
    in.xoffset = m_state.xoffset;
    in.yoffset = m_state.yoffset;
    in.vertical = {v->isEnabled(), v->maximum(), v->value()};
    in.horizontal = {h->isEnabled(), h->maximum(), h->value()};
    const RescrollResult out = orv::rescroll(in);

    // Setting the maximum first lets a value above it come down, which moves
    // the picture like any other change of the bar.
    auto apply = [this](QScrollBar *bar, const ScrollBarState &s) {
        bar->setMaximum(s.maximum);
        bar->setValue(s.value);
        setBarEnabled(bar, s.enabled);
        bar->setPageStep(std::max(1, s.maximum / 4));
    };
    apply(v, out.vertical);
    apply(h, out.horizontal);
    m_state.xoffset = out.xoffset;
    m_state.yoffset = out.yoffset;
}

void DisplayEngine::onVScroll(int value)
{
    m_c.view->placer().setTop(m_c.view->image1(), m_state.hometop - value);
}

void DisplayEngine::onHScroll(int value)
{
    m_c.view->placer().setLeft(m_c.view->image1(), m_state.homeleft - value);
}

void DisplayEngine::selectOnly(int index)
{
    for (QAbstractItemView *view : {m_c.list1, m_c.list2}) {
        if (!view || !view->selectionModel())
            continue;
        const QModelIndex idx = view->model()->index(index, 0);
        view->selectionModel()->select(idx, QItemSelectionModel::ClearAndSelect);
        view->selectionModel()->setCurrentIndex(idx, QItemSelectionModel::NoUpdate);
    }
    if (m_c.list1)
        m_c.list1->scrollTo(m_c.list1->model()->index(index, 0), QAbstractItemView::PositionAtTop);
}

void DisplayEngine::setCounter(int position, int count)
{
    if (m_c.label1)
        m_c.label1->setText(QString::number(position) + QLatin1Char('/') + QString::number(count));
}

} // namespace orv
