#include "photofiles.h"

#include <QColorSpace>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#include <exiv2/exiv2.hpp>
#pragma GCC diagnostic pop

namespace orv::test {

bool writePhoto(const QString &path, const QImage &image, const PhotoTags &tags, const char *format)
{
    QImage picture = image;
    picture.setColorSpace(QColorSpace::SRgb);
    QImageWriter writer(path, format);
    writer.setQuality(95);
    if (!writer.write(picture))
        return false;
    const bool none = tags.make.isEmpty() && tags.model.isEmpty() && tags.lens.isEmpty() && tags.taken.isEmpty() &&
                      tags.orientation == 0 && !tags.gps && !tags.exposure && tags.comment.isEmpty() &&
                      tags.xmpTitle.isEmpty();
    if (none)
        return true;
    try {
        std::unique_ptr<Exiv2::Image> file(Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString()).release());
        file->readMetadata();
        Exiv2::ExifData &exif = file->exifData();
        if (!tags.make.isEmpty())
            exif["Exif.Image.Make"] = tags.make.toStdString();
        if (!tags.model.isEmpty())
            exif["Exif.Image.Model"] = tags.model.toStdString();
        if (!tags.lens.isEmpty())
            exif["Exif.Photo.LensModel"] = tags.lens.toStdString();
        if (!tags.taken.isEmpty())
            exif["Exif.Photo.DateTimeOriginal"] = tags.taken.toStdString();
        if (tags.orientation > 0)
            exif["Exif.Image.Orientation"] = uint16_t(tags.orientation);
        if (tags.gps) {
            exif["Exif.GPSInfo.GPSLatitudeRef"] = "N";
            Exiv2::URationalValue lat;
            lat.read("48/1 51/1 296/10");
            exif.add(Exiv2::ExifKey("Exif.GPSInfo.GPSLatitude"), &lat);
            Exiv2::URationalValue lon;
            lon.read("2/1 17/1 402/10");
            exif["Exif.GPSInfo.GPSLongitudeRef"] = "E";
            exif.add(Exiv2::ExifKey("Exif.GPSInfo.GPSLongitude"), &lon);
        }
        if (tags.exposure) {
            exif["Exif.Photo.ExposureTime"] = Exiv2::URational(1, 60);
            exif["Exif.Photo.FNumber"] = Exiv2::URational(28, 10);
            exif["Exif.Photo.ISOSpeedRatings"] = uint16_t(200);
            exif["Exif.Photo.FocalLength"] = Exiv2::URational(42, 10);
        }
        if (!tags.xmpTitle.isEmpty())
            file->xmpData()["Xmp.dc.title"] = tags.xmpTitle.toStdString();
        if (!tags.comment.isEmpty())
            file->setComment(tags.comment.toStdString());
        file->writeMetadata();
    } catch (const std::exception &) {
        return false;
    }
    return true;
}

QImage blockPattern(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    for (int y = 0; y < size.height(); y += 8) {
        for (int x = 0; x < size.width(); x += 8)
            painter.fillRect(x, y, 8, 8, QColor((x * 7) % 256, (y * 5) % 256, ((x + y) * 3) % 256));
    }
    return image;
}

} // namespace orv::test
