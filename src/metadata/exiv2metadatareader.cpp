#include "exiv2metadatareader.h"

#include "exifblock.h"

#include <QFile>
// exiv2 0.27's headers still use std::auto_ptr.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#include <exiv2/exiv2.hpp>
#pragma GCC diagnostic pop
#include <mutex>

namespace orv {

namespace {

std::once_flag g_exiv2Ready;

// exiv2's own rendering of a tag ("1/60 s", "F2.8", "4.2 mm"), or empty.
QString printed(const Exiv2::ExifData &data, const char *key)
{
    const auto it = data.findKey(Exiv2::ExifKey(key));
    if (it == data.end() || it->count() == 0)
        return {};
    return QString::fromStdString(it->print(&data)).trimmed();
}

// A GPS coordinate in degrees from its three rationals and its reference
// ("N", "S", "E", "W"); nullopt when absent or damaged.
std::optional<double> degrees(const Exiv2::ExifData &data, const char *key, const char *refKey)
{
    const auto it = data.findKey(Exiv2::ExifKey(key));
    const auto ref = data.findKey(Exiv2::ExifKey(refKey));
    if (it == data.end() || ref == data.end() || it->count() != 3)
        return std::nullopt;
    double value = 0;
    double unit = 1;
    for (long i = 0; i < 3; ++i) {
        const Exiv2::Rational r = it->toRational(i);
        if (r.second == 0)
            return std::nullopt;
        value += double(r.first) / r.second / unit;
        unit *= 60;
    }
    const std::string side = ref->toString();
    return side == "S" || side == "W" ? -value : value;
}

std::unique_ptr<Exiv2::Image> opened(const QString &path)
{
    try {
        std::unique_ptr<Exiv2::Image> image(
            Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString(), false).release());
        if (!image)
            return nullptr;
        image->readMetadata();
        return image;
    } catch (const std::exception &) {
        return nullptr;
    }
}

} // namespace

QDateTime exifDateTime(const QString &text)
{
    return QDateTime::fromString(text.left(19), QStringLiteral("yyyy:MM:dd HH:mm:ss"));
}

Exiv2MetadataReader::Exiv2MetadataReader()
{
    std::call_once(g_exiv2Ready, [] {
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
        Exiv2::XmpParser::initialize();
        Exiv2::enableBMFF(true);
    });
}

PhotoMetadata Exiv2MetadataReader::read(const QString &path) const
{
    PhotoMetadata m;
    const auto image = opened(path);
    if (!image)
        return m;
    try {
        const Exiv2::ExifData &data = image->exifData();
        m.make = printed(data, "Exif.Image.Make");
        m.model = printed(data, "Exif.Image.Model");
        m.lens = printed(data, "Exif.Photo.LensModel");
        m.taken = printed(data, "Exif.Photo.DateTimeOriginal");
        if (m.taken.isEmpty())
            m.taken = printed(data, "Exif.Image.DateTime");
        m.exposure = printed(data, "Exif.Photo.ExposureTime");
        m.fNumber = printed(data, "Exif.Photo.FNumber");
        m.iso = printed(data, "Exif.Photo.ISOSpeedRatings");
        m.focalLength = printed(data, "Exif.Photo.FocalLength");
        const auto lat = degrees(data, "Exif.GPSInfo.GPSLatitude", "Exif.GPSInfo.GPSLatitudeRef");
        const auto lon = degrees(data, "Exif.GPSInfo.GPSLongitude", "Exif.GPSInfo.GPSLongitudeRef");
        if (lat && lon)
            m.gps = QStringLiteral("%1, %2").arg(*lat, 0, 'f', 6).arg(*lon, 0, 'f', 6);
    } catch (const std::exception &) {
        return PhotoMetadata();
    }
    return m;
}

QDateTime Exiv2MetadataReader::dateTaken(const QString &path) const
{
    if (const std::optional<QByteArray> tiff = exif::readJpegExif(path))
        return exifDateTime(exif::dateTaken(*tiff));
    // Not a JPEG: exiv2 reads the other formats' containers.
    const auto image = opened(path);
    if (!image)
        return {};
    try {
        const Exiv2::ExifData &data = image->exifData();
        QString text = printed(data, "Exif.Photo.DateTimeOriginal");
        if (text.isEmpty())
            text = printed(data, "Exif.Image.DateTime");
        return exifDateTime(text);
    } catch (const std::exception &) {
        return {};
    }
}

} // namespace orv
