// The loader on generated files: failure kinds, format by content, icon entries, Exif
// orientation and the size limits.

#include "metafilewriters.h"
#include "qtpictureloader.h"
#include "testutils.h"

#include <QBuffer>
#include <QColor>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

#include <unistd.h>

using namespace orv;

namespace {

QString corpus(const QString &relative)
{
    return QDir(orv::test::corpusDir()).filePath(relative);
}

using orv::test::appendLe16;
using orv::test::appendLe32;

// An 8-bit grey bitmap whose pixels all have the value `grey`; the pixel data is
// `pixelBytes` long when given (a header claiming more than the file holds).
QByteArray greyBmp(int width, int height, quint8 grey, qint64 pixelBytes = -1)
{
    const qint64 stride = (width + 3) / 4 * 4;
    const qint64 size = pixelBytes >= 0 ? pixelBytes : stride * height;
    QByteArray d("BM");
    appendLe32(d, quint32(14 + 40 + 1024 + size));
    appendLe32(d, 0);
    appendLe32(d, 14 + 40 + 1024);
    appendLe32(d, 40);
    appendLe32(d, quint32(width));
    appendLe32(d, quint32(height));
    appendLe16(d, 1);
    appendLe16(d, 8);
    for (int i = 0; i < 6; ++i)
        appendLe32(d, 0);
    for (int i = 0; i < 256; ++i)
        appendLe32(d, quint32(i) * 0x010101);
    d += QByteArray(size, char(grey));
    return d;
}

QByteArray encodedImage(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, format));
    return bytes;
}

QImage filled(int w, int h, QRgb color, QImage::Format format = QImage::Format_ARGB32)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(color);
    return image.convertToFormat(format);
}

// An icon (type 1) or cursor (type 2) whose entries are PNG images. The PNG of entry
// `broken` gets a text chunk after its header that claims 1.6 GB.
QByteArray iconWith(quint16 type, const QList<QImage> &entries, int broken = -1)
{
    QByteArray d;
    appendLe16(d, 0);
    appendLe16(d, type);
    appendLe16(d, quint16(entries.size()));
    QByteArray images;
    const int dataStart = 6 + 16 * int(entries.size());
    for (const QImage &image : entries) {
        QByteArray png = encodedImage(image, "PNG");
        if (d.size() == 6 + 16 * broken)
            png.insert(8 + 25, QByteArray("\x62\0\0\0tEXtComment", 15));
        d.append(char(image.width() & 0xFF)).append(char(image.height() & 0xFF)).append('\0').append('\0');
        appendLe16(d, 1);
        appendLe16(d, 32);
        appendLe32(d, quint32(png.size()));
        appendLe32(d, quint32(dataStart + images.size()));
        images += png;
    }
    return d + images;
}

// A JPEG of `image` carrying an Exif orientation tag of the given TIFF type (3: 16 bits,
// 9: signed 32 bits).
QByteArray jpegWithOrientation(const QImage &image, int orientation, quint16 type = 3)
{
    QByteArray jpeg = encodedImage(image, "JPEG");
    QByteArray tiff("MM\0\x2a\0\0\0\x08", 8);
    const auto be16 = [&tiff](quint16 v) { tiff.append(char(v >> 8)).append(char(v & 0xFF)); };
    be16(1);
    be16(0x0112);
    be16(type);
    tiff += QByteArray("\0\0\0\x01", 4);
    if (type == 3) {
        be16(quint16(orientation));
        be16(0);
    } else {
        be16(0);
        be16(quint16(orientation));
    }
    tiff += QByteArray(4, '\0');
    const QByteArray payload = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray segment("\xFF\xE1", 2);
    segment.append(char((payload.size() + 2) >> 8)).append(char((payload.size() + 2) & 0xFF));
    return jpeg.insert(2, segment + payload);
}

// A small JPEG whose frame header claims `side` × `side` pixels.
QByteArray claimingJpeg(QImage::Format format, quint16 side)
{
    QByteArray jpeg = encodedImage(filled(16, 16, qRgb(9, 9, 9), format), "JPEG");
    const qsizetype sof = jpeg.indexOf("\xFF\xC0");
    EXPECT_GT(sof, 0);
    qToBigEndian<quint16>(side, jpeg.data() + sof + 5);
    qToBigEndian<quint16>(side, jpeg.data() + sof + 7);
    return jpeg;
}

class PictureLoaderTest : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    LoadedPicture loadBytes(const QByteArray &bytes, const QString &name)
    {
        orv::test::writeFile(path(name), bytes);
        return m_loader.load(path(name));
    }

    QTemporaryDir m_dir;
    QtPictureLoader m_loader;
};

} // namespace

TEST_F(PictureLoaderTest, FileAccessFailuresHaveTheirNumbers)
{
    orv::test::writeFile(path("locked.bmp"), greyBmp(4, 4, 0));
    QFile::setPermissions(path("locked.bmp"), QFileDevice::Permissions());
    const bool permissionsEnforced = ::access(QFile::encodeName(path("locked.bmp")).constData(), R_OK) != 0;

    const struct {
        QString path;
        int error;
        bool needsPermissions;
    } cases[] = {
        {path("missing.bmp"), FileError::FileNotFound, false},
        {path("no folder/missing.bmp"), FileError::PathNotFound, false},
        {m_dir.path(), FileError::PathFileAccess, false},
        {path("locked.bmp"), FileError::PermissionDenied, true},
    };
    for (const auto &c : cases) {
        if (c.needsPermissions && !permissionsEnforced)
            continue; // running as root: the file is readable after all
        const LoadedPicture p = m_loader.load(c.path);
        EXPECT_EQ(p.error, c.error) << c.path.toStdString();
        EXPECT_TRUE(p.image.isNull());
    }
}

TEST_F(PictureLoaderTest, UnreadableContentIsOther)
{
    const struct {
        const char *name;
        QByteArray bytes;
    } cases[] = {
        {"empty.bmp", QByteArray()},
        {"text.jpg", QByteArray("just some words, no picture\n")},
        {"picture.ppm", encodedImage(filled(8, 8, qRgb(1, 2, 3)), "PPM")}, // Qt reads it, we do not
        {"drawing.bmp", QByteArray("<html><body><svg width=\"8\" height=\"8\"/></body></html>")},
        {"bitmap.gif", QByteArray("#define x_width 8\n#define x_height 1\nstatic char x_bits[] = {0x00};\n")},
        {"cut.bmp", greyBmp(4, 4, 0).left(20)},
    };
    for (const auto &c : cases) {
        const LoadedPicture p = loadBytes(c.bytes, QString::fromLatin1(c.name));
        EXPECT_EQ(p.error, FileError::Other) << c.name;
        EXPECT_TRUE(p.image.isNull()) << c.name;
    }
}

TEST_F(PictureLoaderTest, TheContentDecidesTheFormatNotTheName)
{
    const struct {
        const char *source, *disguise;
    } cases[] = {
        {"jpg/valid/qt-beavis.jpg", "beavis.bmp"},       {"gif/valid/qt-trolltech.gif", "trolltech.jpg"},
        {"bmp/valid/qt-colorful.bmp", "colorful.gif"},   {"bmp/valid/qt-colorful.bmp", "colorful.dib"},
        {"ico/valid/qt-WORLD.ico", "world.bmp"},         {"wmf/valid/gm-ski.wmf", "ski.emf"},
        {"emf/valid/lo-TestRoundRect.emf", "round.wmf"},
    };
    for (const auto &c : cases) {
        const LoadedPicture original = m_loader.load(corpus(QString::fromLatin1(c.source)));
        ASSERT_TRUE(original.ok()) << c.source;
        const LoadedPicture disguised = loadBytes(orv::test::readFile(corpus(QString::fromLatin1(c.source))),
                                                  QString::fromLatin1(c.disguise));
        ASSERT_TRUE(disguised.ok()) << c.disguise;
        EXPECT_EQ(disguised.naturalTwips, original.naturalTwips) << c.disguise;
        EXPECT_TRUE(disguised.image == original.image) << c.disguise;
    }
}

TEST_F(PictureLoaderTest, HeaderlessDibReadsLikeTheBitmap)
{
    const QByteArray bmp = orv::test::readFile(corpus("bmp/valid/qt-colorful.bmp"));
    ASSERT_FALSE(bmp.isEmpty());
    const LoadedPicture withHeader = loadBytes(bmp, "colorful.bmp");
    const LoadedPicture headerless = loadBytes(bmp.mid(14), "colorful.dib");
    ASSERT_TRUE(withHeader.ok());
    ASSERT_TRUE(headerless.ok());
    EXPECT_TRUE(headerless.image == withHeader.image);
}

TEST_F(PictureLoaderTest, IconsShowTheirLargestEntry)
{
    const QRgb red = qRgb(255, 0, 0), green = qRgb(0, 160, 0), blue = qRgb(0, 0, 255);
    const struct {
        const char *name;
        quint16 type;
        QList<QImage> entries;
        QSize size;
        QRgb color;
    } cases[] = {
        {"sizes.ico", 1, {filled(16, 16, red), filled(48, 48, green), filled(32, 32, blue)}, {48, 48}, green},
        {"sizes.cur", 2, {filled(16, 16, red), filled(32, 32, blue), filled(48, 48, green)}, {48, 48}, green},
        // Equally large: the entry with more colours wins, wherever it is.
        {"depths.ico",
         1,
         {filled(32, 32, blue, QImage::Format_Indexed8), filled(32, 32, green)},
         {32, 32},
         green},
        {"depths2.ico",
         1,
         {filled(32, 32, green), filled(32, 32, blue, QImage::Format_Indexed8)},
         {32, 32},
         green},
    };
    for (const auto &c : cases) {
        const LoadedPicture p = loadBytes(iconWith(c.type, c.entries), QString::fromLatin1(c.name));
        ASSERT_TRUE(p.ok()) << c.name;
        EXPECT_EQ(p.image.size(), c.size) << c.name;
        EXPECT_EQ(p.image.pixel(c.size.width() / 2, c.size.height() / 2), c.color) << c.name;
        EXPECT_EQ(p.naturalTwips, c.size * 15) << c.name;
    }
}

// libpng allocates what a chunk claims before reading it: an entry whose PNG claims more
// than the file holds is passed over for the next largest, never handed to libpng.
TEST_F(PictureLoaderTest, IconEntriesWhosePngOverrunsTheFileArePassedOver)
{
    const QRgb red = qRgb(255, 0, 0), green = qRgb(0, 160, 0);
    const struct {
        const char *name;
        QList<QImage> entries;
        int broken;
        QSize size; // empty: the picture fails
    } cases[] = {
        {"first.ico", {filled(48, 48, green), filled(16, 16, red)}, 0, {16, 16}},
        {"second.ico", {filled(16, 16, red), filled(48, 48, green)}, 1, {16, 16}},
        {"only.ico", {filled(48, 48, green)}, 0, {}},
    };
    for (const auto &c : cases) {
        const LoadedPicture p = loadBytes(iconWith(1, c.entries, c.broken), QString::fromLatin1(c.name));
        if (c.size.isEmpty()) {
            EXPECT_EQ(p.error, FileError::Other) << c.name;
            continue;
        }
        ASSERT_TRUE(p.ok()) << c.name;
        EXPECT_EQ(p.image.size(), c.size) << c.name;
        EXPECT_EQ(p.image.pixel(8, 8), red) << c.name;
    }
}

TEST_F(PictureLoaderTest, ExifOrientationIsApplied)
{
    // 40 × 20 with a colour per quarter; the table gives the quarters after orientation.
    const QRgb r = qRgb(255, 0, 0), g = qRgb(0, 255, 0), b = qRgb(0, 0, 255), y = qRgb(255, 255, 0);
    QImage source(40, 20, QImage::Format_RGB32);
    {
        QPainter painter(&source);
        painter.fillRect(0, 0, 20, 10, QColor(r));
        painter.fillRect(20, 0, 20, 10, QColor(g));
        painter.fillRect(0, 10, 20, 10, QColor(b));
        painter.fillRect(20, 10, 20, 10, QColor(y));
    }
    const struct {
        int orientation;
        quint16 type;
        QRgb topLeft, topRight, bottomLeft, bottomRight;
    } cases[] =
        {
            {1, 3, r, g, b, y}, {2, 3, g, r, y, b}, {3, 3, y, b, g, r}, {4, 3, b, y, r, g},
            {5, 3, r, b, g, y}, {6, 3, b, r, y, g}, {7, 3, y, g, b, r}, {8, 3, g, y, r, b},
            {6, 9, b, r, y, g}, // the tag written as a 32-bit value, as some cameras do
        };
    const auto near = [](QRgb a, QRgb e) {
        return std::abs(qRed(a) - qRed(e)) < 40 && std::abs(qGreen(a) - qGreen(e)) < 40 &&
               std::abs(qBlue(a) - qBlue(e)) < 40;
    };
    for (const auto &c : cases) {
        const LoadedPicture p = loadBytes(jpegWithOrientation(source, c.orientation, c.type), "turned.jpg");
        ASSERT_TRUE(p.ok()) << c.orientation;
        const bool sideways = c.orientation >= 5;
        const QSize size = sideways ? QSize(20, 40) : QSize(40, 20);
        ASSERT_EQ(p.image.size(), size) << c.orientation;
        const int qx = size.width() / 4, qy = size.height() / 4;
        EXPECT_TRUE(near(p.image.pixel(qx, qy), c.topLeft)) << c.orientation;
        EXPECT_TRUE(near(p.image.pixel(3 * qx, qy), c.topRight)) << c.orientation;
        EXPECT_TRUE(near(p.image.pixel(qx, 3 * qy), c.bottomLeft)) << c.orientation;
        EXPECT_TRUE(near(p.image.pixel(3 * qx, 3 * qy), c.bottomRight)) << c.orientation;
    }
}

TEST_F(PictureLoaderTest, HundredMegapixelPictureLoads)
{
    orv::test::writeFile(path("large.bmp"), greyBmp(10000, 10000, 0x80));
    const LoadedPicture p = m_loader.load(path("large.bmp"));
    ASSERT_TRUE(p.ok());
    EXPECT_EQ(p.image.size(), QSize(10000, 10000));
    EXPECT_EQ(p.naturalTwips, QSize(150000, 150000));
    EXPECT_EQ(p.image.pixel(9999, 9999), qRgb(0x80, 0x80, 0x80));
}

TEST_F(PictureLoaderTest, HugeClaimsInTinyFilesFailFast)
{
    QByteArray gif("GIF89a");
    appendLe16(gif, 64000);
    appendLe16(gif, 64000);
    gif += QByteArray("\x80\0\0\0\0\0\xff\xff\xff,\0\0\0\0", 14); // two-colour palette

    appendLe16(gif, 64000);
    appendLe16(gif, 64000);
    gif += QByteArray("\0\x08\x02\x4c\x01\0;", 7);
    gif += QByteArray(2000, '\0');

    const struct {
        const char *name;
        QByteArray bytes;
    } cases[] = {
        {"claim.bmp", greyBmp(64000, 64000, 0, 2000)},
        {"claim.gif", gif},
        {"claim.jpg", claimingJpeg(QImage::Format_RGB32, 60000)},
        // 256 megapixels of grey fit Qt's raised allocation limit (and Qt would decode
        // the missing data as grey): the loader's own limit refuses them.
        {"grey.jpg", claimingJpeg(QImage::Format_Grayscale8, 16000)},
    };
    for (const auto &c : cases) {
        QElapsedTimer timer;
        timer.start();
        const LoadedPicture p = loadBytes(c.bytes, QString::fromLatin1(c.name));
        EXPECT_EQ(p.error, FileError::Other) << c.name;
        EXPECT_LT(timer.elapsed(), 1000) << c.name;
    }
}

TEST_F(PictureLoaderTest, NaturalSizesFollowTheScreensDpi)
{
    const QByteArray bmp = encodedImage(filled(96, 48, qRgb(1, 2, 3), QImage::Format_RGB32), "BMP");
    const struct {
        double dpi;
        QSize twips;
    } cases[] = {{96, {1440, 720}}, {192, {720, 360}}, {120, {1152, 576}}, {96, {1440, 720}}};
    for (const auto &c : cases) {
        m_loader.setLogicalDpi(c.dpi);
        EXPECT_EQ(loadBytes(bmp, QStringLiteral("a.bmp")).naturalTwips, c.twips) << c.dpi;
        EXPECT_EQ(m_loader.loadFromBytes(bmp).naturalTwips, c.twips) << c.dpi;
    }
}
