// The file commands in the main window, driven with the mouse and keys the
// way a user reaches them, on real files.
#include "filecommandsfixture.h"

#include "filecommands.h"
#include "folderchooser.h"
#include "maintoolbar.h"
#include "navigation.h"
#include "pastetodialog.h"

#include <QDirIterator>
#include <QLineEdit>

using namespace orv;
using namespace orv::test;

using FileCommandsTest = FileCommandsFixture;

TEST_F(FileCommandsTest, EveryDeleteTriggerDeletesTheSelectionOnce)
{
    const struct {
        const char *trigger;
        bool permanent;
        std::function<void()> run;
    } rows[] = {
        {"File > Delete file", false, [this] { menuItem("mfile", "mdel"); }},
        {"popup Delete", false, [this] { popup("pmdel"); }},
        {"Del outside the list", false,
         [this] {
             list("List1")->setFocus();
             QTest::keyClick(list("List1"), Qt::Key_Delete);
         }},
        {"Delete in the list", false, [this] { keyInList(Qt::Key_Delete); }},
        {"Shift+Delete in the list", true, [this] { keyInList(Qt::Key_Delete, Qt::ShiftModifier); }},
        {"Shift+Delete in the list, Shift let go first", true,
         [this] {
             list("List2")->setFocus();
             QTest::keyPress(list("List2"), Qt::Key_Delete, Qt::ShiftModifier);
             QTest::keyRelease(list("List2"), Qt::Key_Delete, Qt::NoModifier);
         }},
        {"del button", false, [this] { QTest::mouseClick(form->toolbar()->button("del"), Qt::LeftButton); }},
        {"Shift+del button", true,
         [this] { QTest::mouseClick(form->toolbar()->button("del"), Qt::LeftButton, Qt::ShiftModifier); }},
        {"Ctrl+del button", true,
         [this] { QTest::mouseClick(form->toolbar()->button("del"), Qt::RightButton, Qt::ControlModifier); }},
        {"Alt+del button", true,
         [this] { QTest::mouseClick(form->toolbar()->button("del"), Qt::LeftButton, Qt::AltModifier); }},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.trigger);
        form.reset();
        platform.messageBoxes.shown.clear();
        platform.fileOperations.calls.clear();
        QDir(pics).removeRecursively();
        startWithFiles(10);
        select({1, 4, 6});
        platform.messageBoxes.answers = {MsgResult::Yes};
        row.run();

        ASSERT_EQ(platform.messageBoxes.shown.size(), 1) << "one question, no second request";
        const MessageRequest &question = platform.messageBoxes.shown.first();
        EXPECT_TRUE(question.text.startsWith(row.permanent ? "Delete these 3 files for good?"
                                                           : "Move these 3 files to the trash?"))
            << question.text.toStdString();
        EXPECT_EQ(question.buttons, MsgButtons::YesNo);
        EXPECT_EQ(question.defaultButton, 1) << "No is the default";
        const QString op = row.permanent ? "remove " : "trash ";
        EXPECT_EQ(platform.fileOperations.log(),
                  (QStringList{op + pics + "/p7.jpg", op + pics + "/p5.jpg", op + pics + "/p2.jpg"}));
        EXPECT_EQ(names(),
                  (QStringList{"p1.jpg", "p3.jpg", "p4.jpg", "p6.jpg", "p8.jpg", "p9.jpg", "p10.jpg"}));
        EXPECT_EQ(label1(), QStringLiteral("1/7"));
        EXPECT_FALSE(QFileInfo::exists(pics + "/p5.jpg"));
        EXPECT_TRUE(QFileInfo::exists(pics + "/p4.jpg"));
    }
}

TEST_F(FileCommandsTest, DeleteQuestionsAndFailures)
{
    startWithFiles(4);
    // Nothing selected.
    select({0});
    QTest::mouseClick(list("List2")->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      list("List2")->visualRect(list("List2")->model()->index(0, 0)).center());
    menuItem("mfile", "mdel");
    EXPECT_EQ(platform.messageBoxes.texts(), QStringList{"No files selected to delete."});

    // No keeps everything.
    platform.messageBoxes.shown.clear();
    select({0, 1});
    platform.messageBoxes.answers = {MsgResult::No};
    popup("pmdel");
    EXPECT_TRUE(platform.fileOperations.calls.isEmpty());
    EXPECT_EQ(names().size(), 4);

    // A drive without a trash: deleted for good only after a second Yes.
    const QString p1 = pics + "/p1.jpg";
    platform.fileOperations.scripted["trash " + p1] = FileOpResult::of(FileOpResult::NoTrash);
    platform.messageBoxes.shown.clear();
    platform.messageBoxes.answers = {MsgResult::Yes, MsgResult::No};
    popup("pmdel");
    ASSERT_EQ(platform.messageBoxes.shown.size(), 2);
    EXPECT_TRUE(platform.messageBoxes.shown[1].text.startsWith("This file cannot be moved to the trash"));
    EXPECT_EQ(platform.messageBoxes.shown[1].defaultButton, 1);
    EXPECT_TRUE(QFileInfo::exists(p1));
    EXPECT_EQ(names(), (QStringList{"p1.jpg", "p3.jpg", "p4.jpg"}));

    // Failures come in one message, naming each file and its reason.
    select({0, 1, 2});
    for (const char *name : {"/p1.jpg", "/p3.jpg"})
        platform.fileOperations.scripted[QStringLiteral("trash ") + pics + name] =
            FileOpResult::failed("Permission denied");
    platform.messageBoxes.shown.clear();
    platform.messageBoxes.answers = {MsgResult::Yes, MsgResult::No};
    menuItem("mfile", "mdel");
    ASSERT_EQ(platform.messageBoxes.shown.size(), 2);
    EXPECT_EQ(platform.messageBoxes.shown[1].text, "These files could not be moved to the trash:\n" + pics +
                                                       "/p3.jpg: Permission denied\n" + pics +
                                                       "/p1.jpg: Permission denied");
    EXPECT_EQ(names(), (QStringList{"p1.jpg", "p3.jpg"}));
}

TEST_F(FileCommandsTest, DeletingThePictureOnDisplayShowsTheOneInItsPlace)
{
    startWithFiles(5);
    form->navigation().showEntry(2);
    select({0, 2});
    platform.messageBoxes.answers = {MsgResult::Yes};
    keyInList(Qt::Key_Delete);
    EXPECT_EQ(names(), (QStringList{"p2.jpg", "p4.jpg", "p5.jpg"}));
    EXPECT_EQ(state().curpic, 2);
    EXPECT_EQ(label1(), QStringLiteral("2/3"));
    EXPECT_EQ(platform.pictureLoader.loads.last(), pics + "/p4.jpg");
    EXPECT_FALSE(state().pichidden);
}

TEST_F(FileCommandsTest, CopyThenPasteIntoAFolder)
{
    startWithFiles(4);
    QDir().mkpath(dir.filePath("dest"));
    select({0, 2});
    popup("pmcopy");
    EXPECT_EQ(form->fileCommands().filecliplist().entries(),
              (QStringList{"nocut", pics + "/p1.jpg", pics + "/p3.jpg"}));

    QList<Qt::CursorShape> cursors;
    platform.fileOperations.onCall = [&](const FakeFileOperations::Call &) {
        cursors << form->cursor().shape();
    };
    pasteInto("dest");
    keyInList(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(platform.fileOperations.log(),
              (QStringList{"copy " + pics + "/p1.jpg", "copy " + pics + "/p3.jpg"}));
    EXPECT_EQ(readFile(dir.filePath("dest/p3.jpg")), "a picture");
    EXPECT_TRUE(QFileInfo::exists(pics + "/p3.jpg"));
    EXPECT_EQ(cursors, (QList<Qt::CursorShape>{Qt::WaitCursor, Qt::WaitCursor}));
    EXPECT_EQ(form->cursor().shape(), Qt::ArrowCursor);
    EXPECT_TRUE(platform.messageBoxes.shown.isEmpty());
    EXPECT_EQ(names().size(), 4) << "the list is not touched";

    // Hidden after a paste: Edit > Paste reopens on that folder; its close box
    // discards it, and it then opens on the current folder.
    QString shownFolder;
    whenShown([&](QDialog *d) {
        shownFolder = static_cast<PasteToDialog *>(d)->folder();
        d->close();
    });
    menuItem("medit", "mpaste");
    EXPECT_EQ(shownFolder, dir.filePath("dest"));
    EXPECT_EQ(form->fileCommands().pasteto(), nullptr);
    whenShown([&](QDialog *d) {
        shownFolder = static_cast<PasteToDialog *>(d)->folder();
        QTest::keyClick(d, Qt::Key_Escape);
    });
    menuItem("medit", "mpaste");
    EXPECT_EQ(shownFolder, QDir::currentPath());
    EXPECT_EQ(platform.fileOperations.calls.size(), 2) << "closing pastes nothing";

    // Failures are reported together.
    for (const char *name : {"/p1.jpg", "/p3.jpg"})
        platform.fileOperations.scripted[QStringLiteral("copy ") + pics + name] =
            FileOpResult::failed("Disk full");
    // Both names are taken by now: kept both, under free names.
    platform.messageBoxes.answers = {MsgResult::KeepBoth};
    pasteInto("dest");
    menuItem("medit", "mpaste");
    ASSERT_EQ(platform.messageBoxes.texts().size(), 2);
    platform.messageBoxes.shown.removeFirst();
    EXPECT_EQ(platform.messageBoxes.texts(),
              QStringList{"These files could not be copied to " + dir.filePath("dest") + ":\n" + pics +
                          "/p1.jpg: Disk full\n" + pics + "/p3.jpg: Disk full"});
}

TEST_F(FileCommandsTest, CutThenPasteMovesAfterTheQuestion)
{
    startWithFiles(4);
    QDir().mkpath(dir.filePath("dest"));
    select({1, 3});
    // Ctrl let go before X, as many do.
    list("List2")->setFocus();
    QTest::keyPress(list("List2"), Qt::Key_X, Qt::ControlModifier);
    QTest::keyRelease(list("List2"), Qt::Key_X, Qt::NoModifier);
    EXPECT_EQ(form->fileCommands().filecliplist().entries(),
              (QStringList{"cut", pics + "/p2.jpg", pics + "/p4.jpg"}));

    const auto paste = [this](MsgResult answer) {
        platform.messageBoxes.shown.clear();
        platform.messageBoxes.answers = {answer};
        pasteInto("dest");
        menuItem("medit", "mpaste");
    };
    paste(MsgResult::Cancel);
    ASSERT_EQ(platform.messageBoxes.shown.size(), 1);
    const MessageRequest &question = platform.messageBoxes.shown.first();
    EXPECT_EQ(question.text, QStringLiteral("Are you sure u want to move this 2 files?"));
    EXPECT_EQ(question.icon, MsgIcon::Exclamation);
    EXPECT_EQ(question.buttons, MsgButtons::OkCancel);
    EXPECT_EQ(question.defaultButton, 1);
    EXPECT_TRUE(platform.fileOperations.calls.isEmpty());
    EXPECT_TRUE(QFileInfo::exists(pics + "/p2.jpg"));

    paste(MsgResult::Ok);
    EXPECT_EQ(platform.fileOperations.log(),
              (QStringList{"move " + pics + "/p2.jpg", "move " + pics + "/p4.jpg"}));
    EXPECT_FALSE(QFileInfo::exists(pics + "/p2.jpg"));
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("dest/p4.jpg")));

    // Again: the question, then nothing left to move and nothing to report.
    paste(MsgResult::Ok);
    EXPECT_EQ(platform.messageBoxes.shown.size(), 1);
    EXPECT_EQ(platform.fileOperations.calls.size(), 2);

    // A clipboard of the marker alone: not even the question.
    QTest::mouseClick(list("List2")->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      list("List2")->visualRect(list("List2")->model()->index(1, 0)).center());
    QTest::mouseClick(list("List2")->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      list("List2")->visualRect(list("List2")->model()->index(3, 0)).center());
    menuItem("medit", "mcut");
    EXPECT_EQ(form->fileCommands().filecliplist().entries(), QStringList{"cut"});
    paste(MsgResult::Ok);
    EXPECT_TRUE(platform.messageBoxes.shown.isEmpty());
}

// Two cameras' IMG_0001.jpg and a p1.jpg that the destination holds already,
// cut and pasted together: one question, and every photo is somewhere
// afterwards (destination, trash or where it was); the list follows.
TEST_F(FileCommandsTest, TakenNamesAreAskedOnceAndNothingIsLost)
{
    const struct {
        MsgResult answer;
        QStringList where; // "content: place" of every photo afterwards
        QStringList list;  // the list's full paths afterwards (relative to dir)
    } rows[] = {
        {MsgResult::Replace,
         {"A: trash", "B: dest/IMG_0001.jpg", "new p1: dest/p1.jpg", "old p1: trash"},
         {"dest/IMG_0001.jpg", "dest/p1.jpg"}},
        {MsgResult::KeepBoth,
         {"A: dest/IMG_0001.jpg", "B: dest/IMG_0001 (2).jpg", "new p1: dest/p1 (2).jpg", "old p1: dest/p1.jpg"},
         {"dest/IMG_0001.jpg", "dest/IMG_0001 (2).jpg", "dest/p1 (2).jpg"}},
        {MsgResult::Skip,
         {"A: dest/IMG_0001.jpg", "B: b/IMG_0001.jpg", "new p1: pics/p1.jpg", "old p1: dest/p1.jpg"},
         {"dest/IMG_0001.jpg", "b/IMG_0001.jpg", "pics/p1.jpg"}},
        {MsgResult::Cancel,
         {"A: a/IMG_0001.jpg", "B: b/IMG_0001.jpg", "new p1: pics/p1.jpg", "old p1: dest/p1.jpg"},
         {"a/IMG_0001.jpg", "b/IMG_0001.jpg", "pics/p1.jpg"}},
    };
    startWithFiles(0);
    const QString trash = dataHome.filePath(QStringLiteral("Trash/files"));
    for (const auto &row : rows) {
        SCOPED_TRACE(int(row.answer));
        for (const char *folder : {"a", "b", "dest", "pics"})
            QDir(dir.filePath(folder)).removeRecursively();
        QDir(dataHome.path()).removeRecursively();
        form->pictureList().clear();
        writeFile(dir.filePath("a/IMG_0001.jpg"), "A");
        writeFile(dir.filePath("b/IMG_0001.jpg"), "B");
        writeFile(dir.filePath("dest/p1.jpg"), "old p1");
        writeFile(dir.filePath("dest/.orvanta-x1Y2z3"), "half a copy");
        form->pictureList().append("IMG_0001.jpg", dir.filePath("a"));
        form->pictureList().append("IMG_0001.jpg", dir.filePath("b"));
        addFile("p1.jpg", "new p1");
        select({0, 1, 2});
        menuItem("medit", "mcut");
        platform.messageBoxes.shown.clear();
        platform.messageBoxes.answers = {MsgResult::Ok, row.answer};
        pasteInto("dest");
        menuItem("medit", "mpaste");

        ASSERT_EQ(platform.messageBoxes.shown.size(), 2) << platform.messageBoxes.texts().join("\n").toStdString();
        const MessageRequest &question = platform.messageBoxes.shown[1];
        EXPECT_EQ(question.buttons, MsgButtons::ReplaceKeepBothSkipCancel);
        EXPECT_EQ(question.defaultButton, 1);
        EXPECT_TRUE(question.text.contains("\n\nIMG_0001.jpg\np1.jpg\n\n")) << question.text.toStdString();
        QStringList where;
        QDirIterator files(dir.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString path = files.next();
            if (QFileInfo(path).absolutePath() == dir.path())
                continue; // the program's settings
            where << QString::fromUtf8(readFile(path)) + ": " + QDir(dir.path()).relativeFilePath(path);
        }
        QDirIterator trashed(trash, QDir::Files);
        while (trashed.hasNext())
            where << QString::fromUtf8(readFile(trashed.next())) + ": trash";
        where.sort();
        EXPECT_EQ(where, row.where) << "the half copy is gone, every photo is somewhere";
        QStringList paths;
        for (int i = 0; i < form->pictureList().count(); ++i)
            paths << QDir(dir.path()).relativeFilePath(form->pictureList().fullPath(i));
        EXPECT_EQ(paths, row.list);
    }
}

// A file listed twice goes to the trash once, without a false failure; a
// folder in the way of a paste is named as the cause.
TEST_F(FileCommandsTest, TwiceListedFilesAndFoldersInTheWay)
{
    startWithFiles(3);
    form->pictureList().append("p1.jpg", pics);
    select({0, 3});
    menuItem("mfile", "mdel");
    EXPECT_EQ(platform.fileOperations.log(), QStringList{"trash " + pics + "/p1.jpg"});
    EXPECT_EQ(platform.messageBoxes.texts(), QStringList{"Move this file to the trash?\n\n" + pics + "/p1.jpg"});
    EXPECT_EQ(names(), (QStringList{"p2.jpg", "p3.jpg"}));

    platform.messageBoxes.shown.clear();
    QDir().mkpath(dir.filePath("dest/p3.jpg"));
    select({1});
    menuItem("medit", "mcopy");
    platform.messageBoxes.answers = {MsgResult::Replace};
    pasteInto("dest");
    menuItem("medit", "mpaste");
    ASSERT_EQ(platform.messageBoxes.shown.size(), 2);
    EXPECT_EQ(platform.messageBoxes.shown[1].text,
              "This file could not be copied to " + dir.filePath("dest") + ":\n" + pics + "/p3.jpg: " +
                  dir.filePath("dest/p3.jpg") +
                  " could not be moved to the trash to make room: It is a folder, not a file.");
    EXPECT_TRUE(QFileInfo(dir.filePath("dest/p3.jpg")).isDir());
}

TEST_F(FileCommandsTest, RenameKeepsTheExtensionAndRefusesBadNames)
{
    startWithFiles(2);
    addFile(QStringLiteral("holiday.beach.jpg"), "the beach");
    addFile(QStringLiteral("taken.beach.jpg"));
    select({2});
    // Rename and Properties take one file.
    QMenu *file = openMenu("mfile");
    EXPECT_TRUE(form->action("mrename")->isEnabled());
    file->hide();

    const struct {
        QString typed;
        QString refusal;
    } refused[] = {{"", "A file name must be entered"},
                   {"a.b", "Invalid file name. no '.' are allowed within a file name"},
                   {"../up", "Invalid file name. no '.' are allowed within a file name"},
                   {"sub/trip", "Invalid file name. A file name cannot contain '/'"}};
    QString offered;
    whenShown([&](QDialog *d) {
        auto *text1 = d->findChild<QLineEdit *>("Text1");
        offered = text1->text();
        for (const auto &r : refused) {
            text1->setText(r.typed);
            QTest::keyClick(text1, Qt::Key_Return);
            EXPECT_TRUE(d->isVisible()) << r.typed.toStdString();
        }
        QTest::keyClick(text1, Qt::Key_Escape);
    });
    menuItem("mfile", "mrename");
    EXPECT_EQ(offered, QStringLiteral("holiday"));
    QStringList refusals;
    for (const auto &r : refused)
        refusals << r.refusal;
    EXPECT_EQ(platform.messageBoxes.texts(), refusals);
    EXPECT_TRUE(platform.fileOperations.calls.isEmpty());

    // A name in use: the message with the full path; the dialog closes.
    const auto rename = [this](const QString &typed) {
        platform.messageBoxes.shown.clear();
        whenShown([typed](QDialog *d) {
            auto *text1 = d->findChild<QLineEdit *>("Text1");
            text1->selectAll();
            QTest::keyClicks(text1, typed);
            QTest::keyClick(text1, Qt::Key_Return);
            EXPECT_FALSE(d->isVisible());
        });
        popup("pmrename");
    };
    rename("taken");
    EXPECT_EQ(platform.messageBoxes.texts(),
              QStringList{"Cannot rename the file to " + pics + "/taken.beach.jpg.This file already exists"});
    EXPECT_EQ(readFile(pics + "/taken.beach.jpg"), "a picture");

    rename("trip");
    EXPECT_TRUE(platform.messageBoxes.shown.isEmpty());
    EXPECT_EQ(readFile(pics + "/trip.beach.jpg"), "the beach");
    EXPECT_FALSE(QFileInfo::exists(pics + "/holiday.beach.jpg"));
    EXPECT_EQ(names(), (QStringList{"p1.jpg", "p2.jpg", "trip.beach.jpg", "taken.beach.jpg"}));
    EXPECT_EQ(list("List1")->model()->index(2, 0).data().toString(), QStringLiteral("trip.beach.jpg"));

    // With two selected the File menu offers neither; with none, a message.
    select({0, 1});
    file = openMenu("mfile");
    EXPECT_FALSE(form->action("mrename")->isEnabled());
    EXPECT_FALSE(form->action("mprop")->isEnabled());
    file->hide();
    QTest::mouseClick(list("List2")->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      list("List2")->visualRect(list("List2")->model()->index(0, 0)).center());
    QTest::mouseClick(list("List2")->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      list("List2")->visualRect(list("List2")->model()->index(1, 0)).center());
    platform.messageBoxes.shown.clear();
    menuItem("mfile", "mrename");
    EXPECT_EQ(platform.messageBoxes.texts(), QStringList{"One file must be chosen to be renamed."});
}

TEST_F(FileCommandsTest, PropertiesShowSizeAndDate)
{
    startWithFiles(0);
    addFile(QStringLiteral("small.jpg"), QByteArray(999, 'x'));
    addFile(QStringLiteral("two.jpg"), QByteArray(2048, 'x'));
    const QDateTime taken(QDate(2024, 3, 5), QTime(9, 0));
    QFile stamped(pics + "/two.jpg");
    ASSERT_TRUE(stamped.open(QIODevice::ReadWrite));
    ASSERT_TRUE(stamped.setFileTime(taken, QFileDevice::FileModificationTime));
    stamped.close();

    const struct {
        int row;
        QString size;
    } rows[] = {{0, "0.97  KB  (999) Bytes."}, {1, "2  KB  (2048) Bytes."}};
    for (const auto &r : rows) {
        form->navigation().showEntry(r.row);
        QHash<QString, QString> shown;
        whenShown([&](QDialog *d) {
            for (const char *name :
                 {"Label1", "Label2", "Label3", "Label4", "filename", "fullpath", "size", "date"})
                shown[name] = d->findChild<QLabel *>(name)->text();
            QTest::mouseClick(d->findChild<QPushButton *>("ok"), Qt::LeftButton);
            EXPECT_FALSE(d->isVisible());
        });
        menuItem("mfile", "mprop");
        EXPECT_EQ(shown["size"], r.size);
        EXPECT_EQ(shown["fullpath"], pics);
        EXPECT_EQ(shown["filename"], form->pictureList().name(r.row));
        EXPECT_EQ(shown["Label4"], QStringLiteral("Created/Modified on:"));
        if (r.row == 1) {
            EXPECT_EQ(shown["date"], QLocale().toString(taken.date(), "dddd d MMMM yyyy"));
        }
    }

    // A file gone since: a message, no dialog.
    QFile::remove(pics + "/two.jpg");
    const qsizetype dialogs = platform.modalRunner.shown.size();
    select({1});
    popup("pmprop");
    EXPECT_EQ(platform.modalRunner.shown.size(), dialogs);
    EXPECT_EQ(
        platform.messageBoxes.texts(),
        QStringList{"This file cannot be found, so its properties cannot be shown:\n" + pics + "/two.jpg"});
}
