#include "fakeopenfolderhost.h"
#include "fakeplatform.h"
#include "folderscan.h"
#include "openfoldercommands.h"
#include "picturelist.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace orv {
namespace {

using test::FakeMessageBoxes;
using test::FakeOpenFolderHost;

// Loose time limits: they catch quadratic work, not tune speed. Unoptimised
// and sanitizer builds get more room.
#ifdef NDEBUG
constexpr qint64 TimeLimitMs = 2000;
#else
constexpr qint64 TimeLimitMs = 10000;
#endif

const QString ClickFirst = QStringLiteral("Click the empty 'Image Box' to display the first picture.");
const QString LastPicture = QStringLiteral("That was the last picture in this list.");
const QString ClickNext = QStringLiteral("Click anywhere to show next picture");
const QString NoPictures = QStringLiteral("this folder has no picture files");

void touch(const QString &path)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
}

struct Fixture {
    PictureList list;
    FakeOpenFolderHost host;
    FakeMessageBoxes boxes;
    OpenFolderCommands commands{list, host, boxes};

    void fill(int count)
    {
        for (int i = 0; i < count; ++i)
            list.append(QStringLiteral("old%1.jpg").arg(i), QStringLiteral("/old"));
    }
};

TEST(OpenFolderCommands, ReplaceTakesExactlyTheFolderPictures)
{
    struct Case {
        QStringList names;
        QStringList calls;
    };
    const Case cases[] = {
        {{}, {"resetImageBox", "curpic=1", "Label1=0/0"}},
        {{"a.jpg"}, {"resetImageBox", "curpic=1", "Label1=0/1", "selectFirstEntry", "Label2=" + ClickFirst}},
        {{"c.gif", "a.jpg", "b.bmp"},
         {"resetImageBox", "curpic=1", "Label1=0/3", "selectFirstEntry", "Label2=" + ClickFirst}},
    };
    for (const Case &c : cases) {
        Fixture fx;
        fx.fill(5);
        fx.host.position = 4;
        fx.host.status = LastPicture;
        fx.commands.replace(QStringLiteral("/pics"), c.names);

        ASSERT_EQ(fx.list.count(), c.names.size());
        for (int i = 0; i < c.names.size(); ++i)
            EXPECT_EQ(fx.list.entry(i), (PictureEntry{c.names[i], QStringLiteral("/pics")}));
        EXPECT_EQ(fx.host.calls, c.calls);
        EXPECT_EQ(fx.boxes.texts(), c.names.isEmpty() ? QStringList{NoPictures} : QStringList{});
        if (!fx.boxes.shown.isEmpty()) {
            EXPECT_EQ(fx.boxes.shown[0].icon, MsgIcon::Critical);
            EXPECT_EQ(fx.boxes.shown[0].buttons, MsgButtons::Ok);
        }
    }
}

TEST(OpenFolderCommands, AddAppendsAndUpdatesTheLabels)
{
    struct Case {
        int before;
        int curpic;
        QString status;
        QStringList names;
        QString label1;
        QString label2;
        bool message;
    };
    const QString other = QStringLiteral("3 pictures");
    const Case cases[] = {
        {0, 1, other, {"a.jpg", "b.jpg", "c.jpg"}, "0/3", ClickFirst, false},
        {10, 4, other, {"a.jpg", "b.jpg"}, "4/12", other, false},
        {10, 11, LastPicture, {"a.jpg", "b.jpg"}, "11/12", ClickNext, false},
        // Nothing to add: the list and both labels stay.
        {10, 11, LastPicture, {}, "10/10", LastPicture, true},
        {0, 1, other, {}, "0/0", other, true},
    };
    for (const Case &c : cases) {
        Fixture fx;
        fx.fill(c.before);
        fx.host.position = c.curpic;
        fx.host.label1 = c.before ? QStringLiteral("10/10") : QStringLiteral("0/0");
        fx.host.status = c.status;
        fx.commands.add(QStringLiteral("/pics"), c.names);

        ASSERT_EQ(fx.list.count(), c.before + c.names.size());
        for (int i = 0; i < c.names.size(); ++i)
            EXPECT_EQ(fx.list.entry(c.before + i), (PictureEntry{c.names[i], QStringLiteral("/pics")}));
        EXPECT_EQ(fx.host.label1, c.label1);
        EXPECT_EQ(fx.host.status, c.label2);
        EXPECT_EQ(fx.host.position, c.curpic);
        EXPECT_EQ(fx.boxes.texts(), c.message ? QStringList{NoPictures} : QStringList{});
    }
}

TEST(OpenFolderCommands, AddingAFolderTwiceListsEveryPictureTwice)
{
    Fixture fx;
    const QStringList names{"a.jpg", "b.jpg"};
    fx.commands.add(QStringLiteral("/pics"), names);
    fx.commands.add(QStringLiteral("/pics"), names);
    ASSERT_EQ(fx.list.count(), 4);
    EXPECT_EQ(fx.list.entry(2), fx.list.entry(0));
    EXPECT_EQ(fx.list.entry(3), fx.list.entry(1));
    EXPECT_EQ(fx.host.label1, QStringLiteral("1/4"));
}

TEST(OpenFolderCommands, ListFolderHasNoTrailingSeparator)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "Linux folder forms";
#endif
    const std::pair<QString, QString> cases[] = {
        {"/", ""},
        {"/home/me/pics", "/home/me/pics"},
        {"/home/me/pics/", "/home/me/pics"},
        {"/home//me/./pics", "/home/me/pics"},
    };
    for (const auto &[path, folder] : cases)
        EXPECT_EQ(listFolderOf(path), folder) << path.toStdString();

    // The root folder rebuilds "/name".
    PictureList list;
    OpenFolderCommands::add2lst(list, listFolderOf(QStringLiteral("/")), {QStringLiteral("x.gif")});
    EXPECT_EQ(list.fullPath(0), QStringLiteral("/x.gif"));
}

TEST(FolderScan, ListsPicturesWithoutRegardToCase)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QStringList present{"IMG_0001.JPG", "apple.jpeg", "Zebra.jpg",   "b.Dib", "c.png",
                              "d.jpg.bak",    "noext",      ".hidden.jpg", "e.WMF", "f.emf",
                              "g.ico",        "h.CUR",      "i.gif",       "j.bmp"};
    for (const QString &name : present)
        touch(dir.filePath(name));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.jpg")));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Sub")));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("alpha")));

    const FolderScan scan(QStringLiteral("*.bmp;*.dib;*.gif;*.wmf;*.emf;*.jpg;*.ico;*.cur;*.jpeg"));
    const FolderScan::Listing files = scan.files(dir.path());
    EXPECT_TRUE(files.readable);
    EXPECT_EQ(files.names, (QStringList{"apple.jpeg", "b.Dib", "e.WMF", "f.emf", "g.ico", "h.CUR", "i.gif",
                                        "IMG_0001.JPG", "j.bmp", "Zebra.jpg"}));
    EXPECT_EQ(FolderScan::subfolders(dir.path()).names, (QStringList{"alpha", "folder.jpg", "Sub"}));
}

TEST(FolderScan, NamesDifferingOnlyInCaseKeepAFixedOrder)
{
    QStringList a{"b.jpg", "B.jpg", "a.jpg"};
    QStringList b{"a.jpg", "B.jpg", "b.jpg"};
    FolderScan::sortNames(a);
    FolderScan::sortNames(b);
    EXPECT_EQ(a, (QStringList{"a.jpg", "B.jpg", "b.jpg"}));
    EXPECT_EQ(a, b);
}

TEST(FolderScan, MissingFolderIsReported)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const FolderScan scan(QStringLiteral("*.jpg"));
    touch(dir.filePath(QStringLiteral("a.jpg")));
    EXPECT_FALSE(scan.files(dir.filePath(QStringLiteral("gone"))).readable);
    EXPECT_FALSE(scan.files(dir.filePath(QStringLiteral("a.jpg"))).readable); // a file, not a folder
    EXPECT_TRUE(scan.files(dir.path()).readable);
}

TEST(FolderScan, UnreadableFolderIsReported)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind root";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const FolderScan scan(QStringLiteral("*.jpg"));
    const QString locked = dir.filePath(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkdir(locked));
    touch(locked + QStringLiteral("/a.jpg"));
    const QFileDevice::Permissions all =
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    // Neither without read nor without search permission.
    for (const QFileDevice::Permissions p : {QFileDevice::WriteOwner | QFileDevice::ExeOwner,
                                             QFileDevice::ReadOwner | QFileDevice::WriteOwner}) {
        ASSERT_TRUE(QFile::setPermissions(locked, p));
        const FolderScan::Listing listing = scan.files(locked);
        QFile::setPermissions(locked, all);
        EXPECT_FALSE(listing.readable);
        EXPECT_TRUE(listing.names.isEmpty());
    }
}

TEST(FolderScan, TenThousandPicturesListAndAddQuickly)
{
    // Memory-backed when there is one: creating the files is the slow part.
    const QString base =
        QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    QTemporaryDir dir(base + QStringLiteral("/orvanta-XXXXXX"));
    ASSERT_TRUE(dir.isValid());
    const int n = 10000;
    for (int i = 0; i < n; ++i)
        touch(dir.filePath(QStringLiteral("IMG_%1.JPG").arg(n - i, 5, 10, QLatin1Char('0'))));

    QElapsedTimer timer;
    timer.start();
    const FolderScan scan(QStringLiteral("*.bmp;*.dib;*.gif;*.wmf;*.emf;*.jpg;*.ico;*.cur;*.jpeg"));
    const FolderScan::Listing files = scan.files(dir.path());
    PictureList list;
    OpenFolderCommands::add2lst(list, listFolderOf(dir.path()), files.names);
    EXPECT_LT(timer.elapsed(), TimeLimitMs); // loose; well under a second on an idle machine

    ASSERT_EQ(list.count(), n);
    EXPECT_EQ(list.name(0), QStringLiteral("IMG_00001.JPG"));
    EXPECT_EQ(list.name(n - 1), QStringLiteral("IMG_10000.JPG"));
    EXPECT_EQ(list.folder(0), QDir::toNativeSeparators(dir.path()));
}

} // namespace
} // namespace orv
