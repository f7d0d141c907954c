#pragma once

#include "pictureentry.h"

#include <QString>
#include <vector>

class QIODevice;

namespace orv {

// Reads a list file: 128-byte records of a name and a folder field up to the
// end record, then the optional long-name block right after it (see
// ListFileLongNames). Used by the main window and the list manager.
class ListFileReader
{
public:
    // No list holds more entries: a file that would is refused unread.
    static constexpr qsizetype MaxRecords = 10'000'000;

    struct Result {
        std::vector<PictureEntry> entries; // what was read, also when reading failed
        int error = 0;                     // FileError number; None when the whole list was read
        QString errorString;
        bool tooLarge = false; // more than the bound of records: nothing was read
        bool endRecordFound = false;
        bool longNamesApplied = false;
    };

    // A file that ends without an end record keeps the entries read so far. A
    // record counts when its name and folder fields are complete. Only a
    // regular file is read (anything else fails as a file that cannot be
    // reached), and one whose size claims more than `maxRecords` entries and
    // the end record is refused before reading.
    static Result read(const QString &path, qsizetype maxRecords = MaxRecords);
    static Result read(QIODevice &device, qsizetype maxRecords = MaxRecords);
    static Result parse(const QByteArray &bytes);
    // The message that refuses a list file that is too large.
    static QString tooLargeText(const QString &path);
};

} // namespace orv
