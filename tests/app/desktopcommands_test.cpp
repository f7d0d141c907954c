// The main window sharing files and pictures with the desktop: Copy and Cut
// for file managers, Paste of what a file manager copied, Copy picture and
// Show in folder, reached through the menus as a user reaches them.
#include "form1fixture.h"

#include "qtfileoperations.h"
#include "toolbutton.h"

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTreeWidget>

using namespace orv;
using namespace orv::test;

class DesktopCommandsTest : public Form1Test
{
public:
    using Form1Test::view;
    void SetUp() override
    {
        Form1Test::SetUp();
        platform.fileOperations.fallback = &realOperations;
        platform.drives.drives = {{QStringLiteral("/"), QStringLiteral("/")}};
        pics = dir.filePath(QStringLiteral("pics"));
        QDir::setCurrent(dir.path());
    }
    void TearDown() override { QDir::setCurrent(startFolder); }

    void startWithFiles(int count)
    {
        start();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        for (int i = 1; i <= count; ++i) {
            const QString path = pics + QStringLiteral("/p%1.jpg").arg(i);
            writeFile(path, "a picture");
            platform.pictureLoader.addPicture(path, QSize(40 + i, 30));
            form->pictureList().append(QStringLiteral("p%1.jpg").arg(i), pics);
        }
        form->engine().disp();
    }
    void select(std::initializer_list<int> rows)
    {
        QListView *list2 = list("List2");
        if (!list2->isVisible())
            QTest::mouseClick(form->findChild<ToolButton *>(QStringLiteral("listdn")), Qt::LeftButton);
        list2->doItemsLayout();
        Qt::KeyboardModifiers mods;
        for (int row : rows) {
            QTest::mouseClick(list2->viewport(), Qt::LeftButton, mods,
                              list2->visualRect(list2->model()->index(row, 0)).center());
            mods = Qt::ControlModifier;
        }
    }
    QMenu *openMenu(const char *menuName)
    {
        auto *menu = form->findChild<QMenu *>(QLatin1String(menuName));
        QMenuBar *bar = form->menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
        return menu;
    }
    // Clicks the item if it is enabled; returns whether it was.
    bool menuItem(const char *menuName, const char *item)
    {
        QMenu *menu = openMenu(menuName);
        QAction *a = form->action(QLatin1String(item));
        EXPECT_TRUE(menu->isVisible());
        if (!a->isEnabled()) {
            menu->close();
            return false;
        }
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(a).center());
        return true;
    }
    void popup(const char *item)
    {
        QListView *list2 = list("List2");
        const QModelIndexList selected = list2->selectionModel()->selectedIndexes();
        QTest::mouseClick(list2->viewport(), Qt::RightButton, {}, list2->visualRect(selected.first()).center());
        QAction *a = form->action(QLatin1String(item));
        ASSERT_TRUE(a->isEnabled()) << item;
        QTest::mouseClick(form->popmenu(), Qt::LeftButton, {}, form->popmenu()->actionGeometry(a).center());
    }
    void keyInList(int key)
    {
        list("List2")->setFocus();
        QTest::keyClick(list("List2"), Qt::Key(key), Qt::ControlModifier);
    }
    // Edit > Paste into `folder` (a subfolder of the program folder).
    void pasteInto(const QString &folder)
    {
        platform.modalRunner.scripts.push_back([folder](QDialog *d) {
            d->show();
            auto *dir1 = d->findChild<QTreeWidget *>(QStringLiteral("Dir1"));
            const auto found = dir1->findItems(folder, Qt::MatchExactly | Qt::MatchRecursive);
            EXPECT_EQ(found.size(), 1);
            const QPoint at = dir1->visualItemRect(found.first()).center();
            QTest::mouseClick(dir1->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(dir1->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseClick(d->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
            return d->result();
        });
        menuItem("medit", "mpaste");
    }

    QString pics;
    const QString startFolder = QDir::currentPath();
    QTemporaryDir dataHome;
    QtFileOperations realOperations{dataHome.filePath(QStringLiteral("Trash"))};
};

TEST_F(DesktopCommandsTest, CopyAndCutPutTheFilesOnTheDesktopClipboard)
{
    const struct {
        const char *trigger;
        bool cut;
        std::function<void(DesktopCommandsTest *)> run;
    } rows[] = {
        {"Edit > Copy", false, [](auto *t) { t->menuItem("medit", "mcopy"); }},
        {"popup Copy", false, [](auto *t) { t->popup("pmcopy"); }},
        {"Ctrl+C", false, [](auto *t) { t->keyInList(Qt::Key_C); }},
        {"Edit > Cut", true, [](auto *t) { t->menuItem("medit", "mcut"); }},
        {"popup Cut", true, [](auto *t) { t->popup("pmcut"); }},
        {"Ctrl+X", true, [](auto *t) { t->keyInList(Qt::Key_X); }},
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
        const bool enabled = menuItem("medit", "mcopypic");
        EXPECT_EQ(enabled, row.copied.isValid());
        EXPECT_EQ(platform.clipboard.picture.isNull() ? QSize() : platform.clipboard.picture.size(), row.copied);
    }
}

TEST_F(DesktopCommandsTest, ShowInFolderAsksTheFileManager)
{
    startWithFiles(3);
    menuItem("mview", "mnext");
    ASSERT_TRUE(menuItem("mfile", "mshowfolder"));
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
