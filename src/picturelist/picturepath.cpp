#include "picturepath.h"

#include <QDir>

namespace orv {

QChar folderSeparator()
{
    return QDir::separator();
}

QString joinPicturePath(const QString &folder, const QString &name)
{
    return folder + folderSeparator() + name;
}

PictureEntry splitPicturePath(const QString &fullPath)
{
    const QChar sep = folderSeparator();
    // The last separator before the final character.
    const int last = fullPath.size() >= 2 ? fullPath.lastIndexOf(sep, fullPath.size() - 2) : -1;
    if (last < 0)
        return {fullPath, QString()};
    return {fullPath.mid(last + 1), fullPath.left(last)};
}

QString normalisedFolder(const QString &folder)
{
    QString f = folder;
    const QChar sep = folderSeparator();
    while (f.endsWith(sep))
        f.chop(1);
    return f;
}

} // namespace orv
