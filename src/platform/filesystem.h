#pragma once

#include <QString>

namespace orv {

// File-system queries that the program's logic asks of the platform.
class FileSystem
{
public:
    virtual ~FileSystem() = default;
    // Whether a file (not a folder) exists at `path`.
    virtual bool fileexists(const QString &path) const = 0;
    // The file-access error (FileError) that opening `path` for reading meets
    // now, or FileError::None; nothing is read or decoded.
    virtual int accessError(const QString &path) const = 0;
};

class QtFileSystem : public FileSystem
{
public:
    bool fileexists(const QString &path) const override;
    int accessError(const QString &path) const override;
};

} // namespace orv
