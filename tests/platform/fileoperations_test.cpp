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
#include <sys/file.h>
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

TEST(FileOperations, CopyAndMoveNeverReplaceAndKeepTheDate)
{
    const QDateTime taken(QDate(2019, 7, 14), QTime(10, 30));
    const struct {
        const char *what;
        bool move;
        const char *occupant; // what has the name in b first, if anything
        const char *name;     // the name asked for ("" its own)
        FileOpResult::Kind kind;
        const char *arrives; // the name that holds the picture in b afterwards
    } rows[] = {
        {"copy", false, nullptr, "", FileOpResult::Done, "p.jpg"},
        {"move", true, nullptr, "", FileOpResult::Done, "p.jpg"},
        {"copy, name taken", false, "file", "", FileOpResult::AlreadyExists, nullptr},
        {"move, name taken", true, "file", "", FileOpResult::AlreadyExists, nullptr},
        {"move, a folder has the name", true, "folder", "", FileOpResult::AlreadyExists, nullptr},
        {"copy under another name", false, "file", "p (2).jpg", FileOpResult::Done, "p (2).jpg"},
        {"move under another name", true, "file", "p (2).jpg", FileOpResult::Done, "p (2).jpg"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        Folders f;
        const QString source = f.a + QStringLiteral("/p.jpg");
        writeFile(source, "the picture");
        QFile stamped(source);
        ASSERT_TRUE(stamped.open(QIODevice::ReadWrite));
        ASSERT_TRUE(stamped.setFileTime(taken, QFileDevice::FileModificationTime));
        stamped.close();
        QStringList expected;
        if (row.occupant && QByteArray(row.occupant) == "folder")
            QDir().mkdir(f.b + QStringLiteral("/p.jpg"));
        else if (row.occupant)
            writeFile(f.b + QStringLiteral("/p.jpg"), "an older picture of the same name");
        if (row.occupant)
            expected << QStringLiteral("p.jpg");
        if (row.arrives && !expected.contains(QLatin1String(row.arrives)))
            expected << QLatin1String(row.arrives);
        expected.sort();

        const QString name = QLatin1String(row.name);
        const FileOpResult r = row.move ? f.ops.moveInto(source, f.b, name) : f.ops.copyInto(source, f.b, name);
        EXPECT_EQ(r.kind, row.kind) << r.reason.toStdString();
        EXPECT_EQ(namesIn(f.b), expected) << "no temporary file is left";
        EXPECT_EQ(QFileInfo::exists(source), !row.move || !row.arrives);
        if (row.occupant && QByteArray(row.occupant) == "file") {
            EXPECT_EQ(readFile(f.b + QStringLiteral("/p.jpg")), "an older picture of the same name");
        }
        if (row.arrives) {
            const QString arrived = f.b + QLatin1Char('/') + QLatin1String(row.arrives);
            EXPECT_EQ(readFile(arrived), "the picture");
            EXPECT_EQ(QFileInfo(arrived).lastModified(), taken) << "the date is kept";
        }
    }
}

// A relative link arrives as something that opens the same picture, cut or
// copied, on the same file system or another.
TEST(FileOperations, ALinkArrivesAsThePictureItNames)
{
    QTemporaryDir shm(QStringLiteral("/dev/shm/orvanta-test-XXXXXX"));
    for (const bool move : {false, true}) {
        for (const bool otherFileSystem : {false, true}) {
            SCOPED_TRACE(std::string(move ? "cut" : "copy") + (otherFileSystem ? ", other file system" : ""));
            Folders f;
            const QString target = otherFileSystem ? shm.path() : f.b;
            if (otherFileSystem && (!shm.isValid() || deviceOf(target) == deviceOf(f.a)))
                continue;
            writeFile(f.a + QStringLiteral("/real.jpg"), "the picture");
            const QString link = f.a + QStringLiteral("/rel.jpg");
            ASSERT_TRUE(QFile::link(QStringLiteral("real.jpg"), link));
            const FileOpResult r = move ? f.ops.moveInto(link, target) : f.ops.copyInto(link, target);
            EXPECT_EQ(r.kind, FileOpResult::Done) << r.reason.toStdString();
            EXPECT_EQ(readFile(target + QStringLiteral("/rel.jpg")), "the picture");
            EXPECT_EQ(QFileInfo::exists(link), !move);
            EXPECT_EQ(readFile(f.a + QStringLiteral("/real.jpg")), "the picture") << "the picture stays";
            QFile::remove(target + QStringLiteral("/rel.jpg"));
        }
    }
}

// What an interrupted copy left goes at the next paste; a copy under way,
// and names that are not quite ours, stay.
TEST(FileOperations, StaleTemporaryFilesAreRemoved)
{
    Folders f;
    const struct {
        const char *name;
        bool locked;
        bool stays;
    } rows[] = {{".orvanta-a1B2c3", false, false}, {".orvanta-Zz9999", true, true},
                {".orvanta-a1B2c", false, true},   {".orvanta-a1B2c34", false, true},
                {"orvanta-a1B2c3", false, true},   {".orvanta-a1B2c3.jpg", false, true}};
    std::vector<int> held;
    QStringList expected;
    for (const auto &row : rows) {
        const QString path = f.b + QLatin1Char('/') + QLatin1String(row.name);
        writeFile(path, "part of a picture");
        if (row.locked) {
            held.push_back(::open(QFile::encodeName(path).constData(), O_RDONLY));
            ASSERT_EQ(::flock(held.back(), LOCK_EX), 0);
        }
        if (row.stays)
            expected << QLatin1String(row.name);
    }
    QDir().mkdir(f.b + QStringLiteral("/.orvanta-folder"));
    expected << QStringLiteral(".orvanta-folder");
    expected.sort();
    f.ops.removeStaleTemporaries(f.b);
    QStringList left = namesIn(f.b);
    left.sort();
    EXPECT_EQ(left, expected);
    for (int fd : held)
        ::close(fd);
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
    EXPECT_EQ(failed.kind, FileOpResult::AlreadyExists);
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

// The name a file takes in a trash whose info folder holds names of up to
// 255 bytes: whole while NAME.trashinfo fits, else shortened, extension kept.
TEST(Trash, StoredNamesFitTheInfoFolder)
{
    const QString a245 = QString(241, QLatin1Char('a')) + QStringLiteral(".jpg");
    const QString a246 = QString(242, QLatin1Char('a')) + QStringLiteral(".jpg");
    const QString e = QString::fromUtf8("\xc3\xa9"); // two bytes
    const struct {
        QString name;
        int n;
        QString stored;
    } rows[] = {
        {QStringLiteral("sea.jpg"), 1, QStringLiteral("sea.jpg")},
        {QStringLiteral("sea.jpg"), 3, QStringLiteral("sea.jpg.3")},
        {a245, 1, a245},
        {a245, 2, QString(239, QLatin1Char('a')) + QStringLiteral(".2.jpg")},
        {a246, 1, QString(241, QLatin1Char('a')) + QStringLiteral(".jpg")},
        {QString(255, QLatin1Char('b')), 1, QString(245, QLatin1Char('b'))},
        // A letter of two bytes is dropped whole, never cut in half.
        {QString(240, QLatin1Char('a')) + e + e + e + QStringLiteral(".jpg"), 1,
         QString(240, QLatin1Char('a')) + QStringLiteral(".jpg")},
        {QString(239, QLatin1Char('a')) + e + e + e + QStringLiteral(".jpg"), 1,
         QString(239, QLatin1Char('a')) + e + QStringLiteral(".jpg")},
        // An extension too long to keep goes too.
        {QStringLiteral("x.") + QString(250, QLatin1Char('c')), 1, QStringLiteral("x.") + QString(243, QLatin1Char('c'))},
    };
    for (const auto &row : rows) {
        const QString stored = FreedesktopTrash::storedName(row.name, row.n, 255);
        EXPECT_EQ(stored, row.stored) << row.name.size() << " " << row.n;
        EXPECT_LE(QFile::encodeName(stored + QStringLiteral(".trashinfo")).size(), 255);
    }
}

// Any file its folder can hold goes to the trash, on this file system and
// on another, with the original path (percent-encoded) in its info file.
TEST(Trash, LongAndOddNamesGoToTheTrash)
{
    QTemporaryDir shm(QStringLiteral("/dev/shm/orvanta-test-XXXXXX"));
    const QString e = QString::fromUtf8("\xc3\xa9");
    const QString names[] = {QString(241, QLatin1Char('a')) + QStringLiteral(".jpg"),
                             QString(242, QLatin1Char('a')) + QStringLiteral(".jpg"),
                             QString(246, QLatin1Char('a')) + QStringLiteral(".jpg"),
                             e.repeated(125) + QStringLiteral(".jpg"),
                             QStringLiteral("100% sea #1 view?.jpg")};
    for (const bool otherFileSystem : {false, true}) {
        QTemporaryDir tmp;
        if (otherFileSystem && (!shm.isValid() || deviceOf(shm.path()) == deviceOf(tmp.path())))
            continue;
        QtFileOperations ops(tmp.filePath(QStringLiteral("data/Trash")));
        const QString folder = otherFileSystem ? shm.path() : tmp.path();
        for (const QString &name : names) {
            SCOPED_TRACE(QString::number(QFile::encodeName(name).size()).toStdString() + " bytes" +
                         (otherFileSystem ? ", other file system" : ""));
            const QString file = folder + QLatin1Char('/') + name;
            writeFile(file, name.toUtf8());
            QString top;
            const QString trash = ops.trash().trashFolderFor(file, &top);
            const FileOpResult r = ops.moveToTrash(file);
            ASSERT_EQ(r.kind, FileOpResult::Done) << r.reason.toStdString();
            EXPECT_FALSE(QFileInfo::exists(file));
            // The info entry that names it, and the stored file of that name.
            const QString recorded = top.isEmpty() ? file : file.mid(top.size() + 1);
            const QByteArray path = "Path=" + QFile::encodeName(recorded).toPercentEncoding("/") + '\n';
            int found = 0;
            const QString infoFolder = trash + QStringLiteral("/info");
            for (const QString &info : namesIn(infoFolder)) {
                if (!readFile(infoFolder + QLatin1Char('/') + info).contains(path))
                    continue;
                ++found;
                const QString stored = trash + QStringLiteral("/files/") + info.chopped(10);
                EXPECT_EQ(readFile(stored), name.toUtf8());
                QFile::remove(stored);
                QFile::remove(infoFolder + QLatin1Char('/') + info);
            }
            EXPECT_EQ(found, 1);
        }
        if (otherFileSystem) {
            const QString trash = QStringLiteral("/dev/shm/.Trash-") + QString::number(::getuid());
            QDir(trash).rmdir(QStringLiteral("files"));
            QDir(trash).rmdir(QStringLiteral("info"));
            QDir().rmdir(trash);
        }
    }
}

// A file whose folder cannot be written to is refused for what it is, not
// for want of a trash.
TEST(Trash, AReadOnlyFolderNamesItsCause)
{
    Folders f;
    const QString file = f.a + QStringLiteral("/p.jpg");
    writeFile(file, "the picture");
    Unwritable lock(f.a);
    if (!lock.ok())
        GTEST_SKIP() << "this file system cannot lock a folder";
    const FileOpResult r = f.ops.moveToTrash(file);
    EXPECT_EQ(r.kind, FileOpResult::Failed);
    EXPECT_FALSE(r.reason.isEmpty());
    EXPECT_EQ(readFile(file), "the picture");
}

} // namespace
} // namespace orv
