#include "form1fixture.h"
#include "helpviewer.h"
#include "listfilecommands.h"
#include "listfilewriter.h"
#include "listform.h"
#include "listformfixture.h"
#include "listmanager.h"
#include "maintoolbar.h"
#include "toolbutton.h"

#include <QMenu>
#include <QMenuBar>

using namespace orv;
using namespace orv::test;

class Form1ListManagerTest : public Form1Test
{
protected:
    void startWith(const QString &letterSet)
    {
        start();
        form->pictureList().setEntries(lettered(letterSet, QStringLiteral("/main")));
        form->show();
    }
    ToolButton *listButton() { return form->toolbar()->button(QStringLiteral("list")); }
    ListForm *window() { return form->listManager().window(); }
    QListView *managerList(const char *name) { return window()->findChild<QListView *>(QLatin1String(name)); }
    QString shownNames(QListView *v)
    {
        QString out;
        for (int row = 0; row < v->model()->rowCount(); ++row)
            out += v->model()->index(row, 0).data().toString().left(1);
        return out;
    }
    void clickListButton() { QTest::mouseClick(listButton(), Qt::LeftButton); }
};

TEST_F(Form1ListManagerTest, TheToolbarButtonTogglesTheWindowAndShowsItsState)
{
    startWith(QStringLiteral("abc"));
    ASSERT_TRUE(listButton()->isEnabled());
    EXPECT_FALSE(listButton()->border());
    clickListButton();
    ASSERT_NE(window(), nullptr);
    EXPECT_TRUE(window()->isVisible());
    EXPECT_TRUE(listButton()->border()) << "pressed look while open";
    EXPECT_EQ(shownNames(managerList("List1")), QStringLiteral("abc"));

    // A second click asks; Cancel keeps the window with a flat button, and
    // the next click presses the button again and brings the same window.
    ListForm *first = window();
    platform.messageBoxes.answers = {MsgResult::Cancel};
    clickListButton();
    EXPECT_EQ(platform.messageBoxes.texts(),
              QStringList{QStringLiteral("Exit and LOSE any unsaved changes??")});
    EXPECT_TRUE(first->isVisible());
    EXPECT_FALSE(listButton()->border());
    clickListButton();
    EXPECT_EQ(window(), first);
    EXPECT_TRUE(listButton()->border());
    EXPECT_EQ(platform.messageBoxes.shown.size(), 1);

    platform.messageBoxes.answers = {MsgResult::Ok};
    clickListButton();
    EXPECT_FALSE(listButton()->border());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window(), nullptr) << "a closed window is discarded";
}

TEST_F(Form1ListManagerTest, EveryWayInOpensTheWindowWithAPressedButton)
{
    const struct {
        const char *item;
        bool toggles;
    } ways[] = {{"moplstmngr", false}, {"msrtcust", false}, {"pmoplstmngr", true}};
    for (const auto &w : ways) {
        startWith(QStringLiteral("ab"));
        form->preparePopup();
        EXPECT_TRUE(form->action(QLatin1String(w.item))->isEnabled()) << w.item;
        form->action(QLatin1String(w.item))->trigger();
        ASSERT_NE(window(), nullptr) << w.item;
        EXPECT_TRUE(window()->isVisible()) << w.item;
        EXPECT_TRUE(listButton()->border()) << w.item;
        // Again: the menu items bring the open window forward, the popup's
        // item closes it.
        platform.messageBoxes.answers = {MsgResult::Ok};
        ListForm *opened = window();
        form->action(QLatin1String(w.item))->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(window() == opened, !w.toggles) << w.item;
        EXPECT_EQ(listButton()->border(), !w.toggles) << w.item;
        form.reset();
    }
}

TEST_F(Form1ListManagerTest, TheListMenuHoldsSortWithCustomizeAndTheManager)
{
    startWith(QString());
    QMenu *listMenu = form->findChild<QMenu *>(QStringLiteral("mlistmenu"));
    QMenu *sort = form->findChild<QMenu *>(QStringLiteral("msort"));
    ASSERT_TRUE(listMenu && sort);
    QStringList sortItems;
    for (QAction *a : sort->actions())
        sortItems << a->objectName() + QLatin1Char('=') + a->text();
    EXPECT_EQ(sortItems,
              (QStringList{QStringLiteral("msrtnme=By &name"), QStringLiteral("msrtdate=By date &taken"),
                           QStringLiteral("msrtmod=By date &modified"), QStringLiteral("msrtsize=By si&ze"),
                           QStringLiteral("msrttype=By t&ype"), QStringLiteral("msrtrand=&Randomize"),
                           QStringLiteral("msrtcust=&Customize")}));
    EXPECT_TRUE(listMenu->actions().contains(form->action(QStringLiteral("moplstmngr"))));
    EXPECT_EQ(form->action(QStringLiteral("moplstmngr"))->text(), QStringLiteral("&Open lisl manager"));
    EXPECT_EQ(form->findChild<QAction *>(QStringLiteral("mcustom")), nullptr);
}

TEST_F(Form1ListManagerTest, TheWindowFollowsTheMainWindowsSortAndEditsReachThePictureList)
{
    startWith(QStringLiteral("dbca"));
    form->action(QStringLiteral("moplstmngr"))->trigger();
    QListView *list1 = managerList("List1");
    form->action(QStringLiteral("msrtnme"))->trigger();
    EXPECT_EQ(shownNames(list1), QStringLiteral("abcd"));
    form->pictureList().append(QStringLiteral("e.jpg"), QStringLiteral("/main/e"));
    EXPECT_EQ(shownNames(list1), QStringLiteral("abcde"));

    // A move in the window is a move in the main window's lists.
    QTest::mouseClick(list1->viewport(), Qt::LeftButton, {},
                      list1->visualRect(list1->model()->index(2, 0)).center());
    QTest::mouseClick(window()->findChild<QWidget *>(QStringLiteral("up")), Qt::LeftButton);
    EXPECT_EQ(shownNames(list("List2")), QStringLiteral("acbde"));
    EXPECT_EQ(form->pictureList().folder(1), QStringLiteral("/main/c"));

    // The window's sort sorts the picture list; the second list keeps its order.
    window()->action(QStringLiteral("mnew"))->trigger();
    window()->secondList().setEntries(lettered(QStringLiteral("zy"), QStringLiteral("/second")));
    window()->action(QStringLiteral("msrtname"))->trigger();
    EXPECT_EQ(shownNames(list1), QStringLiteral("abcde"));
    EXPECT_EQ(shownNames(managerList("List2")), QStringLiteral("zy"));
}

TEST_F(Form1ListManagerTest, EditDeleteUpdatesTheCounterAndClearSaysZeroOfZero)
{
    startWith(QString());
    const QString path = dir.filePath(QStringLiteral("ten.pvl"));
    ASSERT_TRUE(
        ListFileWriter::write(path, lettered(QStringLiteral("abcdefghij"), QStringLiteral("/main"))).ok);
    form->listFiles().openlistclick(path);
    state().curpic = 3;
    form->label1()->setText(QStringLiteral("3/10"));
    form->action(QStringLiteral("moplstmngr"))->trigger();
    QListView *list1 = managerList("List1");
    for (int row : {4, 7})
        list1->selectionModel()->select(list1->model()->index(row, 0), QItemSelectionModel::Select);
    window()->action(QStringLiteral("mdel"))->trigger();
    EXPECT_EQ(label1(), QStringLiteral("3/8"));
    EXPECT_EQ(state().curpic, 3);
    EXPECT_EQ(shownNames(list("List2")), QStringLiteral("abcdfgij"));

    window()->action(QStringLiteral("mclear"))->trigger();
    EXPECT_EQ(label1(), QStringLiteral("0/0"));
    EXPECT_EQ(form->pictureList().count(), 0);
    EXPECT_TRUE(form->openedfile().isEmpty());
    EXPECT_EQ(state().curpic, 3) << "the position and the picture are left as they are";
}

TEST_F(Form1ListManagerTest, SaveMainListIsTheMainWindowsSave)
{
    startWith(QStringLiteral("ab"));
    form->action(QStringLiteral("moplstmngr"))->trigger();
    const QString path = dir.filePath(QStringLiteral("main.pvl"));
    platform.fileDialogs.saveAnswers = {path};
    window()->action(QStringLiteral("msavem"))->trigger();
    EXPECT_EQ(platform.fileDialogs.saveRequests.value(0).filter, QStringLiteral("pic. list (*.pvl)|*.pvl"));
    EXPECT_TRUE(QFileInfo::exists(path));
    QAction *recent = form->findChild<QAction *>(QStringLiteral("mlatelist1"));
    ASSERT_NE(recent, nullptr);
    EXPECT_TRUE(recent->isVisible()) << "recorded with the recent lists";
}

TEST(ListManagerHelp, EveryControlAndCommandHasItsTopicInTheShippedHelp)
{
    FakeMessageBoxes boxes;
    QtHelpViewer help(&boxes);
    FakePlatform platform;
    PictureList list;
    std::vector<PictureEntry> cliplist;
    struct Host : FakeListManagerHost {
        using FakeListManagerHost::FakeListManagerHost;
        QString helpfile() const override { return QStringLiteral(ORVANTA_HELP_FILE); }
    } host(list);
    PlatformServices services = platform.services();
    services.help = &help;
    ListForm form(list, cliplist, host, services);
    int checked = 0;
    const QList<QAction *> actions = form.findChildren<QAction *>();
    for (QAction *a : actions) {
        if (a->isSeparator() || a->objectName().isEmpty())
            continue;
        EXPECT_FALSE(a->whatsThis().isEmpty()) << a->objectName().toStdString();
        ++checked;
    }
    for (const char *name : {"List1", "List2", "up", "down", "client"})
        EXPECT_FALSE(form.findChild<QWidget *>(QLatin1String(name))->whatsThis().isEmpty()) << name;
    EXPECT_EQ(checked, 29);
}
