#include "fakedrives.h"
#include "fakeopenfolderhost.h"
#include "fakeplatform.h"
#include "openfolderdialog.h"
#include "picturelist.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <unistd.h>

namespace orv {
namespace {

using test::FakeDrives;
using test::FakeOpenFolderHost;
using test::FakePlatform;

const QString NoPictures = QStringLiteral("this folder has no picture files");

void touch(const QString &path)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
}

// Two "drives" in a temporary folder: c (ready) holding pics/ with three
// pictures, empty/ and sub/; d (not ready until told otherwise).
struct DialogFixture {
    QTemporaryDir tmp;
    QString c;
    QString d;
    FakePlatform platform;
    FakeDrives drives;
    FakeOpenFolderHost host;
    PictureList list;
    std::unique_ptr<OpenFolderDialog> dialog;

    DialogFixture()
    {
        c = QDir::cleanPath(tmp.path() + QStringLiteral("/c"));
        d = QDir::cleanPath(tmp.path() + QStringLiteral("/d"));
        QDir().mkpath(c + QStringLiteral("/pics/sub"));
        QDir().mkpath(c + QStringLiteral("/empty"));
        QDir().mkpath(d + QStringLiteral("/top"));
        for (const char *name : {"b.JPG", "a.gif", "C.dib", "notes.txt", "x.psd"})
            touch(c + QStringLiteral("/pics/") + QLatin1String(name));
        drives.drives = {{c, QStringLiteral("c:")}, {d, QStringLiteral("d:")}};
        drives.notReady = {d};
        PlatformServices services = platform.services();
        services.drives = &drives;
        dialog =
            std::make_unique<OpenFolderDialog>(list, services, host, nullptr, c + QStringLiteral("/pics"));
    }

    template <typename T> T *child(const char *name)
    {
        T *w = dialog->findChild<T *>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void click(const char *name) { QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton); }
    QStringList fileList()
    {
        QStringList out;
        auto *file1 = child<QListWidget>("File1");
        for (int i = 0; i < file1->count(); ++i)
            out << file1->item(i)->text();
        return out;
    }
    QTreeWidgetItem *folderItem(const QString &text)
    {
        const auto found = child<QTreeWidget>("Dir1")->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.first();
    }
    // Runs the dialog modally; `script` acts on it while it is shown.
    int run(std::function<void()> script)
    {
        platform.modalRunner.scripts.push_back([this, script](QDialog *dlg) {
            dlg->show();
            script();
            return dlg->result();
        });
        return dialog->runModal();
    }
};

TEST(OpenFolderDialog, HasTheCaptionsAndTooltips)
{
    DialogFixture fx;
    EXPECT_EQ(fx.dialog->objectName(), QStringLiteral("opendir"));
    EXPECT_EQ(fx.dialog->windowTitle(), QStringLiteral("Open pic. folder"));
    const struct {
        const char *name;
        QString text;
        QString tip;
    } buttons[] = {
        {"append", "&Add ", "Add above files to list "},
        {"repl", "&Replace ", "Replaces list contents with above files"},
        {"ok", "&OK", ""},
        {"Command1", "&Cancel", ""},
    };
    for (const auto &b : buttons) {
        QPushButton *button = fx.child<QPushButton>(b.name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), b.text);
        EXPECT_EQ(button->toolTip(), b.tip);
    }
    EXPECT_NE(fx.child<QComboBox>("Drive1"), nullptr);
    EXPECT_TRUE(fx.child<QListWidget>("File1")->uniformItemSizes());
}

TEST(OpenFolderDialog, ReplaceAndAddFromTheShownFolder)
{
    DialogFixture fx;
    fx.list.append(QStringLiteral("old.jpg"), QStringLiteral("/old"));
    const QString folder = QDir::toNativeSeparators(fx.c + QStringLiteral("/pics"));

    const int result = fx.run([&] {
        EXPECT_EQ(fx.fileList(), (QStringList{"a.gif", "b.JPG", "C.dib"}));
        fx.click("repl");
        EXPECT_EQ(fx.list.entries(),
                  (std::vector<PictureEntry>{{"a.gif", folder}, {"b.JPG", folder}, {"C.dib", folder}}));
        EXPECT_EQ(fx.host.label1, QStringLiteral("0/3"));
        fx.click("append");
        EXPECT_TRUE(fx.dialog->isVisible()); // both leave the dialog open
        fx.click("ok");
    });

    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_FALSE(fx.dialog->isVisible());
    EXPECT_EQ(fx.list.count(), 6);
    EXPECT_EQ(fx.host.label1, QStringLiteral("1/6"));
    EXPECT_TRUE(fx.platform.messageBoxes.shown.isEmpty());

    // Hidden, not destroyed: it reopens on the same folder.
    fx.run([&] { fx.click("Command1"); });
    EXPECT_EQ(fx.dialog->folder(), fx.c + QStringLiteral("/pics"));
    EXPECT_EQ(fx.list.count(), 6);
}

TEST(OpenFolderDialog, FolderWithoutPicturesIsReported)
{
    DialogFixture fx;
    fx.list.append(QStringLiteral("old.jpg"), QStringLiteral("/old"));
    fx.run([&] {
        ASSERT_TRUE(fx.dialog->setFolder(fx.c + QStringLiteral("/empty")));
        fx.click("append");
        EXPECT_EQ(fx.list.count(), 1);
        fx.click("repl");
        EXPECT_EQ(fx.list.count(), 0);
    });
    EXPECT_EQ(fx.platform.messageBoxes.texts(), (QStringList{NoPictures, NoPictures}));
    EXPECT_EQ(fx.host.label1, QStringLiteral("0/0"));
}

TEST(OpenFolderDialog, DoubleClickAndEnterOpenAFolder)
{
    DialogFixture fx;
    fx.run([&] {
        auto *dir1 = fx.child<QTreeWidget>("Dir1");
        QTreeWidgetItem *sub = fx.folderItem(QStringLiteral("sub"));
        ASSERT_NE(sub, nullptr);
        const QRect rect = dir1->visualItemRect(sub);
        // A double-click is a click followed by the double-click event.
        QTest::mouseClick(dir1->viewport(), Qt::LeftButton, {}, rect.center());
        EXPECT_EQ(fx.dialog->folder(), fx.c + QStringLiteral("/pics")); // a click only highlights
        QTest::mouseDClick(dir1->viewport(), Qt::LeftButton, {}, rect.center());
        EXPECT_EQ(fx.dialog->folder(), fx.c + QStringLiteral("/pics/sub"));
        EXPECT_TRUE(fx.fileList().isEmpty());

        // Enter on the highlighted folder opens it and leaves the dialog up.
        dir1->setCurrentItem(fx.folderItem(QStringLiteral("pics")));
        QTest::keyClick(dir1, Qt::Key_Return);
        EXPECT_EQ(fx.dialog->folder(), fx.c + QStringLiteral("/pics"));
        EXPECT_EQ(fx.fileList().size(), 3);
        EXPECT_TRUE(fx.dialog->isVisible());
        fx.click("ok");
    });
}

TEST(OpenFolderDialog, DriveNotReadyOffersRetry)
{
    DialogFixture fx;
    fx.run([&] {
        auto *drive1 = fx.child<QComboBox>("Drive1");
        EXPECT_EQ(drive1->currentIndex(), 0);

        // Retry, then Cancel: back on the first drive, folder unchanged.
        fx.platform.messageBoxes.answers = {MsgResult::Retry, MsgResult::Cancel};
        drive1->setCurrentIndex(1);
        EXPECT_EQ(fx.platform.messageBoxes.texts(),
                  (QStringList{"Drive is not ready!!", "Drive is not ready!!"}));
        const MessageRequest &box = fx.platform.messageBoxes.shown.first();
        EXPECT_EQ(box.icon, MsgIcon::Critical);
        EXPECT_EQ(box.buttons, MsgButtons::RetryCancel);
        EXPECT_EQ(drive1->currentIndex(), 0);
        EXPECT_EQ(fx.dialog->folder(), fx.c + QStringLiteral("/pics"));

        // The medium arrives while the box is up: Retry gets into the drive.
        fx.platform.messageBoxes.answers = {MsgResult::Retry};
        fx.platform.messageBoxes.onShow = [&](const MessageRequest &) { fx.drives.notReady.clear(); };
        drive1->setCurrentIndex(1);
        EXPECT_EQ(fx.dialog->folder(), fx.d);
        EXPECT_EQ(fx.folderItem(QStringLiteral("top"))->data(0, Qt::UserRole).toString(),
                  fx.d + QStringLiteral("/top"));
        EXPECT_EQ(drive1->currentIndex(), 1);

        // Opening a folder on the other drive moves the drive list along.
        fx.dialog->setFolder(fx.c + QStringLiteral("/empty"));
        EXPECT_EQ(drive1->currentIndex(), 0);
        fx.click("ok");
    });
    EXPECT_EQ(fx.platform.messageBoxes.shown.size(), 3);
}

TEST(OpenFolderDialog, VanishedFolders)
{
    DialogFixture fx;
    fx.run([&] {
        // A folder removed since it was shown is refused with a message.
        QTreeWidgetItem *sub = fx.folderItem(QStringLiteral("sub"));
        ASSERT_NE(sub, nullptr);
        ASSERT_TRUE(QDir(fx.c + QStringLiteral("/pics/sub")).removeRecursively());
        auto *dir1 = fx.child<QTreeWidget>("Dir1");
        dir1->setCurrentItem(sub);
        QTest::keyClick(dir1, Qt::Key_Return);
        EXPECT_EQ(fx.dialog->folder(), fx.c + QStringLiteral("/pics"));
        ASSERT_EQ(fx.platform.messageBoxes.shown.size(), 1);
        EXPECT_EQ(fx.platform.messageBoxes.shown[0].text,
                  QStringLiteral("This folder cannot be read:\n") +
                      QDir::toNativeSeparators(fx.c + QStringLiteral("/pics/sub")));
        EXPECT_EQ(fx.platform.messageBoxes.shown[0].icon, MsgIcon::Critical);
        fx.click("ok");
    });

    // The shown folder itself goes away: the next visit starts above it.
    ASSERT_TRUE(QDir(fx.c + QStringLiteral("/pics")).removeRecursively());
    fx.run([&] {
        EXPECT_EQ(fx.dialog->folder(), fx.c);
        EXPECT_TRUE(fx.fileList().isEmpty());
        EXPECT_NE(fx.folderItem(QStringLiteral("empty")), nullptr);
        EXPECT_EQ(fx.folderItem(QStringLiteral("pics")), nullptr);
    });
}

TEST(OpenFolderDialog, UnreadableFolderIsRefused)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind root";
    DialogFixture fx;
    const QString locked = fx.c + QStringLiteral("/locked");
    ASSERT_TRUE(QDir().mkdir(locked));
    ASSERT_TRUE(QFile::setPermissions(locked, QFileDevice::WriteOwner));
    const bool opened = fx.dialog->setFolder(locked);
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(opened);
    EXPECT_EQ(fx.dialog->folder(), fx.c + QStringLiteral("/pics"));
    EXPECT_EQ(fx.platform.messageBoxes.shown.size(), 1);
}

TEST(OpenFolderDialog, RootFolderEntriesHaveTheEmptyFolder)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "the Linux root folder";
#endif
    DialogFixture fx;
    fx.run([&] {
        ASSERT_TRUE(fx.dialog->setFolder(QStringLiteral("/")));
        fx.click("repl");
        EXPECT_EQ(fx.list.count(), fx.fileList().size());
        for (int i = 0; i < fx.list.count(); ++i) {
            EXPECT_EQ(fx.list.folder(i), QString());
            EXPECT_EQ(fx.list.fullPath(i), QStringLiteral("/") + fx.list.name(i));
        }
        EXPECT_EQ(fx.host.label1, QStringLiteral("0/%1").arg(fx.list.count()));
    });
}

} // namespace
} // namespace orv
