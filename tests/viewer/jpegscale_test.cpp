#include "qtpictureloader.h"
#include "testutils.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace orv::test {
namespace {

// A JPEG whose left half is red and right half blue, with an Exif
// orientation when `orientation` is not 1.
QByteArray twoColourJpeg(QSize size, int orientation)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QPainter(&image).fillRect(QRect(0, 0, size.width() / 2, size.height()), Qt::red);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, "JPEG", 90));
    if (orientation == 1)
        return jpeg;
    // APP1 "Exif": a little-endian TIFF header and one IFD entry, the orientation.
    const QByteArray tiff = QByteArray("II*\0\x08\0\0\0", 8) + QByteArray("\x01\0", 2) +
                            QByteArray("\x12\x01\x03\0\x01\0\0\0", 8) + char(orientation) +
                            QByteArray(7, '\0');
    const QByteArray payload = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray app1("\xFF\xE1", 2);
    const quint16 length = quint16(payload.size() + 2);
    app1 += char(length >> 8);
    app1 += char(length & 0xFF);
    app1 += payload;
    return jpeg.left(2) + app1 + jpeg.mid(2);
}

bool reddish(QRgb c)
{
    return qRed(c) > 180 && qBlue(c) < 80;
}
bool bluish(QRgb c)
{
    return qBlue(c) > 180 && qRed(c) < 80;
}

TEST(JpegScaleTest, DecodesSmallerButNeverBelowTheSizeAskedFor)
{
    struct Case {
        QSize stored;
        int orientation;
        QSize minimum;
        QSize decoded; // as shown, after the orientation
    };
    const Case cases[] = {
        {{800, 600}, 1, QSize(), {800, 600}},
        {{800, 600}, 1, {90, 60}, {100, 75}},
        {{800, 600}, 1, {100, 75}, {100, 75}},
        {{800, 600}, 1, {101, 75}, {200, 150}},
        {{800, 600}, 1, {300, 10}, {400, 300}},
        {{800, 600}, 1, {401, 10}, {800, 600}},
        {{800, 600}, 1, {5000, 5000}, {800, 600}},
        {{800, 600}, 1, {0, 0}, {100, 75}},
        // Only scales that divide the size exactly are taken.
        {{802, 600}, 1, {90, 60}, {401, 300}},
        {{801, 601}, 1, {10, 10}, {801, 601}},
        // A picture turned a quarter: the size asked for is the one shown.
        {{800, 600}, 6, {75, 100}, {75, 100}},
        {{800, 600}, 6, {100, 75}, {150, 200}},
        {{800, 600}, 8, QSize(), {600, 800}},
    };
    QTemporaryDir dir;
    const QtPictureLoader loader(96.0);
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.stored.width() << "x" << c.stored.height() << " orientation " << c.orientation
                     << " minimum " << c.minimum.width() << "x" << c.minimum.height());
        const QString path = dir.filePath(QStringLiteral("p.jpg"));
        writeFile(path, twoColourJpeg(c.stored, c.orientation));

        const LoadedPicture p = loader.load(path, c.minimum);
        ASSERT_TRUE(p.ok());
        EXPECT_EQ(p.image.size(), c.decoded);
        const QSize natural = c.orientation >= 5 ? c.stored.transposed() : c.stored;
        EXPECT_EQ(p.naturalTwips, natural * 15) << "the natural size is the file's, whatever the scale";
        if (c.minimum.isValid()) {
            EXPECT_GE(p.image.width(), std::min(natural.width(), c.minimum.width()));
            EXPECT_GE(p.image.height(), std::min(natural.height(), c.minimum.height()));
        }

        // The stored left half is red: shown on the left, or on top when turned
        // a quarter clockwise (6), or at the bottom when turned the other way (8).
        const QImage &img = p.image;
        const int w = img.width(), h = img.height();
        if (c.orientation == 1) {
            EXPECT_TRUE(reddish(img.pixel(w / 4, h / 2)));
            EXPECT_TRUE(bluish(img.pixel(3 * w / 4, h / 2)));
        } else if (c.orientation == 6) {
            EXPECT_TRUE(reddish(img.pixel(w / 2, h / 4)));
            EXPECT_TRUE(bluish(img.pixel(w / 2, 3 * h / 4)));
        } else {
            EXPECT_TRUE(reddish(img.pixel(w / 2, 3 * h / 4)));
            EXPECT_TRUE(bluish(img.pixel(w / 2, h / 4)));
        }
    }
}

TEST(JpegScaleTest, FullDecodeMatchesQtsOwnReader)
{
    // Large enough for the decoder to fill a buffer of our own.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.jpg"));
    QImage source(2048, 1200, QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(source.scanLine(y));
        for (int x = 0; x < source.width(); ++x)
            line[x] = qRgb(x & 255, y & 255, (x ^ y) & 255);
    }
    ASSERT_TRUE(source.save(path, "JPEG", 90));

    const LoadedPicture p = QtPictureLoader(96.0).load(path);
    ASSERT_TRUE(p.ok());
    QImageReader reader(path);
    reader.setAutoTransform(false);
    const QImage expected = reader.read().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(p.image.size(), expected.size());
    EXPECT_TRUE(p.image == expected);
}

TEST(JpegScaleTest, OtherFormatsLoadWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.bmp"));
    QImage image(800, 600, QImage::Format_RGB32);
    image.fill(Qt::green);
    ASSERT_TRUE(image.save(path));
    const LoadedPicture p = QtPictureLoader(96.0).load(path, QSize(90, 60));
    ASSERT_TRUE(p.ok());
    EXPECT_EQ(p.image.size(), QSize(800, 600));
    EXPECT_EQ(p.naturalTwips, QSize(12000, 9000));
}

} // namespace
} // namespace orv::test
