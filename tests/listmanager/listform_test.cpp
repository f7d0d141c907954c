#include "listformfixture.h"
#include "moverepeater.h"
#include "twipplacer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMenuBar>

using namespace orv;
using namespace orv::test;

TEST_F(ListFormTest, OpensNarrowWithTheMainListAndWidensForASecondList)
{
    open(QStringLiteral("abc"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Orvanta (List Manager)"));
    EXPECT_EQ(view("List1")->model()->rowCount(), 3);
    EXPECT_EQ(view("List2")->model()->rowCount(), 0);
    QWidget *client = form->centralWidget();
    // 2985 x 4005 twips at 96 DPI; List2 (from 3240 twips) lies beyond the edge.
    EXPECT_EQ(client->size(), QSize(199, 267));
    const struct {
        const char *name;
        QRect pixels;
    } places[] = {{"List1", {64, 16, 121, 225}},
                  {"List2", {216, 16, 121, 225}},
                  {"up", {24, 72, 25, 33}},
                  {"down", {24, 128, 25, 33}}};
    for (const auto &p : places)
        EXPECT_EQ(form->findChild<QWidget *>(QLatin1String(p.name))->geometry(), p.pixels) << p.name;
    EXPECT_FALSE(client->rect().contains(view("List2")->geometry()));
    EXPECT_FALSE(view("pathlist")->isVisibleTo(form));

    trigger("mnew");
    const int frame = form->frameGeometry().width() - form->geometry().width();
    EXPECT_EQ(form->clientWidth(), 5500 - frame * 15) << "an outer width of 5500 twips";
    EXPECT_EQ(client->width(), qRound((5500 - frame * 15) / 15.0));
    EXPECT_TRUE(client->rect().contains(view("List2")->geometry()));
    EXPECT_TRUE(view("List2")->isVisible());

    // A taller window gives long lists more room; the width stays.
    form->resize(form->width() + 100, form->height() + 150);
    EXPECT_EQ(view("List1")->height(), 225 + 150);
    EXPECT_EQ(view("List2")->height(), 225 + 150);
    EXPECT_EQ(client->width(), qRound((5500 - frame * 15) / 15.0));
}

TEST_F(ListFormTest, ControlsCarryTheirCaptionsAndTooltips)
{
    open();
    const struct {
        const char *name;
        const char *text;
        bool enabled;
    } items[] = {
        {"mnew", "Open &New list", true},
        {"mother", "Open &another list", true},
        {"msavem", "Save &main list", true},
        {"msavemas", "Save main list &as", true},
        {"msave2", "Save secon&d list", false},
        {"msave2as", "Save seco&nd list as", false},
        {"mexit", "E&xit", true},
        {"mcopy", "&Copy", true},
        {"mcut", "Cu&t", true},
        {"mpaste", "&Paste", true},
        {"mpastem", "To &main list", true},
        {"mpaste2", "To &second list", false},
        {"mdel", "&Delete", true},
        {"msort", "&Sort", true},
        {"msrtname", "By &name", true},
        {"msrtrand", "&Randomize", true},
        {"mclear", "C&lear", true},
        {"mup", "Move &up", true},
        {"mdown", "Move &down", true},
        {"mall", "Select &all", true},
        {"minver", "&Invert selection", true},
        {"pmcopym", "&Copy           ", true},
        {"pmcutm", "Cu&t", true},
        {"pmpastem", "&paste", true},
        {"pmdelm", "&Delete", true},
        {"pmcopy2", "&Copy          ", true},
        {"pmcut2", "Cu&t", true},
        {"pmpaste2", "&Paste", true},
        {"pmdel2", "&Delete", true},
    };
    for (const auto &i : items) {
        QAction *a = form->action(QLatin1String(i.name));
        ASSERT_NE(a, nullptr) << i.name;
        EXPECT_EQ(a->text(), QLatin1String(i.text)) << i.name;
        EXPECT_EQ(a->isEnabled(), i.enabled) << i.name;
    }
    const QList<QAction *> bar = form->menuBar()->actions();
    ASSERT_EQ(bar.size(), 2);
    EXPECT_EQ(bar[0]->text(), QStringLiteral("&File"));
    EXPECT_EQ(bar[1]->text(), QStringLiteral("&Edit"));
    EXPECT_EQ(form->findChild<QAbstractButton *>(QStringLiteral("up"))->toolTip(),
              QStringLiteral("Move selected files up"));
    EXPECT_EQ(form->findChild<QAbstractButton *>(QStringLiteral("down"))->toolTip(),
              QStringLiteral("Move selected files down."));

    // Starting a second list enables its three items for good.
    trigger("mnew");
    for (const char *name : {"msave2", "msave2as", "mpaste2"})
        EXPECT_TRUE(form->action(QLatin1String(name))->isEnabled()) << name;
}

TEST_F(ListFormTest, CutFromTheEditMenuTakesTheSelectedEntriesTopToBottom)
{
    open(QStringLiteral("abcdefgh"));
    pick(view("List1"), {5, 1, 2});
    trigger("mcut");
    EXPECT_EQ(letters(cliplist), QStringLiteral("bcf")) << "folder and name pairs in list order";
    EXPECT_EQ(letters(list), QStringLiteral("adegh")) << "gone from the picture list itself";
    EXPECT_TRUE(selected(view("List1")).isEmpty());
}

TEST_F(ListFormTest, TheSecondListsPopupCutsBottomToTop)
{
    open(QStringLiteral("ab"));
    startSecond(QStringLiteral("vwxyz"));
    pick(view("List2"), {1, 4});
    // On an entry outside the selection too.
    rightClick(view("List2"), 3);
    EXPECT_EQ(selected(view("List2")), (QList<int>{1, 4})) << "the right button leaves the selection alone";
    choose(form->pop2(), "pmcut2");
    EXPECT_EQ(letters(cliplist), QStringLiteral("zw"));
    EXPECT_EQ(letters(form->secondList()), QStringLiteral("vxy"));
    // Pasting it gives the later entry first.
    click(view("List1"), 1);
    rightClick(view("List1"), 1);
    choose(form->popmain(), "pmpastem");
    EXPECT_EQ(letters(list), QStringLiteral("azwb"));
    EXPECT_TRUE(cliplist.empty());
}

TEST_F(ListFormTest, PasteGoesInAtTheFocusEntryWhichMovesDownInBothLists)
{
    const struct {
        const char *what;
        const char *item;
        bool second;
    } cases[] = {{"Edit > Paste > To main list", "mpastem", false},
                 {"the main list's popup", "pmpastem", false},
                 {"Edit > Paste > To second list", "mpaste2", true},
                 {"the second list's popup", "pmpaste2", true}};
    for (const auto &c : cases) {
        open(QStringLiteral("abcdefgh"));
        startSecond(QStringLiteral("abcdefgh"));
        cliplist = lettered(QStringLiteral("xyz"), QStringLiteral("/clip"));
        QListView *target = view(c.second ? "List2" : "List1");
        click(target, 4);
        trigger(c.item);
        PictureList &changed = c.second ? form->secondList() : list;
        EXPECT_EQ(changed.count(), 11) << c.what;
        for (int row : {4, 5, 6})
            EXPECT_EQ(changed.folder(row), QStringLiteral("/clip/") + QChar(u"xyz"[row - 4])) << c.what;
        EXPECT_EQ(changed.name(7), QStringLiteral("e.jpg")) << c.what << ": the former entry 4 is now 7";
        EXPECT_EQ(target->currentIndex().row(), 7) << c.what;
        EXPECT_EQ(selected(target), (QList<int>{7})) << c.what << ": the pasted entries are not selected";
        EXPECT_EQ((c.second ? list : form->secondList()).count(), 8)
            << c.what << ": the other list is untouched";
        EXPECT_TRUE(cliplist.empty()) << c.what;
        delete form.data();
    }
}

TEST_F(ListFormTest, ASecondPasteInsertsNothingAndACopyOfNothingEmptiesTheClipboard)
{
    open(QStringLiteral("abcd"));
    pick(view("List1"), {1});
    trigger("mcopy");
    EXPECT_EQ(letters(cliplist), QStringLiteral("b"));
    EXPECT_EQ(selected(view("List1")), (QList<int>{1})) << "copy keeps the selection";
    trigger("mpastem");
    trigger("mpastem");
    EXPECT_EQ(letters(list), QStringLiteral("abbcd"));

    cliplist = lettered(QStringLiteral("xy"), QStringLiteral("/clip"));
    view("List1")->selectionModel()->clearSelection();
    trigger("mcopy");
    EXPECT_TRUE(cliplist.empty());
    cliplist = lettered(QStringLiteral("xy"), QStringLiteral("/clip"));
    trigger("mcut");
    EXPECT_TRUE(cliplist.empty()) << "a cut of nothing empties it too";
    EXPECT_EQ(letters(list), QStringLiteral("abbcd"));
}

TEST_F(ListFormTest, ClickingIntoOneListClearsTheOthersSelectionAndEditActsOnTheActiveList)
{
    open(QStringLiteral("abcde"));
    startSecond(QStringLiteral("vwxyz"));
    pick(view("List1"), {0, 2});
    click(view("List2"), 3);
    EXPECT_TRUE(selected(view("List1")).isEmpty());
    trigger("mall");
    EXPECT_EQ(selected(view("List2")), (QList<int>{0, 1, 2, 3, 4}));
    EXPECT_TRUE(selected(view("List1")).isEmpty());

    // Invert in the second list: entries 1 and 3 selected of five.
    view("List2")->selectionModel()->clearSelection();
    pick(view("List2"), {1, 3});
    trigger("minver");
    EXPECT_EQ(selected(view("List2")), (QList<int>{0, 2, 4}));
    EXPECT_TRUE(selected(view("List1")).isEmpty()) << "the main list is untouched";

    // With nothing selected anywhere Select all takes the main list.
    view("List2")->selectionModel()->clearSelection();
    trigger("mall");
    EXPECT_EQ(selected(view("List1")), (QList<int>{0, 1, 2, 3, 4}));
    // The rule follows the focus: a list that has it keeps it on a click.
    click(view("List1"), 2);
    click(view("List2"), 0);
    EXPECT_TRUE(selected(view("List1")).isEmpty());
}

TEST_F(ListFormTest, OnlyEditDeleteRefreshesTheMainWindowsCounter)
{
    const struct {
        const char *what;
        const char *item;
        bool popup;
        const char *counter;
    } cases[] = {{"Edit > Delete", "mdel", false, "3/8"}, {"the main list's popup", "pmdelm", true, "3/10"}};
    for (const auto &c : cases) {
        open(QStringLiteral("abcdefghij"));
        host.curpic = 3;
        host.counter = QStringLiteral("3/10");
        pick(view("List1"), {4, 6});
        if (c.popup) {
            rightClick(view("List1"), 4);
            choose(form->popmain(), c.item);
        } else {
            trigger(c.item);
        }
        EXPECT_EQ(letters(list), QStringLiteral("abcdfhij")) << c.what;
        EXPECT_EQ(host.counter, QLatin1String(c.counter)) << c.what;
        EXPECT_TRUE(cliplist.empty()) << c.what << ": delete leaves the clipboard alone";
        delete form.data();
    }
}

TEST_F(ListFormTest, TheContextMenuKeyOpensTheFocusedListsPopup)
{
    open(QStringLiteral("abc"));
    startSecond(QStringLiteral("xyz"));
    click(view("List2"), 1);
    QTest::keyClick(view("List2"), Qt::Key_Menu);
    EXPECT_TRUE(form->pop2()->isVisible());
    EXPECT_FALSE(form->popmain()->isVisible());
    form->pop2()->close();
    click(view("List1"), 1);
    QTest::keyClick(view("List1"), Qt::Key_Menu);
    EXPECT_TRUE(form->popmain()->isVisible());
    form->popmain()->close();
}

// Tab goes round what the window shows: never to List2 beyond the narrow
// window's edge, so the main list keeps its selection; once widened it does.
TEST_F(ListFormTest, TabSkipsTheSecondListUntilItIsUncovered)
{
    open(QStringLiteral("abc"));
    click(view("List1"), 1);
    for (const bool wide : {false, true}) {
        QStringList focused;
        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            focused << QApplication::focusWidget()->objectName();
        }
        EXPECT_EQ(focused.contains(QStringLiteral("List2")), wide) << focused.join(' ').toStdString();
        if (!wide) {
            EXPECT_EQ(view("List1")->selectionModel()->selectedRows().size(), 1);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Menu);
            EXPECT_FALSE(form->pop2()->isVisible());
            startSecond(QStringLiteral("xyz"));
        }
    }
}

TEST_F(ListFormTest, TheFocusComingBackFromAMenuOrAnotherWindowLeavesTheSelectionsAlone)
{
    open(QStringLiteral("abcd"));
    startSecond(QStringLiteral("xyz"));
    // The second list has the focus but nothing selected: Edit > Select all,
    // chosen with the mouse, takes the main list.
    click(view("List2"), 1);
    click(view("List2"), 1, Qt::ControlModifier);
    ASSERT_TRUE(view("List2")->hasFocus());
    ASSERT_TRUE(selected(view("List2")).isEmpty());
    QMenuBar *bar = form->menuBar();
    QAction *editMenu = bar->actions().at(1);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(editMenu).center());
    QMenu *edit = editMenu->menu();
    ASSERT_TRUE(edit->isVisible());
    QTest::mouseClick(edit, Qt::LeftButton, {},
                      edit->actionGeometry(form->action(QStringLiteral("mall"))).center());
    EXPECT_FALSE(edit->isVisible());
    EXPECT_TRUE(view("List2")->hasFocus());
    EXPECT_EQ(selected(view("List1")), (QList<int>{0, 1, 2, 3}));

    // Nor does coming back from another window (a dialog, a message box).
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    EXPECT_TRUE(view("List2")->hasFocus());
    EXPECT_EQ(selected(view("List1")), (QList<int>{0, 1, 2, 3}));
}
