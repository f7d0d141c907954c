// What the properties dialog tells of a picture beside its file's facts.
#include "exiv2metadatareader.h"
#include "photofiles.h"
#include "picturefacts.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orv;
using namespace orv::test;

TEST(PictureFactsTest, APhotoShowsItsPixelsAndCameraAPictureWithoutDataItsPixelsOnly)
{
    QTemporaryDir dir;
    const Exiv2MetadataReader metadata;
    const QLocale c(QLocale::C);
    PhotoTags camera;
    camera.make = "Canon";
    camera.model = "Canon EOS 5D";
    camera.lens = "EF24-105mm f/4L IS USM";
    camera.taken = "2023:07:14 10:20:30";
    camera.gps = true;
    camera.exposure = true;
    PhotoTags nikon;
    nikon.make = "NIKON CORPORATION";
    nikon.model = "D70";

    const struct {
        const char *name;
        const char *format;
        PhotoTags tags;
        FactRows rows;
    } files[] = {
        {"camera.jpg",
         "jpeg",
         camera,
         {{"Picture size:", "64 x 48 pixels"},
          {"Format:", "JPEG"},
          {"Bit depth:", "8 bits a channel"},
          {"Colour profile:", "sRGB"},
          {"Camera:", "Canon EOS 5D"},
          {"Lens:", "EF24-105mm f/4L IS USM"},
          {"Taken:", c.toString(QDate(2023, 7, 14), QLocale::LongFormat) + " 10:20:30"},
          {"Exposure time:", "1/60 s"},
          {"F-number:", "F2.8"},
          {"ISO:", "200"},
          {"Focal length:", "4.2 mm"},
          {"GPS position:", "48.858222, 2.294500"}}},
        {"nikon.jpg",
         "jpeg",
         nikon,
         {{"Picture size:", "64 x 48 pixels"},
          {"Format:", "JPEG"},
          {"Bit depth:", "8 bits a channel"},
          {"Colour profile:", "sRGB"},
          {"Camera:", "NIKON CORPORATION D70"}}},
        {"plain.png",
         "png",
         {},
         {{"Picture size:", "64 x 48 pixels"},
          {"Format:", "PNG"},
          {"Bit depth:", "8 bits a channel"},
          {"Colour profile:", "sRGB"}}},
    };
    for (const auto &f : files) {
        const QString path = dir.filePath(f.name);
        ASSERT_TRUE(writePhoto(path, blockPattern(QSize(64, 48)), f.tags, f.format));
        EXPECT_EQ(pictureFacts(path, nullptr, &metadata, c), f.rows) << f.name;
    }
    // A file that is no picture tells nothing.
    EXPECT_TRUE(pictureFacts(dir.filePath("missing.jpg"), nullptr, &metadata, c).isEmpty());
}
