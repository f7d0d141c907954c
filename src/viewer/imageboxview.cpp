#include "imageboxview.h"

#include "cachedscrollbar.h"
#include "clickpanel.h"
#include "imagecontrol.h"

#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>

namespace orv {

ImageBoxView::ImageBoxView(QWidget *parent) : QWidget(parent)
{
    setAutoFillBackground(true);

    // Children are stacked in creation order: Image1 lowest, then the box,
    // the masks above both, then scroll bars and the status line.
    m_image1 = new ImageControl(this);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setAccessibleName(tr("The picture."));
    m_image1->hide();

    m_image2 = new ImageControl(this);
    m_image2->setObjectName(QStringLiteral("Image2"));
    m_image2->setToolTip(tr("The picture box."));
    m_image2->setAccessibleName(tr("The picture box."));
    m_image2->setStretch(true);
    m_placer.place(m_image2, QRectF(15, 360, 1860, 2535));

    auto makeMask = [this](const char *name) {
        auto *p = new ClickPanel(this);
        p->setObjectName(QLatin1String(name));
        return p;
    };
    m_marup = makeMask("marup");
    m_mardn = makeMask("mardn");
    m_marleft = makeMask("marleft");
    m_marright = makeMask("marright");

    m_vscroll = new CachedScrollBar(Qt::Vertical, this);
    m_vscroll->setObjectName(QStringLiteral("VScroll1"));
    m_hscroll = new CachedScrollBar(Qt::Horizontal, this);
    m_hscroll->setObjectName(QStringLiteral("HScroll1"));
    for (QScrollBar *bar : {m_vscroll, m_hscroll}) {
        bar->setRange(0, 0);
        // One twip a unit: an arrow click moves about ten pixels, the track a box.
        bar->setSingleStep(150);
        setScrollEnabled(bar, false);
    }

    m_label2 = new QLabel(this);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label2->setAlignment(Qt::AlignCenter);
    // A light backing keeps the text readable where it lies over a picture.
    m_label2->setAutoFillBackground(true);
    QPalette pal = m_label2->palette();
    QColor backing = pal.color(QPalette::Window);
    backing.setAlpha(200);
    pal.setColor(QPalette::Window, backing);
    m_label2->setPalette(pal);
    m_label2->setContentsMargins(6, 1, 6, 1);
    m_label2->installEventFilter(this);
}

void ImageBoxView::setScrollEnabled(QScrollBar *bar, bool enabled)
{
    bar->setEnabled(enabled);
    bar->setVisible(enabled);
}

void ImageBoxView::setStatus(const QString &text)
{
    m_label2->setText(text);
    m_label2->setAccessibleName(text);
    recentreStatus();
}

void ImageBoxView::recentreStatus()
{
    const double top = m_placer.rect(m_label2).top();
    const double width = m_placer.scale().toTwips(m_label2->sizeHint().width() + 8);
    const double height = m_placer.scale().toTwips(m_label2->sizeHint().height());
    m_placer.place(m_label2, QRectF((m_viewingWidth - width) / 2.0 + 15, top, width, height));
}

void ImageBoxView::coverClientWidth()
{
    // The top and bottom masks span the whole client width, so a picture
    // wider than the box never shows beside it on a wide screen.
    const double clientWidth = m_placer.scale().toTwips(width());
    for (ClickPanel *p : {m_marup, m_mardn}) {
        QRectF r = m_placer.rect(p);
        if (r.width() < clientWidth) {
            r.setWidth(clientWidth);
            m_placer.place(p, r);
        }
    }
    QRectF right = m_placer.rect(m_marright);
    if (right.right() < clientWidth) {
        right.setRight(clientWidth);
        m_placer.place(m_marright, right);
    }
}

void ImageBoxView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    coverClientWidth();
}

bool ImageBoxView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_label2)
        return false;
    // The label takes its own clicks: a label passes the mouse on to its
    // parent, where a click would count once more as one on the background.
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        m_statusPressed = true;
        return true;
    case QEvent::MouseButtonRelease: {
        const bool click = m_statusPressed &&
                           m_label2->rect().contains(static_cast<QMouseEvent *>(event)->position().toPoint());
        m_statusPressed = false;
        if (click)
            Q_EMIT statusClicked();
        return true;
    }
    default:
        return false;
    }
}

void ImageBoxView::mouseReleaseEvent(QMouseEvent *event)
{
    if (rect().contains(event->position().toPoint()))
        Q_EMIT backgroundClicked();
}

} // namespace orv
