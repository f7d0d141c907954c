// The main window's list-file commands through the fake platform.
#include "fakeplatform.h"
#include "listfilecommands.h"
#include "listfilereader.h"
#include "listfilewriter.h"
#include "picturelist.h"
#include "testutils.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orv;

namespace {

class ListFileCommandsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        list.setEntries({{"a.jpg", "/pics"}, {"b.gif", "/pics/more"}});
    }

    QString path(const char *name) const { return dir.filePath(QLatin1String(name)); }
    const MessageRequest &lastBox() const { return fake.messageBoxes.shown.constLast(); }

    QTemporaryDir dir;
    test::FakePlatform fake;
    PictureList list;
    ListFileCommands commands{list, fake.services()};
    QSignalSpy curpic{&commands, &ListFileCommands::curpicChanged};
    QSignalSpy counter{&commands, &ListFileCommands::counterTextChanged};
    QSignalSpy status{&commands, &ListFileCommands::statusTextChanged};
    QSignalSpy recent{&commands, &ListFileCommands::recentListUsed};
};

} // namespace

TEST_F(ListFileCommandsTest, OpeningAListReplacesThePictureListAndRecordsTheFile)
{
    const QString file = path("three.pvl");
    const std::vector<PictureEntry> stored{{"x.jpg", "/a"}, {"y.jpg", "/b"}, {"z.jpg", "/c"}};
    ASSERT_TRUE(ListFileWriter::write(file, stored).ok);

    commands.openlistclick(file);

    EXPECT_EQ(list.entries(), stored);
    EXPECT_EQ(curpic.takeFirst().at(0).toInt(), 1);
    EXPECT_EQ(counter.takeFirst().at(0).toString(), QStringLiteral("0/3"));
    EXPECT_EQ(status.takeFirst().at(0).toString(),
              QStringLiteral("Click the picture box to show first pic."));
    EXPECT_EQ(recent.takeFirst().at(0).toString(), file);
    EXPECT_EQ(commands.openedfile(), file);
    EXPECT_TRUE(fake.messageBoxes.shown.isEmpty());
}

TEST_F(ListFileCommandsTest, AListThatStartsWithTheEndRecordOpensEmpty)
{
    const QString file = path("empty.pvl");
    test::writeFile(file, QByteArray("eof") + QByteArray(125, ' '));
    commands.openlistclick(file);
    EXPECT_TRUE(list.isEmpty());
    EXPECT_EQ(counter.takeFirst().at(0).toString(), QStringLiteral("0/0"));
    EXPECT_EQ(commands.openedfile(), file);
}

TEST_F(ListFileCommandsTest, AMissingListIsReportedAndChangesNothing)
{
    commands.openlistclick(path("gone.pvl"));
    EXPECT_EQ(fake.messageBoxes.texts(), QStringList{QStringLiteral("This list no longer exists")});
    EXPECT_EQ(lastBox().icon, MsgIcon::None);
    EXPECT_EQ(lastBox().buttons, MsgButtons::Ok);
    EXPECT_EQ(list.count(), 2);
    EXPECT_TRUE(curpic.isEmpty());
    EXPECT_TRUE(commands.openedfile().isEmpty());
}

TEST_F(ListFileCommandsTest, AFileThatCannotBeReadLeavesTheListAlone)
{
    // The file is there when checked but cannot be opened when read: the
    // user's list is not emptied for nothing.
    const QString file = path("vanishing.pvl");
    fake.fileSystem.scripted[file] = true;
    commands.openlistclick(file);
    EXPECT_EQ(fake.messageBoxes.texts(), QStringList{QStringLiteral("unable to load file") + file});
    EXPECT_EQ(lastBox().icon, MsgIcon::None);
    EXPECT_EQ(list.count(), 2);
    EXPECT_TRUE(curpic.isEmpty());
    EXPECT_TRUE(counter.isEmpty());
    EXPECT_TRUE(recent.isEmpty());
    EXPECT_TRUE(commands.openedfile().isEmpty());
}

TEST_F(ListFileCommandsTest, OpenFromTheMenuAsksForOnePvlFile)
{
    const QString file = path("menu.pvl");
    ASSERT_TRUE(ListFileWriter::write(file, {{"m.jpg", "/m"}}).ok);
    fake.fileDialogs.openAnswers.push_back(QStringList{file});
    commands.moplist();
    ASSERT_EQ(fake.fileDialogs.openRequests.size(), 1);
    EXPECT_EQ(fake.fileDialogs.openRequests[0].filter, QStringLiteral("pic. list(*.pvl)|*.pvl"));
    EXPECT_FALSE(fake.fileDialogs.openMultiple[0]);
    EXPECT_EQ(list.count(), 1);

    commands.moplist(); // cancelled: nothing happens
    EXPECT_EQ(list.count(), 1);
    EXPECT_TRUE(fake.messageBoxes.shown.isEmpty());
}

TEST_F(ListFileCommandsTest, SavingAnEmptyListIsRefused)
{
    list.clear();
    commands.msavelstclick();
    commands.msaveasclick();
    EXPECT_EQ(fake.messageBoxes.texts(), QStringList(2, QStringLiteral("This list is empty.")));
    EXPECT_EQ(lastBox().icon, MsgIcon::Critical);
    EXPECT_TRUE(fake.fileDialogs.saveRequests.isEmpty());
}

TEST_F(ListFileCommandsTest, SaveListWithoutAnOpenedFileAsksEveryTime)
{
    const QString file = path("new.pvl");
    fake.fileDialogs.saveAnswers = {file, std::nullopt};
    commands.msavelstclick();
    ASSERT_EQ(fake.fileDialogs.saveRequests.size(), 1);
    EXPECT_EQ(fake.fileDialogs.saveRequests[0].filter, QStringLiteral("pic. list (*.pvl)|*.pvl"));
    EXPECT_EQ(fake.fileDialogs.saveRequests[0].defaultExtension, QStringLiteral("pvl"));
    EXPECT_EQ(ListFileReader::read(file).entries, list.entries());
    EXPECT_EQ(recent.takeFirst().at(0).toString(), file);
    EXPECT_TRUE(commands.openedfile().isEmpty());

    commands.msavelstclick(); // asks again; cancelling is silent
    EXPECT_EQ(fake.fileDialogs.saveRequests.size(), 2);
    EXPECT_TRUE(fake.messageBoxes.shown.isEmpty());
}

TEST_F(ListFileCommandsTest, SaveAsLeavesTheOpenedFileForSaveList)
{
    const QString opened = path("opened.pvl");
    ASSERT_TRUE(ListFileWriter::write(opened, {{"o.jpg", "/o"}}).ok);
    commands.openlistclick(opened);
    recent.clear();
    list.append("added.jpg", "/o");

    const QString copy = path("copy.pvl");
    fake.fileDialogs.saveAnswers = {copy};
    commands.msaveasclick();
    EXPECT_EQ(fake.fileDialogs.saveRequests[0].filter, QStringLiteral("pic. list(*.pvl)|*.pvl"));
    EXPECT_EQ(fake.fileDialogs.saveRequests[0].defaultExtension, QStringLiteral("pvl"));
    EXPECT_EQ(recent.takeFirst().at(0).toString(), copy);
    EXPECT_EQ(commands.openedfile(), opened);

    list.append("more.jpg", "/o");
    commands.msavelstclick(); // to the opened file, no dialog, recent lists untouched
    EXPECT_EQ(fake.fileDialogs.saveRequests.size(), 1);
    EXPECT_TRUE(recent.isEmpty());
    EXPECT_EQ(ListFileReader::read(opened).entries.size(), 3u);
    EXPECT_EQ(ListFileReader::read(copy).entries.size(), 2u);
}

TEST_F(ListFileCommandsTest, CancellingSaveAsNamesTheDialogsFile)
{
    commands.msaveasclick(); // nothing chosen yet
    fake.fileDialogs.saveAnswers = {path("chosen.pvl"), std::nullopt};
    commands.msaveasclick();
    commands.msaveasclick();
    commands.setDialogFileNameSource([] { return QStringLiteral("/from/form1.jpg"); });
    commands.msaveasclick();
    EXPECT_EQ(fake.messageBoxes.texts(),
              (QStringList{QStringLiteral("Cancel saving file"),
                           QStringLiteral("Cancel saving file") + path("chosen.pvl"),
                           QStringLiteral("Cancel saving file/from/form1.jpg")}));
    EXPECT_EQ(lastBox().icon, MsgIcon::None);
}

TEST_F(ListFileCommandsTest, AFailedSaveIsReportedAndNotRecorded)
{
    test::writeFile(path("plain"), "a file, not a folder");
    const QString target = path("plain/list.pvl");
    fake.fileDialogs.saveAnswers = {target};
    commands.msaveasclick();
    ASSERT_EQ(fake.messageBoxes.shown.size(), 1);
    EXPECT_TRUE(lastBox().text.startsWith(QStringLiteral("The list could not be saved to ") + target));
    EXPECT_EQ(lastBox().icon, MsgIcon::Critical);
    EXPECT_TRUE(recent.isEmpty());
}
