// The main window sharing files and pictures with the desktop: Copy and Cut
// for file managers, Paste of what a file manager copied, Copy picture and
// Show in folder, reached through the menus as a user reaches them.
#include "filecommandsfixture.h"



using namespace orv;
using namespace orv::test;

using DesktopCommandsTest = FileCommandsFixture;

TEST_F(DesktopCommandsTest, CopyAndCutPutTheFilesOnTheDesktopClipboard)
{
    const struct {
        const char *trigger;
        bool cut;
        std::function<void(DesktopCommandsTest *)> run;
    } rows[] = {
        {"Edit > Copy", false, [](auto *t) { t->menuItem("medit", "mcopy"); }},
        {"popup Copy", false, [](auto *t) { t->popup("pmcopy"); }},
        {"Ctrl+C", false, [](auto *t) { t->keyInList(Qt::Key_C, Qt::ControlModifier); }},
        {"Edit > Cut", true, [](auto *t) { t->menuItem("medit", "mcut"); }},
        {"popup Cut", true, [](auto *t) { t->popup("pmcut"); }},
        {"Ctrl+X", true, [](auto *t) { t->keyInList(Qt::Key_X, Qt::ControlModifier); }},
    };
    startWithFiles(5);
    for (const auto &row : rows) {
        SCOPED_TRACE(row.trigger);
        platform.clipboard.files = {};
        select({3, 1});
        row.run(this);
        EXPECT_EQ(platform.clipboard.files.paths, (QStringList{pics + "/p2.jpg", pics + "/p4.jpg"}));
        EXPECT_EQ(platform.clipboard.files.cut, row.cut);
    }
    // With nothing selected the desktop's clipboard keeps what it held.
    QTest::mouseClick(list("List2")->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      list("List2")->visualRect(list("List2")->model()->index(1, 0)).center());
    QTest::mouseClick(list("List2")->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      list("List2")->visualRect(list("List2")->model()->index(3, 0)).center());
    ASSERT_TRUE(list("List2")->selectionModel()->selectedIndexes().isEmpty());
    menuItem("medit", "mcopy");
    EXPECT_EQ(platform.clipboard.files.paths.size(), 2);
    EXPECT_TRUE(platform.clipboard.files.cut);
}

TEST_F(DesktopCommandsTest, PasteTakesWhatWasCopiedLast)
{
    const QString elsewhere = dir.filePath(QStringLiteral("elsewhere"));
    const struct {
        const char *what;
        bool ownCopy;
        SystemClipboard::Files foreign;
        QStringList landed; // names in the destination afterwards
        bool movedAway;     // the file manager's file left its folder
    } rows[] = {
        {"own copy only", true, {}, {"p1.jpg"}, false},
        {"a file manager copied since", true, {{elsewhere + "/x.jpg"}, false}, {"x.jpg"}, false},
        {"a file manager cut since", true, {{elsewhere + "/x.jpg", elsewhere + "/y.jpg"}, true}, {"x.jpg", "y.jpg"}, true},
        {"nothing of its own", false, {{elsewhere + "/x.jpg"}, false}, {"x.jpg"}, false},
    };
    int n = 0;
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        // A fresh window: the paste dialog opens on the program folder.
        form.reset();
        startWithFiles(2);
        const QString destName = QStringLiteral("dest%1").arg(++n);
        QDir(dir.path()).mkpath(destName);
        for (const char *name : {"x.jpg", "y.jpg"})
            writeFile(elsewhere + "/" + name, "theirs");
        if (row.ownCopy) {
            select({0});
            menuItem("medit", "mcopy");
        }
        platform.clipboard.foreign = row.foreign;
        platform.messageBoxes.shown.clear();
        platform.messageBoxes.answers = {MsgResult::Ok};
        pasteInto(destName);
        menuItem("medit", "mpaste");

        QStringList landed = QDir(dir.filePath(destName)).entryList(QDir::Files, QDir::Name);
        EXPECT_EQ(landed, row.landed);
        EXPECT_EQ(QFileInfo::exists(elsewhere + "/x.jpg"), !row.movedAway);
        EXPECT_EQ(platform.messageBoxes.texts(),
                  row.movedAway ? QStringList{"Are you sure u want to move this 2 files?"} : QStringList{});
        EXPECT_TRUE(QFileInfo::exists(pics + "/p1.jpg")) << "the list's own file is only ever copied here";
    }
}

TEST_F(DesktopCommandsTest, CopyPictureTakesThePictureOnDisplay)
{
    const struct {
        const char *what;
        std::function<void(DesktopCommandsTest *)> prepare;
        QSize copied; // invalid: the command is unavailable
    } rows[] = {
        {"first picture shown", [](auto *) {}, QSize(41, 30)},
        {"after Next", [](auto *t) { t->menuItem("mview", "mnext"); }, QSize(42, 30)},
        {"picture hidden", [](auto *t) { QTest::mouseClick(t->view()->image2(), Qt::LeftButton); }, QSize()},
        {"list cleared", [](auto *t) { t->menuItem("mfile", "mclrlist"); }, QSize()},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        form.reset();
        platform.clipboard.picture = QImage();
        startWithFiles(3);
        row.prepare(this);
        const bool enabled = menuItemIfEnabled("medit", "mcopypic");
        EXPECT_EQ(enabled, row.copied.isValid());
        EXPECT_EQ(platform.clipboard.picture.isNull() ? QSize() : platform.clipboard.picture.size(), row.copied);
    }
}

TEST_F(DesktopCommandsTest, ShowInFolderAsksTheFileManager)
{
    startWithFiles(3);
    menuItem("mview", "mnext");
    ASSERT_TRUE(menuItemIfEnabled("mfile", "mshowfolder"));
    select({2});
    popup("pmshowfolder");
    EXPECT_EQ(platform.fileManager.shown, (QStringList{pics + "/p2.jpg", pics + "/p3.jpg"}));
    EXPECT_TRUE(platform.messageBoxes.shown.isEmpty());

    // Failures, told with the file's name.
    platform.fileManager.shows = false;
    menuItem("mfile", "mshowfolder");
    QFile::remove(pics + "/p3.jpg");
    menuItem("mfile", "mshowfolder");
    EXPECT_EQ(platform.fileManager.shown.size(), 3) << "a missing file is not shown";
    EXPECT_EQ(platform.messageBoxes.texts(),
              (QStringList{"No file manager could be started to show this file:\n" + pics + "/p3.jpg",
                           "This file cannot be found, so its folder cannot be shown:\n" + pics + "/p3.jpg"}));

    // Several entries selected: one file only, as for Properties.
    select({0, 1});
    openMenu("mfile");
    EXPECT_FALSE(form->action("mshowfolder")->isEnabled());
}
