#include "filesystem.h"

#include "fileerror.h"

#include <QFileInfo>

namespace orv {

bool QtFileSystem::fileexists(const QString &path) const
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

int QtFileSystem::accessError(const QString &path) const
{
    return FileError::probeReadable(path);
}

} // namespace orv
