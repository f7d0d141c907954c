#include "drives.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>

namespace orv {

namespace {

bool isUnder(const QString &folder, const QString &root)
{
#ifdef Q_OS_WIN
    const Qt::CaseSensitivity cs = Qt::CaseInsensitive;
#else
    const Qt::CaseSensitivity cs = Qt::CaseSensitive;
#endif
    if (root.endsWith(QLatin1Char('/')))
        return folder.startsWith(root, cs) || folder.compare(root.chopped(1), cs) == 0;
    return folder.compare(root, cs) == 0 || folder.startsWith(root + QLatin1Char('/'), cs);
}

#ifndef Q_OS_WIN
// Volumes a user keeps pictures on: block devices and network shares. Kernel
// and memory file systems (proc, sysfs, tmpfs, cgroup, ...) and read-only
// package images (snaps) are left out; "/" is always listed.
bool isUserVolume(const QStorageInfo &volume)
{
    const QString root = volume.rootPath();
    if (root == QLatin1String("/"))
        return true;
    for (const char *system : {"/proc", "/sys", "/dev", "/snap", "/var/lib/docker"}) {
        if (isUnder(root, QLatin1String(system)))
            return false;
    }
    if (isUnder(root, QStringLiteral("/run")) && !isUnder(root, QStringLiteral("/run/media")))
        return false;
    // Containers bind single files (/etc/hosts) from the host's disk.
    if (!QFileInfo(root).isDir())
        return false;
    const QByteArray type = volume.fileSystemType();
    if (type == "squashfs")
        return false;
    static const QByteArrayList network{"nfs", "nfs4", "cifs", "smb3", "smbfs", "9p", "fuse.sshfs"};
    return volume.device().startsWith("/dev/") || network.contains(type);
}
#endif

} // namespace

int driveIndexOf(const QList<DriveEntry> &drives, const QString &folder)
{
    int best = -1;
    for (int i = 0; i < drives.size(); ++i) {
        const QString &root = drives[i].rootPath;
        if (isUnder(folder, root) && (best < 0 || root.size() > drives[best].rootPath.size()))
            best = i;
    }
    return best;
}

QList<DriveEntry> QtDrives::list() const
{
    QList<DriveEntry> out;
#ifdef Q_OS_WIN
    // Every drive letter, ready or not: an empty CD drive is listed and is
    // "not ready" when chosen.
    const QFileInfoList roots = QDir::drives();
    for (const QFileInfo &root : roots) {
        const QString path = root.absoluteFilePath();
        QString shown = path.left(2).toLower();
        const QStorageInfo volume(path);
        if (volume.isValid() && volume.isReady() && !volume.name().isEmpty())
            shown += QStringLiteral(" [%1]").arg(volume.name());
        out.append({path, shown});
    }
#else
    const QList<QStorageInfo> volumes = QStorageInfo::mountedVolumes();
    bool haveRoot = false;
    for (const QStorageInfo &volume : volumes) {
        if (!isUserVolume(volume))
            continue;
        const QString root = volume.rootPath();
        const bool listed = std::any_of(out.cbegin(), out.cend(),
                                        [&root](const DriveEntry &d) { return d.rootPath == root; });
        if (listed)
            continue; // the same mount point twice (stacked mounts)
        haveRoot = haveRoot || root == QLatin1String("/");
        QString shown = root;
        if (!volume.name().isEmpty())
            shown += QStringLiteral(" [%1]").arg(volume.name());
        out.append({root, shown});
    }
    if (!haveRoot)
        out.append({QStringLiteral("/"), QStringLiteral("/")});
    std::sort(out.begin(), out.end(),
              [](const DriveEntry &a, const DriveEntry &b) { return a.rootPath < b.rootPath; });
#endif
    return out;
}

bool QtDrives::isReady(const QString &rootPath) const
{
    const QStorageInfo volume(rootPath);
    if (!volume.isValid() || !volume.isReady())
        return false;
#ifndef Q_OS_WIN
    // A volume unmounted since the list was made leaves its mount point as a
    // plain folder of the volume above it.
    if (volume.rootPath() != rootPath)
        return false;
#endif
    const QFileInfo top(rootPath);
    return top.isDir() && top.isReadable() && top.isExecutable();
}

} // namespace orv
