// What the main window draws in each display style, and what a user's clicks
// on the scroll bars and tools do to it.
#include "form1fixture.h"

#include "maintoolbar.h"
#include "toolbutton.h"

#include <QTest>

using namespace orv;
using namespace orv::test;

namespace {

// The fixture's work area: a viewing area of 9000 x 6000 twips (600 x 400
// pixels) below the toolbar.
class DisplayPixelsTest : public Form1Test
{
protected:
    void addMarked(const QString &name, const QImage &picture)
    {
        const QString path = joinPicturePath(dir.path(), name);
        LoadedPicture p;
        p.image = picture;
        p.naturalTwips = picture.size() * 15;
        platform.pictureLoader.pictures[path] = p;
        form->pictureList().append(name, dir.path());
    }
    QWidget *tool(const char *name) { return form->toolbar()->button(QLatin1String(name)); }
    QImage screen() { return drawn(view()); }
    QRect box() { return view()->image2()->geometry(); }
    int px(double twips) { return placer().scale().toPixels(twips); }
};

} // namespace

TEST_F(DisplayPixelsTest, TrueSizeScrollsALargePictureUnderTheBox)
{
    start();
    addMarked(QStringLiteral("big.bmp"), quadrantPicture(QSize(800, 600)));
    form->engine().disp();
    ASSERT_EQ(box().size(), QSize(600, 400));

    // Two clicks on the horizontal bar's track and one on the vertical's.
    QScrollBar *h = view()->hscroll();
    QScrollBar *v = view()->vscroll();
    ASSERT_TRUE(h->isVisible() && v->isVisible());
    userClick(h, QPoint(h->width() - 40, h->height() / 2));
    userClick(h, QPoint(h->width() - 40, h->height() / 2));
    userClick(v, QPoint(v->width() / 2, v->height() - 40));
    ASSERT_GT(h->value(), 0);
    ASSERT_GT(v->value(), 0);

    // The quadrants meet at (400, 300) of the picture, whose corner lies at
    // (50, 410) twips less the scroll values.
    const QImage s = screen();
    const int splitX = px(50 - h->value()) + 400;
    const int splitY = px(410 - v->value()) + 300;
    ASSERT_TRUE(box().contains(QPoint(splitX, splitY)));
    EXPECT_TRUE(hasHue(s, QPoint(splitX - 4, splitY - 4), Hue::Red));
    EXPECT_TRUE(hasHue(s, QPoint(splitX + 4, splitY - 4), Hue::Blue));
    EXPECT_TRUE(hasHue(s, QPoint(splitX - 4, splitY + 4), Hue::Green));
    EXPECT_TRUE(hasHue(s, QPoint(splitX + 4, splitY + 4), Hue::Black));
    // Below the box and its bar the mask hides the rest of the picture.
    const QRect bar = h->geometry();
    EXPECT_TRUE(hasHue(s, QPoint(splitX + 4, bar.bottom() + 10), Hue::White));
}

TEST_F(DisplayPixelsTest, FitDrawsTheWholePictureInTheReshapedBox)
{
    start();
    // 240 x 180 pixels (3600 x 2700 twips) from the start box 1860 x 2535:
    // squared to 2535, then 1902 high.
    addMarked(QStringLiteral("wide.bmp"), quadrantPicture(QSize(240, 180)));
    userClick(tool("fit"));
    ASSERT_TRUE(state().fitmode);
    const QRect b = box();
    EXPECT_EQ(b.width(), 169);
    EXPECT_NEAR(b.height(), 127, 1);
    // The status line lies over the box's top edge: look below it.
    const int top = view()->label2()->geometry().bottom() + 4 - b.top();
    ASSERT_LT(top, b.height() / 2);
    const QImage s = screen();
    EXPECT_TRUE(hasHue(s, b.topLeft() + QPoint(2, top), Hue::Red));
    EXPECT_TRUE(hasHue(s, b.topLeft() + QPoint(b.width() - 3, top), Hue::Blue));
    EXPECT_TRUE(hasHue(s, b.topLeft() + QPoint(2, b.height() - 4), Hue::Green));
    EXPECT_TRUE(hasHue(s, b.topLeft() + QPoint(b.width() - 3, b.height() - 4), Hue::Black));
    EXPECT_TRUE(hasHue(s, b.topLeft() + QPoint(b.width() / 2 - 3, b.height() / 2 - 3), Hue::Red));
    EXPECT_TRUE(hasHue(s, b.topLeft() + QPoint(b.width() / 2 + 3, b.height() / 2 + 3), Hue::Black));
    EXPECT_TRUE(hasHue(s, b.topLeft() - QPoint(4, 0), Hue::White)) << "the mask beside the box";
}

TEST_F(DisplayPixelsTest, StretchFillsTheBoxItFindsWhateverTheProportions)
{
    start();
    appendPicture(QStringLiteral("wide.jpg"), 3000, 2000);
    addMarked(QStringLiteral("upright.bmp"), quadrantPicture(QSize(100, 200)));
    form->engine().disp();
    const QRect wideBox = box();
    userClick(tool("stretch1"));
    userClick(tool("next1"));
    ASSERT_EQ(state().curpic, 2);
    EXPECT_EQ(box(), wideBox) << "stretch keeps the box";
    const QImage s = screen();
    const QRect b = box();
    const QPoint c = b.center();
    EXPECT_TRUE(hasHue(s, c + QPoint(-4, -4), Hue::Red));
    EXPECT_TRUE(hasHue(s, c + QPoint(4, -4), Hue::Blue));
    EXPECT_TRUE(hasHue(s, c + QPoint(-4, 4), Hue::Green));
    EXPECT_TRUE(hasHue(s, c + QPoint(4, 4), Hue::Black));
    const int top = view()->label2()->geometry().bottom() + 4 - b.top();
    EXPECT_TRUE(hasHue(s, b.topLeft() + QPoint(2, top), Hue::Red));
    EXPECT_TRUE(hasHue(s, b.topLeft() + QPoint(b.width() - 3, top), Hue::Blue));
    EXPECT_TRUE(hasHue(s, b.bottomRight() - QPoint(3, 4), Hue::Black));
}

TEST_F(DisplayPixelsTest, ZoomInDrawsThePictureAQuarterLargerUnderTheBox)
{
    start();
    // 200 x 134 pixels, quadrants meeting at (100, 67).
    addMarked(QStringLiteral("small.bmp"), quadrantPicture(QSize(200, 134)));
    form->engine().disp();
    const QRect b = box();
    QImage s = screen();
    EXPECT_TRUE(hasHue(s, b.topLeft() + QPoint(96, 20), Hue::Red));
    EXPECT_TRUE(hasHue(s, b.topLeft() + QPoint(104, 20), Hue::Blue));

    userClick(tool("zomin1"));
    userClick(view()->image1()); // about the picture's centre
    ASSERT_FALSE(state().zoomarmed);
    ASSERT_EQ(state().picwidth, 3750);
    // The quadrants now meet 125 pixels from the picture's left edge.
    s = screen();
    const int splitX = px(placer().left(view()->image1())) + 125;
    ASSERT_TRUE(b.contains(QPoint(splitX + 4, b.top() + 20)));
    EXPECT_TRUE(hasHue(s, QPoint(splitX - 4, b.top() + 20), Hue::Red));
    EXPECT_TRUE(hasHue(s, QPoint(splitX + 4, b.top() + 20), Hue::Blue));
    EXPECT_TRUE(hasHue(s, b.topLeft() + QPoint(104, 20), Hue::Red)) << "no longer the unzoomed edge";
    // What grew past the box stays under the masks.
    EXPECT_TRUE(hasHue(s, QPoint(b.left() + 20, b.bottom() + 25), Hue::White));
    EXPECT_TRUE(hasHue(s, QPoint(b.right() + 25, b.top() + 20), Hue::White));
}

TEST_F(DisplayPixelsTest, ZoomOutRestoresScrollBarsOnlyWhereThePictureExceedsTheBox)
{
    const struct {
        const char *what;
        QSize first;     // twips, shown before the zoomed picture
        QSize zoomed;    // twips
        bool horizontal; // expected after zoom out
        bool vertical;
    } cases[] = {
        {"a small picture after a wide one", {12000, 2000}, {3000, 2000}, false, false},
        {"a small picture after a tall one", {3000, 8000}, {3000, 2000}, false, false},
        {"a wide picture on its own", {3000, 2000}, {12000, 2000}, true, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        start();
        appendPicture(QStringLiteral("first.jpg"), c.first.width(), c.first.height());
        appendPicture(QStringLiteral("second.jpg"), c.zoomed.width(), c.zoomed.height());
        form->engine().disp();
        userClick(tool("next1"));
        ASSERT_EQ(state().curpic, 2);
        userClick(tool("zomin1"));
        userClick(view()->image1());
        ASSERT_EQ(state().picwidth, c.zoomed.width() * 5 / 4);
        userClick(tool("zomout1"));
        EXPECT_EQ(state().picwidth, c.zoomed.width());
        EXPECT_EQ(view()->hscroll()->isEnabled(), c.horizontal);
        EXPECT_EQ(view()->hscroll()->isVisible(), c.horizontal);
        EXPECT_EQ(view()->vscroll()->isEnabled(), c.vertical);
        EXPECT_EQ(view()->vscroll()->isVisible(), c.vertical);
        form.reset();
    }
}
