#include "listfileformat.h"
#include "listfilereader.h"
#include "listfilewriter.h"
#include "listformfixture.h"
#include "oddfiles.h"
#include "testutils.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace orv;
using namespace orv::test;

class SecondListFilesTest : public ListFormTest
{
protected:
    QString file(const char *name) { return dir.filePath(QLatin1String(name)); }
    QString writeList(const char *name, const QString &letterSet)
    {
        const QString path = file(name);
        EXPECT_TRUE(ListFileWriter::write(path, lettered(letterSet, QStringLiteral("/second"))).ok);
        return path;
    }
    QStringList messages() const { return fake.messageBoxes.texts(); }

    QTemporaryDir dir;
};

TEST_F(SecondListFilesTest, AnotherListOfThreeIsSavedBackWithoutADialog)
{
    open(QStringLiteral("ab"));
    const QString path = writeList("three.pvl", QStringLiteral("xyz"));
    fake.fileDialogs.openAnswers = {QStringList{path}};
    trigger("mother");
    EXPECT_GT(form->clientWidth(), 5055) << "List2 uncovered";
    ASSERT_EQ(fake.fileDialogs.openRequests.size(), 1);
    EXPECT_EQ(fake.fileDialogs.openRequests[0].filter, QStringLiteral("pic. list(*.pvl)|*.pvl"));
    EXPECT_EQ(letters(form->secondList()), QStringLiteral("xyz"));
    EXPECT_EQ(form->list2file(), path);
    EXPECT_EQ(letters(list), QStringLiteral("ab")) << "the picture list is left alone";

    // Cut one into the main list, then save the second list back.
    pick(view("List2"), {1});
    trigger("mcut");
    trigger("msave2");
    EXPECT_TRUE(fake.fileDialogs.saveRequests.isEmpty());
    EXPECT_EQ(letters(ListFileReader::read(path).entries), QStringLiteral("xz"));
    EXPECT_TRUE(messages().isEmpty());

    // A new list asks for a name each time, and keeps asking.
    trigger("mnew");
    EXPECT_TRUE(form->list2file().isEmpty());
    EXPECT_EQ(form->secondList().count(), 0);
    trigger("mpaste2");
    fake.fileDialogs.saveAnswers = {file("new.pvl"), file("new.pvl")};
    trigger("msave2");
    trigger("msave2");
    ASSERT_EQ(fake.fileDialogs.saveRequests.size(), 2);
    EXPECT_EQ(fake.fileDialogs.saveRequests[0].filter, QStringLiteral("pic. list (*.pvl)|*.pvl"));
    EXPECT_EQ(fake.fileDialogs.saveRequests[0].defaultExtension, QStringLiteral("pvl"));
    EXPECT_EQ(letters(ListFileReader::read(file("new.pvl")).entries), QStringLiteral("y"));
    EXPECT_TRUE(form->list2file().isEmpty());
}

TEST_F(SecondListFilesTest, ASecondListOfTwoIsWrittenAsThreeRecordsWithItsLongNames)
{
    open();
    startSecond(QStringLiteral("ab"));
    form->secondList().setEntry(
        1, {QStringLiteral("a name longer than twenty.jpg"), QStringLiteral("/second/b")});
    fake.fileDialogs.saveAnswers = {file("two.pvl")};
    trigger("msave2as");
    ASSERT_EQ(fake.fileDialogs.saveRequests.size(), 1);
    EXPECT_EQ(fake.fileDialogs.saveRequests[0].filter, QStringLiteral("pic. list(*.pvl)|*.pvl"));
    const QByteArray bytes = readFile(file("two.pvl"));
    ASSERT_GE(bytes.size(), 3 * ListFileFormat::RecordSize);
    EXPECT_TRUE(
        ListFileFormat::isEndRecord(bytes.mid(2 * ListFileFormat::RecordSize, ListFileFormat::RecordSize)));
    const ListFileReader::Result read = ListFileReader::read(file("two.pvl"));
    ASSERT_EQ(read.entries.size(), 2u);
    EXPECT_EQ(read.entries[1].name, QStringLiteral("a name longer than twenty.jpg")) << "the long-name block";
    EXPECT_TRUE(form->list2file().isEmpty()) << "saving never sets list2file";
}

TEST_F(SecondListFilesTest, FailuresSayWhatHappenedAndLoseNothing)
{
    open(QStringLiteral("ab"));
    const QString kept = writeList("kept.pvl", QStringLiteral("pq"));
    const struct {
        const char *what;
        std::function<void()> act;
        const char *message;
        MsgIcon icon;
    } cases[] = {
        {"saving an empty second list", [&] { trigger("msave2"); }, "This list is empty.", MsgIcon::Critical},
        {"saving it as", [&] { trigger("msave2as"); }, "This list is empty.", MsgIcon::Critical},
        {"cancelling the save dialog",
         [&] {
             form->secondList().setEntries(lettered(QStringLiteral("x"), QStringLiteral("/second")));
             fake.fileDialogs.saveAnswers = {std::nullopt};
             trigger("msave2");
         },
         "Cancel saving file", MsgIcon::None},
        {"cancelling the open dialog",
         [&] {
             fake.fileDialogs.openAnswers = {std::nullopt};
             trigger("mother");
         },
         "unable to load file", MsgIcon::None},
        {"a list file that is not there",
         [&] {
             fake.fileDialogs.openAnswers = {QStringList{file("gone.pvl")}};
             trigger("mother");
         },
         "unable to load file", MsgIcon::None},
        {"a file that cannot be written",
         [&] {
             form->secondList().setEntries(lettered(QStringLiteral("x"), QStringLiteral("/second")));
             fake.fileDialogs.saveAnswers = {file("no such folder/x.pvl")};
             trigger("msave2as");
         },
         "The list could not be saved to", MsgIcon::Critical},
    };
    trigger("mnew");
    for (const auto &c : cases) {
        fake.messageBoxes.shown.clear();
        c.act();
        ASSERT_EQ(fake.messageBoxes.shown.size(), 1) << c.what;
        EXPECT_TRUE(fake.messageBoxes.shown[0].text.startsWith(QLatin1String(c.message))) << c.what;
        EXPECT_EQ(fake.messageBoxes.shown[0].icon, c.icon) << c.what;
        EXPECT_EQ(fake.messageBoxes.shown[0].buttons, MsgButtons::Ok) << c.what;
    }
    EXPECT_TRUE(messages()[0].contains(file("no such folder/x.pvl")));
    // A cancelled dialog's message names the file the dialog holds: the last
    // one chosen.
    fake.fileDialogs.openAnswers = {std::nullopt};
    fake.messageBoxes.shown.clear();
    trigger("mother");
    EXPECT_EQ(messages(), QStringList{QStringLiteral("unable to load file") + file("no such folder/x.pvl")});
    EXPECT_EQ(form->secondList().count(), 0) << "emptied before the dialog";
    EXPECT_EQ(letters(ListFileReader::read(kept).entries), QStringLiteral("pq"));
    EXPECT_EQ(letters(list), QStringLiteral("ab"));
}

TEST_F(SecondListFilesTest, AFailedOpenLeavesNoFileForTheNextSaveToOverwrite)
{
    open();
    const QString first = writeList("first.pvl", QStringLiteral("abc"));
    fake.fileDialogs.openAnswers = {QStringList{first}, std::nullopt};
    trigger("mother");
    ASSERT_EQ(form->list2file(), first);
    trigger("mother"); // cancelled
    form->secondList().setEntries(lettered(QStringLiteral("z"), QStringLiteral("/second")));
    fake.fileDialogs.saveAnswers = {std::nullopt};
    trigger("msave2");
    EXPECT_EQ(fake.fileDialogs.saveRequests.size(), 1) << "asks for a name instead";
    EXPECT_EQ(letters(ListFileReader::read(first).entries), QStringLiteral("abc"));
}

// A list file of more entries than any list holds is refused with the main
// window's message, and leaves no file for the next save to overwrite.
TEST_F(SecondListFilesTest, ATooLargeListIsRefusedAndNotSavedOver)
{
    open();
    const QString huge = file("huge.pvl");
    makeSparseFile(huge, (ListFileReader::MaxRecords + 2) * ListFileFormat::RecordSize);
    fake.fileDialogs.openAnswers = {QStringList{huge}};
    trigger("mother");
    EXPECT_EQ(messages(), QStringList{ListFileReader::tooLargeText(huge)});
    EXPECT_EQ(form->list2file(), QString());
    form->secondList().setEntries(lettered(QStringLiteral("z"), QStringLiteral("/second")));
    fake.fileDialogs.saveAnswers = {std::nullopt};
    trigger("msave2");
    EXPECT_EQ(fake.fileDialogs.saveRequests.size(), 1) << "asks for a name instead";
    EXPECT_EQ(QFileInfo(huge).size(), (ListFileReader::MaxRecords + 2) * ListFileFormat::RecordSize);
}

TEST_F(SecondListFilesTest, ClearEmptiesThePictureListOnlyAndSaysZeroOfZero)
{
    open(QStringLiteral("abc"));
    startSecond(QStringLiteral("xy"));
    host.counter = QStringLiteral("2/3");
    trigger("mclear");
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(view("List1")->model()->rowCount(), 0);
    EXPECT_EQ(host.counter, QStringLiteral("0/0"));
    EXPECT_EQ(host.calls, QStringList{QStringLiteral("openedfileclr")});
    EXPECT_EQ(letters(form->secondList()), QStringLiteral("xy"));
    EXPECT_TRUE(fake.messageBoxes.shown.isEmpty()) << "no confirmation";
}

TEST_F(SecondListFilesTest, CancelOnClosingKeepsEverythingAndOkClosesWithAFlatButton)
{
    open(QStringLiteral("abc"));
    startSecond(QStringLiteral("xy"));
    host.buttonPressed = true;
    cliplist = lettered(QStringLiteral("q"), QStringLiteral("/clip"));
    pick(view("List1"), {1});
    fake.messageBoxes.answers = {MsgResult::Cancel};
    EXPECT_FALSE(form->close());
    ASSERT_EQ(fake.messageBoxes.shown.size(), 1);
    const MessageRequest &box = fake.messageBoxes.shown[0];
    EXPECT_EQ(box.text, QStringLiteral("Exit and LOSE any unsaved changes??"));
    EXPECT_EQ(box.icon, MsgIcon::Question);
    EXPECT_EQ(box.buttons, MsgButtons::OkCancel);
    EXPECT_EQ(box.defaultButton, 1) << "Cancel is the default";
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(host.buttonPressed);
    EXPECT_EQ(letters(form->secondList()), QStringLiteral("xy"));
    EXPECT_EQ(selected(view("List1")), QList<int>{1});
    EXPECT_EQ(letters(cliplist), QStringLiteral("q"));

    // File > Exit asks the same question; OK closes and discards the window.
    fake.messageBoxes.answers = {MsgResult::Ok};
    trigger("mexit");
    EXPECT_EQ(fake.messageBoxes.shown.size(), 2);
    EXPECT_FALSE(host.buttonPressed);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form.isNull());
    EXPECT_EQ(letters(list), QStringLiteral("abc"));
    EXPECT_EQ(letters(cliplist), QStringLiteral("q")) << "the clipboard belongs to the main window";
}
