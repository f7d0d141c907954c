#include "form1fixture.h"

#include "maintoolbar.h"
#include "slideform.h"
#include "slideshowsettings.h"
#include "slideshowstart.h"
#include "toolbutton.h"
#include "welcomescreen.h"

#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace orv;
using namespace orv::test;

class SlideshowTest : public Form1Test
{
protected:
    // Settings with the welcome screen switched off unless asked for.
    void startShowing(int pictures, bool welcome)
    {
        QByteArray bytes;
        SettingsRecords::writeRecoveryDefaults(bytes);
        SettingsRecords::writeOptions(bytes, QStringLiteral("2"), 0, welcome ? 1 : 0);
        writeFile(SettingsFile::location(dir.path()), bytes);
        start();
        for (int i = 1; i <= pictures; ++i)
            appendPicture(QStringLiteral("p%1.jpg").arg(i), 3000, 2000);
        form->show();
        form->engine().disp();
    }
};

TEST_F(SlideshowTest, RunsFromTheMenuAndHandsBackOnEscape)
{
    startShowing(3, false);
    EXPECT_EQ(form->slideshowSettings().interval(), 2000);
    form->action(QStringLiteral("mslide"))->trigger();
    SlideForm *show = form->slideshow().existingSlideForm();
    ASSERT_NE(show, nullptr);
    EXPECT_TRUE(show->isVisible());
    EXPECT_EQ(show->windowTitle(), QStringLiteral("Orvanta (Slide show)"));
    EXPECT_TRUE(show->timer()->isActive());
    EXPECT_EQ(show->timer()->interval(), 2000);
    EXPECT_EQ(show->counter()->text(), QStringLiteral("1/3"));
    show->disp(); // a tick
    EXPECT_EQ(show->counter()->text(), QStringLiteral("2/3"));
    EXPECT_EQ(selectedRows("List2"), QList<int>{1}) << "the main window's selection follows the show";

    QTest::keyClick(show, Qt::Key_Escape);
    EXPECT_FALSE(show->isVisible());
    EXPECT_EQ(state().curpic, 2) << "the picture on screen stays current";
    EXPECT_EQ(label1(), QStringLiteral("2/3"));
    EXPECT_FALSE(state().pichidden);
}

TEST_F(SlideshowTest, EndOfListReturnsToTheLastPicture)
{
    startShowing(2, false);
    QTest::mouseClick(form->toolbar()->button(QStringLiteral("slide")), Qt::LeftButton);
    SlideForm *show = form->slideshow().existingSlideForm();
    ASSERT_NE(show, nullptr);
    show->disp();
    show->disp();
    EXPECT_FALSE(show->isVisible());
    EXPECT_FALSE(show->timer()->isActive());
    EXPECT_EQ(state().curpic, 2);
    EXPECT_EQ(label1(), QStringLiteral("2/2"));
}

TEST_F(SlideshowTest, WelcomeScreenComesFirstAndCanBeSwitchedOff)
{
    startShowing(2, true);
    form->action(QStringLiteral("mslide"))->trigger();
    WelcomeScreen *welcome = form->slideshow().existingWelcomeScreen();
    ASSERT_NE(welcome, nullptr);
    EXPECT_TRUE(welcome->isVisible());
    EXPECT_EQ(form->slideshow().existingSlideForm() == nullptr ||
                  !form->slideshow().existingSlideForm()->isVisible(),
              true);
    welcome->dontShowBox()->setChecked(true);
    QTest::mouseClick(welcome->okButton(), Qt::LeftButton);
    SlideForm *show = form->slideshow().existingSlideForm();
    ASSERT_NE(show, nullptr);
    EXPECT_TRUE(show->isVisible());
    EXPECT_EQ(form->slideshowSettings().showsplash(), 0);
    const QByteArray ini = readFile(SettingsFile::location(dir.path()));
    EXPECT_EQ(ini.mid(81, 1), QByteArray("0")) << "the settings file records it";
}
