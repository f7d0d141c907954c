#include "slideshowlayout.h"

#include <gtest/gtest.h>

using namespace orv;

namespace {

struct Case {
    const char *what;
    int fitstyle;
    QSize picture; // width x height
    QSize work;
    QSize box;
    QSize expected;
    bool stretch;
};

SlideLayout run(const Case &c)
{
    SlideLayoutInput in;
    in.fitstyle = c.fitstyle;
    in.slidepicwidth = c.picture.width();
    in.slidepicheight = c.picture.height();
    in.workwidth = c.work.width();
    in.workheight = c.work.height();
    in.boxwidth = c.box.width();
    in.boxheight = c.box.height();
    return slideLayout(in);
}

void check(const Case &c)
{
    const SlideLayout l = run(c);
    EXPECT_EQ(QSize(l.slidewidth, l.slideheight), c.expected) << c.what;
    EXPECT_EQ(l.stretch, c.stretch) << c.what;
}

const QSize kWork(12000, 8000);
const QSize kBox(1860, 2535);

} // namespace

TEST(SlideLayout, AutoResolution)
{
    const Case cases[] = {
        {"small wide picture enlarged by 1.35",
         AutoResolution,
         {1500, 1000},
         kWork,
         kBox,
         {2025, 1350},
         true},
        {"mid-sized picture keeps its size", AutoResolution, {3000, 2000}, kWork, kBox, {3000, 2000}, true},
        {"mid-sized upright picture keeps its size",
         AutoResolution,
         {2000, 3000},
         kWork,
         kBox,
         {2000, 3000},
         true},
        {"too wide: scaled to the work area's width",
         AutoResolution,
         {16000, 4000},
         kWork,
         kBox,
         {12000, 3000},
         true},
        {"too wide and then too tall: height pinned",
         AutoResolution,
         {16000, 12000},
         kWork,
         kBox,
         {10667, 8000},
         true},
        {"too tall upright: scaled to the height, width rounded up",
         AutoResolution,
         {3000, 9000},
         kWork,
         kBox,
         {2667, 8000},
         true},
        {"enlarged width does not fit: width pinned",
         AutoResolution,
         {1000, 2000},
         {1250, 8000},
         kBox,
         {1250, 2500},
         true},
        {"enlarged height does not fit: height pinned",
         AutoResolution,
         {2000, 1800},
         {12000, 2000},
         kBox,
         {2223, 2000},
         true},
        {"square counts as wide", AutoResolution, {2000, 2000}, kWork, kBox, {2700, 2700}, true},
        // 1030 x 1.35 = 1390.5 and 1010 x 1.35 = 1363.5: halves go to even.
        {"wide enlargement rounds halves to even",
         AutoResolution,
         {1030, 1010},
         kWork,
         kBox,
         {1390, 1364},
         true},
        {"upright enlargement rounds halves to even",
         AutoResolution,
         {1010, 1030},
         kWork,
         kBox,
         {1364, 1390},
         true},
        // The enlargement stops at a larger side of exactly 2500 twips.
        {"upright, 2499 high: enlarged", AutoResolution, {1000, 2499}, kWork, kBox, {1350, 3374}, true},
        {"upright, 2500 high: natural size", AutoResolution, {1000, 2500}, kWork, kBox, {1000, 2500}, true},
        {"wide, 2499 wide: enlarged", AutoResolution, {2499, 1000}, kWork, kBox, {3374, 1350}, true},
        {"wide, 2500 wide: natural size", AutoResolution, {2500, 1000}, kWork, kBox, {2500, 1000}, true},
        // The enlarged side must be strictly smaller than the work area's.
        {"enlarged width exactly the work area's: pinned",
         AutoResolution,
         {1000, 2000},
         {1350, 8000},
         kBox,
         {1350, 2700},
         true},
        {"enlarged height exactly the work area's: pinned",
         AutoResolution,
         {2000, 1000},
         {12000, 1350},
         kBox,
         {2700, 1350},
         true},
        // A portrait work area: the height-scaled picture would still be too
        // wide, so it is brought within the width as well.
        {"upright picture on a portrait screen",
         AutoResolution,
         {25000, 30000},
         {16200, 28800},
         kBox,
         {16200, 19440},
         true},
    };
    for (const Case &c : cases)
        check(c);
}

TEST(SlideLayout, FitToTheCurrentBoxSize)
{
    const Case cases[] = {
        {"default box squared on its height, then the height from the ratio",
         FitToBox,
         {4000, 3000},
         kWork,
         kBox,
         {2535, 1902},
         true},
        {"upright picture in a square box", FitToBox, {1000, 3000}, kWork, {2535, 2535}, {845, 2535}, true},
        {"wide box below the work height squares on its width",
         FitToBox,
         {3000, 3000},
         kWork,
         {3000, 2000},
         {3000, 3000},
         true},
        {"wide box past the work height: height pinned, then width from the ratio",
         FitToBox,
         {4000, 3000},
         {12000, 6000},
         {9000, 7000},
         {8000, 6000},
         true},
        {"upright picture too wide for the work area",
         FitToBox,
         {2000, 3000},
         {5000, 9000},
         {2535, 9000},
         {5000, 7500},
         true},
    };
    for (const Case &c : cases)
        check(c);
}

TEST(SlideLayout, TrueSizeIsCutToTheWorkArea)
{
    const Case cases[] = {
        {"larger than the work area", TrueSize, {16000, 9000}, kWork, kBox, {12000, 8000}, false},
        {"wider only", TrueSize, {16000, 2000}, kWork, kBox, {12000, 2000}, false},
        {"smaller than the work area keeps its size",
         TrueSize,
         {1500, 1000},
         kWork,
         kBox,
         {1500, 1000},
         false},
    };
    for (const Case &c : cases)
        check(c);
}

TEST(SlideLayout, SizeboxCentresInTheWorkArea)
{
    const QRectF r = slideSizebox(2025, 1350, 12000, 8000);
    EXPECT_DOUBLE_EQ(r.left(), 5002.5);
    EXPECT_DOUBLE_EQ(r.top(), 3340);
    EXPECT_DOUBLE_EQ(r.width(), 2025);
    EXPECT_DOUBLE_EQ(r.height(), 1350);

    // The whole work area, from the top-left plus 15.
    const QRectF full = slideSizebox(12000, 8000, 12000, 8000);
    EXPECT_EQ(full, QRectF(15, 15, 12000, 8000));
}

TEST(SlideLayout, WorkAreaInWholeTwipsHalvesToEven)
{
    EXPECT_EQ(slideWorkArea({12000.5, 8001.5}), QSize(12000, 8002));
    EXPECT_EQ(slideWorkArea({12000.4, 7999.6}), QSize(12000, 8000));
}
