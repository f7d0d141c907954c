// The loader's own behaviour on the formats of today: limits before decoding, deep
// samples without bands, colour spaces kept or converted, HEIF/AVIF orientation, and
// SVG files that may read nothing outside themselves.

#include "deepimage.h"
#include "heifbounds.h"
#include "qtpictureloader.h"
#include "svgpicture.h"
#include "testutils.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

#include <zlib.h>

using namespace orv;

namespace {

QByteArray pngChunk(const char *type, const QByteArray &body)
{
    QByteArray c(4, '\0');
    qToBigEndian<quint32>(quint32(body.size()), c.data());
    const QByteArray typed = QByteArray(type, 4) + body;
    QByteArray crc(4, '\0');
    qToBigEndian<quint32>(quint32(crc32(0, reinterpret_cast<const Bytef *>(typed.constData()), uInt(typed.size()))),
                          crc.data());
    return c + typed + crc;
}

// A PNG that declares `width` x `height` pixels and holds a few bytes of data.
QByteArray claimingPng(quint32 width, quint32 height)
{
    QByteArray ihdr(13, '\0');
    qToBigEndian<quint32>(width, ihdr.data());
    qToBigEndian<quint32>(height, ihdr.data() + 4);
    ihdr[8] = 8; // 8-bit
    ihdr[9] = 6; // RGBA
    return QByteArray("\x89PNG\r\n\x1A\n", 8) + pngChunk("IHDR", ihdr) +
           pngChunk("IDAT", QByteArray("\x78\x9c\x63\x00\x00\x00\x01\x00\x01", 9)) + pngChunk("IEND", {});
}

// A little-endian TIFF whose one strip claims `width` x `height` RGB pixels.
QByteArray claimingTiff(quint32 width, quint32 height)
{
    QByteArray t("II*\0", 4);
    const auto u16 = [&t](quint16 v) { t.append(char(v & 0xFF)).append(char(v >> 8)); };
    const auto u32 = [&t, &u16](quint32 v) { u16(quint16(v & 0xFFFF)); u16(quint16(v >> 16)); };
    u32(8);
    const struct { quint16 tag, type; quint32 value; } entries[] = {
        {256, 4, width}, {257, 4, height}, {258, 3, 8}, {259, 3, 1}, {262, 3, 2},
        {273, 4, 200}, {277, 3, 3}, {278, 4, height}, {279, 4, 16},
    };
    u16(quint16(std::size(entries)));
    for (const auto &e : entries) {
        u16(e.tag);
        u16(e.type);
        u32(1);
        e.type == 3 ? (u16(quint16(e.value)), u16(0)) : u32(e.value);
    }
    u32(0);
    t.append(QByteArray(256 - t.size(), '\0'));
    return t;
}

// An APNG of two frames, each one row of `width` red pixels at the top of a transparent
// canvas of `width` x `height`.
QByteArray movingPng(quint32 width, quint32 height)
{
    const auto be32 = [](std::initializer_list<quint32> values) {
        QByteArray out;
        for (quint32 v : values) {
            char b[4];
            qToBigEndian(v, b);
            out.append(b, 4);
        }
        return out;
    };
    QByteArray row(1 + 4 * qsizetype(width), '\0');
    for (quint32 x = 0; x < width; ++x)
        row[1 + 4 * x] = row[4 + 4 * x] = char(0xFF);
    QByteArray zipped(qsizetype(compressBound(uLong(row.size()))), '\0');
    uLongf zippedSize = uLongf(zipped.size());
    compress(reinterpret_cast<Bytef *>(zipped.data()), &zippedSize, reinterpret_cast<const Bytef *>(row.constData()),
             uLong(row.size()));
    zipped.truncate(qsizetype(zippedSize));
    // Frame control: sequence, size, offset, a 1/10 s delay, no disposal, source blend.
    const auto control = [&](quint32 sequence) {
        return pngChunk("fcTL", be32({sequence, width, 1, 0, 0}) + QByteArray("\x00\x01\x00\x0A\x00\x00", 6));
    };
    return QByteArray("\x89PNG\r\n\x1A\n", 8) + pngChunk("IHDR", be32({width, height}) + QByteArray("\x08\x06\0\0\0", 5)) +
           pngChunk("acTL", be32({2, 0})) + control(0) + pngChunk("IDAT", zipped) + control(1) +
           pngChunk("fdAT", be32({2}) + zipped) + pngChunk("IEND", {});
}

QByteArray pngOf(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QString corpus2(const char *relative)
{
    return QDir(test::corpusDir()).filePath(QStringLiteral("../corpus2/") + QLatin1String(relative));
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A 10-bit HEIF picture of 29 x 100 pixels: a 1 x 1 grid (its data the 8 bytes at 91 in
// `idat`, placed by an `iloc` base offset at 141) over one 64 x 104 HEVC tile.
QByteArray heif29x100(qsizetype at = 0, const QByteArray &replacement = {})
{
    return fileBytes(corpus2("heic/valid/pheif-RGB_10__29x100.heif")).replace(at, replacement.size(), replacement);
}

} // namespace

TEST(NewFormats, PicturesBeyondTheLimitsAreRefusedAtOnce)
{
    const QtPictureLoader loader;
    const struct {
        const char *name;
        QByteArray bytes;
        const char *file = nullptr;
    } cases[] = {
        {"PNG of 100,000 x 100,000", claimingPng(100'000, 100'000)},
        {"PNG of 17,000 x 17,000 (over 1 GiB at 16 bits)", claimingPng(17'000, 17'000)},
        {"TIFF of 100,000 x 100,000", claimingTiff(100'000, 100'000)},
        {"SVG of 100,000 x 100,000",
         "<svg xmlns='http://www.w3.org/2000/svg' width='100000' height='100000'><rect width='9' height='9'/></svg>"},
        {"PNG bomb of 839 megapixels", {}, "png/malformed/gdk-large.png"},
        {"AVIF of 17,000 x 17,000", {}, "avif/malformed/vips-17000x17000.avif"},
        {"HEIF grid of 65,535 x 65,535 in a 29 x 100 picture", heif29x100(95, "\xFF\xFF\xFF\xFF")},
        // libheif reads an item's data past the end of `idat` by up to its header's size.
        {"HEIF grid read one byte on, into 7,424 x 25,600", heif29x100(144, "\x01")},
    };
    for (const auto &c : cases) {
        QElapsedTimer timer;
        timer.start();
        const LoadedPicture p = c.file ? loader.load(corpus2(c.file)) : loader.loadFromBytes(c.bytes);
        EXPECT_EQ(p.error, FileError::Other) << c.name;
        EXPECT_LT(timer.elapsed(), 100) << c.name;
    }
}

TEST(NewFormats, HeifSizesAreReadWhereLibheifReadsThem)
{
    // The hvcC's parameter set arrays (VPS 28 bytes, SPS 47, PPS 11) with the SPS moved last,
    // where it ends the box.
    QByteArray spsLast = heif29x100();
    const qsizetype arrays = spsLast.indexOf("hvcC") + 4 + 23;
    spsLast.replace(arrays, 86, spsLast.mid(arrays, 28) + spsLast.mid(arrays + 75, 11) + spsLast.mid(arrays + 28, 47));
    const struct {
        const char *name;
        QByteArray file;
        QList<QSize> sizes;
    } cases[] = {
        {"grid canvas and coded tile", heif29x100(), {{64, 104}, {29, 100}}},
        {"parameter set ending the hvcC box", spsLast, {{64, 104}, {29, 100}}},
        {"grid of 32-bit fields too short for them", heif29x100(92, "\x01"), {{64, 104}}},
        {"grid data beyond the file", heif29x100(144, "\xFF"), {{64, 104}}},
        {"no meta box", heif29x100(28, "xxxx"), {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(heifAllocatedSizes(c.file), c.sizes) << c.name;

    // Extents that take no bytes (offset and length fields of size 0): 20,000 items of 65,535
    // each would be read for ever; libheif refuses more than 32 an item.
    const auto box = [](const char *type, const QByteArray &payload) {
        QByteArray b(4, '\0');
        qToBigEndian<quint32>(quint32(8 + payload.size()), b.data());
        return b + type + payload;
    };
    QByteArray iloc("\x01\0\0\0\x00\x00\x4E\x20", 8); // version 1, no field sizes, 20,000 items
    for (int i = 0; i < 20'000; ++i)
        iloc += QByteArray("\0\x01\0\0\0\0\xFF\xFF", 8);
    QElapsedTimer timer;
    timer.start();
    EXPECT_TRUE(heifAllocatedSizes(box("meta", QByteArray(4, '\0') + box("iloc", iloc))).isEmpty());
    EXPECT_LT(timer.elapsed(), 100);
}

TEST(NewFormats, PicturesTooLargeToPlayStandStill)
{
    const struct {
        QSize canvas;
        bool moves;
    } cases[] = {{{64, 64}, true}, {{8192, 4096}, true}, {{4, 8'388'609}, false}, {{16'384, 2049}, false}};
    for (const auto &c : cases) {
        const LoadedPicture p =
            QtPictureLoader().loadFromBytes(movingPng(quint32(c.canvas.width()), quint32(c.canvas.height())));
        ASSERT_TRUE(p.ok()) << c.canvas.width() << "x" << c.canvas.height();
        EXPECT_EQ(p.image.size(), c.canvas);
        EXPECT_EQ(p.moves, c.moves) << c.canvas.width() << "x" << c.canvas.height();
    }
}

TEST(NewFormats, DeepSamplesAreDitheredNotBanded)
{
    // A ramp over one 8-bit step: cut to 8 bits it is two flat bands.
    QImage ramp(256, 8, QImage::Format_RGBX64);
    for (int y = 0; y < ramp.height(); ++y) {
        for (int x = 0; x < ramp.width(); ++x) {
            const quint16 v = quint16(0x4000 + x);
            ramp.setPixelColor(x, y, QColor::fromRgba64(v, v, v));
        }
    }
    const LoadedPicture p = QtPictureLoader().loadFromBytes(pngOf(ramp));
    ASSERT_TRUE(p.ok());
    EXPECT_EQ(p.image.format(), QImage::Format_RGB32);
    QSet<int> levels;
    double first = 0, last = 0;
    for (int x = 0; x < 256; x += 4) {
        int sum = 0;
        for (int y = 0; y < 4; ++y) {
            for (int dx = 0; dx < 4; ++dx)
                sum += qRed(p.image.pixel(x + dx, y));
        }
        levels.insert(sum);
        (x == 0 ? first : last) = sum / 16.0;
    }
    EXPECT_GT(levels.size(), 10) << "the average follows the ramp";
    EXPECT_NEAR(first, 0x4000 / 257.0, 0.5);
    EXPECT_NEAR(last, (0x4000 + 254) / 257.0, 0.5);
}

TEST(NewFormats, ColourSpacesAreKeptOrConverted)
{
    // 8-bit: the colour space goes with the picture, for the viewer to convert.
    QImage p3(4, 4, QImage::Format_RGB32);
    p3.fill(QColor(40, 160, 90));
    p3.setColorSpace(QColorSpace::DisplayP3);
    const LoadedPicture shallow = QtPictureLoader().loadFromBytes(pngOf(p3));
    ASSERT_TRUE(shallow.ok());
    EXPECT_EQ(shallow.image.colorSpace(), QColorSpace(QColorSpace::DisplayP3));
    EXPECT_EQ(shallow.image.pixel(1, 1), p3.pixel(1, 1));

    // Deep: converted to sRGB at its own depth before it is dithered down.
    QImage deep = p3.convertToFormat(QImage::Format_RGBX64);
    const LoadedPicture converted = QtPictureLoader().loadFromBytes(pngOf(deep));
    ASSERT_TRUE(converted.ok());
    const QColor expected = deep.convertedToColorSpace(QColorSpace::SRgb).pixelColor(1, 1);
    const QColor got = converted.image.pixelColor(1, 1);
    EXPECT_NEAR(got.red(), expected.red(), 1);
    EXPECT_NEAR(got.green(), expected.green(), 1);
    EXPECT_NE(got.red(), 40) << "converted, not taken as sRGB";

    const struct {
        int primaries, transfer;
        QColorSpace expected;
    } cicp[] = {
        {1, 13, QColorSpace()}, // sRGB: drawn as it is
        {2, 2, QColorSpace()},  // unspecified
        {12, 13, QColorSpace(QColorSpace::DisplayP3)},
        {1, 8, QColorSpace(QColorSpace::SRgbLinear)},
    };
    for (const auto &c : cicp)
        EXPECT_EQ(colourSpaceFromCicp(c.primaries, c.transfer), c.expected) << c.primaries << "/" << c.transfer;
    EXPECT_EQ(colourSpaceFromCicp(9, 1).primaries(), QColorSpace::Primaries::Custom); // BT.2020
}

TEST(NewFormats, RotationAndMirroringFollowHeif)
{
    // Two pixels side by side, red then green; HEIF turns anticlockwise, then mirrors.
    QImage pair(2, 1, QImage::Format_RGB32);
    pair.setPixel(0, 0, qRgb(255, 0, 0));
    pair.setPixel(1, 0, qRgb(0, 255, 0));
    const struct {
        int turns, mirror;
        QSize size;
        QPoint red;
    } cases[] = {
        {0, -1, {2, 1}, {0, 0}}, {1, -1, {1, 2}, {0, 1}}, {2, -1, {2, 1}, {1, 0}},
        {3, -1, {1, 2}, {0, 0}}, {0, 1, {2, 1}, {1, 0}},  {1, 0, {1, 2}, {0, 0}},
    };
    for (const auto &c : cases) {
        const QImage out = turnedAndMirrored(pair, c.turns, c.mirror);
        ASSERT_EQ(out.size(), c.size) << c.turns << "/" << c.mirror;
        EXPECT_EQ(out.pixel(c.red), qRgb(255, 0, 0)) << c.turns << "/" << c.mirror;
    }
    // A phone photo stored on its side stands upright (irot), as heif-info reports it.
    const LoadedPicture photo = QtPictureLoader().load(corpus2("heic/valid/kif-orientation5.heic"));
    ASSERT_TRUE(photo.ok());
    EXPECT_EQ(photo.image.size(), QSize(480, 160));
}

TEST(NewFormats, SvgReadsNothingOutsideItselfAndRefusesBombs)
{
    QTemporaryDir dir;
    QImage red(8, 8, QImage::Format_RGB32);
    red.fill(Qt::red);
    red.save(dir.filePath(QStringLiteral("red.png")));
    const QByteArray dataUri = "data:image/png;base64," + pngOf(red).toBase64();
    const QByteArray laughs = "<?xml version='1.0'?><!DOCTYPE svg [<!ENTITY a 'aaaaaaaaaa'>"
                              "<!ENTITY b '&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;'>]>"
                              "<svg xmlns='http://www.w3.org/2000/svg' width='8' height='8'><text>&b;</text></svg>";
    const QByteArray deep = "<svg xmlns='http://www.w3.org/2000/svg' width='8' height='8'>" +
                            QByteArray("<g>").repeated(svglimits::MaxDepth) +
                            QByteArray("</g>").repeated(svglimits::MaxDepth) + "</svg>";
    const auto image = [](const QByteArray &href) {
        return "<svg xmlns='http://www.w3.org/2000/svg' xmlns:xlink='http://www.w3.org/1999/xlink' width='8' "
               "height='8'><image width='8' height='8' xlink:href='" +
               href + "'/></svg>";
    };
    const struct {
        const char *name;
        QByteArray svg;
        bool loads;
        QRgb centre;
    } cases[] = {
        {"a picture in the file is drawn", image(dataUri), true, qRgb(255, 0, 0)},
        {"a file beside it is not read", image(QFile::encodeName(dir.filePath(QStringLiteral("red.png")))), true, 0},
        {"nor an address fetched", image("http://127.0.0.1:9/red.png"), true, 0},
        {"entities that expand into entities", laughs, false, 0},
        {"nesting deeper than the bound", deep, false, 0},
    };
    for (const auto &c : cases) {
        const LoadedPicture p = QtPictureLoader().loadFromBytes(c.svg);
        ASSERT_EQ(p.ok(), c.loads) << c.name;
        if (c.loads) {
            EXPECT_EQ(p.image.pixel(4, 4), c.centre) << c.name;
        }
    }
}
