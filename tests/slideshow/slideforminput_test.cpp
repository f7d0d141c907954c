// The slideshow window's keys, clicks, buttons and close box.
#include "slideformfixture.h"
#include "userinput.h"

#include <QSignalSpy>
#include <QTest>

using namespace orv;
using orv::test::SlideFormFixture;

namespace {

using SlideFormInputTest = SlideFormFixture;

void press(QWidget *w)
{
    QTest::mousePress(w, Qt::LeftButton);
}
void release(QWidget *w)
{
    QTest::mouseRelease(w, Qt::LeftButton);
}

} // namespace

TEST_F(SlideFormInputTest, EscapeLeavesCurpicOnThePictureShown)
{
    for (int k = 1; k <= 3; ++k) {
        delete form.data();
        host.reset();
        fake.pictureLoader.loads.clear();
        startWith(4);
        for (int i = 1; i < k; ++i)
            form->disp();
        ASSERT_EQ(counter(), QStringLiteral("%1/4").arg(k));
        QTest::keyClick(form, Qt::Key_Escape);
        EXPECT_EQ(host.pos, k);
        EXPECT_EQ(host.calls, (QStringList{"show", "disp"}));
        EXPECT_EQ(host.dispAt, QList<int>{k});
        EXPECT_FALSE(form->isVisible());
        EXPECT_FALSE(timerOn());
    }
}

TEST_F(SlideFormInputTest, NextAndPreviousByKeysAndButtons)
{
    startWith(4);
    QTest::keyClick(form, Qt::Key_Right);
    EXPECT_EQ(counter(), QStringLiteral("2/4"));

    auto *frw = control<ToolButton>("frw");
    press(frw);
    EXPECT_TRUE(frw->border()); // drawn pressed while held
    EXPECT_EQ(counter(), QStringLiteral("2/4"));
    release(frw);
    EXPECT_FALSE(frw->border());
    EXPECT_EQ(counter(), QStringLiteral("3/4"));

    QTest::keyClick(form, Qt::Key_Left);
    EXPECT_EQ(counter(), QStringLiteral("2/4"));
    EXPECT_EQ(host.pos, 3);

    auto *rew = control<ToolButton>("rew");
    press(rew);
    EXPECT_TRUE(rew->border());
    release(rew);
    EXPECT_FALSE(rew->border());
    EXPECT_EQ(counter(), QStringLiteral("1/4"));
    EXPECT_EQ(lastLoad(), path(0));

    // On the first picture both stay there.
    QTest::keyClick(form, Qt::Key_Left);
    EXPECT_EQ(counter(), QStringLiteral("1/4"));
    EXPECT_EQ(host.pos, 2);
    press(rew);
    release(rew);
    EXPECT_EQ(lastLoad(), path(0));
    EXPECT_EQ(host.pos, 2);
    EXPECT_EQ(host.selected, 0);
    // None of them touches the timer.
    EXPECT_TRUE(timerOn());
}

TEST_F(SlideFormInputTest, SpaceAndClicksHideAndShowThePicture)
{
    startWith(3);
    ImageControl *image = control<ImageControl>("Image1");

    // Running: hiding stops the timer, showing restarts it.
    QTest::keyClick(form, Qt::Key_Space);
    EXPECT_FALSE(shown());
    EXPECT_FALSE(timerOn());
    QTest::keyClick(form, Qt::Key_Space);
    EXPECT_TRUE(shown());
    EXPECT_TRUE(timerOn());

    // A click on the picture hides it; a click on the window brings it back.
    QTest::mouseClick(image, Qt::LeftButton);
    EXPECT_FALSE(shown());
    EXPECT_FALSE(timerOn());
    QTest::mouseClick(form, Qt::LeftButton, {}, QPoint(5, form->height() - 5));
    EXPECT_TRUE(shown());
    EXPECT_TRUE(timerOn());

    // Paused: showing the picture again leaves the timer off.
    QTest::keyClick(form, Qt::Key_Down);
    EXPECT_TRUE(pauseBorder());
    EXPECT_FALSE(timerOn());
    QTest::keyClick(form, Qt::Key_Space);
    EXPECT_FALSE(shown());
    QTest::keyClick(form, Qt::Key_Space);
    EXPECT_TRUE(shown());
    EXPECT_FALSE(timerOn());
    EXPECT_TRUE(pauseBorder());
    // No step ran through all of this.
    EXPECT_EQ(fake.pictureLoader.loads.size(), 1);
}

TEST_F(SlideFormInputTest, DownArrowGoesByTheBorderAndThePauseButtonByTheTimer)
{
    startWith(3);
    auto *pause = control<ToolButton>("pause");

    const struct {
        const char *what;
        bool hideFirst;
        bool useButton;
        bool border;
        bool timer;
    } rows[] = {
        {"Down while running pauses", false, false, true, false},
        {"Down while paused resumes", false, false, false, true},
        {"the button while running pauses", false, true, true, false},
        {"the button while paused resumes", false, true, false, true},
        // Hidden by a click: timer off and no border.
        {"the button restarts a show hidden by a click", true, true, false, true},
        {"Down pauses a show hidden by a click", true, false, true, false},
    };
    for (const auto &row : rows) {
        if (row.hideFirst) {
            pause->setBorder(false);
            if (!shown())
                QTest::keyClick(form, Qt::Key_Space);
            QTest::keyClick(form, Qt::Key_Space); // timer off, no border
            ASSERT_FALSE(timerOn());
        }
        if (row.useButton)
            QTest::mouseClick(pause, Qt::LeftButton);
        else
            QTest::keyClick(form, Qt::Key_Down);
        EXPECT_EQ(pauseBorder(), row.border) << row.what;
        EXPECT_EQ(timerOn(), row.timer) << row.what;
    }
}

TEST_F(SlideFormInputTest, TheCloseBoxHandsBackAndDiscardsTheWindow)
{
    const struct {
        const char *what;
        bool hidden;
        QStringList calls;
    } rows[] = {
        {"picture shown", false, {"show", "disp"}},
        {"picture hidden", true, {"show", "disp", "disapp", "pichidden"}},
    };
    for (const auto &row : rows) {
        host.reset();
        startWith(3);
        form->disp(); // picture 2 on screen
        if (row.hidden)
            QTest::keyClick(form, Qt::Key_Space);
        QSignalSpy discarded(form.data(), &SlideForm::discarded);
        EXPECT_TRUE(form->close());
        EXPECT_EQ(discarded.count(), 1) << row.what;
        EXPECT_EQ(host.pos, 2) << row.what;
        EXPECT_EQ(host.calls, row.calls) << row.what;
        EXPECT_EQ(host.pichidden, row.hidden) << row.what;
        EXPECT_FALSE(timerOn()) << row.what;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(form.isNull()) << row.what;
    }
}

TEST_F(SlideFormInputTest, OnlyTheWindowAndThePictureToggleUnderAUsersClick)
{
    const auto place = [this](const char *name) -> QWidget * {
        if (qstrcmp(name, "window") == 0)
            return form;
        return form->findChild<QWidget *>(QLatin1String(name));
    };
    const struct {
        const char *name;
        bool toggles;
    } targets[] = {{"window", true}, {"Image1", true}, {"Label1", false}, {"controlStrip", false},
                   {"pause", false}, {"frw", false},   {"rew", false}};
    for (const auto &t : targets) {
        SCOPED_TRACE(t.name);
        delete form.data();
        host.reset();
        startWith(4);
        form->disp(); // picture 2, so that rew has one before it
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
        ASSERT_TRUE(shown());
        QWidget *target = place(t.name);
        // The window's own background: its bottom-right corner, clear of the
        // strip and of the picture centred in the work area.
        const QPoint at = target == form ? QPoint(form->width() - 4, form->height() - 4)
                          : qstrcmp(t.name, "controlStrip") == 0 ? QPoint(target->width() - 4, 4)
                                                                 : QPoint();
        ASSERT_TRUE(orv::test::liesOnTop(target, at));
        orv::test::userClick(target, at);
        EXPECT_EQ(shown(), !t.toggles);
    }
}
