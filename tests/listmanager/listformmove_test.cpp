#include "listformfixture.h"
#include "moverepeater.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>

using namespace orv;
using namespace orv::test;

class ListFormMoveTest : public ListFormTest
{
protected:
    QAbstractButton *button(const char *name)
    {
        return form->findChild<QAbstractButton *>(QLatin1String(name));
    }
    QTimer *timer() { return form->findChild<QTimer *>(QStringLiteral("Timer1")); }
};

TEST_F(ListFormMoveTest, HoldingUpMovesABlockOnceAtOnceThenAfterASecondThenEvery75ms)
{
    open(QStringLiteral("abcdefgh"));
    pick(view("List1"), {3});
    click(view("List1"), 5, Qt::ShiftModifier);
    ASSERT_EQ(selected(view("List1")), (QList<int>{3, 4, 5}));
    EXPECT_FALSE(timer()->isActive());

    QTest::mousePress(button("up"), Qt::LeftButton);
    EXPECT_EQ(letters(list), QStringLiteral("abdefcgh")) << "once at the press";
    EXPECT_TRUE(timer()->isActive());
    EXPECT_EQ(timer()->interval(), 1000);
    EXPECT_EQ(form->repeater().movedir(), MoveRepeater::Up);

    form->repeater().tick();
    EXPECT_EQ(letters(list), QStringLiteral("adefbcgh"));
    EXPECT_EQ(timer()->interval(), 75);
    form->repeater().tick();
    EXPECT_EQ(letters(list), QStringLiteral("defabcgh"));
    EXPECT_EQ(selected(view("List1")), (QList<int>{0, 1, 2})) << "the block stays selected";

    QTest::mouseRelease(button("up"), Qt::LeftButton);
    EXPECT_FALSE(timer()->isActive());
    EXPECT_EQ(timer()->interval(), 1000);
    EXPECT_EQ(form->repeater().movedir(), MoveRepeater::None);
    form->repeater().tick();
    EXPECT_EQ(letters(list), QStringLiteral("defabcgh")) << "no move after the release";
}

TEST_F(ListFormMoveTest, HoldingDownWithTheLastTwoSelectedSwapsThemEachTickWhicheverMouseButton)
{
    open(QStringLiteral("abcde"));
    pick(view("List1"), {3, 4});
    QTest::mousePress(button("down"), Qt::RightButton);
    EXPECT_EQ(letters(list), QStringLiteral("abced"));
    EXPECT_EQ(form->repeater().movedir(), MoveRepeater::Down);
    form->repeater().tick();
    EXPECT_EQ(letters(list), QStringLiteral("abcde"));
    form->repeater().tick();
    EXPECT_EQ(letters(list), QStringLiteral("abced"));
    // The release counts wherever the mouse is by then.
    QTest::mouseRelease(button("down"), Qt::RightButton, {}, QPoint(-30, 200));
    EXPECT_FALSE(timer()->isActive());
}

TEST_F(ListFormMoveTest, TheMenuMovesTheMainListOnceAndNeverTheSecondList)
{
    open(QStringLiteral("abcd"));
    startSecond(QStringLiteral("wxyz"));
    pick(view("List2"), {2});
    trigger("mup");
    QTest::mouseClick(button("down"), Qt::LeftButton);
    EXPECT_EQ(letters(form->secondList()), QStringLiteral("wxyz"));
    EXPECT_EQ(letters(list), QStringLiteral("abcd"));
    pick(view("List1"), {1});
    trigger("mdown");
    EXPECT_EQ(letters(list), QStringLiteral("acbd"));
    trigger("mup");
    EXPECT_EQ(letters(list), QStringLiteral("abcd"));
    EXPECT_FALSE(timer()->isActive());
}

TEST_F(ListFormMoveTest, ClosingWhileHeldStopsTheRepeat)
{
    open(QStringLiteral("abcd"));
    pick(view("List1"), {2});
    QTest::mousePress(button("up"), Qt::LeftButton);
    ASSERT_TRUE(timer()->isActive());
    fake.messageBoxes.answers = {MsgResult::Cancel};
    form->close();
    EXPECT_TRUE(timer()->isActive()) << "a refused close changes nothing";
    fake.messageBoxes.answers = {MsgResult::Ok};
    QTimer *t = timer();
    form->close();
    EXPECT_FALSE(t->isActive());
}

TEST_F(ListFormMoveTest, LosingTheWindowWhileHeldStopsTheRepeat)
{
    open(QStringLiteral("abcd"));
    pick(view("List1"), {2});
    QApplication::setActiveWindow(form);
    QTest::mousePress(button("up"), Qt::LeftButton);
    ASSERT_TRUE(timer()->isActive());
    // The window becoming active again is no reason to stop; another window taking over is.
    QEvent activated(QEvent::ActivationChange);
    QApplication::sendEvent(form, &activated);
    EXPECT_TRUE(timer()->isActive());
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    EXPECT_FALSE(timer()->isActive());
    form->repeater().tick();
    EXPECT_EQ(letters(list), QStringLiteral("acbd")) << "only the move of the press";
}
