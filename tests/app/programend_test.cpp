// How the program ends: its exit status, and a declined settings repair that
// ends it at once from every place that asks for one.
#include "form1fixture.h"

#include "programend.h"

#include <QApplication>
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
        bool failure;        // a non-zero exit status
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
