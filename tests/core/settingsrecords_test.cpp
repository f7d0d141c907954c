// The option records of the settings file, byte for byte.
#include "recentslots.h"
#include "settingsrecords.h"

#include <gtest/gtest.h>

using namespace orv;

namespace {

QByteArray optionRecord(const QByteArray &label, const QByteArray &value)
{
    return label + value + QByteArray(3 - value.size(), ' ');
}

QByteArray optionsFile(const QByteArray &interval, const QByteArray &fitstyle, const QByteArray &splash)
{
    return optionRecord(SettingsRecords::intervalLabel(), interval) +
           optionRecord(SettingsRecords::fitstyleLabel(), fitstyle) +
           optionRecord(SettingsRecords::splashLabel(), splash);
}

} // namespace

TEST(SettingsRecords, LabelsAreTwentyFiveBytes)
{
    EXPECT_EQ(SettingsRecords::intervalLabel(), QByteArray("    slideshow interval = "));
    EXPECT_EQ(SettingsRecords::fitstyleLabel(), QByteArray("               fitstyle ="));
    EXPECT_EQ(SettingsRecords::splashLabel(), QByteArray("     show splash screen ="));
    for (const QByteArray &label :
         {SettingsRecords::intervalLabel(), SettingsRecords::fitstyleLabel(), SettingsRecords::splashLabel()})
        EXPECT_EQ(label.size(), 25);
}

TEST(SettingsRecords, RecoveryOnAnEmptyFileGivesTheFourHundredByteFile)
{
    QByteArray file;
    SettingsRecords::writeRecoveryDefaults(file);
    const QByteArray expected = QByteArray("    slideshow interval = 1  "
                                           "               fitstyle =0  "
                                           "     show splash screen =1  ") +
                                QByteArray(216, '\0') + QByteArray("5") + QByteArray(99, ' ');
    EXPECT_EQ(file.size(), 400);
    EXPECT_EQ(file, expected);
}

TEST(SettingsRecords, RecoveryKeepsTheRecentSlotsAndTheUnusedBytes)
{
    QByteArray file(800, '\x55');
    const QByteArray before = file;
    SettingsRecords::writeRecoveryDefaults(file);
    EXPECT_EQ(file.size(), 800);
    EXPECT_EQ(file.mid(84, 216), before.mid(84, 216));
    EXPECT_EQ(file.mid(400), before.mid(400));
}

TEST(SettingsRecords, ValuesAreCheckedInOrderAndStopAtTheFirstBadOne)
{
    struct Row {
        QByteArray interval, fitstyle, splash;
        std::optional<QString> text;
        std::optional<int> sizing;
        std::optional<bool> splashOut;
        int error;
    } rows[] = {
        {"1", "0", "1", "1", 0, true, 0},
        {"15", "2", "0", "15", 2, false, 0},
        {"1.5", "1", "1", "1.5", 1, true, 0},
        {"10.", "0.5", ".5", "10", 2, false, 0}, // 0.5 is "another value": true size; .5 rounds to even
        {"7 s", "1.5", ".7", "7", 2, true, 0},
        {"0", "0", "1", {}, {}, {}, 513},
        {"16", "0", "1", {}, {}, {}, 513},
        {"   ", "0", "1", {}, {}, {}, 513},
        {"5", "3", "1", "5", {}, {}, 513},
        {"5", "-1", "1", "5", {}, {}, 513},
        {"5", "2", "2", "5", 2, {}, 513},
    };
    for (const Row &row : rows) {
        const auto o = SettingsRecords::readOptions(optionsFile(row.interval, row.fitstyle, row.splash));
        const std::string what = (row.interval + "|" + row.fitstyle + "|" + row.splash).toStdString();
        EXPECT_EQ(o.intervalText, row.text) << what;
        EXPECT_EQ(o.sizing, row.sizing) << what;
        EXPECT_EQ(o.splash, row.splashOut) << what;
        EXPECT_EQ(o.error, row.error) << what;
    }
}

TEST(SettingsRecords, MissingOrZeroRecordsCountAsDamaged)
{
    EXPECT_EQ(SettingsRecords::readOptions({}).error, 513);
    EXPECT_EQ(SettingsRecords::readOptions(QByteArray(84, '\0')).error, 513);
    const auto cutShort = SettingsRecords::readOptions(optionsFile("3", "1", "1").left(56));
    EXPECT_EQ(cutShort.intervalText, QStringLiteral("3"));
    EXPECT_EQ(cutShort.sizing, 1);
    EXPECT_EQ(cutShort.splash, false); // record 3 reads as zero bytes: the value 0
    EXPECT_EQ(cutShort.error, 0);
}

TEST(SettingsRecords, WritingCutsTheIntervalTextToThreeBytes)
{
    QByteArray file(300, '\x7f');
    SettingsRecords::writeOptions(file, QStringLiteral("10.5"), 2, 0);
    EXPECT_EQ(file.left(84), optionsFile("10.", "2", "0"));
    EXPECT_EQ(file.mid(84), QByteArray(216, '\x7f'));
    EXPECT_EQ(SettingsRecords::readOptions(file).intervalText, QStringLiteral("10"));
}

TEST(SettingsRecords, RecordsPastTheEndReadAsZeroBytes)
{
    const QByteArray file("abc");
    EXPECT_EQ(SettingsRecords::record(file, 28, 1), QByteArray("abc") + QByteArray(25, '\0'));
    EXPECT_EQ(SettingsRecords::record(file, 100, 6), QByteArray(100, '\0'));
}
