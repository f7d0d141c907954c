// The recent-lists items of the File menu over the settings file's slots.
#include "fakeplatform.h"
#include "recentlistcaption.h"
#include "recentlistsmenu.h"
#include "recentslotstore.h"
#include "settingsfile.h"
#include "settingsrecords.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orv;

TEST(RecentListCaption, FirstTenThenDotsThenLastFifteen)
{
    struct Row {
        const char *path;
        const char *caption;
    } rows[] = {
        {"C:\\My Documents\\Lists\\holiday.pvl", "C:\\My Docu ..... sts\\holiday.pvl"},
        {"D:\\lists\\a.pvl", "D:\\lists\\a ..... D:\\lists\\a.pvl"},
        {"/home/ann/lists/summer 2024.pvl", "/home/ann/ ..... summer 2024.pvl"},
        {"/a.pvl", "/a.pvl ..... /a.pvl"},
    };
    for (const Row &row : rows)
        EXPECT_EQ(RecentListCaption::caption(QString::fromLatin1(row.path)), QString::fromLatin1(row.caption))
            << row.path;
}

TEST(RecentListCaption, AmpersandsStayAmpersandsInTheMenu)
{
    const QString path = QStringLiteral("/home/R&D/lists/Tom & Jerry.pvl");
    EXPECT_EQ(RecentListCaption::caption(path), QStringLiteral("/home/R&D/ ..... Tom & Jerry.pvl"));
    EXPECT_EQ(RecentListCaption::actionText(path), QStringLiteral("/home/R&&D/ ..... Tom && Jerry.pvl"));
    EXPECT_TRUE(QKeySequence::mnemonic(RecentListCaption::actionText(path)).isEmpty());
}

TEST(RecentListCaption, SurrogatePairsAreNotSplit)
{
    const QString face = QString::fromUtf8("😀");
    // Character 10 from the start and 15 from the end are each half of a pair.
    const QString path =
        QStringLiteral("/12345678") + face + QStringLiteral("/x/") + face + QStringLiteral("abcdefghij.pvl");
    EXPECT_EQ(RecentListCaption::caption(path), QStringLiteral("/12345678") + face +
                                                    QStringLiteral(" ..... ") + face +
                                                    QStringLiteral("abcdefghij.pvl"));
}

namespace {

class RecentListsMenuTest : public ::testing::Test
{
protected:
    RecentListsMenuTest()
    {
        exitAction = menu.addAction(QStringLiteral("&Exit"));
        menuLists = std::make_unique<RecentListsMenu>(&menu, exitAction, &store);
    }

    void recreate()
    {
        QByteArray bytes = file.load().bytes;
        SettingsRecords::writeRecoveryDefaults(bytes);
        file.save(bytes);
    }

    QStringList visibleTexts() const
    {
        QStringList out;
        for (QAction *a : menu.actions())
            if (a->isVisible())
                out << a->text();
        return out;
    }

    QTemporaryDir dir;
    SettingsFile file{dir.filePath("Orvanta.ini")};
    test::FakeMessageBoxes boxes;
    RecentSlotStore store{file, &boxes, [this] {
                              recreate();
                              return true;
                          }};
    QMenu menu;
    QAction *exitAction = nullptr;
    std::unique_ptr<RecentListsMenu> menuLists;
};

} // namespace

TEST_F(RecentListsMenuTest, ItemsStandInSlotOrderFourToOneBeforeTheirPlace)
{
    QStringList names;
    for (QAction *a : menu.actions())
        names << a->objectName();
    EXPECT_EQ(names, (QStringList{"mlatelist4", "mlatelist3", "mlatelist2", "mlatelist1", ""}));
    for (int k = 1; k <= 4; ++k) {
        EXPECT_FALSE(menuLists->action(k)->isVisible());
        EXPECT_TRUE(menuLists->action(k)->text().isEmpty());
    }
    menuLists->readmenulists(); // a fresh settings file: nothing to show
    EXPECT_EQ(visibleTexts(), QStringList{"&Exit"});
}

TEST_F(RecentListsMenuTest, AFifthListReplacesTheBottomItem)
{
    for (const char *p : {"/lists/A.pvl", "/lists/B.pvl", "/lists/C.pvl", "/lists/D.pvl", "/lists/E.pvl"})
        menuLists->addtomenu(QString::fromLatin1(p));
    EXPECT_EQ(visibleTexts(),
              (QStringList{"/lists/D.p ..... /lists/D.pvl", "/lists/C.p ..... /lists/C.pvl",
                           "/lists/B.p ..... /lists/B.pvl", "/lists/E.p ..... /lists/E.pvl", "&Exit"}));
}

TEST_F(RecentListsMenuTest, AKnownListChangesNothingAndItemsStayAfterARebuild)
{
    menuLists->addtomenu(QStringLiteral("/lists/A.pvl"));
    menuLists->action(1)->setText(QStringLiteral("marker"));
    menuLists->addtomenu(QStringLiteral("/lists/A.pvl")); // not stored again: no rebuild
    EXPECT_EQ(menuLists->action(1)->text(), QStringLiteral("marker"));

    // A later rebuild with a slot that has gone empty leaves its item alone.
    QByteArray bytes = file.load().bytes;
    SettingsRecords::setRecord(bytes, 100, 5, QByteArray(100, '\0'));
    file.save(bytes);
    menuLists->readmenulists();
    EXPECT_TRUE(menuLists->action(1)->isVisible());
    EXPECT_EQ(menuLists->action(1)->text(), QStringLiteral("marker"));
}

TEST_F(RecentListsMenuTest, ChoosingAnItemAsksToOpenItsSlotsPath)
{
    menuLists->addtomenu(QStringLiteral("/lists/A.pvl"));
    menuLists->addtomenu(QStringLiteral("/lists/B & C.pvl"));
    QSignalSpy open(menuLists.get(), &RecentListsMenu::openRequested);
    menuLists->action(2)->trigger();
    menuLists->action(1)->trigger();
    menuLists->action(4)->trigger(); // an empty slot
    ASSERT_EQ(open.size(), 3);
    EXPECT_EQ(open[0].at(0).toString(), QStringLiteral("/lists/B & C.pvl"));
    EXPECT_EQ(open[1].at(0).toString(), QStringLiteral("/lists/A.pvl"));
    EXPECT_EQ(open[2].at(0).toString(), QString());
}
