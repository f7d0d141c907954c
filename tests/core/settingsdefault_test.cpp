// The installation's default settings, read while the user has no file yet.
#include "installlayout.h"
#include "settingsfile.h"
#include "testutils.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orv;

TEST(SettingsDefault, ReadUntilTheFirstSaveCreatesTheUsersFile)
{
    QTemporaryDir dir;
    const QString defaults = dir.filePath(QStringLiteral("etc/xdg/Orvanta/Orvanta.ini"));
    const QString mine = dir.filePath(QStringLiteral("config/Orvanta/Orvanta.ini"));
    SettingsFile file(mine);
    file.setSystemDefault(defaults);
    EXPECT_FALSE(file.exists()) << "neither file yet";
    EXPECT_TRUE(file.load().bytes.isEmpty());

    test::writeFile(defaults, "the defaults");
    EXPECT_TRUE(file.exists());
    EXPECT_EQ(file.load().bytes, QByteArray("the defaults"));
    EXPECT_EQ(file.load().error, 0);

    ASSERT_TRUE(file.save("the user's").ok);
    EXPECT_EQ(test::readFile(mine), QByteArray("the user's"));
    EXPECT_EQ(test::readFile(defaults), QByteArray("the defaults"));
    EXPECT_EQ(file.load().bytes, QByteArray("the user's")) << "the user's own file wins";
}

TEST(SettingsDefault, AFolderInPlaceOfTheDefaultIsNoSettingsFile)
{
    QTemporaryDir dir;
    const QString defaults = dir.filePath(QStringLiteral("defaults-folder"));
    QDir().mkpath(defaults + QStringLiteral("/Orvanta.ini")); // a folder where the file should be
    SettingsFile file(dir.filePath(QStringLiteral("mine/Orvanta.ini")));
    file.setSystemDefault(defaults + QStringLiteral("/Orvanta.ini"));
    EXPECT_FALSE(file.exists()) << "a folder is no settings file";
    EXPECT_TRUE(file.load().bytes.isEmpty());
}

TEST(SettingsDefault, AnInstalledProgramKeepsItsSettingsInTheConfigurationFolder)
{
    QTemporaryDir root, config;
    const QString bin = root.filePath(QStringLiteral("prefix/bin"));
    QDir().mkpath(bin);
    const QString beside = QDir(bin).filePath(QStringLiteral("Orvanta.ini"));
    const QString inConfig = QDir(config.path()).filePath(QStringLiteral("Orvanta.ini"));
    EXPECT_EQ(SettingsFile::location(bin, config.path()), beside) << "a writable build folder";
    QDir().mkpath(QDir(bin).filePath(InstallLayout::dataFolderFromBin()));
    EXPECT_EQ(SettingsFile::location(bin, config.path()), inConfig) << "installed, even if writable";
}
