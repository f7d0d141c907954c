#include "systeminfo.h"

#include <QGuiApplication>
#include <QScreen>

namespace orv {

QtSystemInfo::QtSystemInfo(QObject *parent) : SystemInfo(parent)
{
    watchScreen();
    connect(qGuiApp, &QGuiApplication::primaryScreenChanged, this, [this] {
        watchScreen();
        Q_EMIT settingsChanged();
    });
}

void QtSystemInfo::watchScreen()
{
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    connect(screen, &QScreen::availableGeometryChanged, this, &SystemInfo::settingsChanged,
            Qt::UniqueConnection);
    connect(screen, &QScreen::logicalDotsPerInchChanged, this, &SystemInfo::settingsChanged,
            Qt::UniqueConnection);
}

double QtSystemInfo::logicalDpi() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    return dpi > 0 ? dpi : 96.0;
}

QSizeF QtSystemInfo::workAreaTwips() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return QSizeF(9600, 7200);
    const QRect area = screen->availableGeometry();
    const double perPixel = 1440.0 / logicalDpi();
    return QSizeF(area.width() * perPixel, area.height() * perPixel);
}

} // namespace orv
