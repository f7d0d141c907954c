#include "filesystem.h"

#include <QFileInfo>

namespace orv {

bool QtFileSystem::fileexists(const QString &path) const
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

} // namespace orv
