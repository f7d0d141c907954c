#include "startupsplash.h"

#include "systeminfo.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QSvgRenderer>
#include <QTimer>
#include <algorithm>

namespace orv {

namespace {

QPixmap renderSvg(const QString &resource, QSize size)
{
    QSvgRenderer renderer(resource);
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    renderer.render(&p);
    return pm;
}

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, const QStringList &families,
                  double points)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(points);
    font.setBold(true);
    label->setFont(font);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, QColor(192, 0, 0));
    pal.setColor(QPalette::Window, Qt::white);
    label->setPalette(pal);
    label->setAutoFillBackground(true);
    return label;
}

} // namespace

StartupSplash::StartupSplash(const SystemInfo &system, std::function<void()> handOver, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), m_placer(TwipScale(system.logicalDpi())),
      m_handOver(std::move(handOver))
{
    setObjectName(QStringLiteral("frmSplash1"));
    setWindowTitle(QStringLiteral("Orvanta"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    const TwipScale &s = m_placer.scale();
    setFixedSize(s.toPixels(7380), s.toPixels(4245));

    auto *frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameShape(QFrame::Box);
    m_placer.place(frame, QRectF(30, 70, 7305, 4140));

    // The typefaces fall back to look-alikes shipped with free font packages.
    const QStringList script{QStringLiteral("Brush Script MT"), QStringLiteral("Z003"),
                             QStringLiteral("URW Chancery L"), QStringLiteral("serif")};
    const QStringList antiqua{QStringLiteral("Book Antiqua"), QStringLiteral("P052"),
                              QStringLiteral("URW Palladio L"), QStringLiteral("serif")};
    QLabel *name = makeLabel(this, "lblProductName", QStringLiteral("Orvanta"), script, 72);
    name->setAlignment(Qt::AlignCenter);
    m_placer.place(name, QRectF(240, 1800, 6330, 1755));
    QLabel *platform = makeLabel(this, "lblPlatform", tr("For %1").arg(system.platformName()), antiqua, 15.75);
    m_placer.place(platform, QRectF(5040, 3240, 1950, 390));
    QLabel *version = makeLabel(this, "lblVersion", system.systemVersion(), antiqua, 15.75);
    m_placer.place(version, QRectF(6000, 3600, 750, 390));
    // A longer name than the place was drawn for grows to the left, keeping
    // its right edge, and never past the left edge of the platform's line.
    for (QLabel *label : {platform, version}) {
        QRect r = label->geometry();
        const int wanted = std::min(label->sizeHint().width(), r.right() - platform->x());
        if (wanted > r.width())
            r.setLeft(r.right() - wanted);
        label->setGeometry(r);
    }

    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("Image1"));
    const QRect iconRect = s.toPixels(QRectF(360, 360, 960, 960));
    icon->setPixmap(renderSvg(QStringLiteral(":/orvanta.svg"), iconRect.size()));
    icon->setGeometry(iconRect);
    auto *photo = new QLabel(this);
    photo->setObjectName(QStringLiteral("Image2"));
    const QRect photoRect = s.toPixels(QRectF(4800, 150, 2080, 1560));
    photo->setPixmap(renderSvg(QStringLiteral(":/splashphoto.svg"), photoRect.size()));
    photo->setGeometry(photoRect);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(2500);
    connect(m_timer, &QTimer::timeout, this, &StartupSplash::onTimer);
}

void StartupSplash::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_timer->start();
}

void StartupSplash::onTimer()
{
    if (m_handOver)
        m_handOver();
    m_timer->stop();
    close();
}

} // namespace orv
