#include "form1fixture.h"

#include "clickpanel.h"
#include "maintoolbar.h"
#include "navigation.h"
#include "toolbutton.h"

#include <QAction>
#include <QMenu>
#include <QTest>

using namespace orv;
using namespace orv::test;

class NavigationTest : public Form1Test
{
protected:
    void startWith(int pictures)
    {
        start();
        for (int i = 1; i <= pictures; ++i)
            appendPicture(QStringLiteral("p%1.jpg").arg(i));
        form->show();
        if (pictures > 0)
            form->engine().disp();
    }
    void key(int k, Qt::KeyboardModifiers mods = Qt::NoModifier, QWidget *target = nullptr)
    {
        QTest::keyClick(target ? target : form.get(), Qt::Key(k), mods);
    }
    ToolButton *tool(const char *name) { return form->toolbar()->button(QLatin1String(name)); }
};

TEST_F(NavigationTest, NextStopsAtTheEndPositionWithABeep)
{
    startWith(3);
    state().curpic = 3;
    form->engine().disp();
    form->action(QStringLiteral("mnext"))->trigger();
    EXPECT_EQ(platform.beep.count, 1);
    EXPECT_EQ(state().curpic, 4);
    EXPECT_EQ(label2(), QStringLiteral("That was the last picture in this list."));
    form->action(QStringLiteral("mnext"))->trigger();
    EXPECT_EQ(platform.beep.count, 2);
    EXPECT_EQ(state().curpic, 4);
    form->action(QStringLiteral("mprev"))->trigger();
    EXPECT_EQ(state().curpic, 3);
    EXPECT_EQ(label1(), QStringLiteral("3/3"));
}

TEST_F(NavigationTest, PreviousAtTheFirstPictureOnlyBeeps)
{
    startWith(3);
    const int loads = platform.pictureLoader.loads.size();
    key(Qt::Key_Backspace);
    EXPECT_EQ(platform.beep.count, 1);
    EXPECT_EQ(state().curpic, 1);
    EXPECT_EQ(platform.pictureLoader.loads.size(), loads) << "nothing is redisplayed";
}

TEST_F(NavigationTest, StepButtonsRunOnClickAndShowAPressedLook)
{
    startWith(3);
    ToolButton *next = tool("next1");
    QTest::mousePress(next, Qt::LeftButton);
    EXPECT_TRUE(next->border());
    QTest::mouseRelease(next, Qt::LeftButton);
    EXPECT_FALSE(next->border());
    EXPECT_EQ(state().curpic, 2);
    QTest::mouseClick(tool("prev1"), Qt::RightButton);
    EXPECT_EQ(state().curpic, 1) << "any mouse button works";
}

TEST_F(NavigationTest, EmptyListMessagesAndBeeps)
{
    startWith(0);
    form->action(QStringLiteral("mnext"))->trigger();
    EXPECT_EQ(platform.beep.count, 2) << "next beeps and the empty display beeps";
    EXPECT_EQ(label2(), DisplayEngine::emptyListText());

    view()->setStatus(QString());
    platform.beep.count = 0;
    state().pichidden = true;
    key(Qt::Key_Space);
    EXPECT_EQ(label2(), DisplayEngine::emptyListText());
    EXPECT_EQ(platform.beep.count, 0) << "Space writes the message without a beep";

    view()->setStatus(QString());
    // The window background shows only in the slivers between the masks.
    Q_EMIT view()->backgroundClicked();
    EXPECT_EQ(label2(), DisplayEngine::emptyListText());
    EXPECT_EQ(platform.beep.count, 1) << "a click on the background beeps";

    view()->setStatus(QString());
    form->navigation().togglePicture(false);
    QTest::mouseClick(view()->marleft(), Qt::LeftButton);
    EXPECT_EQ(label2(), DisplayEngine::emptyListText());
    EXPECT_EQ(platform.beep.count, 1) << "mask clicks never beep";
}

TEST_F(NavigationTest, ClicksAndSpaceHideAndShowThePicture)
{
    startWith(2);
    key(Qt::Key_Space);
    EXPECT_TRUE(state().pichidden);
    EXPECT_EQ(label2(), QStringLiteral("Click anywhere to show back the picture."));
    QTest::mouseClick(view()->marup(), Qt::LeftButton);
    EXPECT_FALSE(state().pichidden);
    QTest::mouseClick(view()->image1(), Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_TRUE(state().pichidden) << "a release on the picture hides it";
    QTest::mouseClick(view()->image2(), Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_FALSE(state().pichidden);
    QTest::mouseClick(view()->label2(), Qt::LeftButton);
    EXPECT_TRUE(state().pichidden);
    EXPECT_EQ(state().curpic, 1);
    EXPECT_EQ(platform.beep.count, 0);
}

TEST_F(NavigationTest, EnterFollowsTheOpenDropDownThenStepsOn)
{
    startWith(8);
    state().curpic = 2;
    form->engine().disp();
    // Closed drop-down: Enter is Next.
    key(Qt::Key_Return);
    EXPECT_EQ(state().curpic, 3);

    form->action(QStringLiteral("mlist"))->trigger();
    QListView *list2 = list("List2");
    ASSERT_TRUE(list2->isVisible());
    EXPECT_TRUE(form->action(QStringLiteral("mlist"))->isChecked());
    list2->setCurrentIndex(list2->model()->index(4, 0));
    key(Qt::Key_Return, Qt::NoModifier, list2);
    EXPECT_EQ(state().curpic, 5);
    key(Qt::Key_Return, Qt::NoModifier, list2);
    EXPECT_EQ(state().curpic, 6);
}

TEST_F(NavigationTest, DropDownToggleAndOpenKeys)
{
    startWith(3);
    QListView *list1 = list("List1");
    QListView *list2 = list("List2");
    EXPECT_FALSE(list2->isVisible());
    QTest::mouseClick(form->findChild<ToolButton *>(QStringLiteral("listdn")), Qt::LeftButton);
    EXPECT_TRUE(list2->isVisible());
    EXPECT_TRUE(form->action(QStringLiteral("mlist"))->isChecked());
    form->action(QStringLiteral("mlist"))->trigger();
    EXPECT_FALSE(list2->isVisible());
    EXPECT_FALSE(form->action(QStringLiteral("mlist"))->isChecked());

    for (int k : {Qt::Key_Down, Qt::Key_Up, Qt::Key_Menu}) {
        list2->hide();
        key(k, Qt::NoModifier, list1);
        EXPECT_TRUE(list2->isVisible()) << k;
        EXPECT_TRUE(form->action(QStringLiteral("mlist"))->isChecked());
    }
}

TEST_F(NavigationTest, DoubleClickAndPopupShowShowTheEntry)
{
    startWith(5);
    QListView *list2 = list("List2");
    form->navigation().openDropDown();
    list2->doItemsLayout();
    const QRect r = list2->visualRect(list2->model()->index(3, 0));
    QTest::mouseClick(list2->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(list2->viewport(), Qt::LeftButton, {}, r.center());
    EXPECT_EQ(state().curpic, 4);

    list2->setCurrentIndex(list2->model()->index(1, 0));
    list2->selectionModel()->select(list2->model()->index(1, 0), QItemSelectionModel::ClearAndSelect);
    form->preparePopup();
    ASSERT_TRUE(form->action(QStringLiteral("pmdisp"))->isEnabled());
    form->action(QStringLiteral("pmdisp"))->trigger();
    EXPECT_EQ(state().curpic, 2);
}

TEST(PopupEnabling, FollowsTheNumberOfSelectedEntries)
{
    PopupEnabling none = popupEnabling(0);
    EXPECT_TRUE(none.openListManager);
    EXPECT_FALSE(none.show || none.copy || none.cut || none.remove || none.rename || none.properties);
    PopupEnabling one = popupEnabling(1);
    EXPECT_TRUE(one.show && one.copy && one.cut && one.remove && one.rename && one.properties);
    PopupEnabling two = popupEnabling(2);
    EXPECT_TRUE(two.openListManager && two.copy && two.cut && two.remove);
    EXPECT_FALSE(two.show || two.rename || two.properties);
}

TEST_F(NavigationTest, PopupDisablesShowUnlessOneEntryIsSelected)
{
    startWith(4);
    QListView *list2 = list("List2");
    list2->selectionModel()->clearSelection();
    form->preparePopup();
    EXPECT_FALSE(form->action(QStringLiteral("pmdisp"))->isEnabled());
    form->action(QStringLiteral("mall"))->trigger();
    form->preparePopup();
    EXPECT_FALSE(form->action(QStringLiteral("pmdisp"))->isEnabled());
    EXPECT_TRUE(form->action(QStringLiteral("pmcopy"))->isEnabled());
    EXPECT_FALSE(form->action(QStringLiteral("pmrename"))->isEnabled());
    EXPECT_TRUE(form->action(QStringLiteral("pmoplstmngr"))->isEnabled());
    // The list's nine items (Show in folder last), then a separator and the four turns.
    EXPECT_EQ(form->popmenu()->actions().size(), 14);
    EXPECT_EQ(form->popmenu()->actions().at(7), form->action(QStringLiteral("pmprop")));
    EXPECT_EQ(form->popmenu()->actions().at(8), form->action(QStringLiteral("pmshowfolder")));
    EXPECT_EQ(form->action(QStringLiteral("pmoplstmngr"))->text(), QStringLiteral("&Open lisl manger"));
}

TEST_F(NavigationTest, SelectAllAndInvert)
{
    startWith(4);
    form->action(QStringLiteral("mall"))->trigger();
    EXPECT_EQ(selectedRows("List2"), (QList<int>{0, 1, 2, 3}));
    EXPECT_EQ(selectedRows("List1"), QList<int>{3});
    EXPECT_EQ(selectedRows("pathlist"), QList<int>{3});

    QListView *list2 = list("List2");
    list2->selectionModel()->clearSelection();
    for (int i : {0, 2})
        list2->selectionModel()->select(list2->model()->index(i, 0), QItemSelectionModel::Select);
    form->action(QStringLiteral("minv"))->trigger();
    EXPECT_EQ(selectedRows("List2"), (QList<int>{1, 3}));
    EXPECT_EQ(selectedRows("List1"), QList<int>{3});

    // Inverting a full selection leaves nothing selected anywhere.
    form->action(QStringLiteral("mall"))->trigger();
    form->action(QStringLiteral("minv"))->trigger();
    EXPECT_TRUE(selectedRows("List2").isEmpty());
    EXPECT_TRUE(selectedRows("List1").isEmpty());
}

TEST_F(NavigationTest, MenuShortcutsAreTheDocumentedOnes)
{
    startWith(0);
    const struct {
        const char *action;
        QKeySequence key;
    } shortcuts[] = {{"mclrlist", QKeySequence(Qt::CTRL | Qt::Key_N)},
                     {"mexit", QKeySequence(Qt::CTRL | Qt::Key_E)},
                     {"mtopics", QKeySequence(Qt::Key_F1)},
                     {"mdel", QKeySequence(Qt::Key_Delete)}};
    for (const auto &s : shortcuts)
        EXPECT_EQ(form->action(QLatin1String(s.action))->shortcut(), s.key) << s.action;
    EXPECT_TRUE(form->action(QStringLiteral("mnext"))->shortcut().isEmpty());
}
