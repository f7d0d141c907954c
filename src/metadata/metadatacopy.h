#pragma once

#include <QByteArray>
#include <QString>

namespace orv {

// Copies the Exif, XMP and IPTC data and the comment of the picture file at
// `fromPath` into the picture held in `to` (the same format, written anew),
// with the Exif orientation set to 1: the pixels are upright now. Returns the
// new bytes, or `to` unchanged when the original has no metadata or either
// side cannot hold it.
QByteArray withMetadataOf(const QString &fromPath, const QByteArray &to);

} // namespace orv
