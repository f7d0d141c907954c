#include "qtfileoperations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace orv {

namespace {

QByteArray encoded(const QString &path)
{
    return QFile::encodeName(QDir::fromNativeSeparators(path));
}

FileOpResult failedWith(int err)
{
    return FileOpResult::failed(qt_error_string(err));
}

QString destinationOf(const QString &file, const QString &folder)
{
    return QDir(QDir::fromNativeSeparators(folder))
        .filePath(QFileInfo(QDir::fromNativeSeparators(file)).fileName());
}

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Whether `path` names the file described by `st`.
bool isFile(const QByteArray &path, const struct stat &st)
{
    struct stat other;
    return ::stat(path.constData(), &other) == 0 && sameFile(st, other);
}

bool writeAll(int fd, const char *data, ssize_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(size));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}

// Copies `source` into a new temporary file in `folder` with the source's
// permissions and modification time; flushed to disk when `flush`. On
// failure nothing is left in the folder.
FileOpResult copyToTemporary(const QByteArray &source, const struct stat &sourceStat,
                             const QByteArray &folder, bool flush, QByteArray *temporary)
{
    const int in = ::open(source.constData(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return failedWith(errno);
    QByteArray name = folder + "/.orvanta-XXXXXX";
    const int out = ::mkostemp(name.data(), O_CLOEXEC);
    if (out < 0) {
        const int err = errno;
        ::close(in);
        return failedWith(err);
    }
    const auto fail = [&](int err) {
        ::close(in);
        ::close(out);
        ::unlink(name.constData());
        return failedWith(err);
    };

    std::vector<char> buffer(1 << 16);
    for (;;) {
        const ssize_t n = ::read(in, buffer.data(), buffer.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        if (n == 0)
            break;
        if (!writeAll(out, buffer.data(), n))
            return fail(errno);
    }
    // The copy keeps the source's permissions and date, as a shell copy does.
    ::fchmod(out, sourceStat.st_mode & 07777);
    const struct timespec times[2] = {sourceStat.st_atim, sourceStat.st_mtim};
    ::futimens(out, times);
    if (flush && ::fsync(out) != 0)
        return fail(errno);
    ::close(in);
    if (::close(out) != 0) {
        const int err = errno;
        ::unlink(name.constData());
        return failedWith(err);
    }
    *temporary = name;
    return FileOpResult::done();
}

bool syncFolder(const QByteArray &folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

// A copy of `source` under a temporary name in `folder`, then renamed to
// `destination` (replacing a file of that name); no temporary file is left
// behind on failure.
FileOpResult copyIntoPlace(const QByteArray &source, const struct stat &st, const QByteArray &folder,
                           bool flush, const QByteArray &destination)
{
    QByteArray temporary;
    if (FileOpResult r = copyToTemporary(source, st, folder, flush, &temporary); !r.ok())
        return r;
    if (::rename(temporary.constData(), destination.constData()) != 0) {
        const int err = errno;
        ::unlink(temporary.constData());
        return failedWith(err);
    }
    return FileOpResult::done();
}

// The source must be a file; a folder or a device is refused.
FileOpResult statSource(const QByteArray &source, struct stat *st)
{
    if (::stat(source.constData(), st) != 0)
        return failedWith(errno);
    if (!S_ISREG(st->st_mode))
        return FileOpResult::failed(QCoreApplication::translate("FileOperations", "It is not a file."));
    return FileOpResult::done();
}

} // namespace

QtFileOperations::QtFileOperations(const QString &homeTrash) : m_trash(homeTrash) {}

FileOpResult QtFileOperations::copyInto(const QString &file, const QString &folder)
{
    if (folder.isEmpty())
        return failedWith(ENOENT);
    const QByteArray source = encoded(file);
    struct stat st;
    if (FileOpResult r = statSource(source, &st); !r.ok())
        return r;
    const QByteArray destination = encoded(destinationOf(file, folder));
    // A copy onto itself would only put the file at risk.
    if (isFile(destination, st))
        return FileOpResult::of(FileOpResult::Unchanged);

    return copyIntoPlace(source, st, encoded(folder), false, destination);
}

FileOpResult QtFileOperations::moveInto(const QString &file, const QString &folder)
{
    if (folder.isEmpty())
        return failedWith(ENOENT);
    const QByteArray source = encoded(file);
    struct stat st;
    if (FileOpResult r = statSource(source, &st); !r.ok())
        return r;
    const QByteArray destination = encoded(destinationOf(file, folder));
    if (isFile(destination, st))
        return FileOpResult::of(FileOpResult::Unchanged);

    if (::rename(source.constData(), destination.constData()) == 0)
        return FileOpResult::done();
    if (errno != EXDEV)
        return failedWith(errno);

    // Another file system: the copy is on disk under its own name before the
    // source goes.
    const QByteArray target = encoded(folder);
    if (FileOpResult r = copyIntoPlace(source, st, target, true, destination); !r.ok())
        return r;
    if (!syncFolder(target))
        return FileOpResult::failed(
            QCoreApplication::translate("FileOperations", 
                "It was copied, but the copy could not be flushed to disk (%1); the original was kept.")
                .arg(qt_error_string(errno)));
    if (::unlink(source.constData()) != 0)
        return FileOpResult::failed(
            QCoreApplication::translate("FileOperations", "It was copied, but the original could not be removed (%1).")
                .arg(qt_error_string(errno)));
    return FileOpResult::done();
}

FileOpResult QtFileOperations::moveToTrash(const QString &file)
{
    return m_trash.trash(file);
}

FileOpResult QtFileOperations::remove(const QString &file)
{
    const QByteArray path = encoded(file);
    struct stat st;
    if (::lstat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode))
        return FileOpResult::failed(QCoreApplication::translate("FileOperations", "It is a folder, not a file."));
    if (::unlink(path.constData()) != 0)
        return failedWith(errno);
    return FileOpResult::done();
}

FileOpResult QtFileOperations::rename(const QString &from, const QString &to)
{
    const QByteArray a = encoded(from);
    const QByteArray b = encoded(to);
    if (a == b)
        return FileOpResult::of(FileOpResult::Unchanged);
    // The new name taken by the same file: only its letters' case changes,
    // on a file system that ignores case.
    const auto takenBy = [&a, &b] {
        struct stat sa;
        return ::stat(a.constData(), &sa) == 0 && isFile(b, sa)
                   ? (::rename(a.constData(), b.constData()) == 0 ? FileOpResult::done() : failedWith(errno))
                   : FileOpResult::of(FileOpResult::AlreadyExists);
    };

#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, a.constData(), AT_FDCWD, b.constData(), RENAME_NOREPLACE) == 0)
        return FileOpResult::done();
    if (errno == EEXIST)
        return takenBy();
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
        return failedWith(errno);
#endif
    // Without a refusing rename: a hard link cannot take a name in use.
    if (::link(a.constData(), b.constData()) == 0) {
        if (::unlink(a.constData()) == 0)
            return FileOpResult::done();
        const int err = errno;
        ::unlink(b.constData());
        return failedWith(err);
    }
    if (errno == EEXIST)
        return takenBy();
    if (errno != EPERM && errno != EOPNOTSUPP && errno != EMLINK)
        return failedWith(errno);
    // Without hard links: reserve the name, then rename over the placeholder.
    const int fd = ::open(b.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno == EEXIST ? takenBy() : failedWith(errno);
    ::close(fd);
    if (::rename(a.constData(), b.constData()) == 0)
        return FileOpResult::done();
    const int err = errno;
    ::unlink(b.constData());
    return failedWith(err);
}

} // namespace orv
