// Writing a turn into a picture file: without loss, with its metadata, and
// never leaving a damaged file behind.
#include "exifblock.h"
#include "exiv2metadatareader.h"
#include "oddfiles.h"
#include "photofiles.h"
#include "testutils.h"
#include "turnsave.h"

#include <QColorSpace>
#include <QDir>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <QFileInfo>

#include <sys/stat.h>

using namespace orv;
using namespace orv::test;

namespace {

// ImageMagick writes the GIFs: Qt has no GIF writer.
bool writeGif(const QString &path, const QStringList &options)
{
    return QProcess::execute("convert", QStringList{"-size", "40x24", "pattern:checkerboard", "-colors", "7"} +
                                            options + QStringList{path}) == 0;
}

QImage decoded(const QString &path)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

class TurnSaveTest : public ::testing::Test
{
protected:
    QString photo(const QString &name, PhotoTags tags = {}, QSize size = QSize(64, 48))
    {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(writePhoto(path, blockPattern(size), tags));
        return path;
    }
    QTemporaryDir dir;
};

} // namespace

TEST_F(TurnSaveTest, AJpegTurnsLikeJpegtranAndFourQuarterTurnsGiveItBack)
{
    PhotoTags tags;
    tags.make = "Pentax";
    tags.taken = "2023:07:14 10:20:30";
    tags.comment = "beach";
    tags.xmpTitle = "Holiday";
    const QString path = photo("a.jpg", tags);
    const QImage before = decoded(path);
    ASSERT_EQ(QProcess::execute("jpegtran", {"-rotate", "90", "-copy", "all", "-outfile", dir.filePath("ref.jpg"),
                                             path}),
              0);

    ASSERT_EQ(TurnSave::save(path, PictureTurn{1, false}).outcome, TurnSave::Saved);
    EXPECT_EQ(decoded(path), decoded(dir.filePath("ref.jpg")));
    const double sizeRatio = double(QFileInfo(path).size()) / QFileInfo(dir.filePath("ref.jpg")).size();
    EXPECT_NEAR(sizeRatio, 1.0, 0.01);

    // Every segment stays: Exif, the colour profile, XMP and the comment.
    const QByteArray turned = readFile(path);
    const auto exif = exif::findJpegExif(turned);
    ASSERT_TRUE(exif);
    EXPECT_EQ(exif::dateTaken(QByteArrayView(turned).sliced(exif->offset, exif->length)), tags.taken);
    EXPECT_TRUE(turned.contains("Pentax"));
    EXPECT_TRUE(turned.contains("beach"));
    EXPECT_TRUE(turned.contains("Holiday"));
    EXPECT_TRUE(QImage(path).colorSpace().isValid());

    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(TurnSave::save(path, PictureTurn{1, false}).outcome, TurnSave::Saved);
    EXPECT_EQ(decoded(path), before);
}

TEST_F(TurnSaveTest, TheSavedJpegLooksAsTheTurnedViewAndStandsUpright)
{
    const struct {
        int orientation;
        PictureTurn turn;
    } rows[] = {
        {1, {1, false}}, {1, {0, true}}, {1, {2, true}}, {6, {3, false}},
        {6, {1, false}}, {3, {0, true}}, {5, {2, true}}, {8, {1, true}},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(testing::Message() << "orientation " << r.orientation << ", turn " << r.turn.quarters
                                        << (r.turn.mirrored ? " mirrored" : ""));
        PhotoTags tags;
        tags.orientation = r.orientation;
        const QString path = photo("o.jpg", tags);
        const QImage view = r.turn.applied(decoded(path));
        ASSERT_EQ(TurnSave::save(path, r.turn).outcome, TurnSave::Saved);
        // Moved blocks decode a little differently from moved pixels.
        EXPECT_LE(largestDifference(decoded(path), view), 4);
        const QByteArray bytes = readFile(path);
        const auto exif = exif::findJpegExif(bytes);
        ASSERT_TRUE(exif);
        EXPECT_EQ(exif::orientation(QByteArrayView(bytes).sliced(exif->offset, exif->length)), 1);
    }
}

TEST_F(TurnSaveTest, AJpegOfPartialBlocksIsTurnedOnlyTrimmed)
{
    const QString path = photo("odd.jpg", {}, QSize(60, 44));
    const QByteArray original = readFile(path);
    const TurnSave asked = TurnSave::save(path, PictureTurn{1, false});
    EXPECT_EQ(asked.outcome, TurnSave::NeedsTrim);
    EXPECT_EQ(asked.block, QSize(16, 16));
    EXPECT_EQ(asked.trimmedSize, QSize(32, 60));
    EXPECT_EQ(readFile(path), original);

    EXPECT_EQ(TurnSave::save(path, PictureTurn{1, false}, true).outcome, TurnSave::Saved);
    EXPECT_EQ(QImageReader(path).size(), asked.trimmedSize);
}

TEST_F(TurnSaveTest, LosslessFormatsAreWrittenPixelForPixelWithTheirData)
{
    const struct {
        const char *name;
        const char *format;
        PictureTurn turn;
        const char *gifPage = ""; // a GIF's frame placed inside a larger screen
    } rows[] = {
        {"a.png", "png", {1, false}},
        {"b.bmp", "bmp", {0, true}},
        {"c.tif", "tiff", {3, true}},
        {"d.gif", "gif", {1, true}},
        {"e.gif", "gif", {3, false}, "60x40+5+3"},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.name);
        const QString path = dir.filePath(r.name);
        PhotoTags tags;
        if (QByteArray(r.format) != "bmp") {
            tags.make = "Sony";
            tags.xmpTitle = "Harbour";
        }
        const bool gif = QByteArray(r.format) == "gif";
        if (gif) {
            tags = {};
            ASSERT_TRUE(writeGif(path, {"-fill", "red", "-draw", "point 3,1", "-transparent", "black", "-set", "page",
                                        r.gifPage, "-set", "comment", "Harbour"}));
        } else {
            ASSERT_TRUE(writePhoto(path, blockPattern(QSize(40, 24)), tags, r.format));
        }
        const QImage before = decoded(path);
        const QList<QRgb> palette = QImage(path).colorTable();
        ASSERT_EQ(TurnSave::kindOf(path), TurnSave::Lossless);
        ASSERT_EQ(TurnSave::save(path, r.turn).outcome, TurnSave::Saved);
        EXPECT_EQ(decoded(path), r.turn.applied(before));
        EXPECT_EQ(Exiv2MetadataReader().read(path).make, tags.make);
        EXPECT_EQ(readFile(path).contains("Harbour"), gif || !tags.xmpTitle.isEmpty());
        EXPECT_EQ(QImage(path).colorTable(), palette);
    }
}

TEST_F(TurnSaveTest, OnlyFormatsThatKeepEveryPixelCanBeSaved)
{
    writeFile(dir.filePath("text.jpg"), "not a picture");
    const QImage small = blockPattern(QSize(16, 16));
    ASSERT_TRUE(writeGif(dir.filePath("still.gif"), {}));
    ASSERT_TRUE(writeGif(dir.filePath("moving.gif"), {"(", "+clone", "-negate", ")"}));
    small.save(dir.filePath("photo.webp"), "webp");
    small.save(dir.filePath("named-wrong.png"), "jpeg");
    const struct {
        const char *name;
        TurnSave::Kind kind;
    } rows[] = {
        {"text.jpg", TurnSave::NotSavable},
        {"still.gif", TurnSave::Lossless},
        {"moving.gif", TurnSave::NotSavable},
        {"photo.webp", TurnSave::NotSavable},
        {"named-wrong.png", TurnSave::Jpeg},
        {"missing.png", TurnSave::NotSavable},
    };
    for (const auto &r : rows)
        EXPECT_EQ(TurnSave::kindOf(dir.filePath(r.name)), r.kind) << r.name;
    const TurnSave refused = TurnSave::save(dir.filePath("photo.webp"), PictureTurn{1, false});
    EXPECT_EQ(refused.outcome, TurnSave::Failed);
    EXPECT_FALSE(refused.reason.isEmpty());

    // A GIF cut short is read by neither side: it stays as it was.
    const QString cut = dir.filePath("cut.gif");
    writeFile(cut, readFile(dir.filePath("still.gif")).first(40));
    const TurnSave bad = TurnSave::save(cut, PictureTurn{1, false});
    EXPECT_EQ(bad.outcome, TurnSave::Failed);
    EXPECT_FALSE(bad.reason.isEmpty());
    EXPECT_EQ(readFile(cut).size(), 40);
}

TEST_F(TurnSaveTest, AFailedWriteLeavesTheOriginalByteForByteAndSaysWhy)
{
    openToEveryone(dir.path());
    const QString folder = dir.filePath("ro");
    ASSERT_TRUE(QDir().mkdir(folder));
    for (const char *name : {"ro/a.jpg", "ro/b.png", "big.jpg", "big.png"}) {
        ASSERT_TRUE(writePhoto(dir.filePath(name), blockPattern(QSize(512, 512)), {},
                               QString(name).endsWith("jpg") ? "jpeg" : "png"));
    }
    ::chmod(QFile::encodeName(folder).constData(), 0755);

    const struct {
        const char *name;
        bool readOnlyFolder; // else: the disk fills while writing
    } rows[] = {{"ro/a.jpg", true}, {"ro/b.png", true}, {"big.jpg", false}, {"big.png", false}};
    for (const auto &r : rows) {
        SCOPED_TRACE(r.name);
        const QString path = dir.filePath(r.name);
        const QByteArray original = readFile(path);
        TurnSave result;
        if (r.readOnlyFolder) {
            const AsOrdinaryUser ordinary;
            result = TurnSave::save(path, PictureTurn{1, false});
        } else {
            // No file may grow past 16 bytes: the write stops at its start, as on a full disk.
            const FullDiskAfter full(16);
            result = TurnSave::save(path, PictureTurn{1, false});
        }
        EXPECT_EQ(result.outcome, TurnSave::Failed);
        EXPECT_FALSE(result.reason.isEmpty());
        EXPECT_EQ(readFile(path), original);
        EXPECT_EQ(QDir(QFileInfo(path).path()).entryList(QDir::Files).size(), 2)
            << "no temporary file is left behind";
    }
}
