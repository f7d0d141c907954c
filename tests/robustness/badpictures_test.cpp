// Damaged, foreign and oversized picture files, and files at odd paths, through the real
// loader: each fails cleanly (the "other" kind, or a file-access error for a path that
// cannot be reached) or loads, and none holds the loader past the hang limit.

#include "commandline.h"
#include "emfconverter.h"
#include "listfilereader.h"
#include "metafilebytes.h"
#include "recentslots.h"
#include "robustnessfixture.h"
#include "settingsrecords.h"
#include "testutils.h"
#include "wmfconverter.h"

#include <QBuffer>
#include <QDirIterator>
#include <QFile>
#include <QImage>

#include <sys/stat.h>

using namespace orv;
using namespace orv::test;

namespace {

QImage sample()
{
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    return image;
}

// A bitmap header that claims `width` x `height` pixels at 24 bits, with `dataBytes`
// bytes of pixels after it.
QByteArray bitmapClaiming(qint32 width, qint32 height, int dataBytes)
{
    QByteArray d("BM");
    appendLe32(d, quint32(54 + dataBytes));
    appendLe32(d, 0);
    appendLe32(d, 54);
    appendLe32(d, 40);
    appendLe32(d, quint32(width));
    appendLe32(d, quint32(height));
    appendLe16(d, 1);
    appendLe16(d, 24);
    for (int i = 0; i < 6; ++i)
        appendLe32(d, 0);
    return d + QByteArray(dataBytes, '\x40');
}

struct Timed {
    LoadedPicture picture;
    qint64 ms = 0;
};

Timed timedLoad(const QtPictureLoader &loader, const QString &path)
{
    QElapsedTimer clock;
    clock.start();
    Timed t;
    t.picture = loader.load(path);
    t.ms = clock.elapsed();
    return t;
}

} // namespace

class BadPictures : public ::testing::Test
{
protected:
    void SetUp() override { loader.setMetafileHelper(metafileHelper()); }
    QString file(const QString &name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(name);
        writeFile(path, bytes);
        return path;
    }

    QTemporaryDir dir;
    QtPictureLoader loader;
};

TEST_F(BadPictures, DamagedAndForeignFilesFailAsOther)
{
    const QByteArray jpeg = encodedImage(sample(), "JPEG");
    const QByteArray bmp = encodedImage(sample(), "BMP");
    const QByteArray ico = encodedImage(sample(), "ICO");
    const struct {
        const char *name;
        QByteArray bytes;
    } cases[] = {
        {"empty.jpg", QByteArray()},
        {"one-byte.bmp", QByteArray("B")},
        {"header-only.bmp", bmp.left(54)},
        {"cut-header.bmp", bmp.left(20)},
        {"cut-header.ico", ico.left(10)},
        {"cut-markers.jpg", jpeg.left(12)},
        {"text.jpg", QByteArray("This is no picture at all.\n")},
        {"list.bmp", QByteArray("eof                 ") + QByteArray(108, ' ')},
        {"settings.gif", QByteArray("    slideshow interval = 1  ")},
        {"html.gif", QByteArray("<html><body>GIF89a</body></html>")},
        {"gif-signature-only.gif", QByteArray("GIF89a")},
        {"wmf-header-only.wmf", smallWmf().left(18)},
        {"emf-header-only.emf", smallEmf().left(88)},
        {"random.jpg", randomBytes(65536, 1)},
        {"random.wmf", randomBytes(4096, 2)},
    };
    for (const auto &c : cases) {
        const Timed t = timedLoad(loader, file(QLatin1String(c.name), c.bytes));
        EXPECT_EQ(t.picture.error, FileError::Other) << c.name;
        EXPECT_TRUE(t.picture.image.isNull()) << c.name;
        EXPECT_LT(t.ms, HangMs) << c.name;
    }
}

TEST_F(BadPictures, TruncatedPicturesFailOrShowWhatIsThere)
{
    const QByteArray sources[] = {encodedImage(sample(), "JPEG"), encodedImage(sample(), "BMP"),
                                  encodedImage(sample(), "ICO"), smallWmf(200, 100, 96), smallEmf()};
    int n = 0;
    for (const QByteArray &whole : sources) {
        for (const qsizetype cut : {whole.size() / 4, whole.size() / 2, whole.size() - 1}) {
            const Timed t = timedLoad(loader, file(QStringLiteral("cut%1").arg(n++), whole.left(cut)));
            EXPECT_TRUE(t.picture.error == FileError::None || t.picture.error == FileError::Other) << n;
            EXPECT_EQ(t.picture.image.isNull(), t.picture.error != FileError::None) << n;
            EXPECT_LT(t.ms, HangMs) << n;
        }
    }
}

TEST_F(BadPictures, HugeClaimedSizesFailFastWithoutTakingTheMemory)
{
    const struct {
        const char *name;
        QByteArray bytes;
    } cases[] = {
        // 1.6 gigapixels in 60 bytes: refused from the header.
        {"huge.bmp", bitmapClaiming(40000, 40000, 6)},
        {"negative.bmp", bitmapClaiming(-2147483647, -2147483647, 6)},
        // A 2 km wide EMF frame: refused before the helper runs.
        {"huge.emf", smallEmf(200'000'000, 100'000)},
    };
    for (const auto &c : cases) {
        const Timed t = timedLoad(loader, file(QLatin1String(c.name), c.bytes));
        EXPECT_EQ(t.picture.error, FileError::Other) << c.name;
        EXPECT_LT(t.ms, 1000) << c.name;
    }
}

TEST_F(BadPictures, AHugeMetafileIsDrawnWithBoundedPixelsAtItsNaturalSize)
{
    // A placeable WMF 3 m square at 100 units an inch: 11339 pixels a side at 96 dpi.
    const QString path = file(QStringLiteral("poster.wmf"), smallWmf(11811, 11811, 100));
    const Timed t = timedLoad(loader, path);
    ASSERT_TRUE(t.picture.ok());
    EXPECT_EQ(t.picture.naturalTwips, QSize(170078, 170078));
    const qint64 pixels = qint64(t.picture.image.width()) * t.picture.image.height();
    EXPECT_LE(pixels, QtPictureLoader::MaxMetafileRenderPixels);
    EXPECT_GT(pixels, QtPictureLoader::MaxMetafileRenderPixels * 9 / 10);
    EXPECT_EQ(t.picture.image.width(), t.picture.image.height());
    EXPECT_LT(t.ms, HangMs);
}

TEST_F(BadPictures, OddPathsLoadOrFailAsAccessErrors)
{
    const QByteArray bmp = encodedImage(sample(), "BMP");
    const QString names[] = {
        QStringLiteral("with blanks .bmp"),
        QStringLiteral(" leading blank.bmp"),
        QStringLiteral("Ölgemälde – Übersicht.bmp"),
        QStringLiteral("写真.jpg"),
        QStringLiteral("line\nbreak.bmp"),
        QStringLiteral("tab\tand\rreturn.gif"),
        QStringLiteral("quote'and\"double.ico"),
        QStringLiteral("star*question?.cur"),
        QString(200, QLatin1Char('n')) + QStringLiteral(".bmp"),
        QStringLiteral("deep/") + QStringLiteral("folder name/").repeated(40) + QStringLiteral("x.dib"),
    };
    for (const QString &name : names) {
        const QString path = dir.filePath(name);
        writeFile(path, bmp);
        const LoadedPicture p = loader.load(path);
        EXPECT_TRUE(p.ok()) << name.toStdString();
        EXPECT_EQ(p.image.size(), QSize(64, 48)) << name.toStdString();
    }
    // A name past the file system's limit, and a path past PATH_MAX, cannot be reached.
    const QString tooLong[] = {
        dir.filePath(QString(300, QLatin1Char('x')) + QStringLiteral(".bmp")),
        dir.filePath(QStringLiteral("abcdefgh/").repeated(500) + QStringLiteral("a.bmp"))};
    for (const QString &path : tooLong) {
        const LoadedPicture p = loader.load(path);
        EXPECT_TRUE(FileError::isFileAccess(p.error)) << p.error;
    }
    // A folder cannot be read as a file; a pipe is no picture (reading it would never end).
    EXPECT_EQ(loader.load(dir.path()).error, FileError::PathFileAccess);
    const QString fifo = dir.filePath(QStringLiteral("pipe.jpg"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_EQ(loader.load(fifo).error, FileError::Other);
}

TEST_F(BadPictures, BytesAndFilesGiveTheSamePicture)
{
    const QByteArray jpeg = encodedImage(sample(), "JPEG");
    const LoadedPicture fromFile = loader.load(file(QStringLiteral("a.jpg"), jpeg));
    const LoadedPicture fromBytes = loader.loadFromBytes(jpeg);
    ASSERT_TRUE(fromFile.ok());
    ASSERT_TRUE(fromBytes.ok());
    EXPECT_EQ(fromFile.naturalTwips, fromBytes.naturalTwips);
    EXPECT_EQ(fromFile.image, fromBytes.image);
    EXPECT_EQ(loader.loadFromBytes(QByteArray()).error, FileError::Other);
    EXPECT_TRUE(loader.loadFromBytes(smallWmf(200, 100, 96)).ok());
}

// Every input the fuzzers found a fault with, through the code that had the fault.
TEST(FuzzRegressions, EachKeptInputRunsCleanlyThroughTheRealCode)
{
    QtPictureLoader loader;
    loader.setMetafileHelper(metafileHelper());
    int count = 0;
    QDirIterator it(QStringLiteral(ORVANTA_FUZZ_REGRESSIONS), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString harness = QFileInfo(QFileInfo(path).path()).fileName();
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
        const QByteArray bytes = f.readAll();
        SCOPED_TRACE(path.toStdString());
        ++count;
        if (harness == QLatin1String("wmf")) {
            convertWmf(bytes, 96, QtPictureLoader::MaxPixels); // in this process: the fault itself
            EXPECT_NE(loader.load(path).error, FileError::FileNotFound);
        } else if (harness == QLatin1String("emf")) {
            // Twice: what libemf2svg keeps from one conversion must not break the next.
            convertEmf(bytes);
            convertEmf(bytes);
            EXPECT_NE(loader.load(path).error, FileError::FileNotFound);
        } else if (harness == QLatin1String("picture") ||
                   QStringList{"png", "webp", "tiff", "avif", "heif", "jxl", "svg"}.contains(harness)) {
            const LoadedPicture p = loader.load(path);
            EXPECT_TRUE(p.error == FileError::None || p.error == FileError::Other);
            EXPECT_EQ(loader.loadFromBytes(bytes).error, p.error);
        } else if (harness == QLatin1String("listfile")) {
            const ListFileReader::Result r = ListFileReader::read(path);
            EXPECT_EQ(r.error, FileError::None);
        } else if (harness == QLatin1String("settings")) {
            SettingsRecords::readOptions(bytes);
            QByteArray file = bytes;
            RecentSlots::store(file, QStringLiteral("/home/user/a.pvl"));
        } else if (harness == QLatin1String("commandline")) {
            const QString argument = QString::fromUtf8(bytes);
            EXPECT_EQ(classifyArgument(argument) == ArgumentKind::Empty, argument.isEmpty());
            absoluteArgument(argument, QDir::tempPath());
        } else {
            ADD_FAILURE() << "no test for inputs of " << harness.toStdString();
        }
    }
    EXPECT_GT(count, 0);
}
