#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace orv {

// What a photo's Exif data tells a photographer, as text to show; a field the
// photo does not hold is empty.
struct PhotoMetadata {
    QString make;
    QString model;
    QString lens;
    QString taken; // "YYYY:MM:DD HH:MM:SS" as the camera wrote it
    QString exposure;
    QString fNumber;
    QString iso;
    QString focalLength;
    QString gps; // "48.858222, 2.294500" (degrees north and east)

    bool isEmpty() const
    {
        return make.isEmpty() && model.isEmpty() && lens.isEmpty() && taken.isEmpty() && exposure.isEmpty() &&
               fNumber.isEmpty() && iso.isEmpty() && focalLength.isEmpty() && gps.isEmpty();
    }
};

// The date and time an Exif date text stands for (local time, as cameras keep
// it); invalid for anything else.
QDateTime exifDateTime(const QString &text);

// Reads the Exif data of picture files. Implementations are thread-safe:
// dateTaken() runs on worker threads while a list is sorted.
class PhotoMetadataReader
{
public:
    virtual ~PhotoMetadataReader() = default;
    virtual PhotoMetadata read(const QString &path) const = 0;
    // When the photo was taken; invalid when the file does not say.
    virtual QDateTime dateTaken(const QString &path) const = 0;
};

} // namespace orv
