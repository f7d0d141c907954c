// The Linux system-information tool: the desktops' programs, looked up in PATH
// and started detached.
#include "systeminfoprograms.h"
#include "systeminfotool.h"
#include "testutils.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

using namespace orv;
using Outcome = SystemInfoTool::Outcome;

namespace {

QStringList programsOn(const QString &desktop)
{
    QStringList out;
    const auto programs = systemInfoPrograms(desktop);
    for (const SystemInfoProgram &p : programs)
        out << (p.arguments.isEmpty() ? p.program : p.program + QLatin1Char(' ') + p.arguments.join(' '));
    return out;
}

// Sets an environment variable for one scope.
struct ScopedEnv {
    ScopedEnv(const char *name, const QByteArray &value) : name(name), old(qgetenv(name))
    {
        qputenv(name, value);
    }
    ~ScopedEnv() { qputenv(name, old); }
    const char *name;
    QByteArray old;
};

bool appears(const QString &path)
{
    QElapsedTimer timer;
    timer.start();
    while (!QFile::exists(path) && timer.elapsed() < 5000)
        QThread::msleep(10);
    return QFile::exists(path);
}

} // namespace

TEST(SystemInfoPrograms, TheRunningDesktopsOwnFirstAndPanelsOnlyAtHome)
{
    const struct {
        const char *desktop;
        QStringList programs;
    } cases[] = {
        {"", {"kinfocenter", "xfce4-about", "hardinfo"}},
        {"GNOME", {"gnome-control-center info-overview", "kinfocenter", "xfce4-about", "hardinfo"}},
        {"ubuntu:GNOME", {"gnome-control-center info-overview", "kinfocenter", "xfce4-about", "hardinfo"}},
        {"KDE", {"kinfocenter", "xfce4-about", "hardinfo"}},
        {"XFCE", {"xfce4-about", "kinfocenter", "hardinfo"}},
        {"X-Cinnamon", {"cinnamon-settings info", "kinfocenter", "xfce4-about", "hardinfo"}},
        {"LXQt", {"kinfocenter", "xfce4-about", "hardinfo"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(programsOn(QLatin1String(c.desktop)), c.programs) << c.desktop;
}

TEST(QtSystemInfoTool, StartsTheFirstProgramFoundOrTellsWhyNot)
{
    QTemporaryDir dir;
    const QString marker = dir.filePath(QStringLiteral("started"));
    const QByteArray starts = "#!/bin/sh\necho \"$0 $*\" > '" + marker.toLocal8Bit() + ".new' && /bin/mv '" +
                              marker.toLocal8Bit() + ".new' '" + marker.toLocal8Bit() + "'\n";
    // A program whose interpreter does not exist cannot be started.
    const QByteArray broken = "#!/no/such/interpreter\n";
    const struct {
        const char *what;
        QList<QPair<QString, QByteArray>> programs;
        QByteArray desktop;
        Outcome outcome;
        QString started;
    } cases[] = {
        {"none installed", {}, "GNOME", Outcome::NotFound, {}},
        {"one installed", {{"hardinfo", starts}}, "", Outcome::Started, "hardinfo"},
        {"the desktop's panel with its argument",
         {{"hardinfo", starts}, {"gnome-control-center", starts}},
         "GNOME",
         Outcome::Started,
         "gnome-control-center info-overview"},
        {"another desktop's panel is not used",
         {{"gnome-control-center", starts}},
         "KDE",
         Outcome::NotFound,
         {}},
        {"found but fails to start", {{"kinfocenter", broken}}, "", Outcome::FailedToStart, {}},
        {"a broken one is passed over",
         {{"kinfocenter", broken}, {"hardinfo", starts}},
         "",
         Outcome::Started,
         "hardinfo"},
    };
    for (const auto &c : cases) {
        QTemporaryDir bin;
        for (const auto &p : c.programs) {
            test::writeFile(bin.filePath(p.first), p.second);
            QFile::setPermissions(bin.filePath(p.first), QFile::ReadOwner | QFile::ExeOwner);
        }
        QFile::remove(marker);
        const ScopedEnv path("PATH", bin.path().toLocal8Bit()), desktop("XDG_CURRENT_DESKTOP", c.desktop);
        QtSystemInfoTool tool;
        EXPECT_EQ(tool.start(), c.outcome) << c.what;
        if (c.started.isEmpty())
            continue;
        ASSERT_TRUE(appears(marker)) << c.what;
        EXPECT_EQ(QString::fromLocal8Bit(test::readFile(marker)).trimmed(), bin.filePath(c.started))
            << c.what;
    }
}
