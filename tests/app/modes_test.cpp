#include "form1fixture.h"

#include "displaymodes.h"
#include "maintoolbar.h"
#include "toolbutton.h"

#include <QAction>
#include <QTest>

using namespace orv;
using namespace orv::test;

class ModesTest : public Form1Test
{
protected:
    void SetUp() override
    {
        Form1Test::SetUp();
        start();
        appendPicture(QStringLiteral("a.jpg"), 3000, 2000);
        appendPicture(QStringLiteral("b.jpg"), 600, 900);
        form->show();
        form->engine().disp();
    }
    ToolButton *tool(const char *name) { return form->toolbar()->button(QLatin1String(name)); }
    bool checked(const char *name) { return form->action(QLatin1String(name))->isChecked(); }
};

TEST_F(ModesTest, FitThenStretchThenStretchOffReturnsToTrueSize)
{
    QTest::mouseClick(tool("fit"), Qt::LeftButton);
    EXPECT_TRUE(state().fitmode);
    EXPECT_TRUE(tool("fit")->border());
    EXPECT_TRUE(checked("mfit"));
    form->action(QStringLiteral("mstretch"))->trigger();
    EXPECT_TRUE(state().stretchmode);
    EXPECT_FALSE(state().fitmode);
    EXPECT_FALSE(tool("fit")->border());
    EXPECT_FALSE(checked("mfit"));
    EXPECT_TRUE(checked("mstretch"));
    QTest::mouseClick(tool("stretch1"), Qt::LeftButton);
    EXPECT_FALSE(state().stretchmode);
    EXPECT_FALSE(state().fitmode);
    EXPECT_FALSE(tool("stretch1")->border());
    EXPECT_FALSE(checked("mstretch"));
    EXPECT_EQ(state().boxwidth, 3000) << "back at true size";
    EXPECT_FALSE(view()->image2()->hasPicture());
}

TEST_F(ModesTest, StretchThenFitThenFitOffIsTrueSize)
{
    form->action(QStringLiteral("mstretch"))->trigger();
    form->action(QStringLiteral("mfit"))->trigger();
    EXPECT_TRUE(state().fitmode);
    EXPECT_FALSE(state().stretchmode);
    EXPECT_FALSE(tool("stretch1")->border());
    form->action(QStringLiteral("mfit"))->trigger();
    EXPECT_FALSE(state().fitmode);
    EXPECT_FALSE(state().stretchmode);
    EXPECT_FALSE(view()->image2()->hasPicture()) << "true size, not stretched";
}

TEST_F(ModesTest, EndOfListClearsTheFlagsButNotTheLook)
{
    form->action(QStringLiteral("mfit"))->trigger();
    state().curpic = 3;
    form->engine().disp();
    EXPECT_FALSE(state().fitmode);
    EXPECT_TRUE(tool("fit")->border());
    EXPECT_TRUE(checked("mfit"));
    // The next toggle works from the cleared flag: it turns fit on (and the
    // end position clears it once more), so the look stays on.
    form->action(QStringLiteral("mfit"))->trigger();
    EXPECT_TRUE(tool("fit")->border());
    EXPECT_TRUE(checked("mfit"));
    form->action(QStringLiteral("mprev"))->trigger();
    EXPECT_FALSE(state().fitmode) << "flags and look now disagree until the next toggle";
    form->action(QStringLiteral("mfit"))->trigger();
    EXPECT_TRUE(state().fitmode);
}

TEST_F(ModesTest, FullScreenGrowsTheBoxAroundTheUnmovedPicture)
{
    const double left = placer().left(view()->image1());
    const double top = placer().top(view()->image1());
    QTest::mousePress(tool("full1"), Qt::LeftButton);
    EXPECT_TRUE(tool("full1")->border());
    QTest::mouseRelease(tool("full1"), Qt::LeftButton);
    EXPECT_FALSE(tool("full1")->border());
    EXPECT_EQ(state().boxwidth, 9000);
    EXPECT_EQ(state().boxheight, 6000);
    EXPECT_EQ(placer().left(view()->image1()), left);
    EXPECT_EQ(placer().top(view()->image1()), top);
    EXPECT_FALSE(view()->hscroll()->isEnabled());
    EXPECT_FALSE(view()->vscroll()->isEnabled());
}

TEST_F(ModesTest, ToolbarToggleMovesTheHeightLimitBy360)
{
    EXPECT_TRUE(checked("mbar"));
    form->action(QStringLiteral("mbar"))->trigger();
    EXPECT_FALSE(checked("mbar"));
    EXPECT_EQ(state().toolbarshown, 0);
    EXPECT_EQ(state().maxboxheight, 6360);
    EXPECT_FALSE(form->toolbar()->isVisible());
    EXPECT_DOUBLE_EQ(placer().top(view()->image1()), (6360 - 2000) / 2.0 + 20)
        << "redisplayed without the toolbar";
    form->action(QStringLiteral("mbar"))->trigger();
    EXPECT_EQ(state().maxboxheight, 6000);
    EXPECT_TRUE(form->toolbar()->isVisible());
}

TEST_F(ModesTest, StretchKeepsTheBoxWhenTheToolbarToggles)
{
    form->action(QStringLiteral("mstretch"))->trigger();
    const QRectF box = placer().rect(view()->image2());
    form->action(QStringLiteral("mbar"))->trigger();
    EXPECT_EQ(placer().rect(view()->image2()), box);
    EXPECT_TRUE(view()->image2()->hasPicture());
}

TEST_F(ModesTest, HelpCommandsAskTheHelpViewer)
{
    form->action(QStringLiteral("mtopics"))->trigger();
    ASSERT_EQ(platform.help.contents.size(), 1);
    EXPECT_EQ(platform.help.contents[0], form->helpfile());
    form->action(QStringLiteral("mbug"))->trigger();
    ASSERT_EQ(platform.help.topics.size(), 1);
    EXPECT_EQ(platform.help.topics[0].second, 31);
    form->action(QStringLiteral("mthis"))->trigger();
    QTest::mouseClick(tool("this"), Qt::LeftButton);
    EXPECT_EQ(platform.help.contextHelpModes, 2);
    EXPECT_EQ(tool("this")->toolTip(), QStringLiteral("\"What's this\" help"));
}
