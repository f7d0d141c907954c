#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

namespace orv::exif {

// Where the TIFF structure of a JPEG's Exif segment (APP1 "Exif\0\0") lies in
// the file's bytes.
struct TiffSpan {
    qsizetype offset = 0;
    qsizetype length = 0;
};

// The Exif TIFF structure of the JPEG whose first bytes are `jpeg`, when the
// segment lies wholly within them.
std::optional<TiffSpan> findJpegExif(QByteArrayView jpeg);

// "YYYY:MM:DD HH:MM:SS" of DateTimeOriginal in the Exif IFD (else DateTime of
// IFD0) of a TIFF structure; empty when there is neither.
QString dateTaken(QByteArrayView tiff);

// The orientation tag of IFD0 (1 ... 8); 1 when it is absent or damaged.
int orientation(QByteArrayView tiff);

// Sets the orientation tag of IFD0 to `value` in place; false when the TIFF
// structure is damaged. A structure without the tag is left as it is.
bool setOrientation(QByteArray &tiff, int value);

// Reads only a JPEG's leading segments up to its Exif segment and returns its
// TIFF structure: empty for a JPEG without one, nullopt for a file that is no
// JPEG (or cannot be read).
std::optional<QByteArray> readJpegExif(const QString &path);

} // namespace orv::exif
