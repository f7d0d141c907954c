#pragma once

#include <QString>

namespace orv {

// The outcome of one operation on one file.
struct FileOpResult {
    enum Kind {
        Done,          // the operation took place
        Unchanged,     // the file is its own destination: nothing to do
        AlreadyExists, // rename: a file of the new name exists (nothing changed)
        NoTrash,       // the file's drive has no trash that can be used (nothing changed)
        Failed,        // see `reason`; the file is as it was
    };
    Kind kind = Done;
    // Why it failed, in words ("Permission denied").
    QString reason;

    bool ok() const { return kind == Done || kind == Unchanged; }
    static FileOpResult done() { return {}; }
    static FileOpResult of(Kind kind, const QString &reason = QString()) { return {kind, reason}; }
    static FileOpResult failed(const QString &reason) { return {Failed, reason}; }
};

// Copying, moving, trashing, deleting and renaming picture files. Paths are
// absolute, with native or Qt separators; a folder is never empty.
//
// No operation loses data: a copy or move that fails leaves the source whole
// and no partly written file behind, and a file that is its own destination
// is left alone.
class FileOperations
{
public:
    virtual ~FileOperations() = default;

    // Copies `file` into `folder` under `name` (empty: its own name), never
    // replacing anything: a name in use there gives AlreadyExists. Writes a
    // temporary file beside the destination, flushes it to disk and renames
    // it into place. A symbolic link is copied as the picture it points to.
    virtual FileOpResult copyInto(const QString &file, const QString &folder, const QString &name = {}) = 0;

    // Moves `file` into `folder` likewise. On the same file system one
    // rename; across file systems, or for a symbolic link (which would point
    // elsewhere from its new folder), a copy flushed to disk under a temporary
    // name, renamed into place, and only then the source removed.
    virtual FileOpResult moveInto(const QString &file, const QString &folder, const QString &name = {}) = 0;

    // Whether anything (file, folder, link, even a broken one) has this path.
    virtual bool exists(const QString &path) = 0;

    // Whether the two paths name one file (links followed).
    virtual bool sameFile(const QString &a, const QString &b) = 0;

    // Removes the temporary files that an interrupted copy of this program
    // left in `folder` (`.orvanta-XXXXXX`); one that a copy is writing now is
    // left alone.
    virtual void removeStaleTemporaries(const QString &folder) = 0;

    // Sends the file to the trash, where the desktop can restore it from.
    virtual FileOpResult moveToTrash(const QString &file) = 0;

    // Deletes the file for good.
    virtual FileOpResult remove(const QString &file) = 0;

    // Renames `from` to `to` (same folder), never replacing a file: a rename
    // that would is refused with AlreadyExists, also when the file appears
    // between any check and the rename.
    virtual FileOpResult rename(const QString &from, const QString &to) = 0;
};

} // namespace orv
