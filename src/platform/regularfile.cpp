#include "regularfile.h"

#include "fileerror.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orv {

int openRegularFile(QFile &file, const QString &path, QString *why)
{
    const auto refuse = [why](int error, const QString &reason) {
        if (why)
            *why = reason;
        return error;
    };
    if (path.isEmpty())
        return refuse(FileError::FileNotFound, QCoreApplication::translate("FileOperations", "No file name was given."));
    // Not blocking: opening a named pipe would otherwise wait for a writer.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        const int err = errno;
        int error = FileError::probeReadable(path);
        if (error == FileError::None)
            error = FileError::fromErrno(err) != FileError::Other ? FileError::fromErrno(err)
                                                                  : FileError::PathFileAccess;
        return refuse(error, QString::fromLocal8Bit(std::strerror(err)));
    }
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return refuse(FileError::PathFileAccess, QCoreApplication::translate("FileOperations", "It is not a regular file."));
    }
    // Reading a regular file waits as usual.
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags != -1)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return refuse(FileError::PathFileAccess, file.errorString());
    }
    return FileError::None;
}

} // namespace orv
