#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace orv {

// The list-file record: a 20-byte name field, a 100-byte folder field and 8
// unused bytes, 128 bytes in all, no header. The list ends with a record whose
// name field is "eof" and 17 blanks.
class ListFileFormat
{
public:
    static constexpr int RecordSize = 128;
    static constexpr int NameWidth = 20;
    static constexpr int FolderWidth = 100;
    static constexpr int FolderOffset = NameWidth;
    static constexpr int UnusedOffset = NameWidth + FolderWidth;
    static constexpr int UnusedWidth = RecordSize - UnusedOffset;

    // "eof" padded with blanks to the name width.
    static QByteArray endName() { return QByteArrayLiteral("eof                 "); }

    // Whether a record's name field is the end mark (exact, case-sensitive).
    static bool isEndRecord(QByteArrayView record) { return record.first(NameWidth) == endName(); }
};

} // namespace orv
