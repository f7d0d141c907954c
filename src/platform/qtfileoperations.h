#pragma once

#include "fileoperations.h"
#include "freedesktoptrash.h"

namespace orv {

// The file operations on a POSIX system: copies through a flushed temporary
// file renamed into place, moves by rename (or copy, flush, rename and remove
// across file systems), the freedesktop.org trash, and renames that refuse to
// replace (renameat2 with RENAME_NOREPLACE, else a hard link).
class QtFileOperations : public FileOperations
{
public:
    // `homeTrash`: the user's trash folder (by default from XDG_DATA_HOME).
    explicit QtFileOperations(const QString &homeTrash = FreedesktopTrash::defaultHomeTrash());

    FileOpResult copyInto(const QString &file, const QString &folder, const QString &name = {}) override;
    FileOpResult moveInto(const QString &file, const QString &folder, const QString &name = {}) override;
    bool exists(const QString &path) override;
    bool sameFile(const QString &a, const QString &b) override;
    void removeStaleTemporaries(const QString &folder) override;
    FileOpResult moveToTrash(const QString &file) override;
    FileOpResult remove(const QString &file) override;
    FileOpResult rename(const QString &from, const QString &to) override;

    const FreedesktopTrash &trash() const { return m_trash; }

private:
    FreedesktopTrash m_trash;
};

} // namespace orv
