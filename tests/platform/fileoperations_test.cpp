// The real file operations on real temporary folders.
#include "qtfileoperations.h"
#include "testutils.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orv {
namespace {

using test::readFile;
using test::writeFile;

// Every name in a folder, hidden ones included (a temporary file left behind
// shows here).
QStringList namesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

dev_t deviceOf(const QString &path)
{
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_dev : dev_t(-1);
}

// A folder nobody can write into for as long as it lives: read-only
// permissions, or for root (whom permissions do not bind) the immutable flag.
class Unwritable
{
public:
    explicit Unwritable(const QString &folder) : m_folder(QFile::encodeName(folder))
    {
        if (::geteuid() != 0) {
            m_set = ::chmod(m_folder.constData(), 0555) == 0;
            return;
        }
        m_fd = ::open(m_folder.constData(), O_RDONLY | O_DIRECTORY);
        int flags = 0;
        if (m_fd >= 0 && ::ioctl(m_fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags |= FS_IMMUTABLE_FL;
            m_set = ::ioctl(m_fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
    }
    ~Unwritable()
    {
        if (::geteuid() != 0) {
            ::chmod(m_folder.constData(), 0755);
        } else if (m_fd >= 0) {
            int flags = 0;
            if (::ioctl(m_fd, FS_IOC_GETFLAGS, &flags) == 0) {
                flags &= ~FS_IMMUTABLE_FL;
                ::ioctl(m_fd, FS_IOC_SETFLAGS, &flags);
            }
            ::close(m_fd);
        }
    }
    bool ok() const { return m_set; }

private:
    QByteArray m_folder;
    int m_fd = -1;
    bool m_set = false;
};

struct Folders {
    QTemporaryDir tmp;
    QString a = tmp.filePath(QStringLiteral("a"));
    QString b = tmp.filePath(QStringLiteral("b"));
    QtFileOperations ops{tmp.filePath(QStringLiteral("data/Trash"))};
    Folders()
    {
        QDir().mkpath(a);
        QDir().mkpath(b);
    }
};

TEST(FileOperations, CopyAndMoveReplaceAFileOfTheSameName)
{
    const QDateTime taken(QDate(2019, 7, 14), QTime(10, 30));
    for (const bool move : {false, true}) {
        for (const bool occupied : {false, true}) {
            SCOPED_TRACE(std::string(move ? "move" : "copy") + (occupied ? ", name taken" : ", name free"));
            Folders f;
            const QString source = f.a + QStringLiteral("/p.jpg");
            writeFile(source, "the picture");
            QFile stamped(source);
            ASSERT_TRUE(stamped.open(QIODevice::ReadWrite));
            ASSERT_TRUE(stamped.setFileTime(taken, QFileDevice::FileModificationTime));
            stamped.close();
            if (occupied)
                writeFile(f.b + QStringLiteral("/p.jpg"), "an older picture of the same name");

            const FileOpResult r = move ? f.ops.moveInto(source, f.b) : f.ops.copyInto(source, f.b);
            EXPECT_EQ(r.kind, FileOpResult::Done) << r.reason.toStdString();
            EXPECT_EQ(readFile(f.b + QStringLiteral("/p.jpg")), "the picture");
            EXPECT_EQ(namesIn(f.b), QStringList{"p.jpg"}) << "no temporary file is left";
            EXPECT_EQ(QFileInfo::exists(source), !move);
            EXPECT_EQ(QFileInfo(f.b + QStringLiteral("/p.jpg")).lastModified(), taken) << "the date is kept";
        }
    }
}

TEST(FileOperations, AFileThatIsItsOwnDestinationIsLeftAlone)
{
    Folders f;
    const QString source = f.a + QStringLiteral("/p.jpg");
    writeFile(source, "the picture");
    // The same folder, spelt another way.
    const QString same = f.b + QStringLiteral("/../a");
    for (const bool move : {false, true}) {
        const FileOpResult r = move ? f.ops.moveInto(source, same) : f.ops.copyInto(source, same);
        EXPECT_EQ(r.kind, FileOpResult::Unchanged) << move;
        EXPECT_EQ(readFile(source), "the picture") << move;
        EXPECT_EQ(namesIn(f.a), QStringList{"p.jpg"}) << move;
    }
}

TEST(FileOperations, MoveAcrossFileSystems)
{
    QTemporaryDir other(QStringLiteral("/dev/shm/orvanta-test-XXXXXX"));
    Folders f;
    if (!other.isValid() || deviceOf(other.path()) == deviceOf(f.a))
        GTEST_SKIP() << "this machine has no second file system to move to (/dev/shm)";

    const QString source = f.a + QStringLiteral("/p.jpg");
    writeFile(source, "the picture");
    const FileOpResult r = f.ops.moveInto(source, other.path());
    EXPECT_EQ(r.kind, FileOpResult::Done) << r.reason.toStdString();
    EXPECT_EQ(readFile(other.filePath(QStringLiteral("p.jpg"))), "the picture");
    EXPECT_FALSE(QFileInfo::exists(source));

    // A folder in the way of the last step: the source stays, nothing is left.
    const QString blocked = f.a + QStringLiteral("/q.jpg");
    writeFile(blocked, "another picture");
    ASSERT_TRUE(QDir().mkdir(other.filePath(QStringLiteral("q.jpg"))));
    const FileOpResult failed = f.ops.moveInto(blocked, other.path());
    EXPECT_EQ(failed.kind, FileOpResult::Failed);
    EXPECT_FALSE(failed.reason.isEmpty());
    EXPECT_EQ(readFile(blocked), "another picture");
    EXPECT_EQ(namesIn(other.path()), (QStringList{"p.jpg", "q.jpg"}));
}

TEST(FileOperations, AFailureLeavesTheSourceWholeAndNothingBehind)
{
    QTemporaryDir shm(QStringLiteral("/dev/shm/orvanta-test-XXXXXX"));
    Folders f;
    const struct {
        const char *what;
        bool move;
        bool otherFileSystem;
    } rows[] = {{"copy", false, false}, {"move", true, false}, {"move to another file system", true, true}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        const QString target = row.otherFileSystem ? shm.filePath(QStringLiteral("locked")) : f.b;
        QDir().mkpath(target);
        if (row.otherFileSystem && (!shm.isValid() || deviceOf(target) == deviceOf(f.a))) {
            std::printf("skipped: no second file system\n");
            continue;
        }
        const QString source = f.a + QStringLiteral("/p.jpg");
        writeFile(source, "the picture");
        Unwritable lock(target);
        if (!lock.ok()) {
            std::printf("skipped %s: this file system cannot lock a folder\n", row.what);
            continue;
        }
        const FileOpResult r = row.move ? f.ops.moveInto(source, target) : f.ops.copyInto(source, target);
        EXPECT_EQ(r.kind, FileOpResult::Failed);
        EXPECT_FALSE(r.reason.isEmpty());
        EXPECT_EQ(readFile(source), "the picture");
        EXPECT_TRUE(namesIn(target).isEmpty());
    }
}

TEST(FileOperations, RenameNeverReplacesAFile)
{
    Folders f;
    const QString a = f.a + QStringLiteral("/a.jpg");
    const QString b = f.a + QStringLiteral("/b.jpg");
    writeFile(a, "A");
    writeFile(b, "B");
    EXPECT_EQ(f.ops.rename(a, b).kind, FileOpResult::AlreadyExists);
    EXPECT_EQ(readFile(a), "A");
    EXPECT_EQ(readFile(b), "B");
    // A folder of that name counts too.
    QDir().mkdir(f.a + QStringLiteral("/d.jpg"));
    EXPECT_EQ(f.ops.rename(a, f.a + QStringLiteral("/d.jpg")).kind, FileOpResult::AlreadyExists);

    EXPECT_EQ(f.ops.rename(a, f.a + QStringLiteral("/c.jpg")).kind, FileOpResult::Done);
    EXPECT_EQ(readFile(f.a + QStringLiteral("/c.jpg")), "A");
    EXPECT_FALSE(QFileInfo::exists(a));

    const FileOpResult missing = f.ops.rename(a, f.a + QStringLiteral("/e.jpg"));
    EXPECT_EQ(missing.kind, FileOpResult::Failed);
    EXPECT_FALSE(missing.reason.isEmpty());
}

TEST(FileOperations, RemoveDeletesForGood)
{
    Folders f;
    const QString a = f.a + QStringLiteral("/a.jpg");
    writeFile(a, "A");
    EXPECT_EQ(f.ops.remove(a).kind, FileOpResult::Done);
    EXPECT_FALSE(QFileInfo::exists(a));
    EXPECT_EQ(f.ops.remove(a).kind, FileOpResult::Failed);
    EXPECT_TRUE(namesIn(f.tmp.filePath(QStringLiteral("data"))).isEmpty()) << "nothing went to the trash";
}

// XDG_DATA_HOME and the current folder for the length of a test.
class Environment
{
public:
    Environment(const QString &dataHome, const QString &current)
        : m_dataHome(qgetenv("XDG_DATA_HOME")), m_had(qEnvironmentVariableIsSet("XDG_DATA_HOME")),
          m_current(QDir::currentPath())
    {
        qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome));
        QDir::setCurrent(current);
    }
    ~Environment()
    {
        if (m_had)
            qputenv("XDG_DATA_HOME", m_dataHome);
        else
            qunsetenv("XDG_DATA_HOME");
        QDir::setCurrent(m_current);
    }

private:
    QByteArray m_dataHome;
    bool m_had;
    QString m_current;
};

TEST(Trash, AFreshDataFolderGetsTheFileAndItsInfoEntry)
{
    QTemporaryDir tmp;
    const QString dataHome = tmp.filePath(QStringLiteral("fresh/data"));
    const QString current = tmp.filePath(QStringLiteral("current"));
    QDir().mkpath(current);
    Environment env(dataHome, current);
    QtFileOperations ops; // the trash of XDG_DATA_HOME, which does not exist yet
    EXPECT_EQ(ops.trash().homeTrash(), dataHome + QStringLiteral("/Trash"));

    const QString first = tmp.filePath(QStringLiteral("pics/sea view.jpg"));
    const QString second = tmp.filePath(QStringLiteral("more/sea view.jpg"));
    writeFile(first, "first");
    writeFile(second, "second");
    ASSERT_EQ(ops.moveToTrash(first).kind, FileOpResult::Done);
    ASSERT_EQ(ops.moveToTrash(second).kind, FileOpResult::Done);

    EXPECT_FALSE(QFileInfo::exists(first));
    const QString trash = dataHome + QStringLiteral("/Trash");
    EXPECT_EQ(readFile(trash + QStringLiteral("/files/sea view.jpg")), "first");
    EXPECT_EQ(readFile(trash + QStringLiteral("/files/sea view.jpg.2")), "second");
    const QString info = QString::fromUtf8(readFile(trash + QStringLiteral("/info/sea view.jpg.trashinfo")));
    EXPECT_TRUE(info.startsWith(QStringLiteral("[Trash Info]\nPath=") +
                                QString::fromLatin1(QFile::encodeName(first).toPercentEncoding("/")) +
                                QStringLiteral("\nDeletionDate=")))
        << info.toStdString();
    EXPECT_TRUE(QDateTime::fromString(info.section(QStringLiteral("DeletionDate="), 1).trimmed(), Qt::ISODate)
                    .isValid());
    EXPECT_TRUE(QFileInfo::exists(trash + QStringLiteral("/info/sea view.jpg.2.trashinfo")));
    EXPECT_TRUE(namesIn(current).isEmpty()) << "nothing under the current folder";
}

TEST(Trash, AFileOnAnotherMountGoesToThatMountsTrash)
{
    QTemporaryDir tmp;
    QTemporaryDir shm(QStringLiteral("/dev/shm/orvanta-test-XXXXXX"));
    if (!shm.isValid() || deviceOf(shm.path()) == deviceOf(tmp.path()))
        GTEST_SKIP() << "this machine has no second file system (/dev/shm)";
    const QString top = QFileInfo(shm.path()).absolutePath();
    if (deviceOf(top) != deviceOf(shm.path()))
        GTEST_SKIP() << "/dev/shm is not the top of its mount";

    QtFileOperations ops(tmp.filePath(QStringLiteral("data/Trash")));
    const QString trash = top + QStringLiteral("/.Trash-") + QString::number(::getuid());
    const bool trashExisted = QFileInfo::exists(trash);
    const QString name = QFileInfo(shm.path()).fileName() + QStringLiteral(".jpg");
    const QString file = shm.filePath(name);
    writeFile(file, "on another mount");

    const FileOpResult r = ops.moveToTrash(file);
    EXPECT_EQ(r.kind, FileOpResult::Done) << r.reason.toStdString();
    EXPECT_EQ(readFile(trash + QStringLiteral("/files/") + name), "on another mount");
    const QString info = QString::fromUtf8(readFile(trash + QStringLiteral("/info/") + name + ".trashinfo"));
    // The path is kept relative to the mount's top folder.
    EXPECT_TRUE(info.contains(QStringLiteral("\nPath=") + QFileInfo(shm.path()).fileName() +
                              QLatin1Char('/') + name + QLatin1Char('\n')))
        << info.toStdString();
    EXPECT_FALSE(QFileInfo::exists(tmp.filePath(QStringLiteral("data/Trash/files/")) + name));

    QFile::remove(trash + QStringLiteral("/files/") + name);
    QFile::remove(trash + QStringLiteral("/info/") + name + ".trashinfo");
    if (!trashExisted) {
        QDir(trash).rmdir(QStringLiteral("files"));
        QDir(trash).rmdir(QStringLiteral("info"));
        QDir(top).rmdir(QFileInfo(trash).fileName());
    }
}

TEST(Trash, WithoutATrashTheFileStays)
{
    QTemporaryDir tmp;
    // The data folder cannot be made: a file stands where it would go.
    writeFile(tmp.filePath(QStringLiteral("data")), "not a folder");
    QtFileOperations ops(tmp.filePath(QStringLiteral("data/Trash")));
    const QString file = tmp.filePath(QStringLiteral("p.jpg"));
    writeFile(file, "the picture");
    EXPECT_EQ(ops.moveToTrash(file).kind, FileOpResult::NoTrash);
    EXPECT_EQ(readFile(file), "the picture");
}

} // namespace
} // namespace orv
