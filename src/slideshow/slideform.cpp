#include "slideform.h"

#include "frameplayer.h"
#include "imagecontrol.h"
#include "messageboxes.h"
#include "picturelist.h"
#include "pictureloader.h"
#include "pictureturn.h"
#include "pictureprefetcher.h"
#include "slideshowhost.h"
#include "slideshowsettings.h"
#include "systembeep.h"
#include "systeminfo.h"
#include "toolbutton.h"

#include <QIcon>
#include <QLabel>
#include <QScopedValueRollback>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace orv {

namespace {

// The control strip (counter and buttons) in the top-left corner, in twips;
// the buttons' places are relative to the strip.
const QRectF kStrip(120, 120, 3720, 600);
const QRectF kLabel1(120, 90, 1800, 420);
const QRectF kRew(2040, 60, 480, 480);
const QRectF kPause(2580, 60, 480, 480);
const QRectF kFrw(3120, 60, 480, 480);

void fill(QWidget *w, QColor background, QColor text)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, background);
    p.setColor(QPalette::WindowText, text);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

} // namespace

SlideForm::SlideForm(SlideshowHost &host, const SlideshowSettings &settings, const PlatformServices &services,
                     QWidget *parent)
    : QWidget(parent, Qt::Window), m_host(host), m_settings(settings), m_services(services),
      m_placer(TwipScale(services.systemInfo->logicalDpi()))
{
    setObjectName(QStringLiteral("slideForm"));
    setWindowTitle(tr("Orvanta (Slide show)"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::StrongFocus);
    fill(this, QColor(0x14, 0x14, 0x14), QColor(0xdf, 0xe9, 0xf3));
    buildControls();

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    // Set up again after a close-box close, the window takes the interval in
    // force, not the designer's.
    m_timer->setInterval(m_settings.interval());
    connect(m_timer, &QTimer::timeout, this, &SlideForm::disp);
    connect(&m_settings, &SlideshowSettings::changed, this, &SlideForm::onIntervalChanged);
    connect(m_services.systemInfo, &SystemInfo::settingsChanged, this, &SlideForm::onSystemSettingsChanged);
    m_player = new FramePlayer(this);
    connect(m_player, &FramePlayer::frameChanged, this, &SlideForm::showFrame);

    readWorkArea();
    coverWorkArea();
}

void SlideForm::buildControls()
{
    m_image1 = new ImageControl(this);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setAccessibleName(tr("The slide show picture."));
    m_image1->hide();
    connect(m_image1, &ImageControl::clicked, this, &SlideForm::toggleShown);

    m_strip = new QWidget(this);
    m_strip->setObjectName(QStringLiteral("controlStrip"));
    fill(m_strip, QColor(0xdf, 0xe9, 0xf3), QColor(0x24, 0x47, 0x6b));
    // Clicks on the strip and its counter end there: only the window and the
    // picture hide and show the picture.
    m_strip->setAttribute(Qt::WA_NoMousePropagation);
    m_placer.place(m_strip, kStrip);

    m_label1 = new QLabel(QStringLiteral("123/9988"), m_strip);
    m_label1->setObjectName(QStringLiteral("Label1"));
    QFont font(QStringLiteral("RomanT"), 12);
    font.setStyleHint(QFont::Serif);
    m_label1->setFont(font);
    m_placer.place(m_label1, kLabel1);

    m_rew = new ToolButton(QStringLiteral("rew"), QIcon(QStringLiteral(":/slideshow/rew.svg")),
                           tr("Show prev. pic."), m_strip);
    m_pause = new ToolButton(QStringLiteral("pause"), QIcon(QStringLiteral(":/slideshow/pause.svg")),
                             tr("Pause"), m_strip);
    m_frw = new ToolButton(QStringLiteral("frw"), QIcon(QStringLiteral(":/slideshow/frw.svg")),
                           tr("Show next pic."), m_strip);
    m_placer.place(m_rew, kRew);
    m_placer.place(m_pause, kPause);
    m_placer.place(m_frw, kFrw);

    // frw and rew look pressed while held and act when let go.
    connect(m_frw, &ToolButton::pressed, m_frw, [this] { m_frw->setBorder(true); });
    connect(m_frw, &ToolButton::released, this, [this] {
        m_frw->setBorder(false);
        disp();
    });
    connect(m_rew, &ToolButton::pressed, m_rew, [this] { m_rew->setBorder(true); });
    connect(m_rew, &ToolButton::released, this, [this] {
        m_rew->setBorder(false);
        previous();
    });
    connect(m_pause, &ToolButton::clicked, this, &SlideForm::pauseClicked);
}

bool SlideForm::isRunning() const
{
    return m_timer->isActive();
}

bool SlideForm::isPaused() const
{
    return m_pause->border();
}

bool SlideForm::isPictureShown() const
{
    return m_image1->isVisibleTo(this);
}

void SlideForm::setTimerEnabled(bool on)
{
    // Enabling a running timer leaves its countdown alone.
    if (!on)
        m_timer->stop();
    else if (!m_timer->isActive())
        m_timer->start();
}

void SlideForm::onIntervalChanged()
{
    if (m_timer->interval() != m_settings.interval())
        m_timer->setInterval(m_settings.interval());
}

void SlideForm::readWorkArea()
{
    m_work = slideWorkArea(m_services.systemInfo->workAreaTwips());
}

void SlideForm::coverWorkArea()
{
    const QRect pixels = m_placer.scale().toPixels(QRectF(0, 0, m_work.width(), m_work.height()));
    QPoint origin;
    if (QScreen *s = screen())
        origin = s->availableGeometry().topLeft();
    setGeometry(QRect(origin, pixels.size()));
}

void SlideForm::onSystemSettingsChanged()
{
    m_placer.setScale(TwipScale(m_services.systemInfo->logicalDpi()));
    readWorkArea();
    coverWorkArea();
    sizebox();
}

void SlideForm::startShow()
{
    setWindowState(windowState() | Qt::WindowMaximized);
    show();
    raise();
    activateWindow();
    setFocus();
    setTimerEnabled(true);
    disp();
}

void SlideForm::setCounter(int position, int count)
{
    m_label1->setText(QString::number(position) + QLatin1Char('/') + QString::number(count));
}

void SlideForm::stepBackOne()
{
    // A show that failed on its first picture has nothing before it: the
    // main window must still get a position of the list.
    m_host.setCurpic(std::max(1, m_host.curpic() - 1));
}

void SlideForm::handBack()
{
    m_player->stop();
    m_host.showMainWindow();
    m_host.mainDisp();
    hide();
}

void SlideForm::disp()
{
    // A tick that comes while a step waits in its message box is dropped:
    // steps never overlap.
    if (m_stepping)
        return;
    const QScopedValueRollback<bool> stepping(m_stepping, true);

    m_player->stop();
    m_moving.clear();
    m_image1->hide();
    m_image1->setStretch(false);

    // Stepping back from the first picture stays on it.
    if (m_host.curpic() < 1)
        m_host.setCurpic(1);

    PictureList &list = m_host.pictureList();
    if (list.isEmpty()) {
        m_services.beep->beep();
        stepBackOne();
        setTimerEnabled(false);
        handBack();
        return;
    }

    if (m_host.curpic() > list.count()) {
        // Past the last picture: back to the main window, which shows the last one.
        m_image1->clearPicture();
        setTimerEnabled(false);
        m_host.setCurpic(m_host.curpic() - 1);
        handBack();
    } else {
        if (loadCurrent() != LoadOutcome::Loaded)
            return;
        setCounter(m_host.curpic(), list.count());
        m_host.selectOnly(m_host.curpic() - 1);
        m_host.setCurpic(m_host.curpic() + 1);
        // Decode the next picture while this one is on screen.
        if (auto *prefetcher = PicturePrefetcher::of(m_services.pictureLoader);
            prefetcher && m_host.curpic() <= list.count())
            prefetcher->prefetch(list.fullPath(m_host.curpic() - 1), decodeMinimum());
    }
    layOut();
    playMoving(true);
}

void SlideForm::playMoving(bool firstShown)
{
    if (!m_moving.isEmpty())
        m_player->play(*m_services.pictureLoader, m_moving, firstShown);
}

void SlideForm::showFrame(const QImage &frame)
{
    if (!isVisible() || !m_image1->hasPicture()) {
        m_player->stop();
        return;
    }
    m_image1->setFrame(m_host.turnOf(m_moving).applied(frame));
}

QSize SlideForm::decodeMinimum() const
{
    // True size needs the whole picture; the other styles never draw it
    // larger than the work area.
    if (m_settings.fitstyle() == 2)
        return QSize();
    const TwipScale scale(m_services.systemInfo->logicalDpi());
    const double dpr = devicePixelRatioF();
    return QSize(int(std::ceil(scale.toPixelsF(m_work.width()) * dpr)) + 1,
                 int(std::ceil(scale.toPixelsF(m_work.height()) * dpr)) + 1);
}

LoadedPicture SlideForm::loadPicture(const QString &path) const
{
    return m_services.pictureLoader->load(path, decodeMinimum());
}

SlideForm::LoadOutcome SlideForm::loadCurrent()
{
    PictureList &list = m_host.pictureList();
    for (;;) {
        const int index = m_host.curpic() - 1;
        const QString path = list.fullPath(index);
        const LoadedPicture picture = turned(loadPicture(path), m_host.turnOf(path));
        if (picture.ok()) {
            m_image1->setPicture(picture.image);
            if (picture.moves)
                m_moving = list.fullPath(index);
            m_slidepic = picture.naturalTwips;
            return LoadOutcome::Loaded;
        }
        if (!FileError::isFileAccess(picture.error))
            return LoadOutcome::Failed; // the next tick meets the same picture again

        MessageRequest box;
        box.text = tr("Specified picture file cannot be accessed!!");
        box.icon = MsgIcon::Critical;
        box.buttons = MsgButtons::RetryCancel;
        if (m_services.messageBoxes->show(this, box) == MsgResult::Retry)
            continue;

        // Drop the entry: the next tick shows the one that moved into its place.
        list.removeAt(index);
        const QString counter =
            QString::number(m_host.curpic()) + QLatin1Char('/') + QString::number(list.count());
        m_host.setCounterText(counter);
        m_label1->setText(counter);
        return LoadOutcome::Removed;
    }
}

void SlideForm::layOut()
{
    SlideLayoutInput in;
    in.fitstyle = m_settings.fitstyle();
    in.slidepicwidth = m_slidepic.width();
    in.slidepicheight = m_slidepic.height();
    in.workwidth = m_work.width();
    in.workheight = m_work.height();
    const QSize box = m_host.boxSize();
    in.boxwidth = box.width();
    in.boxheight = box.height();
    m_layout = slideLayout(in);
    sizebox();
    m_image1->setStretch(m_layout.stretch);
    m_image1->show();
}

void SlideForm::sizebox()
{
    m_placer.place(m_image1,
                   slideSizebox(m_layout.slidewidth, m_layout.slideheight, m_work.width(), m_work.height()));
    // Unstretched (true size), a picture larger than the work area is cut
    // at the box's right and bottom edges, not scaled into it.
    m_image1->setNaturalSize(m_placer.scale().toPixels(QRectF(QPointF(), QSizeF(m_slidepic))).size());
    // The counter and buttons stay above the picture.
    m_strip->raise();
}

} // namespace orv
