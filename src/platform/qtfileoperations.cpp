#include "qtfileoperations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
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

QString destinationOf(const QString &file, const QString &folder, const QString &name)
{
    return QDir(QDir::fromNativeSeparators(folder))
        .filePath(name.isEmpty() ? QFileInfo(QDir::fromNativeSeparators(file)).fileName() : name);
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

// A file of ours left by a copy: ".orvanta-" and the six letters mkostemp
// chose.
const char temporaryPrefix[] = ".orvanta-";

bool isTemporaryName(const QString &name)
{
    static const QRegularExpression pattern(QStringLiteral("^\\.orvanta-[A-Za-z0-9]{6}$"));
    return pattern.match(name).hasMatch();
}

// Renames `from` to `to` unless something has the name `to`: then
// AlreadyExists, also when it appears between any check and the rename.
FileOpResult renameNoReplace(const QByteArray &a, const QByteArray &b)
{
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

// A copy of `source` (its permissions and modification time too, as a shell
// copy keeps them) written under a temporary name in `folder`, flushed to
// disk and renamed to `destination`, which it never replaces. The temporary
// file is locked while it is written, so that another paste into the folder
// can tell it from one an interrupted copy left; nothing is left behind on
// failure.
FileOpResult copyIntoPlace(const QByteArray &source, const struct stat &sourceStat, const QByteArray &folder,
                           const QByteArray &destination)
{
    const int in = ::open(source.constData(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return failedWith(errno);
    QByteArray name = folder + '/' + temporaryPrefix + "XXXXXX";
    const int out = ::mkostemp(name.data(), O_CLOEXEC);
    if (out < 0) {
        const int err = errno;
        ::close(in);
        return failedWith(err);
    }
    ::flock(out, LOCK_EX);
    const auto fail = [&](const FileOpResult &r) {
        ::close(in);
        ::unlink(name.constData());
        ::close(out);
        return r;
    };

    std::vector<char> buffer(1 << 16);
    for (;;) {
        const ssize_t n = ::read(in, buffer.data(), buffer.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail(failedWith(errno));
        }
        if (n == 0)
            break;
        if (!writeAll(out, buffer.data(), n))
            return fail(failedWith(errno));
    }
    ::fchmod(out, sourceStat.st_mode & 07777);
    const struct timespec times[2] = {sourceStat.st_atim, sourceStat.st_mtim};
    ::futimens(out, times);
    // On disk before it takes the name: a crash never leaves an empty file
    // where the picture should be.
    if (::fsync(out) != 0)
        return fail(failedWith(errno));
    if (FileOpResult r = renameNoReplace(name, destination); !r.ok())
        return fail(r);
    ::close(in);
    ::close(out);
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

// The source must be a file (or a link to one); a folder or a device is
// refused.
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

FileOpResult QtFileOperations::copyInto(const QString &file, const QString &folder, const QString &name)
{
    if (folder.isEmpty())
        return failedWith(ENOENT);
    const QByteArray source = encoded(file);
    struct stat st;
    if (FileOpResult r = statSource(source, &st); !r.ok())
        return r;
    const QByteArray destination = encoded(destinationOf(file, folder, name));
    // A copy onto itself would only put the file at risk.
    if (isFile(destination, st))
        return FileOpResult::of(FileOpResult::Unchanged);

    return copyIntoPlace(source, st, encoded(folder), destination);
}

FileOpResult QtFileOperations::moveInto(const QString &file, const QString &folder, const QString &name)
{
    if (folder.isEmpty())
        return failedWith(ENOENT);
    const QByteArray source = encoded(file);
    struct stat st;
    if (FileOpResult r = statSource(source, &st); !r.ok())
        return r;
    const QByteArray destination = encoded(destinationOf(file, folder, name));
    if (isFile(destination, st))
        return FileOpResult::of(FileOpResult::Unchanged);

    // A link keeps its target's name as written, which from another folder
    // may lead nowhere: it arrives as the picture, as a copy does.
    const QByteArray target = encoded(folder);
    struct stat here;
    struct stat there;
    if (::lstat(source.constData(), &here) != 0 || ::stat(target.constData(), &there) != 0)
        return failedWith(errno);
    if (!S_ISLNK(here.st_mode) && here.st_dev == there.st_dev)
        return renameNoReplace(source, destination);

    // Another file system: the copy is on disk under its own name before the
    // source goes.
    if (FileOpResult r = copyIntoPlace(source, st, target, destination); !r.ok())
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

bool QtFileOperations::exists(const QString &path)
{
    struct stat st;
    return ::lstat(encoded(path).constData(), &st) == 0;
}

bool QtFileOperations::sameFile(const QString &a, const QString &b)
{
    struct stat st;
    return ::stat(encoded(a).constData(), &st) == 0 && isFile(encoded(b), st);
}

void QtFileOperations::removeStaleTemporaries(const QString &folder)
{
    const QStringList names =
        QDir(QDir::fromNativeSeparators(folder)).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        if (!isTemporaryName(name))
            continue;
        const QByteArray path = encoded(QDir(QDir::fromNativeSeparators(folder)).filePath(name));
        const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat st;
        // Only our own files, and none that a copy holds locked.
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid() &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(path.constData());
        ::close(fd);
    }
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
    return renameNoReplace(a, b);
}

} // namespace orv
