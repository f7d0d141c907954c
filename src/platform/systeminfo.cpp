#include "systeminfo.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSysInfo>

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

double QtSystemInfo::devicePixelRatio() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
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

namespace orv {

QString QtSystemInfo::platformName() const
{
#if defined(Q_OS_WIN)
    return QStringLiteral("Windows");
#elif defined(Q_OS_MACOS)
    return QStringLiteral("macOS");
#elif defined(Q_OS_LINUX)
    return QStringLiteral("Linux");
#else
    const QString kernel = QSysInfo::kernelType();
    return kernel.left(1).toUpper() + kernel.mid(1);
#endif
}

QString QtSystemInfo::systemVersion() const
{
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    return QSysInfo::productVersion();
#else
    // The distribution's id and version from os-release: "debian", "12".
    const QString type = QSysInfo::productType();
    const QString version = QSysInfo::productVersion();
    if (type.isEmpty() || type == QLatin1String("unknown"))
        return {};
    QString name = type.left(1).toUpper() + type.mid(1);
    if (!version.isEmpty() && version != QLatin1String("unknown"))
        name += QLatin1Char(' ') + version;
    return name;
#endif
}

} // namespace orv
