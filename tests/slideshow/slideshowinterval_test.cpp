#include "settingsrecords.h"
#include "slideshowinterval.h"

#include <gtest/gtest.h>

using namespace orv;

TEST(SlideshowInterval, SecondsFromOneToFifteenBecomeMilliseconds)
{
    struct Row {
        const char *text;
        std::optional<int> ms;
    } rows[] = {
        {"15", 15000},         {"1", 1000},        {"1.0005", 1000},       {"1.001", 1001},
        {"7 s", 7000},         {" 2.5", 2500},     {"15.5", std::nullopt}, {"0.5", std::nullopt},
        {"abc", std::nullopt}, {"", std::nullopt}, {"16", std::nullopt},   {"-3", std::nullopt},
        {"14.9999", 14999},
    };
    for (const Row &row : rows)
        EXPECT_EQ(SlideshowInterval::milliseconds(QString::fromLatin1(row.text)), row.ms) << row.text;
}

TEST(SlideshowInterval, StoredTextAlwaysReadsBackInRange)
{
    struct Row {
        const char *typed;
        int appliedMs;
        const char *stored;
    } rows[] = {
        {"10.5", 3000, "10.5"},                         // the field cuts it to "10.", which reads as 10
        {"7 s", 3000, "7 s"},      {"0001", 3000, "1"}, // "000" would read as 0
        {"   1", 3000, "1"},                            // "   " would read as 0
        {"0.99999999", 3000, "1"},                      // single precision makes it 1
        {"abc", 3000, "3"},                             // not a number at all: the interval in force
        {"", 2500, "2.5"},
    };
    for (const Row &row : rows) {
        const QString stored = SlideshowInterval::storedText(QString::fromLatin1(row.typed), row.appliedMs);
        EXPECT_EQ(stored, QString::fromLatin1(row.stored)) << row.typed;
        QByteArray file;
        SettingsRecords::writeOptions(file, stored, 0, 1);
        EXPECT_EQ(SettingsRecords::readOptions(file).error, 0) << row.typed;
    }
}
