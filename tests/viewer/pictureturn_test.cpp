// Turns and mirrors: composing them, and what they do to a picture.
#include "pictureturn.h"

#include <QTransform>
#include <gtest/gtest.h>

using namespace orv;

namespace {

// A 3 x 2 picture of six different pixels.
QImage sixPixels()
{
    QImage image(3, 2, QImage::Format_RGB32);
    for (int i = 0; i < 6; ++i)
        image.setPixel(i % 3, i / 3, qRgb(40 * i, 255 - 40 * i, 7 * i));
    return image;
}

QImage rotated(const QImage &image, int degrees)
{
    return image.transformed(QTransform().rotate(degrees));
}

} // namespace

TEST(PictureTurnTest, EachCommandAfterAnyTurnShowsWhatTheCommandDoesToTheShownPicture)
{
    const struct {
        const char *name;
        PictureTurn (PictureTurn::*command)() const;
        QImage (*reference)(const QImage &);
    } commands[] = {
        {"right", &PictureTurn::rotatedRight, [](const QImage &i) { return rotated(i, 90); }},
        {"left", &PictureTurn::rotatedLeft, [](const QImage &i) { return rotated(i, 270); }},
        {"flip h", &PictureTurn::flippedHorizontally, [](const QImage &i) { return i.mirrored(true, false); }},
        {"flip v", &PictureTurn::flippedVertically, [](const QImage &i) { return i.mirrored(false, true); }},
    };
    const QImage picture = sixPixels();
    for (int quarters = 0; quarters < 4; ++quarters) {
        for (bool mirrored : {false, true}) {
            const PictureTurn start{quarters, mirrored};
            for (const auto &c : commands) {
                SCOPED_TRACE(testing::Message() << quarters << (mirrored ? " mirrored, " : ", ") << c.name);
                const PictureTurn after = (start.*c.command)();
                EXPECT_EQ(after.applied(picture), c.reference(start.applied(picture)));
                EXPECT_EQ(after.applied(picture.size()), after.applied(picture).size());
            }
        }
    }
}

TEST(PictureTurnTest, ExifOrientationsTurnTheStoredPixelsUpright)
{
    // What each orientation asks for, in the words of the Exif standard.
    const QImage p = sixPixels();
    const struct {
        int orientation;
        QImage upright;
    } rows[] = {
        {1, p},
        {2, p.mirrored(true, false)},
        {3, rotated(p, 180)},
        {4, p.mirrored(false, true)},
        {5, rotated(p, 90).mirrored(true, false)},
        {6, rotated(p, 90)},
        {7, rotated(p, 90).mirrored(false, true)},
        {8, rotated(p, 270)},
        {0, p},
        {9, p},
    };
    for (const auto &r : rows)
        EXPECT_EQ(PictureTurn::fromExifOrientation(r.orientation).applied(p), r.upright) << r.orientation;
}

TEST(PictureTurnTest, FourTurnsOrTwoFlipsAreNoTurnAndAreForgotten)
{
    PictureTurn t;
    for (int i = 0; i < 4; ++i)
        t = t.rotatedRight();
    EXPECT_TRUE(t.isNone());
    EXPECT_TRUE(PictureTurn().flippedVertically().flippedVertically().isNone());

    PictureTurns turns;
    turns.setTurn("a.jpg", PictureTurn().rotatedLeft());
    EXPECT_EQ(turns.turn("a.jpg"), (PictureTurn{3, false}));
    EXPECT_TRUE(turns.turn("b.jpg").isNone());
    turns.setTurn("a.jpg", t);
    EXPECT_TRUE(turns.turn("a.jpg").isNone());
}
