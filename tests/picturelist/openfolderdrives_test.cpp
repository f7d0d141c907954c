#include "drives.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(OpenFolderDrives, FolderBelongsToTheDeepestDriveAboveIt)
{
    const QList<DriveEntry> drives{{"/", "/"}, {"/media/usb", "usb"}, {"/media/usb2", "usb2"}, {"C:/", "c:"}};
    const std::pair<QString, int> cases[] = {
        {"/", 0},           {"/home/me", 0},        {"/media", 0},
        {"/media/usb", 1},  {"/media/usb/pics", 1}, {"/media/usb2/pics", 2},
        {"/media/usbx", 0}, {"C:/pics", 3},         {"C:/", 3},
        {"C:", 3},
    };
    for (const auto &[folder, index] : cases)
        EXPECT_EQ(driveIndexOf(drives, folder), index) << folder.toStdString();
    EXPECT_EQ(driveIndexOf({{"/media/usb", "usb"}}, QStringLiteral("/home")), -1);
}

#ifndef Q_OS_WIN
TEST(OpenFolderDrives, LinuxListsTheRootAndNoKernelFileSystems)
{
    QtDrives drives;
    const QList<DriveEntry> list = drives.list();
    QStringList roots;
    for (const DriveEntry &d : list)
        roots << d.rootPath;
    EXPECT_TRUE(roots.contains(QStringLiteral("/")));
    for (const QString &root : roots) {
        EXPECT_FALSE(root.startsWith(QStringLiteral("/proc"))) << root.toStdString();
        EXPECT_FALSE(root.startsWith(QStringLiteral("/sys"))) << root.toStdString();
        EXPECT_FALSE(root.startsWith(QStringLiteral("/dev"))) << root.toStdString();
    }
    EXPECT_TRUE(drives.isReady(QStringLiteral("/")));

    // A plain folder is not a mount point: as a drive it is not ready.
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString plain = tmp.path() + QStringLiteral("/plain");
    ASSERT_TRUE(QDir().mkdir(plain));
    EXPECT_FALSE(drives.isReady(plain));
    EXPECT_FALSE(drives.isReady(tmp.path() + QStringLiteral("/missing")));
}
#endif

} // namespace
} // namespace orv
