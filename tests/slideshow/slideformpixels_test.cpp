// What the slideshow window draws for each sizing style.
#include "slideformfixture.h"
#include "userinput.h"

#include <QTest>

using namespace orv;
using namespace orv::test;

namespace {

class SlideFormPixelsTest : public SlideFormFixture
{
protected:
    // Shows one picture in the given style; returns what the window draws.
    QImage show(const QImage &picture, int fitstyle)
    {
        settings.apply(2000, fitstyle, 0);
        host.list.append(QStringLiteral("p0.jpg"), QStringLiteral("/pics"));
        LoadedPicture p;
        p.image = picture;
        p.naturalTwips = picture.size() * 15;
        fake.pictureLoader.pictures[path(0)] = p;
        makeForm()->startShow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form));
        return drawn(form);
    }
    QRect box() const { return form->image1()->geometry(); }
};

} // namespace

// Work area 12000 x 8000 twips: 800 x 533 pixels.

TEST_F(SlideFormPixelsTest, TrueSizeShowsALargePictureUnscaledFromItsTopLeftCorner)
{
    // 1000 x 700 pixels: red up to column 600, blue after it, a green top band.
    const QImage screen = show(splitPicture(QSize(1000, 700), 600, 40), TrueSize);
    const QRect b = box();
    EXPECT_EQ(b.size(), QSize(800, 533)) << "the box is the work area";
    EXPECT_TRUE(hasHue(screen, b.topLeft() + QPoint(590, 100), Hue::Red));
    EXPECT_TRUE(hasHue(screen, b.topLeft() + QPoint(610, 100), Hue::Blue)) << "the picture is not scaled";
    EXPECT_TRUE(hasHue(screen, b.topLeft() + QPoint(300, 30), Hue::Green)) << "its top rows are shown";
    // Cut at the right and bottom (the window's frame may cut a little more).
    const QRect seen = b & screen.rect();
    EXPECT_TRUE(hasHue(screen, seen.bottomRight() - QPoint(2, 2), Hue::Blue));
}

TEST_F(SlideFormPixelsTest, TrueSizeCentresASmallPictureAtItsOwnSize)
{
    const QImage screen = show(splitPicture(QSize(100, 80), 50), TrueSize);
    const QRect b = box();
    EXPECT_EQ(b.size(), QSize(100, 80));
    EXPECT_TRUE(hasHue(screen, b.topLeft() + QPoint(45, 40), Hue::Red));
    EXPECT_TRUE(hasHue(screen, b.topLeft() + QPoint(55, 40), Hue::Blue));
    EXPECT_TRUE(hasHue(screen, b.topLeft() - QPoint(3, 3), Hue::Black)) << "the window around it";
    EXPECT_TRUE(hasHue(screen, b.bottomRight() + QPoint(3, 3), Hue::Black));
}

TEST_F(SlideFormPixelsTest, AutoResolutionEnlargesASmallPictureWhole)
{
    // 100 x 80 pixels (1500 x 1200 twips) grow by 1.35 to 2025 x 1620 twips.
    const QImage screen = show(splitPicture(QSize(100, 80), 50, 8), AutoResolution);
    const QRect b = box();
    EXPECT_EQ(b.size(), QSize(135, 108));
    EXPECT_NEAR(b.center().x(), 400, 1) << "centred in the work area";
    EXPECT_TRUE(hasHue(screen, b.topLeft() + QPoint(60, 40), Hue::Red));
    EXPECT_TRUE(hasHue(screen, b.topLeft() + QPoint(75, 40), Hue::Blue));
    EXPECT_TRUE(hasHue(screen, b.topLeft() + QPoint(67, 4), Hue::Green)) << "the band, enlarged";
    EXPECT_TRUE(hasHue(screen, b.bottomRight() - QPoint(2, 2), Hue::Blue))
        << "the whole picture fills the box";
    EXPECT_TRUE(hasHue(screen, b.topLeft() - QPoint(3, 3), Hue::Black));
}

TEST_F(SlideFormPixelsTest, FitToBoxScalesTheWholePictureIntoTheMainWindowsBoxShape)
{
    // 240 x 180 pixels (3600 x 2700 twips) from the box 1860 x 2535: the box is
    // squared to 2535, then 1902 twips high.
    const QImage screen = show(quadrantPicture(QSize(240, 180)), FitToBox);
    const QRect b = box();
    EXPECT_EQ(b.size(), QSize(169, 127));
    EXPECT_TRUE(hasHue(screen, b.topLeft() + QPoint(40, 30), Hue::Red));
    EXPECT_TRUE(hasHue(screen, b.topLeft() + QPoint(130, 30), Hue::Blue));
    EXPECT_TRUE(hasHue(screen, b.topLeft() + QPoint(40, 100), Hue::Green));
    EXPECT_TRUE(hasHue(screen, b.topLeft() + QPoint(130, 100), Hue::Black));
    EXPECT_TRUE(hasHue(screen, b.topLeft() + QPoint(2, 2), Hue::Red)) << "no margin inside the box";
    EXPECT_TRUE(hasHue(screen, b.topRight() + QPoint(-2, 2), Hue::Blue));
}
