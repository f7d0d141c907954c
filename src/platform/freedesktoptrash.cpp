#include "freedesktoptrash.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orv {

namespace {

QByteArray encoded(const QString &path)
{
    return QFile::encodeName(QDir::fromNativeSeparators(path));
}

QString reasonOf(int err)
{
    return qt_error_string(err);
}

QString parentOf(const QString &path)
{
    return QFileInfo(path).absolutePath();
}

// A folder at `path` that is a real folder (not a link to one) afterwards,
// made with owner-only access if it was missing.
bool ensureFolder(const QString &path)
{
    struct stat st;
    const QByteArray p = encoded(path);
    if (::lstat(p.constData(), &st) != 0) {
        if (errno != ENOENT || ::mkdir(p.constData(), 0700) != 0)
            return false;
        return ::lstat(p.constData(), &st) == 0 && S_ISDIR(st.st_mode);
    }
    return S_ISDIR(st.st_mode);
}

// The folder and the folders above it, made as needed.
bool ensureFolders(const QString &path)
{
    QStringList missing;
    QString folder = QDir::cleanPath(path);
    while (!QFileInfo::exists(folder)) {
        missing.prepend(folder);
        const QString up = parentOf(folder);
        if (up == folder)
            break;
        folder = up;
    }
    for (const QString &f : std::as_const(missing)) {
        if (!ensureFolder(f))
            return false;
    }
    return QFileInfo(path).isDir();
}

// The nearest folder at or above `path` that exists.
QString existingAncestor(const QString &path)
{
    QString folder = QDir::cleanPath(path);
    while (!QFileInfo::exists(folder) && parentOf(folder) != folder)
        folder = parentOf(folder);
    return folder;
}

bool deviceOf(const QString &path, dev_t *device)
{
    struct stat st;
    if (::stat(encoded(path).constData(), &st) != 0)
        return false;
    *device = st.st_dev;
    return true;
}

// The top folder of the mount that holds `file` (on device `device`).
QString topFolderOf(const QString &file, dev_t device)
{
    QString folder = parentOf(file);
    for (;;) {
        const QString up = parentOf(folder);
        dev_t upDevice;
        if (up == folder || !deviceOf(up, &upDevice) || upDevice != device)
            return folder;
        folder = up;
    }
}

bool withSubfolders(const QString &trash)
{
    return ensureFolder(trash + QStringLiteral("/files")) && ensureFolder(trash + QStringLiteral("/info"));
}

// `.Trash/$uid` under a sticky `.Trash` that is no link.
QString adminTrash(const QString &top)
{
    const QString admin = top + QStringLiteral("/.Trash");
    struct stat st;
    if (::lstat(encoded(admin).constData(), &st) != 0 || !S_ISDIR(st.st_mode) || !(st.st_mode & S_ISVTX))
        return {};
    const QString mine = admin + QLatin1Char('/') + QString::number(::getuid());
    return ensureFolder(mine) && withSubfolders(mine) ? mine : QString();
}

// `.Trash-$uid`, ours and no link.
QString ownTrash(const QString &top)
{
    const QString own = top + QStringLiteral("/.Trash-") + QString::number(::getuid());
    struct stat st;
    if (!ensureFolder(own) || ::lstat(encoded(own).constData(), &st) != 0 || st.st_uid != ::getuid())
        return {};
    return withSubfolders(own) ? own : QString();
}

// The longest name, in bytes, that `folder` holds.
int nameMax(const QString &folder)
{
    const long max = ::pathconf(encoded(folder).constData(), _PC_NAME_MAX);
    return max > 0 ? int(max) : 255;
}

} // namespace

QString FreedesktopTrash::storedName(const QString &name, int n, int maxBytes)
{
    const QString number = n == 1 ? QString() : QLatin1Char('.') + QString::number(n);
    const auto fits = [maxBytes](const QString &candidate) {
        return encoded(candidate + QStringLiteral(".trashinfo")).size() <= maxBytes;
    };
    if (fits(name + number))
        return name + number;
    // Too long for the info file's name: shortened, keeping the extension
    // when it leaves room; the info file keeps the original name.
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    QString extension = dot > 0 ? name.mid(dot) : QString();
    if (!fits(QStringLiteral("x") + number + extension))
        extension.clear();
    QString stem = name.left(name.size() - extension.size());
    while (!stem.isEmpty() && !fits(stem + number + extension))
        stem.chop(stem.size() > 1 && stem.back().isLowSurrogate() ? 2 : 1);
    return stem + number + extension;
}

FreedesktopTrash::FreedesktopTrash(const QString &homeTrash) : m_homeTrash(QDir::cleanPath(homeTrash)) {}

QString FreedesktopTrash::defaultHomeTrash()
{
    const QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    // A relative XDG_DATA_HOME is ignored, as the desktops do.
    const QString base =
        QDir::isAbsolutePath(dataHome) ? dataHome : QDir::homePath() + QStringLiteral("/.local/share");
    return QDir::cleanPath(base + QStringLiteral("/Trash"));
}

QByteArray FreedesktopTrash::infoText(const QString &path, const QDateTime &when)
{
    return "[Trash Info]\nPath=" + encoded(path).toPercentEncoding("/") +
           "\nDeletionDate=" + when.toString(QStringLiteral("yyyy-MM-ddThh:mm:ss")).toLatin1() + '\n';
}

QString FreedesktopTrash::trashFolderFor(const QString &file, QString *topFolder) const
{
    topFolder->clear();
    struct stat st;
    if (m_homeTrash.isEmpty() || ::lstat(encoded(file).constData(), &st) != 0)
        return {};
    dev_t homeDevice;
    if (deviceOf(existingAncestor(m_homeTrash), &homeDevice) && homeDevice == st.st_dev)
        return ensureFolders(m_homeTrash) && withSubfolders(m_homeTrash) ? m_homeTrash : QString();

    const QString top = topFolderOf(file, st.st_dev);
    QString trash = adminTrash(top);
    if (trash.isEmpty())
        trash = ownTrash(top);
    if (!trash.isEmpty())
        *topFolder = top;
    return trash;
}

FileOpResult FreedesktopTrash::trash(const QString &file, const QDateTime &when) const
{
    const QString path = QDir::cleanPath(QFileInfo(QDir::fromNativeSeparators(file)).absoluteFilePath());
    struct stat st;
    if (::lstat(encoded(path).constData(), &st) != 0)
        return FileOpResult::failed(reasonOf(errno));
    if (S_ISDIR(st.st_mode))
        return FileOpResult::failed(QCoreApplication::translate("FileOperations", "It is a folder, not a file."));

    // A folder that cannot be written to keeps its files: no trash could
    // take them, and deleting them for good would fail as well.
    if (::access(encoded(parentOf(path)).constData(), W_OK) != 0)
        return FileOpResult::failed(reasonOf(errno));
    QString top;
    const QString trash = trashFolderFor(path, &top);
    if (trash.isEmpty())
        return FileOpResult::of(FileOpResult::NoTrash, QCoreApplication::translate("FileOperations", "Its drive has no trash."));
    // A mount's trash holds paths relative to the mount's top folder.
    const QString recorded =
        top.isEmpty() ? path : path.mid(top.endsWith(QLatin1Char('/')) ? top.size() : top.size() + 1);

    // The info file reserves the name in the trash.
    const QString name = QFileInfo(path).fileName();
    const int maxBytes = nameMax(trash + QStringLiteral("/info"));
    for (int n = 1; n < 100000; ++n) {
        const QString candidate = storedName(name, n, maxBytes);
        const QByteArray info =
            encoded(trash + QStringLiteral("/info/") + candidate + QStringLiteral(".trashinfo"));
        const QByteArray stored = encoded(trash + QStringLiteral("/files/") + candidate);
        const int fd = ::open(info.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            return FileOpResult::failed(reasonOf(errno));
        }
        struct stat taken;
        if (::lstat(stored.constData(), &taken) == 0) {
            // A stored file without its info entry: leave it be.
            ::close(fd);
            ::unlink(info.constData());
            continue;
        }
        const QByteArray text = infoText(recorded, when);
        const bool written = ::write(fd, text.constData(), size_t(text.size())) == text.size();
        const int writeError = errno;
        if (::close(fd) != 0 || !written) {
            ::unlink(info.constData());
            return FileOpResult::failed(reasonOf(written ? errno : writeError));
        }
        if (::rename(encoded(path).constData(), stored.constData()) != 0) {
            const int err = errno;
            ::unlink(info.constData());
            return FileOpResult::failed(reasonOf(err));
        }
        return FileOpResult::done();
    }
    return FileOpResult::failed(QCoreApplication::translate("FileOperations", "The trash holds too many files of this name."));
}

} // namespace orv
