#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace orv {

// The system-information programs of the Linux desktops, in the order they
// are tried:
//   gnome-control-center info-overview  GNOME's (and Unity's) "About" settings panel
//   cinnamon-settings info              Cinnamon's system-information panel
//   kinfocenter                         KDE's info centre
//   xfce4-about                         Xfce's about box, with its system tab
//   hardinfo                            a system profiler of its own, on any desktop
// The settings panels run only inside their own desktop, so they are tried
// only there (XDG_CURRENT_DESKTOP); the others are tried on any desktop, the
// running desktop's own first.
struct SystemInfoProgram {
    QString program; // looked up in PATH
    QStringList arguments;
    QStringList desktops; // the desktops it belongs to (XDG_CURRENT_DESKTOP names)
    bool ownDesktopOnly = false;
};

// The programs to try on the desktop named by `currentDesktop` (the
// colon-separated XDG_CURRENT_DESKTOP value; may be empty).
QList<SystemInfoProgram> systemInfoPrograms(const QString &currentDesktop);

} // namespace orv
