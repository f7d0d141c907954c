#pragma once

#include "pictureentry.h"

#include <QString>
#include <vector>

namespace orv {

class PhotoMetadataReader;

// The orders List > Sort gives beside By name.
enum class SortOrder {
    DateTaken,    // the Exif date, else the file's modification time
    DateModified, // the file's modification time
    Size,         // the file's length
    Type          // the file name's extension, in any case
};

// What one entry is sorted by: a number (milliseconds, bytes), then a text.
struct SortValue {
    qint64 number = 0;
    QString text;
};

// Reads the value `order` sorts the file at `path` by. `metadata` may be null
// (dates then come from the file's modification time). Thread-safe.
SortValue sortValue(const QString &path, SortOrder order, const PhotoMetadataReader *metadata);

// The new order of `entries` (order[k] is the index of the entry that comes
// to place k) for their `values`: ascending, and entries of equal value in the
// order of their names (as By name compares them), then as they stood.
std::vector<int> sortOrder(const std::vector<PictureEntry> &entries, const std::vector<SortValue> &values);

} // namespace orv
