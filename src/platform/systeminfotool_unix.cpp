#include "systeminfoprograms.h"
#include "systeminfotool.h"

#include <QProcess>
#include <QStandardPaths>

namespace orv {

QList<SystemInfoProgram> systemInfoPrograms(const QString &currentDesktop)
{
    const QList<SystemInfoProgram> all{
        {QStringLiteral("gnome-control-center"),
         {QStringLiteral("info-overview")},
         {QStringLiteral("GNOME"), QStringLiteral("Unity")},
         true},
        {QStringLiteral("cinnamon-settings"), {QStringLiteral("info")}, {QStringLiteral("X-Cinnamon")}, true},
        {QStringLiteral("kinfocenter"), {}, {QStringLiteral("KDE")}, false},
        {QStringLiteral("xfce4-about"), {}, {QStringLiteral("XFCE")}, false},
        {QStringLiteral("hardinfo"), {}, {}, false},
    };
    const QStringList running = currentDesktop.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    const auto ownDesktop = [&running](const SystemInfoProgram &p) {
        for (const QString &d : p.desktops) {
            if (running.contains(d, Qt::CaseInsensitive))
                return true;
        }
        return false;
    };
    QList<SystemInfoProgram> own;
    QList<SystemInfoProgram> others;
    for (const SystemInfoProgram &p : all) {
        if (ownDesktop(p))
            own << p;
        else if (!p.ownDesktopOnly)
            others << p;
    }
    return own + others;
}

SystemInfoTool::Outcome QtSystemInfoTool::start()
{
    bool found = false;
    const auto programs = systemInfoPrograms(qEnvironmentVariable("XDG_CURRENT_DESKTOP"));
    for (const SystemInfoProgram &p : programs) {
        const QString path = QStandardPaths::findExecutable(p.program);
        if (path.isEmpty())
            continue;
        found = true;
        // Detached: the tool lives on by itself and nobody waits for it.
        if (QProcess::startDetached(path, p.arguments))
            return Outcome::Started;
    }
    return found ? Outcome::FailedToStart : Outcome::NotFound;
}

} // namespace orv
