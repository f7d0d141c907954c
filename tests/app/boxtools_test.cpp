#include "form1fixture.h"

#include "boxtools.h"
#include "clickpanel.h"
#include "maintoolbar.h"
#include "toolbutton.h"

#include <QAction>
#include <QHash>
#include <QTest>
#include <QTimer>

using namespace orv;
using namespace orv::test;

class BoxToolsTest : public Form1Test
{
protected:
    void SetUp() override
    {
        Form1Test::SetUp();
        start();
        appendPicture(QStringLiteral("a.jpg"), 3000, 2000);
        form->show();
        form->engine().disp();
    }
    ToolButton *tool(const char *name) { return form->toolbar()->button(QLatin1String(name)); }
    BoxTools &tools() { return form->boxTools(); }
    double boxHeight() { return placer().height(view()->image2()); }
    double boxWidth() { return placer().width(view()->image2()); }
};

TEST_F(BoxToolsTest, ElongateGrowsTheBoxAboutItsCentreOneStepPerTick)
{
    const QRectF box = placer().rect(view()->image2());
    const double label = placer().top(view()->label2());
    QTest::mousePress(tool("long1"), Qt::LeftButton);
    EXPECT_TRUE(tools().timer(BoxTools::Elongate)->isActive());
    EXPECT_EQ(tools().timer(BoxTools::Elongate)->interval(), 60);
    EXPECT_TRUE(tool("long1")->border());
    EXPECT_EQ(boxHeight(), box.height()) << "no step at the press itself";
    tools().step(BoxTools::Elongate);
    tools().step(BoxTools::Elongate);
    EXPECT_EQ(boxHeight(), box.height() + 300);
    EXPECT_EQ(placer().top(view()->image2()), box.top() - 150);
    EXPECT_EQ(placer().rect(view()->image2()).center().y(), box.center().y());
    EXPECT_EQ(state().boxheight, 2300);
    EXPECT_EQ(placer().top(view()->label2()), label - 150);
    QTest::mouseRelease(tool("long1"), Qt::LeftButton);
    EXPECT_FALSE(tools().timer(BoxTools::Elongate)->isActive());
    EXPECT_FALSE(tool("long1")->border());
}

TEST_F(BoxToolsTest, ToolsStopAtTheirLimitsWithABeepEachTick)
{
    // Shrinking stops once the box is 200 high or less.
    int steps = 0;
    while (boxHeight() > 200 && steps < 1000) {
        tools().step(BoxTools::Deelongate);
        ++steps;
    }
    EXPECT_GT(boxHeight(), 50);
    EXPECT_LE(boxHeight(), 200);
    const double low = boxHeight();
    tools().step(BoxTools::Deelongate);
    tools().step(BoxTools::Deelongate);
    EXPECT_EQ(boxHeight(), low);
    EXPECT_EQ(platform.beep.count, 2);

    // Widening never reaches the viewing area's width.
    while (boxWidth() < state().maxboxwidth - 150)
        tools().step(BoxTools::Widen);
    EXPECT_LT(boxWidth(), state().maxboxwidth);
    tools().step(BoxTools::Widen);
    EXPECT_EQ(platform.beep.count, 3);

    // The widening tools move the side masks, not the status line.
    const double label = placer().top(view()->label2());
    const double marright = placer().left(view()->marright());
    tools().step(BoxTools::Dewiden);
    EXPECT_EQ(placer().left(view()->marright()), marright - 75);
    EXPECT_EQ(placer().top(view()->label2()), label);
}

TEST_F(BoxToolsTest, FitModeRefusesThePressButReleaseRestoresTheLook)
{
    form->action(QStringLiteral("mfit"))->trigger();
    QTest::mousePress(tool("wide1"), Qt::LeftButton);
    EXPECT_EQ(platform.beep.count, 1);
    EXPECT_FALSE(tools().timer(BoxTools::Widen)->isActive());
    EXPECT_FALSE(tool("wide1")->border());
    QTest::mouseRelease(tool("wide1"), Qt::LeftButton);
    EXPECT_FALSE(tool("wide1")->border());
}

TEST_F(BoxToolsTest, ShortClickAtTrueSizeStillRescrolls)
{
    // A picture larger than a shrunken box gets its scroll bars on release.
    for (int i = 0; i < 4; ++i)
        tools().step(BoxTools::Deelongate);
    EXPECT_FALSE(view()->vscroll()->isEnabled());
    QTest::mouseClick(tool("delong1"), Qt::LeftButton);
    EXPECT_TRUE(view()->vscroll()->isEnabled());
    EXPECT_EQ(view()->vscroll()->maximum(), 2000 - state().boxheight);
}

TEST_F(BoxToolsTest, ZoomIsRefusedInFitAndStretch)
{
    form->action(QStringLiteral("mstretch"))->trigger();
    QTest::mouseClick(tool("zomin1"), Qt::LeftButton);
    ASSERT_EQ(platform.messageBoxes.shown.size(), 1);
    EXPECT_EQ(platform.messageBoxes.shown[0].text,
              QStringLiteral(
                  "Zoom is not allowed while displaying a picture in 'Stretch' or 'Fit to box' mode !!"));
    EXPECT_EQ(platform.messageBoxes.shown[0].icon, MsgIcon::Critical);
    EXPECT_FALSE(state().zoomarmed);
    QTest::mouseClick(tool("zomout1"), Qt::LeftButton);
    EXPECT_EQ(platform.messageBoxes.shown.size(), 2);
}

TEST_F(BoxToolsTest, ZoomInAboutAPointThenOutRestoresTheView)
{
    const SavedView before = state().savedview;
    QTest::mouseClick(tool("zomin1"), Qt::LeftButton);
    EXPECT_TRUE(state().zoomarmed);
    EXPECT_FALSE(view()->image2()->isVisibleTo(form.get()));
    EXPECT_EQ(view()->image1()->cursor().hotSpot(), QPoint(9, 8));

    // A click at the box's centre (in the picture's own twips) gives no offset.
    tools().zoomClick(QPointF(1500, 1000));
    EXPECT_FALSE(state().zoomarmed);
    EXPECT_EQ(state().picwidth, 3750);
    EXPECT_EQ(state().picheight, 2500);
    EXPECT_EQ(state().xoffset, 0);
    EXPECT_EQ(state().yoffset, 0);
    EXPECT_TRUE(view()->image1()->stretch());
    EXPECT_EQ(state().savedview, before);
    EXPECT_TRUE(view()->hscroll()->isEnabled());
    EXPECT_EQ(view()->hscroll()->maximum(), 750);

    // A second step about a point right of and below the centre.
    tools().armZoom();
    tools().zoomClick(QPointF(2000, 1400));
    EXPECT_EQ(state().picwidth, 4688); // 4687.5 to even
    EXPECT_EQ(state().picheight, 3125);
    EXPECT_EQ(state().xoffset, 625); // (2000 - 1500) x 1.25
    EXPECT_EQ(state().yoffset, 500); // (1400 - 1000) x 1.25
    const SavedView afterFirst = state().savedview;
    EXPECT_EQ(afterFirst.width, 3750);

    // Zoom out returns to the view after the first step, twice the same.
    QTest::mouseClick(tool("zomout1"), Qt::LeftButton);
    EXPECT_EQ(state().picwidth, 3750);
    EXPECT_EQ(placer().width(view()->image1()), 3750);
    EXPECT_EQ(view()->hscroll()->value(), afterFirst.hvalue);
    QTest::mouseClick(tool("zomout1"), Qt::LeftButton);
    EXPECT_EQ(state().picwidth, 3750);

    // Shift alone redisplays at the natural size; Ctrl+Shift is a plain zoom out.
    tools().armZoom();
    tools().zoomClick(QPointF(0, 0));
    QTest::mouseClick(tool("zomout1"), Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(state().picwidth, 3750);
    QTest::mouseClick(tool("zomout1"), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(state().picwidth, 3000);
    EXPECT_FALSE(view()->image1()->stretch());
}

TEST_F(BoxToolsTest, NegativeOffsetsCountAsZero)
{
    tools().armZoom();
    tools().zoomClick(QPointF(10, 10));
    EXPECT_EQ(view()->hscroll()->value(), 0);
    EXPECT_EQ(view()->vscroll()->value(), 0);
}

TEST_F(BoxToolsTest, ZoomBeyondTheBoundIsRefusedWithABeep)
{
    int steps = 0;
    while (platform.beep.count == 0 && steps < 100) {
        tools().armZoom();
        tools().zoomClick(QPointF(0, 0));
        ++steps;
    }
    EXPECT_EQ(platform.beep.count, 1);
    EXPECT_LE(state().picwidth, BoxTools::kMaxZoom * 3000);
    EXPECT_GT(state().picwidth, BoxTools::kMaxZoom * 3000 / 1.25);
    EXPECT_FALSE(state().zoomarmed);
}

TEST_F(BoxToolsTest, ReleaseOnThePictureZoomsOnlyWhenArmed)
{
    QTest::mouseClick(tool("zomin1"), Qt::LeftButton);
    QTest::mouseClick(view()->image1(), Qt::LeftButton, {}, QPoint(100, 66));
    EXPECT_FALSE(state().pichidden) << "the armed click zooms instead of hiding";
    EXPECT_EQ(state().picwidth, 3750);
    QTest::mouseClick(view()->image1(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(state().pichidden);
}

TEST_F(Form1Test, WhatsThisTextsComeFromTheHelpTopics)
{
    platform.help.topicTexts = {{3, QStringLiteral("<h3>Elongate image box</h3>")},
                                {20, QStringLiteral("box")}};
    start();
    EXPECT_EQ(form->findChild<QWidget *>(QStringLiteral("long1"))->whatsThis(),
              QStringLiteral("<h3>Elongate image box</h3>"));
    EXPECT_EQ(form->findChild<QWidget *>(QStringLiteral("Image2"))->whatsThis(), QStringLiteral("box"));
}

TEST_F(BoxToolsTest, EachStepMovesEveryControlOfItsTableAndNoOther)
{
    // Per tool: how one step changes left, top, width and height of each control.
    struct Delta {
        const char *control;
        double left, top, width, height;
    };
    const struct {
        BoxTools::Tool tool;
        std::vector<Delta> deltas; // controls not listed do not move
        int boxwidth, boxheight;
    } table[] = {
        {BoxTools::Elongate,
         {{"Image2", 0, -75, 0, 150},
          {"VScroll1", 0, -75, 0, 150},
          {"HScroll1", 0, 75, 0, 0},
          {"marup", 0, 0, 0, -75},
          {"mardn", 0, 75, 0, -75},
          {"Label2", 0, -75, 0, 0}},
         0,
         150},
        {BoxTools::Deelongate,
         {{"Image2", 0, 75, 0, -150},
          {"VScroll1", 0, 75, 0, -150},
          {"HScroll1", 0, -75, 0, 0},
          {"marup", 0, 0, 0, 75},
          {"mardn", 0, -75, 0, 75},
          {"Label2", 0, 75, 0, 0}},
         0,
         -150},
        {BoxTools::Widen,
         {{"Image2", -75, 0, 150, 0},
          {"HScroll1", -75, 0, 150, 0},
          {"VScroll1", 75, 0, 0, 0},
          {"marleft", 0, 0, -75, 0},
          {"marright", 75, 0, -75, 0}},
         150,
         0},
        {BoxTools::Dewiden,
         {{"Image2", 75, 0, -150, 0},
          {"HScroll1", 75, 0, -150, 0},
          {"VScroll1", -75, 0, 0, 0},
          {"marleft", 0, 0, 75, 0},
          {"marright", -75, 0, 75, 0}},
         -150,
         0},
    };
    const char *all[] = {"Image2", "VScroll1", "HScroll1", "marup", "mardn", "marleft", "marright", "Label2"};
    for (const auto &t : table) {
        SCOPED_TRACE(int(t.tool));
        form->engine().disp(); // the box as a display leaves it
        QHash<QString, QRectF> before;
        for (const char *name : all)
            before[QLatin1String(name)] = placer().rect(form->findChild<QWidget *>(QLatin1String(name)));
        const int boxwidth = state().boxwidth, boxheight = state().boxheight;
        tools().step(t.tool);
        for (const char *name : all) {
            SCOPED_TRACE(name);
            Delta d{name, 0, 0, 0, 0};
            for (const Delta &listed : t.deltas)
                if (qstrcmp(listed.control, name) == 0)
                    d = listed;
            const QRectF was = before[QLatin1String(name)];
            const QRectF now = placer().rect(form->findChild<QWidget *>(QLatin1String(name)));
            EXPECT_DOUBLE_EQ(now.left() - was.left(), d.left);
            EXPECT_DOUBLE_EQ(now.top() - was.top(), d.top);
            EXPECT_DOUBLE_EQ(now.width() - was.width(), d.width);
            EXPECT_DOUBLE_EQ(now.height() - was.height(), d.height);
        }
        EXPECT_EQ(state().boxwidth - boxwidth, t.boxwidth);
        EXPECT_EQ(state().boxheight - boxheight, t.boxheight);
    }
}
