// The recent lists in the settings file, with the file re-created on demand.
#include "fakeplatform.h"
#include "recentslots.h"
#include "recentslotstore.h"
#include "settingsfile.h"
#include "settingsrecords.h"
#include "testutils.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orv;

namespace {

class RecentSlotStoreTest : public ::testing::Test
{
protected:
    // Stands in for the settings reader: re-creates the file as its recovery does.
    void recreate()
    {
        ++recreated;
        QByteArray bytes = file.load().bytes;
        SettingsRecords::writeRecoveryDefaults(bytes);
        file.save(bytes);
    }

    QTemporaryDir dir;
    SettingsFile file{dir.filePath("Orvanta.ini")};
    test::FakeMessageBoxes boxes;
    int recreated = 0;
    RecentSlotStore store{file, &boxes, [this] {
                              recreate();
                              return true;
                          }};
};

} // namespace

TEST_F(RecentSlotStoreTest, AMissingFileIsRecreatedBeforeItIsRead)
{
    EXPECT_EQ(store.recentList(1), std::nullopt);
    EXPECT_EQ(recreated, 1);
    EXPECT_EQ(test::readFile(file.path()).size(), 400);
    store.recentList(2);
    EXPECT_EQ(recreated, 1);
}

TEST_F(RecentSlotStoreTest, StoringWritesTheRingAndReportsWhetherItChanged)
{
    EXPECT_TRUE(store.addRecentList(QStringLiteral("/l/A.pvl")));
    EXPECT_EQ(recreated, 1);
    EXPECT_FALSE(store.addRecentList(QStringLiteral("/l/A.pvl")));
    EXPECT_TRUE(store.addRecentList(QStringLiteral("/l/B.pvl")));
    EXPECT_EQ(store.recentList(1), QStringLiteral("/l/A.pvl"));
    EXPECT_EQ(store.recentList(2), QStringLiteral("/l/B.pvl"));
    EXPECT_EQ(RecentSlots::pointer(test::readFile(file.path())), 7);
    EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST_F(RecentSlotStoreTest, AFailedSaveIsReported)
{
    QTemporaryDir other;
    test::writeFile(other.filePath("blocker"), "x");
    SettingsFile blocked(other.filePath("blocker/Orvanta.ini"));
    RecentSlotStore failing(blocked, &boxes, {});
    EXPECT_FALSE(failing.addRecentList(QStringLiteral("/l/A.pvl")));
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_TRUE(boxes.shown[0].text.startsWith(QStringLiteral("The settings file ")));
    EXPECT_EQ(boxes.shown[0].icon, MsgIcon::Critical);
}

TEST_F(RecentSlotStoreTest, ADeclinedRepairOfAMissingFileReadsAndWritesNothing)
{
    int asked = 0;
    RecentSlotStore declined(file, &boxes, [&asked] {
        ++asked;
        return false;
    });
    EXPECT_EQ(declined.recentList(1), std::nullopt);
    EXPECT_FALSE(declined.addRecentList(QStringLiteral("/l/A.pvl")));
    EXPECT_EQ(asked, 2);
    EXPECT_FALSE(QFileInfo::exists(file.path()));
    EXPECT_TRUE(boxes.shown.isEmpty());
}
