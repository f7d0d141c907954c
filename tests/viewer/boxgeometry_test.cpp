#include "boxgeometry.h"

#include <gtest/gtest.h>

using namespace orv;

TEST(Approx, RoundsUpAndClampsAtZero)
{
    const struct {
        double x;
        int expected;
    } cases[] = {{3.0, 3}, {3.2, 4}, {-5, 0}, {0, 0}, {0.0001, 1}, {1901.25, 1902}, {844.9999, 845}};
    for (const auto &c : cases)
        EXPECT_EQ(approx(c.x), c.expected) << c.x;
}

TEST(BoxLimits, FromWorkAreaWithToolbarAndReserve)
{
    // Work area 9000 high with the toolbar: 7440 at start-up, 7340 after a
    // settings change.
    EXPECT_EQ(boxLimits({12000, 9000}, 1, 1200).maxboxheight, 7440);
    EXPECT_EQ(boxLimits({12000, 9000}, 1, 1300).maxboxheight, 7340);
    EXPECT_EQ(boxLimits({12000, 9000}, 0, 1200).maxboxheight, 7800);
    EXPECT_EQ(boxLimits({12000, 9000}, 1, 1200).maxboxwidth, 11800);
    // Real work areas give halves, which go to even.
    EXPECT_EQ(boxLimits({10200.5, 9000.5}, 1, 1200).maxboxwidth, 10000);
    EXPECT_EQ(boxLimits({10201.5, 9001.5}, 1, 1200).maxboxheight, 7442);
}

TEST(TrueSizePlacement, CentresSmallPicturesAndPinsLargeOnes)
{
    // 3000 x 2000 in a 9000 x 6000 viewing area below the toolbar.
    TrueSizePlacement p = trueSizePlacement(3000, 2000, 9000, 6000, 360);
    EXPECT_EQ(p.boxwidth, 3000);
    EXPECT_EQ(p.boxheight, 2000);
    EXPECT_DOUBLE_EQ(p.image1Left, 3000);
    EXPECT_DOUBLE_EQ(p.image1Top, 2380);

    // Wider and taller than the viewing area: pinned near the top-left.
    p = trueSizePlacement(12000, 8000, 9000, 6000, 360);
    EXPECT_EQ(p.boxwidth, 9000);
    EXPECT_EQ(p.boxheight, 6000);
    EXPECT_DOUBLE_EQ(p.image1Left, 50);
    EXPECT_DOUBLE_EQ(p.image1Top, 410);

    // Odd differences give half twips.
    p = trueSizePlacement(2999, 1999, 9000, 6000, 0);
    EXPECT_DOUBLE_EQ(p.image1Left, 3000.5);
    EXPECT_DOUBLE_EQ(p.image1Top, 2020.5);
}

TEST(FitBox, SquaresTheBoxThenKeepsTheProportions)
{
    // Wide 4000 x 3000 from the default box 1860 x 2535: square 2535, then 1902 high.
    EXPECT_EQ(fitBox(4000, 3000, {1860, 2535}, 9000, 7000), (BoxSize{2535, 1902}));
    // Upright 1000 x 3000 from a 2535 square: 845 wide.
    EXPECT_EQ(fitBox(1000, 3000, {2535, 2535}, 9000, 7000), (BoxSize{845, 2535}));
    // A wide box squares on its width, limited by the height limit.
    EXPECT_EQ(fitBox(1000, 1000, {8000, 2000}, 9000, 7000), (BoxSize{7000, 7000}));
    // Too tall for the height limit: height pinned, width from the ratio.
    EXPECT_EQ(fitBox(3000, 2900, {7500, 7500}, 9000, 7000),
              (BoxSize{approx(7000 * (3000.0 / 2900.0)), 7000}));
    // Upright but the width would pass the width limit.
    EXPECT_EQ(fitBox(2000, 2100, {1000, 9500}, 9000, 20000),
              (BoxSize{9000, approx(9000 * (2100.0 / 2000.0))}));
    // The squaring's height limit reaches an upright picture's width.
    EXPECT_EQ(fitBox(1000, 2000, {8000, 2000}, 9000, 7000), (BoxSize{3500, 7000}));
    // A plainly wide picture over the height limit: height pinned, width from the ratio.
    EXPECT_EQ(fitBox(4000, 3000, {9000, 1000}, 9000, 6000), (BoxSize{8000, 6000}));
    // Just under the limit, the box squares on its own width.
    EXPECT_EQ(fitBox(1000, 2000, {6999, 2000}, 9000, 7000), (BoxSize{3500, 6999}));
    // The fitted box is the start of the next fit: fitting twice is stable.
    const BoxSize once = fitBox(4000, 3000, {1860, 2535}, 9000, 7000);
    EXPECT_EQ(fitBox(4000, 3000, once, 9000, 7000), (BoxSize{2535, 1902}));
}

TEST(FitBox, DegeneratePicturesDoNotDivideByZero)
{
    EXPECT_EQ(fitBox(0, 0, {1860, 2535}, 9000, 7000), (BoxSize{2535, 2535}));
    EXPECT_EQ(fitBox(100, 0, {2000, 1000}, 9000, 7000).height, 0);
}

TEST(SizeboxGeometry, CentresTheBoxAndSurroundsItWithMasks)
{
    const SizeboxGeometry g = sizeboxGeometry(3000, 2000, 9000, 6000, 360);
    EXPECT_EQ(g.image2, QRectF(3015, 2375, 3000, 2005));
    EXPECT_EQ(g.vscroll.top(), 2350);
    EXPECT_EQ(g.vscroll.height(), 2020);
    EXPECT_EQ(g.vscroll.left(), 3000 + 3015 + 10);
    EXPECT_EQ(g.hscroll.left(), 2990);
    EXPECT_EQ(g.hscroll.width(), 3230);
    EXPECT_EQ(g.hscroll.top(), 2005 + 2375 + 15);
    EXPECT_EQ(g.marup, QRectF(0, 360, 9600, 2000));
    EXPECT_EQ(g.mardn, QRectF(0, 360 + 2000 + 2000 + 15, 9615, 2000 + 2715));
    EXPECT_EQ(g.label2Top, 2220);
    EXPECT_EQ(g.marleft, QRectF(0, 2360, 3012, 2200));
    EXPECT_EQ(g.marright, QRectF(6015, 2360, 3260, 2200));
    // The masks meet the box: marleft's right edge and marright's left edge
    // lie within the box's border, so nothing of Image1 shows beside it.
    EXPECT_LE(g.marleft.right(), g.image2.left());
    EXPECT_GE(g.marright.left(), g.image2.right());
    EXPECT_LE(g.marup.bottom(), g.image2.top());
}

TEST(Rescroll, EnablesOnlyWhatTheBoxCannotShow)
{
    RescrollInput in;
    in.picwidth = 12000;
    in.picheight = 2000;
    in.boxwidth = 9000;
    in.boxheight = 2000;
    RescrollResult r = rescroll(in);
    EXPECT_TRUE(r.horizontal.enabled);
    EXPECT_EQ(r.horizontal.maximum, 3000);
    EXPECT_EQ(r.horizontal.value, 0);
    EXPECT_FALSE(r.vertical.enabled);
    EXPECT_EQ(r.vertical.value, 0);
}

TEST(Rescroll, VerticalAddsOffsetHorizontalTakesIt)
{
    RescrollInput in;
    in.picwidth = 4000;
    in.picheight = 4000;
    in.boxwidth = 1000;
    in.boxheight = 1000;
    in.vertical = {true, 3000, 500};
    in.horizontal = {true, 3000, 500};
    in.xoffset = 700;
    in.yoffset = 700;
    RescrollResult r = rescroll(in);
    EXPECT_EQ(r.vertical.value, 1200);
    EXPECT_EQ(r.horizontal.value, 700);

    // Past the end: the vertical offset is cut to what is left, the value pinned.
    in.yoffset = 5000;
    in.xoffset = 5000;
    r = rescroll(in);
    EXPECT_EQ(r.vertical.value, 3000);
    EXPECT_EQ(r.yoffset, 2500);
    EXPECT_EQ(r.horizontal.value, 3000);

    // Negative offsets count as 0.
    in.yoffset = -40;
    in.xoffset = -40;
    r = rescroll(in);
    EXPECT_EQ(r.vertical.value, 500);
    EXPECT_EQ(r.horizontal.value, 0);
    EXPECT_EQ(r.xoffset, 0);
    EXPECT_EQ(r.yoffset, 0);

    // A smaller maximum brings the old value down before the offset is added.
    in.picheight = 1400;
    in.yoffset = 0;
    r = rescroll(in);
    EXPECT_EQ(r.vertical.maximum, 400);
    EXPECT_EQ(r.vertical.value, 400);
}
