// Where the settings file lives, and reading and replacing it.
#include "settingsfile.h"
#include "testutils.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orv;

TEST(SettingsFile, LivesInTheProgramFolderWhenItIsWritable)
{
    QTemporaryDir app, config;
    EXPECT_EQ(SettingsFile::location(app.path(), config.path()), QDir(app.path()).filePath("Orvanta.ini"));
    const QString missing = app.filePath("no-such-folder");
    EXPECT_EQ(SettingsFile::location(missing, config.path()), QDir(config.path()).filePath("Orvanta.ini"));
    test::writeFile(app.filePath("a-file"), "x");
    EXPECT_EQ(SettingsFile::location(app.filePath("a-file"), config.path()),
              QDir(config.path()).filePath("Orvanta.ini"));
}

TEST(SettingsFile, AMissingFileLoadsEmptyWithoutError)
{
    QTemporaryDir dir;
    SettingsFile file(dir.filePath("Orvanta.ini"));
    EXPECT_FALSE(file.exists());
    const SettingsFile::Loaded loaded = file.load();
    EXPECT_EQ(loaded.error, 0);
    EXPECT_TRUE(loaded.bytes.isEmpty());
}

TEST(SettingsFile, SaveReplacesTheFileAndCreatesItsFolder)
{
    QTemporaryDir dir;
    SettingsFile file(dir.filePath("config/orvanta/Orvanta.ini"));
    ASSERT_TRUE(file.save("first version, longer").ok);
    ASSERT_TRUE(file.save("second").ok);
    EXPECT_TRUE(file.exists());
    EXPECT_EQ(file.load().bytes, QByteArray("second"));
    EXPECT_EQ(QDir(dir.filePath("config/orvanta")).entryList(QDir::Files), QStringList{"Orvanta.ini"});
}

TEST(SettingsFile, AFolderInTheWayIsAFileAccessError)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("Orvanta.ini");
    SettingsFile file(dir.filePath("Orvanta.ini"));
    EXPECT_FALSE(file.exists());
    EXPECT_EQ(file.load().error, 75);
    const SettingsFile::Saved saved = file.save("x");
    EXPECT_FALSE(saved.ok);
    EXPECT_FALSE(saved.errorString.isEmpty());
}

TEST(SettingsFile, AnUnwritableLocationCanGoOnInMemory)
{
    QTemporaryDir dir;
    test::writeFile(dir.filePath("blocker"), "a file where the folder should be");
    SettingsFile file(dir.filePath("blocker/Orvanta.ini"));
    const SettingsFile::Saved saved = file.save("defaults");
    ASSERT_FALSE(saved.ok);
    EXPECT_TRUE(file.saveFailedText(saved.errorString).contains(dir.filePath("blocker/Orvanta.ini")));

    file.keepInMemory("defaults");
    EXPECT_TRUE(file.isMemoryOnly());
    EXPECT_TRUE(file.exists());
    EXPECT_TRUE(file.save("changed").ok);
    EXPECT_EQ(file.load().bytes, QByteArray("changed"));
    EXPECT_EQ(test::readFile(dir.filePath("blocker")), QByteArray("a file where the folder should be"));
}
