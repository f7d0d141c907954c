// The Start command, the welcome screen and its "Don't show this screen
// again" over a settings file in a temporary folder.
#include "fakeplatform.h"
#include "fakeslideshowhost.h"
#include "imagecontrol.h"
#include "settingsfile.h"
#include "settingsrecords.h"
#include "slideform.h"
#include "slideop.h"
#include "slideoptions.h"
#include "slideshowsettings.h"
#include "slideshowstart.h"
#include "testutils.h"
#include "toolbutton.h"
#include "welcomescreen.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace orv;

namespace {

class SlideshowStartTest : public ::testing::Test
{
protected:
    SlideshowStartTest()
    {
        QByteArray bytes;
        SettingsRecords::writeRecoveryDefaults(bytes); // interval 1, auto-resolution, welcome screen on
        test::writeFile(file.path(), bytes);
        options.readfile();
        options.app();
        for (int i = 0; i < 3; ++i) {
            host.list.append(QStringLiteral("p%1.jpg").arg(i), QStringLiteral("/pics"));
            fake.pictureLoader.addPicture(QStringLiteral("/pics/p%1.jpg").arg(i), QSize(100, 80));
        }
    }
    ~SlideshowStartTest() override { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    // The options dialog's controls, then its apply step.
    void applyOptions(const char *interval, bool splash)
    {
        options.dialog()->setIntervalText(QString::fromLatin1(interval));
        options.dialog()->setSplash(splash);
        ASSERT_TRUE(options.app());
    }
    void clickOk()
    {
        QTest::mouseClick(start.existingWelcomeScreen()->findChild<QPushButton *>(QStringLiteral("Command1")),
                          Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QCheckBox *check1() const
    {
        return start.existingWelcomeScreen()->findChild<QCheckBox *>(QStringLiteral("Check1"));
    }
    bool showRunning() const
    {
        SlideForm *form = start.existingSlideForm();
        return form && form->isVisible() && form->isRunning() && form->isPictureShown();
    }
    std::optional<bool> storedSplash() const
    {
        return SettingsRecords::readOptions(test::readFile(file.path())).splash;
    }

    QTemporaryDir dir;
    SettingsFile file{dir.filePath(QStringLiteral("Orvanta.ini"))};
    test::FakePlatform fake;
    SlideshowSettings settings;
    SlideOptions options{file, settings, fake.services(), [] {}};
    test::FakeSlideshowHost host;
    SlideshowStart start{host, settings, options, fake.services()};
};

} // namespace

TEST_F(SlideshowStartTest, TheWelcomeScreenHasItsTexts)
{
    WelcomeScreen *w = start.welcomeScreen();
    EXPECT_EQ(w->objectName(), QStringLiteral("frmSplash"));
    EXPECT_TRUE(w->windowTitle().isEmpty());
    EXPECT_FALSE(w->isModal());
    const struct {
        const char *name;
        const char *text;
    } labels[] = {
        {"Label1", " Welcome to the"},
        {"lblProductName", "Orvanta"},
        {"lblCompanyProduct", "SLIDESHOW"},
        {"lblCompany", "Click any where or press spacebar to hide/show pictures.\n"
                       "Press escape to return to the main window.\n"
                       "Press down arrow to pause the show.\n"
                       "Press right arrow to escape this picture to yhe next one.\n"
                       "Press left arrow to return to previous picture."},
    };
    for (const auto &l : labels) {
        auto *label = w->findChild<QLabel *>(QLatin1String(l.name));
        ASSERT_NE(label, nullptr) << l.name;
        EXPECT_EQ(label->text(), QString::fromUtf8(l.text)) << l.name;
    }
    auto *logo = w->findChild<QLabel *>(QStringLiteral("imgLogo"));
    ASSERT_NE(logo, nullptr);
    EXPECT_FALSE(logo->pixmap().isNull());
    EXPECT_EQ(w->findChild<QPushButton *>(QStringLiteral("Command1"))->text(), QStringLiteral("Ok"));
    EXPECT_EQ(check1()->text(), QStringLiteral("Don't show this screen again"));
    EXPECT_FALSE(check1()->isChecked());
}

TEST_F(SlideshowStartTest, WithTheWelcomeScreenOnStartShowsOnlyIt)
{
    const QByteArray before = test::readFile(file.path());
    start.start();
    ASSERT_NE(start.existingWelcomeScreen(), nullptr);
    EXPECT_TRUE(start.existingWelcomeScreen()->isVisible());
    EXPECT_EQ(start.existingSlideForm(), nullptr);
    EXPECT_TRUE(fake.pictureLoader.loads.isEmpty());

    // Its Ok closes it and starts the show; the setting stays as it was.
    clickOk();
    EXPECT_EQ(start.existingWelcomeScreen(), nullptr);
    EXPECT_TRUE(showRunning());
    EXPECT_EQ(start.existingSlideForm()->timer()->interval(), 1000);
    EXPECT_EQ(host.pos, 2);
    EXPECT_EQ(settings.showsplash(), 1);
    EXPECT_EQ(test::readFile(file.path()), before);
}

TEST_F(SlideshowStartTest, DontShowAgainIsStoredAndLaterStartsSkipTheScreen)
{
    ASSERT_EQ(storedSplash(), true);
    start.start();
    QTest::mouseClick(check1(), Qt::LeftButton);
    ASSERT_TRUE(check1()->isChecked());
    clickOk();
    EXPECT_EQ(settings.showsplash(), 0);
    EXPECT_FALSE(options.dialog()->splash());
    EXPECT_EQ(storedSplash(), false);
    EXPECT_TRUE(showRunning());

    QTest::keyClick(start.existingSlideForm(), Qt::Key_Escape);
    EXPECT_EQ(host.pos, 1);
    start.start();
    EXPECT_EQ(start.existingWelcomeScreen(), nullptr);
    EXPECT_TRUE(showRunning());
}

TEST_F(SlideshowStartTest, TheApplyStepClearsTheBoxWhenItTurnsTheScreenOn)
{
    start.start();
    check1()->setChecked(true);
    applyOptions("1", false);
    EXPECT_TRUE(check1()->isChecked());
    applyOptions("1", true);
    EXPECT_FALSE(check1()->isChecked());
}

TEST_F(SlideshowStartTest, WithTheScreenOffTheShowStartsAtOnce)
{
    applyOptions("7", false);
    start.start();
    EXPECT_EQ(start.existingWelcomeScreen(), nullptr);
    ASSERT_TRUE(showRunning());
    SlideForm *form = start.existingSlideForm();
    EXPECT_EQ(form->timer()->interval(), 7000);

    // Hidden by Escape, the window keeps its pause border for the next show.
    QTest::keyClick(form, Qt::Key_Down);
    QTest::keyClick(form, Qt::Key_Escape);
    start.start();
    EXPECT_EQ(start.existingSlideForm(), form);
    EXPECT_TRUE(form->isPaused());
    EXPECT_TRUE(form->isVisible());
}

TEST_F(SlideshowStartTest, AfterTheCloseBoxTheWindowIsSetUpAgainWithTheAppliedInterval)
{
    applyOptions("4", false);
    start.start();
    SlideForm *form = start.existingSlideForm();
    QTest::keyClick(form, Qt::Key_Down);
    form->close();
    EXPECT_EQ(start.existingSlideForm(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    start.start();
    form = start.existingSlideForm();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->timer()->interval(), 4000);
    EXPECT_FALSE(form->isPaused());
    EXPECT_TRUE(showRunning());
}
