#include "form1fixture.h"

#include "picturecache.h"
#include "qtpictureloader.h"

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

// An Adobe RGB (1998) colour in sRGB, worked out from the two colour spaces'
// published primaries and curves (not by Qt): the colour the screen must show.
QColor adobeToSrgb(QColor c)
{
    const double a[3][3] = {{0.5767309, 0.1855540, 0.1881852},
                            {0.2973769, 0.6273491, 0.0752741},
                            {0.0270343, 0.0706872, 0.9911085}};
    const double s[3][3] = {{3.2404542, -1.5371385, -0.4985314},
                            {-0.9692660, 1.8760108, 0.0415560},
                            {0.0556434, -0.2040259, 1.0572252}};
    const double in[3] = {c.redF(), c.greenF(), c.blueF()};
    double linear[3], xyz[3] = {0, 0, 0}, out[3] = {0, 0, 0};
    for (int i = 0; i < 3; ++i)
        linear[i] = std::pow(in[i], 563.0 / 256.0);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            xyz[i] += a[i][j] * linear[j];
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            out[i] += s[i][j] * xyz[j];
    int v[3];
    for (int i = 0; i < 3; ++i) {
        const double x = std::clamp(out[i], 0.0, 1.0);
        v[i] = int(std::lround(255 * (x <= 0.0031308 ? 12.92 * x : 1.055 * std::pow(x, 1 / 2.4) - 0.055)));
    }
    return QColor(v[0], v[1], v[2]);
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
    // A flat JPEG of `colour`, carrying the wide-gamut profile or none.
    void writeJpeg(const QString &name, QColor colour, bool profiled)
    {
        QImage image(240, 160, QImage::Format_RGB32);
        image.fill(colour);
        if (profiled) {
            QFile icc(QString::fromLatin1(kWideProfile));
            ASSERT_TRUE(icc.open(QIODevice::ReadOnly)) << "icc-profiles-free is not installed";
            image.setColorSpace(QColorSpace::fromIccProfile(icc.readAll()));
            ASSERT_TRUE(image.colorSpace().isValid());
        }
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
    const QColor reference = adobeToSrgb(patch); // 224, 121, 53
    ASSERT_GT(distance(reference, patch), 20) << "a patch whose conversion shows";
    struct Case {
        const char *name;
        bool fit;
        bool prefetched; // shown by Enter after its decoding ahead
        bool profiled;
    };
    const Case cases[] = {
        {"true size, decoded on display", false, false, true},
        {"true size, decoded ahead", false, true, true},
        {"fit, decoded on display", true, false, true},
        {"fit, decoded ahead", true, true, true},
        {"no profile, true size", false, true, false},
        {"no profile, fit", true, false, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        cache.waitForPrefetches();
        cache.clear();
        startReal();
        writeJpeg(QStringLiteral("first.jpg"), Qt::white, false);
        writeJpeg(QStringLiteral("patch.jpg"), patch, c.profiled);
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
        const QColor drawn = drawnCentre();
        const QColor expected = c.profiled ? reference : patch;
        EXPECT_LE(distance(drawn, expected), 3)
            << "drawn " << qPrintable(drawn.name()) << ", expected " << qPrintable(expected.name());
        cache.waitForPrefetches();
        form.reset();
    }
}
