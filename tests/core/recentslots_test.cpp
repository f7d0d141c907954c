// The recent slots and their ring pointer in the settings file.
#include "recentslots.h"
#include "settingsrecords.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace orv;

namespace {

QByteArray recovered()
{
    QByteArray file;
    SettingsRecords::writeRecoveryDefaults(file);
    return file;
}

QStringList slotTexts(const QByteArray &file)
{
    QStringList out;
    for (int k = 1; k <= 4; ++k)
        out << RecentSlots::slot(file, k).value_or(QStringLiteral("-"));
    return out;
}

} // namespace

TEST(RecentSlots, AFreshFileHasNoRecentLists)
{
    EXPECT_EQ(slotTexts(recovered()), (QStringList{"-", "-", "-", "-"}));
    EXPECT_EQ(RecentSlots::pointer(recovered()), 5);
}

TEST(RecentSlots, FiveListsFillTheRingAndTheFifthReplacesSlotOne)
{
    QByteArray file = recovered();
    for (const char *p : {"/l/A.pvl", "/l/B.pvl", "/l/C.pvl", "/l/D.pvl"})
        EXPECT_EQ(RecentSlots::store(file, QString::fromLatin1(p)), RecentSlots::Store::Stored);
    EXPECT_EQ(slotTexts(file), (QStringList{"/l/A.pvl", "/l/B.pvl", "/l/C.pvl", "/l/D.pvl"}));
    EXPECT_EQ(RecentSlots::pointer(file), 5); // wrapped from 8
    // The record as written: "5" and blanks, as a file of the older program holds it.
    EXPECT_EQ(SettingsRecords::record(file, 100, 4), QByteArray("5") + QByteArray(99, ' '));
    EXPECT_EQ(file.mid(300, 100), QByteArray("5") + QByteArray(99, ' '));
    EXPECT_EQ(SettingsRecords::record(file, 100, 8), QByteArray("/l/D.pvl") + QByteArray(92, ' '));

    EXPECT_EQ(RecentSlots::store(file, QStringLiteral("/l/E.pvl")), RecentSlots::Store::Stored);
    EXPECT_EQ(slotTexts(file), (QStringList{"/l/E.pvl", "/l/B.pvl", "/l/C.pvl", "/l/D.pvl"}));
    EXPECT_EQ(RecentSlots::pointer(file), 6);
    EXPECT_EQ(file.size(), 800);
    EXPECT_EQ(SettingsRecords::record(file, 100, 4), QByteArray("6") + QByteArray(99, ' '));
    EXPECT_EQ(SettingsRecords::record(file, 100, 5), QByteArray("/l/E.pvl") + QByteArray(92, ' '));
}

TEST(RecentSlots, AKnownPathIsNotStoredAgain)
{
    QByteArray file = recovered();
    RecentSlots::store(file, QStringLiteral("/l/A.pvl"));
    RecentSlots::store(file, QStringLiteral("/l/B.pvl"));
    const QByteArray before = file;
    EXPECT_EQ(RecentSlots::store(file, QStringLiteral("/l/A.pvl")), RecentSlots::Store::AlreadyPresent);
    EXPECT_EQ(file, before);
    // The comparison is exact and case-sensitive.
    EXPECT_EQ(RecentSlots::store(file, QStringLiteral("/l/a.pvl")), RecentSlots::Store::Stored);
}

TEST(RecentSlots, APointerOutsideFiveToEightCountsAsFive)
{
    struct Row {
        QByteArray pointer;
        int expected;
    } rows[] = {
        {QByteArray(100, '\0'), 5},
        {"8", 8},
        {"7.5", 8},
        {"6.5", 6},
        {"9", 5},
        {"4", 5},
        {"-6", 5},
        {"x7", 5},
        {" 7 ", 7},
    };
    for (const Row &row : rows) {
        QByteArray file = recovered();
        QByteArray rec = row.pointer;
        rec.append(100 - rec.size(), ' ');
        SettingsRecords::setRecord(file, 100, 4, rec);
        EXPECT_EQ(RecentSlots::pointer(file), row.expected) << row.pointer.toStdString();
    }
}

TEST(RecentSlots, ASlotIsPresentWhenItHoldsFewerThanAHundredBytes)
{
    QByteArray file = recovered();
    SettingsRecords::setRecord(file, 100, 5, QByteArray(100, 'x'));
    SettingsRecords::setRecord(file, 100, 6, QByteArray(99, 'y') + ' ');
    SettingsRecords::setRecord(file, 100, 7, QByteArray("/caf\xe9.pvl") + QByteArray(91, ' '));
    EXPECT_EQ(RecentSlots::slot(file, 1), std::nullopt);
    EXPECT_EQ(RecentSlots::slot(file, 2), QString(99, QLatin1Char('y')));
    EXPECT_EQ(RecentSlots::slot(file, 3), QString::fromUtf8("/café.pvl"));
    EXPECT_EQ(RecentSlots::slot(file, 4), std::nullopt); // past the end of the file
}

TEST(RecentSlots, PathsThatCannotBeStoredWholeAreLeftOut)
{
    QByteArray file = recovered();
    const QByteArray before = file;
    for (const QString &p :
         {QStringLiteral("/") + QString(99, QLatin1Char('p')),
          QStringLiteral("/") + QString::fromUtf8("é").repeated(50), QStringLiteral("/l/x.pvl ")})
        EXPECT_EQ(RecentSlots::store(file, p), RecentSlots::Store::DoesNotFit) << p.toStdString();
    EXPECT_EQ(file, before);

    const QString longest = QStringLiteral("/") + QString(98, QLatin1Char('p'));
    EXPECT_EQ(RecentSlots::store(file, longest), RecentSlots::Store::Stored);
    EXPECT_EQ(RecentSlots::slot(file, 1), longest);
}
