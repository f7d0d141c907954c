// Windows and enhanced metafiles: natural size from the headers, and the rendering placed
// on the picture's frame (not stretched, not shifted, opaque, hairlines visible).

#include "metafilewriters.h"
#include "qtpictureloader.h"
#include "testutils.h"

#include <QColor>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace orv;
using orv::test::EmfRect;
using orv::test::EmfWriter;
using orv::test::WmfWriter;

namespace {

constexpr QRgb Red = qRgb(255, 0, 0);
constexpr int Anisotropic = 8;
constexpr int Transparent = 1;

LoadedPicture loadBytes(const QByteArray &bytes, const QString &name)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    orv::test::writeFile(path, bytes);
    return QtPictureLoader().load(path);
}

// A point given as a fraction of the picture's width and height, and what it must show:
// a colour, or nothing (transparent).
struct Probe {
    double fx, fy;
    std::optional<QRgb> color;
};

void expectProbes(const QImage &image, const std::vector<Probe> &probes, const std::string &name)
{
    for (const Probe &p : probes) {
        const int x = std::min(image.width() - 1, int(p.fx * image.width()));
        const int y = std::min(image.height() - 1, int(p.fy * image.height()));
        const QColor c = image.pixelColor(x, y);
        if (p.color) {
            EXPECT_EQ(c.alpha(), 255) << name << " at " << x << "," << y;
            EXPECT_EQ(c.rgb(), *p.color) << name << " at " << x << "," << y;
        } else {
            EXPECT_EQ(c.alpha(), 0) << name << " at " << x << "," << y;
        }
    }
}

// A placeable metafile of 1000 × 1000 units at 1000 units per inch (96 × 96 pixels) whose
// window is the bounding box.
WmfWriter squareInch()
{
    WmfWriter w;
    w.setPlaceable(0, 0, 1000, 1000, 1000);
    w.setMapMode(Anisotropic);
    w.setWindowOrg(0, 0);
    w.setWindowExt(1000, 1000);
    w.nullPen();
    return w;
}

} // namespace

TEST(WmfNaturalSize, PlaceableBoundingBoxAtItsUnitsPerInch)
{
    struct Case {
        qint16 left, top, right, bottom;
        quint16 inch;
        QSize twips, pixels;
    };
    const Case cases[] = {
        {0, 0, 1000, 500, 1000, {1440, 720}, {96, 48}},
        {-500, -250, 500, 250, 2540, {567, 283}, {38, 19}},
        {1000, 500, 0, 0, 1000, {1440, 720}, {96, 48}}, // corners swapped
    };
    for (const Case &c : cases) {
        WmfWriter w;
        w.setPlaceable(c.left, c.top, c.right, c.bottom, c.inch);
        w.solidBrush(Red);
        w.rectangle(c.left, c.top, c.right, c.bottom);
        const LoadedPicture p = loadBytes(w.bytes(), "size.wmf");
        ASSERT_TRUE(p.ok()) << c.left << "," << c.top << "," << c.right << "," << c.bottom;
        EXPECT_EQ(p.naturalTwips, c.twips);
        EXPECT_EQ(p.image.size(), c.pixels);
    }
}

TEST(WmfNaturalSize, WithoutPlaceableHeaderTheWindowExtentAtScreenResolution)
{
    WmfWriter w;
    w.setMapMode(Anisotropic);
    w.setWindowOrg(0, 0);
    w.setWindowExt(200, 100);
    w.solidBrush(Red);
    w.rectangle(50, 20, 80, 40); // smaller than the window: the window still decides
    const LoadedPicture p = loadBytes(w.bytes(), "window.wmf");
    ASSERT_TRUE(p.ok());
    EXPECT_EQ(p.naturalTwips, QSize(3000, 1500));
    EXPECT_EQ(p.image.size(), QSize(200, 100));
}

TEST(WmfNaturalSize, WithoutPlaceableHeaderOrWindowTheExtentOfTheDrawing)
{
    WmfWriter w;
    w.solidBrush(Red);
    w.rectangle(10, 20, 110, 70);
    const LoadedPicture p = loadBytes(w.bytes(), "bare.wmf");
    ASSERT_TRUE(p.ok());
    // 100 × 50 units, plus the half pen width libwmf counts around the outline.
    EXPECT_NEAR(p.image.width(), 100, 1);
    EXPECT_NEAR(p.image.height(), 50, 1);
    EXPECT_EQ(p.naturalTwips.width(), p.image.width() * 15);
    expectProbes(p.image, {{0.5, 0.5, Red}}, "bare");
}

TEST(WmfRendering, TheFrameIsShownWithoutStretchOrShift)
{
    struct Case {
        std::string name;
        std::function<void(WmfWriter &)> draw;
        std::vector<Probe> probes;
    };
    const std::vector<Case> cases = {
        {"drawing smaller than the frame",
         [](WmfWriter &w) {
             w = squareInch();
             w.solidBrush(Red);
             w.rectangle(250, 250, 750, 750);
         },
         {{0.1, 0.1, {}}, {0.2, 0.5, {}}, {0.3, 0.5, Red}, {0.5, 0.5, Red}, {0.7, 0.7, Red}, {0.8, 0.5, {}}}},
        {"window origin away from zero",
         [](WmfWriter &w) {
             w.setPlaceable(100, 100, 1100, 1100, 1000);
             w.setMapMode(Anisotropic);
             w.setWindowOrg(100, 100);
             w.setWindowExt(1000, 1000);
             w.nullPen();
             w.solidBrush(Red);
             w.rectangle(100, 100, 600, 600);
         },
         {{0.25, 0.25, Red}, {0.75, 0.25, {}}, {0.25, 0.75, {}}, {0.75, 0.75, {}}}},
        {"y axis pointing up",
         [](WmfWriter &w) {
             w.setPlaceable(0, 1000, 1000, 0, 1000);
             w.setMapMode(Anisotropic);
             w.setWindowOrg(0, 1000);
             w.setWindowExt(1000, -1000);
             w.nullPen();
             w.solidBrush(Red);
             w.rectangle(0, 0, 500, 500); // the lower left quarter
         },
         {{0.25, 0.75, Red}, {0.25, 0.25, {}}, {0.75, 0.75, {}}}},
        {"bounding box without window",
         [](WmfWriter &w) {
             w.setPlaceable(0, 0, 1000, 1000, 1000);
             w.nullPen();
             w.solidBrush(Red);
             w.rectangle(0, 0, 500, 1000);
         },
         {{0.25, 0.5, Red}, {0.75, 0.5, {}}}},
        {"window without placeable header",
         [](WmfWriter &w) {
             w.setMapMode(Anisotropic);
             w.setWindowOrg(0, 0);
             w.setWindowExt(200, 100);
             w.nullPen();
             w.solidBrush(Red);
             w.rectangle(100, 0, 200, 100);
         },
         {{0.25, 0.5, {}}, {0.75, 0.5, Red}}},
    };
    for (const Case &c : cases) {
        WmfWriter w;
        c.draw(w);
        const LoadedPicture p = loadBytes(w.bytes(), "frame.wmf");
        ASSERT_TRUE(p.ok()) << c.name;
        expectProbes(p.image, c.probes, c.name);
    }
}

TEST(WmfRendering, FillsKeepTheirExactColourInTransparentBackgroundMode)
{
    WmfWriter w = squareInch();
    w.setBkMode(Transparent);
    const QRgb odd = qRgb(0x2a, 0x7f, 0x3c); // no SVG colour name comes close
    w.solidBrush(odd);
    w.rectangle(0, 0, 1000, 1000);
    const LoadedPicture p = loadBytes(w.bytes(), "colour.wmf");
    ASSERT_TRUE(p.ok());
    expectProbes(p.image, {{0.5, 0.5, odd}, {0.1, 0.9, odd}}, "colour");
}

TEST(WmfRendering, HairlinePensDrawAtLeastOnePixel)
{
    WmfWriter w;
    w.setPlaceable(0, 0, 10000, 10000, 10000); // a unit is a hundredth of a pixel
    w.pen(0, 1, qRgb(0, 0, 0));
    w.moveTo(0, 5000);
    w.lineTo(10000, 5000);
    const LoadedPicture p = loadBytes(w.bytes(), "hairline.wmf");
    ASSERT_TRUE(p.ok());
    // One full-strength row, as GDI draws it, not a faint line or two half-covered rows.
    int strongest = 0, total = 0;
    for (int y = 45; y <= 51; ++y) {
        strongest = std::max(strongest, p.image.pixelColor(48, y).alpha());
        total += p.image.pixelColor(48, y).alpha();
    }
    EXPECT_GE(strongest, 250);
    EXPECT_LE(total, 300);
}

TEST(WmfRendering, PieOverHalfATurnTakesTheLongWay)
{
    WmfWriter w = squareInch();
    w.solidBrush(Red);
    // Counter-clockwise from straight up to straight right: three quarters of the disc,
    // all but the upper right one.
    w.pie(0, 0, 1000, 1000, 500, 0, 1000, 500);
    const LoadedPicture p = loadBytes(w.bytes(), "pie.wmf");
    ASSERT_TRUE(p.ok());
    expectProbes(p.image, {{0.3, 0.3, Red}, {0.3, 0.7, Red}, {0.7, 0.7, Red}, {0.7, 0.3, {}}}, "pie");
}

TEST(WmfRendering, TextWithMarkupCharactersIsDrawn)
{
    WmfWriter w = squareInch();
    w.font(-300, "Arial");
    w.textOut(50, 100, "A&B<C\"D'\xe9"); // é in the Windows code page
    const LoadedPicture p = loadBytes(w.bytes(), "text.wmf");
    ASSERT_TRUE(p.ok());
    int inked = 0;
    for (int y = 0; y < p.image.height(); ++y)
        for (int x = 0; x < p.image.width(); ++x)
            inked += p.image.pixelColor(x, y).alpha() > 128;
    EXPECT_GT(inked, 50);
}

TEST(EmfNaturalSize, InclusiveFrameInHundredthsOfAMillimetre)
{
    struct Case {
        EmfRect frame;
        QSize twips, pixels;
    };
    const Case cases[] = {
        {{0, 0, 2539, 1269}, {1440, 720}, {96, 48}},
        {{100, -300, 2639, 969}, {1440, 720}, {96, 48}},
        {{0, 0, 999, 999}, {567, 567}, {38, 38}},
    };
    for (const Case &c : cases) {
        EmfWriter w({0, 0, 100, 100}, c.frame, {1000, 1000}, {100, 100});
        w.solidBrush(Red);
        w.rectangle({0, 0, 50, 50});
        const LoadedPicture p = loadBytes(w.bytes(), "size.emf");
        ASSERT_TRUE(p.ok()) << c.frame.right;
        EXPECT_EQ(p.naturalTwips, c.twips);
        EXPECT_EQ(p.image.size(), c.pixels);
    }
}

TEST(EmfRendering, TheFrameIsPlacedOnTheReferenceDevice)
{
    struct Case {
        std::string name;
        EmfRect bounds;
        QSize device, mm;
        std::optional<QSize> um;
        EmfRect leftHalf; // device pixels
    };
    // The frame is one inch (2540 hundredths of a millimetre) square.
    const Case cases[] = {
        // 100 pixels a millimetre; the rounded millimetres would say 105.
        {"micrometres preferred",
         {0, 0, 2540, 2540},
         {1050, 1050},
         {10, 10},
         QSize(10500, 10500),
         {0, 0, 1270, 2540}},
        {"nonsense micrometres ignored",
         {0, 0, 254, 254},
         {1000, 1000},
         {100, 100},
         QSize(400, 400),
         {0, 0, 127, 254}},
        {"without micrometres", {0, 0, 254, 254}, {1000, 1000}, {100, 100}, std::nullopt, {0, 0, 127, 254}},
        {"bounds unlike the frame",
         {10, 10, 20, 20},
         {1000, 1000},
         {100, 100},
         std::nullopt,
         {0, 0, 127, 254}},
    };
    for (const Case &c : cases) {
        EmfWriter w(c.bounds, {0, 0, 2539, 2539}, c.device, c.mm, c.um);
        w.nullPen();
        w.solidBrush(Red);
        w.rectangle(c.leftHalf);
        const LoadedPicture p = loadBytes(w.bytes(), "frame.emf");
        ASSERT_TRUE(p.ok()) << c.name;
        ASSERT_EQ(p.image.size(), QSize(96, 96)) << c.name;
        expectProbes(p.image, {{0.3, 0.5, Red}, {46.0 / 96, 0.5, Red}, {50.0 / 96, 0.5, {}}, {0.8, 0.5, {}}},
                     c.name);
    }
}

TEST(EmfRendering, DamagedRecordsKeepWhatPrecedesThem)
{
    EmfWriter w({0, 0, 254, 254}, {0, 0, 2539, 2539}, {1000, 1000}, {100, 100});
    w.nullPen();
    w.solidBrush(Red);
    w.rectangle({0, 0, 254, 254});
    QByteArray broken;
    orv::test::appendLe32(broken, 43);
    orv::test::appendLe32(broken, 4000); // longer than the file
    broken += QByteArray(12, '\x7f');
    w.raw(broken);
    QByteArray bytes = w.bytes();
    // Drop the end record so that the broken one is last.
    bytes.remove(bytes.size() - broken.size() - 20, 20);
    const LoadedPicture p = loadBytes(bytes, "damaged.emf");
    ASSERT_TRUE(p.ok());
    expectProbes(p.image, {{0.5, 0.5, Red}}, "damaged");
}
