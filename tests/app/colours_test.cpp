#include "form1fixture.h"

#include "picturecache.h"
#include "qtpictureloader.h"
#include "screencolours.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImageWriter>
#include <QTest>

#include <cmath>

using namespace orv;
using namespace orv::test;

namespace {

// A wide-gamut profile of Debian's icc-profiles-free (installed by setup).
const char *const kWideProfile = "/usr/share/color/icc/compatibleWithAdobeRGB1998.icc";

// Colours from one RGB space to another, worked out from the two spaces'
// published primaries and curves (not by Qt): the colours the screen must show.
struct Space {
    double toXyz[3][3];
    double fromXyz[3][3];
    double gamma; // 0: the sRGB curve
};
const Space kAdobe = {{{0.5767309, 0.1855540, 0.1881852},
                       {0.2973769, 0.6273491, 0.0752741},
                       {0.0270343, 0.0706872, 0.9911085}},
                      {{2.0413690, -0.5649464, -0.3446944},
                       {-0.9692660, 1.8760108, 0.0415560},
                       {0.0134474, -0.1183897, 1.0154096}},
                      563.0 / 256.0};
const Space kSrgb = {{{0.4124564, 0.3575761, 0.1804375},
                      {0.2126729, 0.7151522, 0.0721750},
                      {0.0193339, 0.1191920, 0.9503041}},
                     {{3.2404542, -1.5371385, -0.4985314},
                      {-0.9692660, 1.8760108, 0.0415560},
                      {0.0556434, -0.2040259, 1.0572252}},
                     0};

QColor convert(QColor c, const Space &from, const Space &to)
{
    const double in[3] = {c.redF(), c.greenF(), c.blueF()};
    double linear[3], xyz[3] = {0, 0, 0}, out[3] = {0, 0, 0};
    for (int i = 0; i < 3; ++i)
        linear[i] = from.gamma ? std::pow(in[i], from.gamma)
                               : (in[i] <= 0.04045 ? in[i] / 12.92 : std::pow((in[i] + 0.055) / 1.055, 2.4));
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            xyz[i] += from.toXyz[i][j] * linear[j];
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            out[i] += to.fromXyz[i][j] * xyz[j];
    int v[3];
    for (int i = 0; i < 3; ++i) {
        const double x = std::clamp(out[i], 0.0, 1.0);
        const double e = to.gamma ? std::pow(x, 1 / to.gamma)
                                  : (x <= 0.0031308 ? 12.92 * x : 1.055 * std::pow(x, 1 / 2.4) - 0.055);
        v[i] = int(std::lround(255 * e));
    }
    return QColor(v[0], v[1], v[2]);
}

QByteArray wideProfile()
{
    QFile icc(QString::fromLatin1(kWideProfile));
    return icc.open(QIODevice::ReadOnly) ? icc.readAll() : QByteArray();
}

int distance(QColor a, QColor b)
{
    return std::max(
        {std::abs(a.red() - b.red()), std::abs(a.green() - b.green()), std::abs(a.blue() - b.blue())});
}

// The main window with the program's own picture loader behind the cache.
class ColoursTest : public Form1Test
{
protected:
    void startReal()
    {
        writeDefaultSettings();
        PlatformServices services = platform.services();
        services.pictureLoader = &cache;
        form = std::make_unique<Form1>(services, dir.path(), QString());
        form->showLoaded(); // sized as the program sizes it
    }
    void TearDown() override
    {
        ScreenColours::setScreenProfile(QByteArray());
        Form1Test::TearDown();
    }
    // A flat JPEG of `colour`, carrying the profile `space` (none when invalid).
    void writeJpeg(const QString &name, QColor colour, const QColorSpace &space)
    {
        QImage image(240, 160, QImage::Format_RGB32);
        image.fill(colour);
        image.setColorSpace(space);
        QImageWriter writer(joinPicturePath(dir.path(), name), "jpeg");
        writer.setQuality(100);
        ASSERT_TRUE(writer.write(image));
        form->pictureList().append(name, dir.path());
    }
    // The colour drawn at the centre of the picture on screen.
    QColor drawnCentre()
    {
        const QImage shot = view()->grab().toImage();
        ImageControl *shown =
            view()->image1()->isVisible() && !state().fitmode ? view()->image1() : view()->image2();
        return shot.pixelColor(shown->geometry().center());
    }

    QtPictureLoader loader{96.0};
    PictureCache cache{loader};
};

} // namespace

TEST_F(ColoursTest, PicturesWithAProfileAreDrawnInTheScreensColoursOthersAsTheyAre)
{
    const QColor patch(200, 120, 60);
    const QColor reference = convert(patch, kAdobe, kSrgb); // 224, 121, 53
    const QColorSpace wide = QColorSpace::fromIccProfile(wideProfile());
    ASSERT_TRUE(wide.isValid()) << "icc-profiles-free is not installed";
    const QColor red(255, 0, 0);
    const QColor redOnWide = convert(red, kSrgb, kAdobe); // 219, 0, 0: less saturated numbers
    enum Screen { Srgb, Wide, Garbage };
    const QByteArray screens[] = {QByteArray(), wideProfile(), QByteArray("not a profile at all")};
    ASSERT_GT(distance(reference, patch), 20) << "a patch whose conversion shows";
    struct Case {
        const char *name;
        bool fit;
        bool prefetched; // shown by Enter after its decoding ahead
        QColor colour;
        QColorSpace profile; // the picture's
        Screen screen;
        bool changedOnDisplay; // the screen's profile set while the picture shows
        QColor expected;
    };
    const QColorSpace none, srgb(QColorSpace::SRgb);
    const Case cases[] = {
        {"true size, decoded on display", false, false, patch, wide, Srgb, false, reference},
        {"true size, decoded ahead", false, true, patch, wide, Srgb, false, reference},
        {"fit, decoded on display", true, false, patch, wide, Srgb, false, reference},
        {"fit, decoded ahead", true, true, patch, wide, Srgb, false, reference},
        {"no profile, true size", false, true, patch, none, Srgb, false, patch},
        {"no profile, fit", true, false, patch, none, Srgb, false, patch},
        {"sRGB red, wide screen, true size", false, true, red, srgb, Wide, false, redOnWide},
        {"sRGB red, wide screen, fit", true, false, red, srgb, Wide, false, redOnWide},
        {"wide picture on the wide screen", false, false, patch, wide, Wide, false, patch},
        {"no profile, wide screen", true, true, patch, none, Wide, false, patch},
        {"broken screen profile: sRGB", false, true, patch, wide, Garbage, false, reference},
        {"wide screen set on display, true size", false, true, red, srgb, Wide, true, redOnWide},
        {"wide screen set on display, fit", true, false, red, srgb, Wide, true, redOnWide},
        {"back to sRGB on display", false, false, patch, wide, Srgb, true, reference},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        cache.waitForPrefetches();
        cache.clear();
        // The screen starts as the case sets it, or as the other one when it changes on display.
        platform.screenProfile.icc = screens[c.changedOnDisplay ? (c.screen == Srgb ? Wide : Srgb) : c.screen];
        startReal();
        writeJpeg(QStringLiteral("first.jpg"), Qt::white, none);
        writeJpeg(QStringLiteral("patch.jpg"), c.colour, c.profile);
        if (HasFatalFailure())
            return;
        state().fitmode = c.fit;
        if (c.prefetched) {
            state().curpic = 1;
            form->engine().disp();
            cache.waitForPrefetches();
            QCoreApplication::processEvents();
            ASSERT_TRUE(cache.isCached(joinPicturePath(dir.path(), QStringLiteral("patch.jpg")),
                                       form->engine().decodeMinimum()));
            QTest::keyClick(form.get(), Qt::Key_Return);
        } else {
            state().curpic = 2;
            form->engine().disp();
        }
        ASSERT_EQ(label1(), QStringLiteral("2/2"));
        if (c.changedOnDisplay) {
            const QColor before = drawnCentre();
            platform.screenProfile.set(screens[c.screen]);
            QCoreApplication::processEvents();
            EXPECT_GT(distance(before, drawnCentre()), 10) << "drawn anew in the new colours";
        }
        const QColor drawn = drawnCentre();
        const QColor expected = c.expected;
        EXPECT_LE(distance(drawn, expected), 3)
            << "drawn " << qPrintable(drawn.name()) << ", expected " << qPrintable(expected.name());
        cache.waitForPrefetches();
        form.reset();
    }
}

TEST(ScreenColoursTest, TheTargetIsTheScreensProfileWhereItIsUsableAndSrgbOtherwise)
{
    const QByteArray wide = wideProfile();
    ASSERT_FALSE(wide.isEmpty()) << "icc-profiles-free is not installed";
    QFile gray(QStringLiteral("/usr/share/color/icc/Gray.icc"));
    const QByteArray grayProfile = gray.open(QIODevice::ReadOnly) ? gray.readAll() : QByteArray();
    struct Case {
        const char *name;
        QByteArray icc;
        QColorSpace expected;
        bool changes; // from the sRGB the test starts with
    };
    const QColorSpace srgb(QColorSpace::SRgb);
    const Case cases[] = {
        {"none", QByteArray(), srgb, false},
        {"wide gamut", wide, QColorSpace::fromIccProfile(wide), true},
        {"garbage", QByteArray("not a profile at all"), srgb, false},
        {"cut short", wide.left(wide.size() / 2), srgb, false},
        {"a grey screen's", grayProfile, srgb, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ScreenColours::setScreenProfile(QByteArray());
        const quint64 before = ScreenColours::generation();
        EXPECT_EQ(ScreenColours::setScreenProfile(c.icc), c.changes);
        EXPECT_EQ(ScreenColours::target(), c.expected);
        EXPECT_EQ(ScreenColours::generation() != before, c.changes);
        // A picture in the target's colours is drawn as it is.
        QImage image(4, 4, QImage::Format_RGB32);
        image.fill(Qt::red);
        image.setColorSpace(ScreenColours::target());
        EXPECT_FALSE(ScreenColours::needsConversion(image));
    }
    ScreenColours::setScreenProfile(QByteArray());
}
