#pragma once

#include <QList>
#include <QLocale>
#include <QPair>
#include <QString>

namespace orv {

class PhotoMetadataReader;
class PictureLoader;

// What the properties dialog shows of a picture beside its file's facts: its
// pixel size, format, bit depth, colour profile and frame count, then the
// photographer's Exif fields it holds. Each row is a caption and its value;
// a fact the picture does not have gets no row. `loader` tells the frames of
// pictures that move; either reader may be null.
using FactRows = QList<QPair<QString, QString>>;
FactRows pictureFacts(const QString &path, const PictureLoader *loader, const PhotoMetadataReader *metadata,
                      const QLocale &locale = QLocale());

} // namespace orv
