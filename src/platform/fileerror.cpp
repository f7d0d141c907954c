#include "fileerror.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace orv::FileError {

bool isFileAccess(int error)
{
    switch (error) {
    case FileNotFound:
    case DeviceUnavailable:
    case PermissionDenied:
    case DiskNotReady:
    case PathFileAccess:
    case PathNotFound:
        return true;
    default:
        return false;
    }
}

int fromErrno(int err)
{
    switch (err) {
    case 0:
        return None;
    case ENOENT:
        return FileNotFound;
    case ENOTDIR:
        return PathNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
        return PermissionDenied;
    case ENXIO:
    case ENODEV:
        return DeviceUnavailable;
    case EIO:
    case ENOMEDIUM:
        return DiskNotReady;
    case EISDIR:
    case ENAMETOOLONG:
    case ELOOP:
    case EBUSY:
    case EMFILE:
    case ENFILE:
        return PathFileAccess;
    default:
        return Other;
    }
}

int probeReadable(const QString &path)
{
    if (path.isEmpty())
        return FileNotFound;
    const QByteArray native = QFile::encodeName(path);
    // Not blocking: a named pipe would otherwise wait for a writer.
    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd >= 0) {
        ::close(fd);
        if (QFileInfo(path).isDir())
            return PathFileAccess;
        return None;
    }
    const int err = errno;
    if (err == ENOENT) {
        // A missing folder is "path not found", a missing file in an existing
        // folder is "file not found".
        const QFileInfo info(path);
        if (!QFileInfo(info.absolutePath()).isDir())
            return PathNotFound;
    }
    return fromErrno(err);
}

} // namespace orv::FileError
