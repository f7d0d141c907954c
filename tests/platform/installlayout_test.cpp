// Where the program finds its files: beside itself, or in the installed layout.
#include "installlayout.h"
#include "testutils.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orv;

namespace {
QString under(const QString &bin, const QString &folderFromBin, const QString &name)
{
    return QDir::cleanPath(bin + QLatin1Char('/') + folderFromBin + QLatin1Char('/') + name);
}
} // namespace

TEST(InstallLayout, FilesBesideTheProgramComeFirstThenTheInstalledFolders)
{
    const QString help = QStringLiteral("Orvanta.HLP");
    const QString helper = QStringLiteral("orvanta-metafile");
    const struct {
        const char *what;
        bool installed, besideHelp, besideHelper;
        bool helpBeside, helperBeside; // where they are found
    } cases[] = {
        {"build folder", false, true, true, true, true},
        {"portable copy without its helper", false, true, false, true, true},
        {"installed", true, false, false, false, false},
        {"installed, a help file beside the program", true, true, false, true, false},
    };
    for (const auto &c : cases) {
        QTemporaryDir root;
        const QString bin = root.filePath(QStringLiteral("prefix/bin"));
        QDir().mkpath(bin);
        if (c.installed) {
            QDir().mkpath(under(bin, InstallLayout::dataFolderFromBin(), {}));
            test::writeFile(under(bin, InstallLayout::dataFolderFromBin(), help), "<html/>");
            QDir().mkpath(under(bin, InstallLayout::helperFolderFromBin(), {}));
            test::writeFile(under(bin, InstallLayout::helperFolderFromBin(), helper), "#!");
        }
        if (c.besideHelp)
            test::writeFile(QDir(bin).filePath(help), "<html/>");
        if (c.besideHelper)
            test::writeFile(QDir(bin).filePath(helper), "#!");
        const InstallLayout layout(bin);
        EXPECT_EQ(layout.isInstalled(), c.installed) << c.what;
        EXPECT_EQ(layout.helpFile(), c.helpBeside ? QDir(bin).filePath(help)
                                                  : under(bin, InstallLayout::dataFolderFromBin(), help))
            << c.what;
        EXPECT_EQ(layout.metafileHelper(), c.helperBeside
                                               ? QDir(bin).filePath(helper)
                                               : under(bin, InstallLayout::helperFolderFromBin(), helper))
            << c.what;
    }
}

TEST(InstallLayout, TheSystemDefaultSettingsOfAnInstalledProgram)
{
    QTemporaryDir root, xdgA, xdgB;
    const QString bin = root.filePath(QStringLiteral("prefix/bin"));
    QDir().mkpath(bin);
    const QString name = QStringLiteral("Orvanta.ini");
    const QString own = under(bin, InstallLayout::systemConfigFolderFromBin(), name);
    const QStringList xdg{xdgA.path(), xdgB.path()};

    // Not installed: a build folder or portable copy has no system default.
    test::writeFile(QDir(xdgB.path()).filePath(name), "x");
    EXPECT_EQ(InstallLayout(bin).systemSettingsFile(name, xdg), QString());

    QDir().mkpath(under(bin, InstallLayout::dataFolderFromBin(), {}));
    EXPECT_EQ(InstallLayout(bin).systemSettingsFile(name, xdg), QDir(xdgB.path()).filePath(name));
    test::writeFile(QDir(xdgA.path()).filePath(name), "x");
    EXPECT_EQ(InstallLayout(bin).systemSettingsFile(name, xdg), QDir(xdgA.path()).filePath(name));
    QDir().mkpath(QFileInfo(own).path());
    test::writeFile(own, "x");
    EXPECT_EQ(InstallLayout(bin).systemSettingsFile(name, xdg), own) << "the installation's own first";
    EXPECT_EQ(InstallLayout(bin).systemSettingsFile(name, {}), own);
}
