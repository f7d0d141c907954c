// How the program ends: its exit status, and a declined settings repair that
// ends it at once from every place that asks for one.
#include "form1fixture.h"

#include "listfilewriter.h"
#include "programend.h"
#include "recentlistsmenu.h"
#include "slideform.h"
#include "slideshowstart.h"
#include "welcomescreen.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QPushButton>
#include <QTimer>

using namespace orv;
using namespace orv::test;

namespace {

// Runs the event loop as main() does until the program ends; its exit status.
int runUntilEnd(Form1 &form, const std::function<void()> &action)
{
    QObject::connect(&form, &Form1::endProgram, &form, [](int status) { endApplication(status); });
    QTimer::singleShot(0, &form, action);
    // A program that does not end is stopped here, with a status no ending gives.
    QTimer::singleShot(5000, &form, [] { QCoreApplication::exit(-99); });
    return QApplication::exec();
}

} // namespace

TEST_F(Form1Test, TheExitStatusTellsHowTheProgramEnded)
{
    const struct {
        const char *what;
        const char *argument;
        QByteArray settings; // empty: a sound settings file
        MsgResult answer;
        bool failure; // a non-zero exit status
    } cases[] = {
        {"a bad argument", "notes.txt", {}, MsgResult::Ok, true},
        {"Cancel on the damaged-settings message", "", QByteArray(400, '\0'), MsgResult::Cancel, true},
        {"OK on the close question", "", {}, MsgResult::Ok, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(SettingsFile::location(dir.path()));
        if (!c.settings.isEmpty())
            writeFile(SettingsFile::location(dir.path()), c.settings);
        writeDefaultSettings();
        platform.messageBoxes.answers = {c.answer};
        form = std::make_unique<Form1>(platform.services(), dir.path(), QString::fromUtf8(c.argument));
        const int status = runUntilEnd(*form, [this] {
            form->showLoaded();
            if (!form->hasEnded())
                form->mexit();
        });
        EXPECT_NE(status, -99) << "the program did not end";
        EXPECT_EQ(status != 0, c.failure) << status;
        EXPECT_EQ(status, form->exitStatus());
        EXPECT_FALSE(form->isVisible());
        form.reset();
    }
}

TEST_F(Form1Test, CancelOnTheDamagedSettingsMessageEndsTheProgramAtOnceWhereverItComesUp)
{
    const QString listPath = dir.filePath(QStringLiteral("holiday.pvl"));
    ASSERT_TRUE(ListFileWriter::write(listPath, {{QStringLiteral("a.jpg"), dir.path()}}).ok);
    const QString damagedText = QStringLiteral(
        "The 'Orvanta.ini' file is missing or corrupted. This file is important to run this program. Press "
        "ok and this file will be reinstalled but some of your settings will be reset to its initial "
        "values. You press cancel to try solving this problem manually");

    const struct {
        const char *what;
        std::function<void()> before; // with the settings file in place
        std::function<void()> act;    // after it was deleted
    } places[] = {
        {"opening a list file",
         {},
         [&] {
             platform.fileDialogs.openAnswers.push_back(QStringList{listPath});
             form->action(QStringLiteral("moplist"))->trigger();
         }},
        {"a recent list", [&] { form->recentLists().addtomenu(listPath); },
         [this] { form->recentLists().action(1)->trigger(); }},
        {"the options window's Cancel",
         {},
         [this] {
             platform.modalRunner.scripts.push_back([](QDialog *d) {
                 d->findChild<QPushButton *>(QStringLiteral("cancel"))->click();
                 return int(QDialog::Rejected);
             });
             form->action(QStringLiteral("mslideoption"))->trigger();
         }},
        {"the welcome screen after the options window was closed",
         [this] {
             platform.modalRunner.scripts.push_back([](QDialog *d) {
                 d->close();
                 return int(QDialog::Rejected);
             });
             form->action(QStringLiteral("mslideoption"))->trigger();
         },
         [this] {
             form->action(QStringLiteral("mslide"))->trigger();
             WelcomeScreen *welcome = form->slideshow().existingWelcomeScreen();
             ASSERT_NE(welcome, nullptr);
             welcome->findChild<QCheckBox *>(QStringLiteral("Check1"))->setChecked(true);
             welcome->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
         }},
    };
    for (const auto &p : places) {
        SCOPED_TRACE(p.what);
        start();
        appendPicture(QStringLiteral("shown.jpg"));
        form->engine().disp();
        if (p.before)
            p.before();
        ASSERT_TRUE(QFile::remove(form->inifile()));
        platform.messageBoxes.shown.clear();
        platform.messageBoxes.answers = {MsgResult::Cancel};
        p.act();
        EXPECT_TRUE(form->hasEnded());
        EXPECT_EQ(form->exitStatus(), int(ExitStatus::SettingsNotRepaired));
        EXPECT_EQ(platform.messageBoxes.texts(), QStringList{damagedText}) << "nothing goes on after Cancel";
        EXPECT_FALSE(QFileInfo::exists(form->inifile())) << "nothing is written";
        const SlideForm *show = form->slideshow().existingSlideForm();
        EXPECT_TRUE(!show || !show->isVisible()) << "no slideshow starts";
        form.reset();
        platform.modalRunner.scripts.clear();
    }
}
