#pragma once

#include <QImage>
#include <QString>

namespace orv::test {

// The Exif data a test photo is given; empty fields are left out.
struct PhotoTags {
    QString make;
    QString model;
    QString taken; // "YYYY:MM:DD HH:MM:SS"
    int orientation = 0;
    QString lens;
    bool gps = false;      // 48°51'29.6" N, 2°17'40.2" E
    bool exposure = false; // 1/60 s at f/2.8, ISO 200, 4.2 mm
    QString comment;  // a COM segment (JPEG)
    QString xmpTitle;
};

// Writes `image` as a picture of `format` to `path` (a JPEG at quality 95 with
// an sRGB profile) and gives it `tags` with exiv2. False when either fails.
bool writePhoto(const QString &path, const QImage &image, const PhotoTags &tags, const char *format = "jpeg");

// A picture whose every 8 x 8 block differs, so that a turn that moves a block
// to the wrong place shows.
QImage blockPattern(QSize size);

} // namespace orv::test
