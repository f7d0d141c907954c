#include "compactpicture.h"
#include "picturecache.h"
#include "scriptedloader.h"

#include <QColorSpace>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <random>

using namespace orv;

namespace {

QImage noise(QSize size, QImage::Format format, unsigned seed)
{
    QImage image(size, format);
    std::mt19937 random(seed);
    for (int y = 0; y < size.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            line[x] = random() | 0xff000000u;
    }
    return image;
}

} // namespace

// A picture kept compact must look exactly as it did, drawn as it is or scaled;
// what cannot be compacted safely comes back untouched.
TEST(CompactPictureTest, CompactPicturesKeepEveryPixelAndOthersStayAsTheyAre)
{
    struct Case {
        const char *name;
        QSize size;
        QImage::Format format;
        bool shared; // someone else holds the picture too
        bool compacts;
    };
    const Case cases[] = {
        {"large opaque picture", {2001, 1503}, QImage::Format_RGB32, false, true},
        {"held elsewhere too", {2001, 1503}, QImage::Format_RGB32, true, false},
        {"with transparency", {2001, 1503}, QImage::Format_ARGB32_Premultiplied, false, false},
        {"small picture", {300, 200}, QImage::Format_RGB32, false, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QImage picture = noise(c.size, c.format, 7);
        picture.setColorSpace(QColorSpace(QColorSpace::SRgb));
        const QImage reference = picture.copy();
        QImage other = c.shared ? picture : QImage();
        const QImage kept = CompactPicture::compacted(std::move(picture));

        EXPECT_EQ(kept.format() == QImage::Format_RGB888, c.compacts);
        if (c.compacts) {
            EXPECT_LE(kept.sizeInBytes(), reference.sizeInBytes() * 3 / 4 + 4 * c.size.height());
            EXPECT_EQ(kept.colorSpace(), reference.colorSpace());
        }
        ASSERT_EQ(kept.size(), c.size);
        bool same = true;
        for (int y = 0; y < c.size.height() && same; y += 7)
            for (int x = 0; x < c.size.width() && same; ++x)
                same = kept.pixel(x, y) == reference.pixel(x, y);
        EXPECT_TRUE(same) << "every pixel as before";
        if (c.shared) {
            EXPECT_EQ(other, reference) << "the other holder's picture is untouched";
        }

        const QSize box(397, 301);
        EXPECT_EQ(CompactPicture::smoothlyScaled(kept, box),
                  reference.scaled(box, Qt::IgnoreAspectRatio, Qt::SmoothTransformation))
            << "scaled exactly as the four-byte picture";
    }
}

// At true size the cache keeps the whole picture compact; a display for the
// viewing area (fit, stretch) gets a picture decoded for it, in four bytes a
// pixel, not the compact one to be scaled.
TEST(CompactPictureTest, TheCacheKeepsTrueSizePicturesCompactAndDecodesAnewForTheBox)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.pic"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("2000 1500 red");
    file.close();
    test::ScriptedLoader loader;
    PictureCache cache(loader);

    const QImage whole = cache.load(path, QSize()).image;
    EXPECT_EQ(whole.format(), QImage::Format_RGB888);
    EXPECT_EQ(whole.pixel(1999, 1499), QColor(Qt::red).rgb());
    EXPECT_EQ(cache.load(path, QSize()).image.cacheKey(), whole.cacheKey()) << "kept";

    const QImage forBox = cache.load(path, QSize(601, 401)).image;
    EXPECT_EQ(forBox.format(), QImage::Format_RGB32);
    EXPECT_EQ(loader.callsFor(path), 2);
    EXPECT_TRUE(cache.isCached(path, QSize(601, 401)));
    EXPECT_EQ(cache.load(path, QSize(601, 401)).image.cacheKey(), forBox.cacheKey()) << "kept in its place";
    EXPECT_EQ(loader.callsFor(path), 2);
}
