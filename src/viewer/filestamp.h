#pragma once

#include <QString>
#include <QtGlobal>

namespace orv {

// What tells a picture file's contents apart without reading them: its size,
// its time of last modification and (where the system has one) its file
// number, so that a file replaced by another under the same name differs even
// within the clock's resolution. A file that cannot be reached has an invalid
// stamp, which equals no other.
struct FileStamp {
    qint64 size = -1;
    qint64 modifiedNs = 0;
    quint64 fileId = 0;

    bool isValid() const { return size >= 0; }
    friend bool operator==(const FileStamp &a, const FileStamp &b)
    {
        return a.isValid() && b.isValid() && a.size == b.size && a.modifiedNs == b.modifiedNs &&
               a.fileId == b.fileId;
    }

    // The stamp of the file at `path` now.
    static FileStamp of(const QString &path);
};

} // namespace orv
