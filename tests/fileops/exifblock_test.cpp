// Reading and mending a photo's Exif block by hand: the date, the
// orientation, and damaged blocks.
#include "exifblock.h"
#include "testutils.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QImage>
#include <gtest/gtest.h>

using namespace orv;

namespace {

void put16(QByteArray &d, quint16 v, bool little)
{
    d.append(char(little ? v & 0xFF : v >> 8)).append(char(little ? v >> 8 : v & 0xFF));
}
void put32(QByteArray &d, quint32 v, bool little)
{
    put16(d, quint16(little ? v & 0xFFFF : v >> 16), little);
    put16(d, quint16(little ? v >> 16 : v & 0xFFFF), little);
}
void putEntry(QByteArray &d, quint16 tag, quint16 type, quint32 count, quint32 value, bool little)
{
    put16(d, tag, little);
    put16(d, type, little);
    put32(d, count, little);
    if (type == 3 && count == 1) {
        put16(d, quint16(value), little);
        put16(d, 0, little);
    } else {
        put32(d, value, little);
    }
}

// A TIFF block: IFD0 with the orientation and a pointer to an Exif IFD that
// holds DateTimeOriginal.
QByteArray tiffBlock(bool little, int orientation, const QByteArray &date)
{
    QByteArray d(little ? "II*\0" : "MM\0*", 4);
    put32(d, 8, little);
    put16(d, 2, little); // IFD0: two entries
    putEntry(d, 0x0112, 3, 1, quint32(orientation), little);
    putEntry(d, 0x8769, 4, 1, 8 + 2 + 24 + 4, little);
    put32(d, 0, little);
    put16(d, 1, little); // the Exif IFD
    putEntry(d, 0x9003, 2, 20, 8 + 2 + 24 + 4 + 2 + 12 + 4, little);
    put32(d, 0, little);
    d.append(date).append('\0');
    return d;
}

QByteArray jpegWith(const QByteArray &tiff)
{
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    QImage(8, 8, QImage::Format_RGB32).save(&buffer, "jpeg");
    QByteArray segment("\xFF\xE1", 2);
    const int length = int(tiff.size()) + 8;
    segment.append(char(length >> 8)).append(char(length & 0xFF)).append("Exif\0\0", 6).append(tiff);
    return jpeg.insert(2, segment);
}

} // namespace

TEST(ExifBlockTest, ReadsTheDateAndOrientationInEitherByteOrder)
{
    for (bool little : {true, false}) {
        const QByteArray jpeg = jpegWith(tiffBlock(little, 6, "2021:12:24 18:30:05"));
        const auto span = exif::findJpegExif(jpeg);
        ASSERT_TRUE(span);
        QByteArray tiff = jpeg.mid(span->offset, span->length);
        EXPECT_EQ(exif::dateTaken(tiff), "2021:12:24 18:30:05");
        EXPECT_EQ(exif::orientation(tiff), 6);
        ASSERT_TRUE(exif::setOrientation(tiff, 1));
        EXPECT_EQ(exif::orientation(tiff), 1);
        EXPECT_EQ(exif::dateTaken(tiff), "2021:12:24 18:30:05");
    }
}

TEST(ExifBlockTest, DamagedOrMissingBlocksGiveNothingAndNeverReadPastTheEnd)
{
    const QByteArray good = tiffBlock(true, 3, "2021:12:24 18:30:05");
    const struct {
        const char *what;
        QByteArray tiff;
        QString date;
        int orientation;
    } rows[] = {
        {"whole", good, "2021:12:24 18:30:05", 3},
        {"cut in the date", good.left(good.size() - 6), "", 3},
        {"cut in IFD0", good.left(20), "", 1},
        {"no byte order", QByteArray("XX*\0", 4) + good.mid(4), "", 1},
        {"empty", QByteArray(), "", 1},
        {"a camera without a clock", tiffBlock(true, 1, "0000:00:00 00:00:00"), "", 1},
        {"orientation out of range", tiffBlock(false, 12, "2020:01:01 00:00:00"), "2020:01:01 00:00:00", 1},
    };
    for (const auto &r : rows) {
        EXPECT_EQ(exif::dateTaken(r.tiff), r.date) << r.what;
        EXPECT_EQ(exif::orientation(r.tiff), r.orientation) << r.what;
    }
    // Not a JPEG, or a JPEG whose Exif segment runs past the bytes read.
    EXPECT_FALSE(exif::findJpegExif("GIF89a"));
    EXPECT_FALSE(exif::findJpegExif(jpegWith(good).left(30)));
}

TEST(ExifBlockTest, ReadsAFilesDateFromItsLeadingSegmentsOnly)
{
    QTemporaryDir dir;
    const QByteArray tiff = tiffBlock(true, 1, "2019:05:01 07:00:00");
    const QByteArray jpeg = jpegWith(tiff);
    const auto span = exif::findJpegExif(jpeg);
    ASSERT_TRUE(span);
    // Cut right after the Exif segment: nothing after it is needed.
    test::writeFile(dir.filePath("cut.jpg"), jpeg.left(span->offset + span->length));
    test::writeFile(dir.filePath("plain.jpg"), jpegWith(QByteArray()).remove(2, 10));
    test::writeFile(dir.filePath("a.png"), test::encodedImage(QImage(4, 4, QImage::Format_RGB32), "png"));

    // An XMP segment, an APP1 as well, ahead of the Exif one (as some editors write).
    static const char xmp[] = "\xFF\xE1\x00\x2Bhttp://ns.adobe.com/xap/1.0/\0<x:xmpmeta/>";
    const auto behind = exif::findJpegExif(QByteArray(jpeg).insert(2, QByteArray(xmp, sizeof xmp - 1)));
    ASSERT_TRUE(behind);
    EXPECT_EQ(behind->offset, span->offset + 45);

    const auto cut = exif::readJpegExif(dir.filePath("cut.jpg"));
    ASSERT_TRUE(cut);
    EXPECT_EQ(exif::dateTaken(*cut), "2019:05:01 07:00:00");
    const auto plain = exif::readJpegExif(dir.filePath("plain.jpg"));
    ASSERT_TRUE(plain);
    EXPECT_TRUE(plain->isEmpty());
    EXPECT_FALSE(exif::readJpegExif(dir.filePath("a.png")));
    EXPECT_FALSE(exif::readJpegExif(dir.filePath("missing.jpg")));
}
