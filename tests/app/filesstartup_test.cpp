#include "form1fixture.h"

#include "listfilecommands.h"
#include "listfilewriter.h"
#include "recentlistsmenu.h"
#include "slideop.h"
#include "slideshowsettings.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QSignalSpy>

using namespace orv;
using namespace orv::test;

namespace {
const char *const kDamaged = "The 'Orvanta.ini' file is missing or corrupted.";
}

TEST_F(Form1Test, MissingSettingsFileIsRecreatedAtStartUp)
{
    platform.messageBoxes.answers = {MsgResult::Ok};
    form = std::make_unique<Form1>(platform.services(), dir.path(), QString());
    form->load();
    ASSERT_EQ(platform.messageBoxes.shown.size(), 1);
    EXPECT_TRUE(platform.messageBoxes.shown[0].text.startsWith(QLatin1String(kDamaged)));
    EXPECT_EQ(platform.messageBoxes.shown[0].buttons, MsgButtons::OkCancel);
    const QByteArray ini = readFile(form->inifile());
    ASSERT_EQ(ini.size(), 400);
    EXPECT_EQ(ini.mid(0, 28), QByteArray("    slideshow interval = 1  "));
    EXPECT_EQ(ini.mid(300, 1), QByteArray("5"));
    EXPECT_EQ(form->slideshowSettings().interval(), 1000) << "the recovered settings are applied";
    EXPECT_EQ(form->slideshowSettings().showsplash(), 1);
}

TEST_F(Form1Test, CancelOnTheDamagedSettingsMessageEndsTheProgram)
{
    writeFile(SettingsFile::location(dir.path()), QByteArray(400, '\0'));
    platform.messageBoxes.answers = {MsgResult::Cancel};
    const QString picture = addPicture(QStringLiteral("a.jpg"), 300, 300);
    form = std::make_unique<Form1>(platform.services(), dir.path(), picture);
    QSignalSpy ended(form.get(), &Form1::endProgram);
    form->showLoaded();
    EXPECT_EQ(ended.count(), 1);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(platform.pictureLoader.loads.isEmpty()) << "the command line is not reached";
    EXPECT_EQ(readFile(SettingsFile::location(dir.path())), QByteArray(400, '\0')) << "nothing is written";
}

TEST_F(Form1Test, ListFileArgumentOpensTheList)
{
    const QString listPath = dir.filePath(QStringLiteral("holiday.pvl"));
    ASSERT_TRUE(ListFileWriter::write(
                    listPath, {{QStringLiteral("a.jpg"), dir.path()}, {QStringLiteral("b.jpg"), dir.path()}})
                    .ok);
    start(listPath);
    ASSERT_EQ(form->pictureList().count(), 2);
    EXPECT_EQ(form->openedfile(), listPath);
    EXPECT_EQ(label1(), QStringLiteral("0/2"));
    EXPECT_EQ(label2(), QStringLiteral("Click the picture box to show first pic."));
    EXPECT_EQ(state().curpic, 1);
    EXPECT_TRUE(platform.pictureLoader.loads.isEmpty()) << "nothing is shown until a click";
    // The opened list is now a recent list.
    QAction *slot1 = form->recentLists().action(1);
    EXPECT_TRUE(slot1->isVisible());
    EXPECT_TRUE(slot1->text().contains(QStringLiteral("holiday.pvl")));
}

TEST_F(Form1Test, SavedListReopensFromTheRecentMenu)
{
    start();
    appendPicture(QStringLiteral("a.jpg"));
    appendPicture(QStringLiteral("b.jpg"));
    const QString listPath = dir.filePath(QStringLiteral("saved.pvl"));
    platform.fileDialogs.saveAnswers.push_back(listPath);
    form->action(QStringLiteral("msavelst"))->trigger();
    ASSERT_EQ(platform.fileDialogs.saveRequests.size(), 1) << "no opened file: save asks for a name";
    EXPECT_EQ(platform.fileDialogs.saveRequests[0].defaultExtension, QStringLiteral("pvl"));
    EXPECT_TRUE(QFileInfo::exists(listPath));

    form->action(QStringLiteral("mclrlist"))->trigger();
    ASSERT_EQ(form->pictureList().count(), 0);

    // A new run of the program on the same folder finds it in the menu.
    form = std::make_unique<Form1>(platform.services(), dir.path(), QString());
    form->load();
    QAction *slot1 = form->recentLists().action(1);
    ASSERT_TRUE(slot1->isVisible());
    slot1->trigger();
    ASSERT_EQ(form->pictureList().count(), 2);
    EXPECT_EQ(form->pictureList().name(1), QStringLiteral("b.jpg"));
    EXPECT_EQ(form->openedfile(), listPath);
}

TEST_F(Form1Test, SlideshowOptionsOpenFromTheViewMenuAndAreKept)
{
    start();
    platform.modalRunner.scripts.push_back([](QDialog *dialog) {
        dialog->findChild<QLineEdit *>(QStringLiteral("interval"))->setText(QStringLiteral("7"));
        dialog->findChild<QAbstractButton *>(QStringLiteral("ok"))->click();
        return int(QDialog::Accepted);
    });
    form->action(QStringLiteral("mslideoption"))->trigger();
    ASSERT_EQ(platform.modalRunner.shown.size(), 1);
    EXPECT_EQ(platform.modalRunner.shown[0]->windowTitle(), QStringLiteral("SlideShow Options"));
    EXPECT_EQ(form->slideshowSettings().interval(), 7000);

    form = std::make_unique<Form1>(platform.services(), dir.path(), QString());
    form->load();
    EXPECT_EQ(form->slideshowSettings().interval(), 7000) << "read back at the next start";
}

TEST_F(Form1Test, AListFileThatCannotBeReadLeavesTheCurrentListAlone)
{
    start();
    appendPicture(QStringLiteral("a.jpg"));
    state().curpic = 1;
    form->engine().disp();
    // The file is there when checked but gone when read.
    const QString listPath = dir.filePath(QStringLiteral("vanishing.pvl"));
    platform.fileSystem.scripted[listPath] = true;
    form->listFiles().openlistclick(listPath);
    ASSERT_EQ(platform.messageBoxes.shown.size(), 1);
    EXPECT_EQ(platform.messageBoxes.shown[0].text, QStringLiteral("unable to load file") + listPath);
    EXPECT_EQ(form->pictureList().count(), 1);
    EXPECT_EQ(label1(), QStringLiteral("1/1"));
    EXPECT_TRUE(form->openedfile().isEmpty());
}
