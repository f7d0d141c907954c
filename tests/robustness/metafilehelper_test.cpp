// The metafile helper process: every way it can fail ends as a clean "other" failure of
// the picture, the program goes on, and what it sends back is not trusted.

#include "metafilebytes.h"
#include "metafilewire.h"
#include "robustnessfixture.h"
#include "testutils.h"

#include <QFile>

using namespace orv;
using namespace orv::test;

namespace {

MetafileProcess fakeProcess()
{
    MetafileProcess process(fakeMetafileHelper());
    process.setTimeoutMs(500);
    return process;
}

} // namespace

TEST(MetafileHelper, EachFaultOfTheHelperIsReportedAndEndsIt)
{
    struct Case {
        const char *mode;
        MetafileProcess::Status expected;
    };
    const Case cases[] = {
        {"echo", MetafileProcess::Status::Converted},
        {"crash", MetafileProcess::Status::Crashed},
#ifdef ORV_TEST_SANITIZED
        // AddressSanitizer catches the fault itself and ends the helper with status 1.
        {"segv", MetafileProcess::Status::Refused},
#else
        {"segv", MetafileProcess::Status::Crashed},
#endif
        {"hang", MetafileProcess::Status::TimedOut},
        {"refuse", MetafileProcess::Status::Refused},
        {"garbage", MetafileProcess::Status::BadOutput},
    };
    const MetafileProcess process = fakeProcess();
    for (const Case &c : cases) {
        const FakeHelperMode mode(c.mode);
        QElapsedTimer clock;
        clock.start();
        const MetafileProcess::Result r =
            process.convert(MetafileProcess::Kind::Wmf, smallWmf(), 96, 1'000'000);
        EXPECT_EQ(int(r.status), int(c.expected)) << c.mode;
        EXPECT_EQ(r.svg.ok(), c.expected == MetafileProcess::Status::Converted) << c.mode;
        EXPECT_LT(clock.elapsed(), HangMs) << c.mode;
    }
}

TEST(MetafileHelper, OutputWithoutEndIsCutOff)
{
    // Past the time limit or past the largest SVG, whichever comes first.
    const FakeHelperMode mode("flood");
    QElapsedTimer clock;
    clock.start();
    const MetafileProcess::Result r =
        fakeProcess().convert(MetafileProcess::Kind::Wmf, smallWmf(), 96, 1'000'000);
    EXPECT_TRUE(r.status == MetafileProcess::Status::BadOutput ||
                r.status == MetafileProcess::Status::TimedOut);
    EXPECT_LT(clock.elapsed(), HangMs);
}

TEST(MetafileHelper, AHelperThatDiesBeforeReadingALargeInputIsACrash)
{
    const FakeHelperMode mode("early");
    const QByteArray large = smallWmf() + QByteArray(16 << 20, '\0');
    const MetafileProcess::Result r = fakeProcess().convert(MetafileProcess::Kind::Wmf, large, 96, 1'000'000);
    EXPECT_EQ(int(r.status), int(MetafileProcess::Status::Crashed));
}

TEST(MetafileHelper, AMissingOrUnusableHelperIsNotStarted)
{
    QTemporaryDir dir;
    const QString notExecutable = dir.filePath(QStringLiteral("orvanta-metafile"));
    writeFile(notExecutable, "#!/bin/sh\nexit 0\n");
    for (const QString &path :
         {QString(), dir.filePath(QStringLiteral("nowhere")), notExecutable, dir.path()}) {
        const MetafileProcess process(path);
        EXPECT_EQ(int(process.convert(MetafileProcess::Kind::Emf, smallEmf(), 96, 1'000'000).status),
                  int(MetafileProcess::Status::NotStarted))
            << path.toStdString();
    }
}

TEST(MetafileHelper, TheMemoryLimitStopsAHelperThatTakesTooMuch)
{
    if (!MetafileProcess::addressSpaceLimitSupported())
        GTEST_SKIP() << "no address-space limit under AddressSanitizer";
    const FakeHelperMode mode("hog");
    MetafileProcess process = fakeProcess();
    process.setTimeoutMs(HangMs);
    process.setMemoryLimit(qint64(512) << 20);
    EXPECT_NE(int(process.convert(MetafileProcess::Kind::Wmf, smallWmf(), 96, 1'000'000).status),
              int(MetafileProcess::Status::Converted));
}

TEST(MetafileHelper, TheLoaderFailsAsOtherWhateverTheHelperDoes)
{
    QTemporaryDir dir;
    const QString wmf = dir.filePath(QStringLiteral("a.wmf"));
    const QString emf = dir.filePath(QStringLiteral("b.emf"));
    writeFile(wmf, smallWmf());
    writeFile(emf, smallEmf());
    QtPictureLoader loader;
    loader.setMetafileHelper(fakeMetafileHelper());
    loader.setMetafileTimeoutMs(500);
    for (const char *m : {"crash", "segv", "hang", "refuse", "garbage"}) {
        const FakeHelperMode mode(m);
        for (const QString &file : {wmf, emf}) {
            const LoadedPicture p = loader.load(file);
            EXPECT_EQ(p.error, FileError::Other) << m << " " << file.toStdString();
            EXPECT_TRUE(p.image.isNull());
        }
    }
    // Without the helper metafiles fail the same way; they are never converted here.
    loader.setMetafileHelper(dir.filePath(QStringLiteral("missing-helper")));
    EXPECT_EQ(loader.load(wmf).error, FileError::Other);
    EXPECT_EQ(loader.load(emf).error, FileError::Other);
}

TEST(MetafileHelper, TheRealHelperConvertsBothKinds)
{
    const MetafileProcess process(metafileHelper());
    const MetafileProcess::Result w =
        process.convert(MetafileProcess::Kind::Wmf, smallWmf(200, 100, 96), 96, 1'000'000);
    ASSERT_EQ(int(w.status), int(MetafileProcess::Status::Converted));
    EXPECT_EQ(w.svg.naturalTwips, QSize(3000, 1500));
    const MetafileProcess::Result e =
        process.convert(MetafileProcess::Kind::Emf, smallEmf(2646, 1323), 96, 1'000'000);
    ASSERT_EQ(int(e.status), int(MetafileProcess::Status::Converted));
    EXPECT_EQ(e.svg.naturalTwips, QSize(1500, 750));
    // Not a metafile at all: refused, not crashed.
    EXPECT_EQ(int(process.convert(MetafileProcess::Kind::Wmf, randomBytes(4096, 7), 96, 1'000'000).status),
              int(MetafileProcess::Status::Refused));
}

TEST(MetafileWire, OnlyOneWellFormedMessageIsAccepted)
{
    MetafileSvg svg;
    svg.svg = "<svg xmlns=\"http://www.w3.org/2000/svg\"/>";
    svg.naturalTwips = QSize(150, 90);
    svg.viewBox = QRectF(1, 2, 10, 6);
    const QByteArray good = MetafileWire::encode(svg);
    const auto back = MetafileWire::decode(good, 1024);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->svg, svg.svg);
    EXPECT_EQ(back->naturalTwips, svg.naturalTwips);
    EXPECT_EQ(back->viewBox, svg.viewBox);

    const auto patched = [&good](qsizetype at, QByteArray bytes) {
        QByteArray d = good;
        d.replace(at, bytes.size(), bytes);
        return d;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QByteArray nanBits(8, '\0');
    std::memcpy(nanBits.data(), &nan, 8);
    const struct {
        const char *what;
        QByteArray message;
        qsizetype max;
    } bad[] = {
        {"empty", QByteArray(), 1024},
        {"header only", good.left(MetafileWire::HeaderSize), 1024},
        {"cut short", good.chopped(1), 1024},
        {"trailing bytes", good + 'x', 1024},
        {"two messages", good + good, 1024},
        {"wrong magic", patched(0, "OMF2"), 1024},
        {"zero width", patched(4, QByteArray(4, '\0')), 1024},
        {"negative height", patched(8, QByteArray(4, '\xff')), 1024},
        {"nan view box", patched(12, nanBits), 1024},
        {"svg over the limit", good, svg.svg.size() - 1},
        {"length beyond the data", patched(44, QByteArray("\xff\xff\xff\x7f", 4)), 1 << 30},
    };
    for (const auto &b : bad)
        EXPECT_FALSE(MetafileWire::decode(b.message, b.max)) << b.what;
}
