// The slideshow options window and its procedures over a settings file in a
// temporary folder, driven through its named controls.
#include "fakeplatform.h"
#include "settingsfile.h"
#include "settingsrecords.h"
#include "slideop.h"
#include "slideoptions.h"
#include "slideshowsettings.h"
#include "testutils.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace orv;

namespace {

const QString damaged = QStringLiteral(
    "The 'Orvanta.ini' file is missing or corrupted. This file is important to run this program. Press ok "
    "and this file will be reinstalled but some of your settings will be reset to its initial values. You "
    "press cancel to try solving this problem manually");
const QString invalid = QStringLiteral("Invalid slideshow timer duration. (Expected a value between 1 & 15)");

class SlideOptionsTest : public ::testing::Test
{
protected:
    void store(const char *interval, int fitstyle, int showsplash)
    {
        QByteArray bytes = test::readFile(file.path());
        SettingsRecords::writeOptions(bytes, QString::fromLatin1(interval), fitstyle, showsplash);
        test::writeFile(file.path(), bytes);
    }
    QByteArray storedInterval() const { return test::readFile(file.path()).mid(25, 3); }

    // Queues what the user does while the window is shown.
    void whileOpen(std::function<void(SlideOp *)> actions)
    {
        fake.modalRunner.scripts.push_back([actions](QDialog *d) {
            d->show();
            actions(static_cast<SlideOp *>(d));
            return d->result();
        });
    }

    static void click(SlideOp *d, const char *name)
    {
        auto *button = d->findChild<QAbstractButton *>(QLatin1String(name));
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    static void type(SlideOp *d, const char *text)
    {
        QLineEdit *edit = d->findChild<QLineEdit *>(QStringLiteral("interval"));
        edit->selectAll();
        QTest::keyClicks(edit, QString::fromLatin1(text));
    }
    static bool checked(SlideOp *d, const char *name)
    {
        return d->findChild<QAbstractButton *>(QLatin1String(name))->isChecked();
    }
    static bool enabled(SlideOp *d, const char *name)
    {
        return d->findChild<QWidget *>(QLatin1String(name))->isEnabled();
    }

    // The program's start: settings read, then applied.
    void startWith(const char *interval, int fitstyle, int showsplash)
    {
        SettingsRecords::writeRecoveryDefaults(startBytes);
        test::writeFile(file.path(), startBytes);
        store(interval, fitstyle, showsplash);
        options.readfile();
        options.app();
        ASSERT_TRUE(fake.messageBoxes.shown.isEmpty());
    }

    QTemporaryDir dir;
    SettingsFile file{dir.filePath("Orvanta.ini")};
    test::FakePlatform fake;
    SlideshowSettings settings;
    int ended = 0;
    SlideOptions options{file, settings, fake.services(), [this] { ++ended; }};
    QByteArray startBytes;
};

} // namespace

TEST_F(SlideOptionsTest, TheWindowHasItsControlsCaptionsAndTooltips)
{
    SlideOp *d = options.dialog();
    EXPECT_EQ(d->objectName(), QStringLiteral("slideOp"));
    EXPECT_EQ(d->windowTitle(), QStringLiteral("SlideShow Options"));
    EXPECT_FALSE(d->isVisible());
    struct Row {
        const char *name;
        const char *text;
        const char *tooltip;
    } rows[] = {
        {"Label2", "Slideshow timer duration.         (Enter a time in sec. from 1 to 15)", ""},
        {"interval", "1", ""},
        {"Label1", " Resolusion Type", ""},
        {"autofit", "Auto-resolution (best results)", "The size of the image will be automatically chosen"},
        {"fit", "Fit to current box size",
         "The pic. will be fit into a box of the size of the current image box"},
        {"NOFIT", "True Size (not recommended)", "Use actual pic. size. Can go out of screen size"},
        {"splashscr", "Show splash screen", ""},
        {"ok", "Ok", ""},
        {"apply", "Apply", ""},
        {"cancel", "Cancel", ""},
    };
    for (const Row &row : rows) {
        QWidget *w = d->findChild<QWidget *>(QLatin1String(row.name));
        ASSERT_NE(w, nullptr) << row.name;
        const QString text = w->property(qobject_cast<QLineEdit *>(w) || qobject_cast<QAbstractButton *>(w) ||
                                                 w->inherits("QLabel")
                                             ? "text"
                                             : "objectName")
                                 .toString();
        EXPECT_EQ(text, QString::fromLatin1(row.text)) << row.name;
        EXPECT_EQ(w->toolTip(), QString::fromLatin1(row.tooltip)) << row.name;
    }
    EXPECT_NE(d->findChild<QWidget *>(QStringLiteral("Frame1")), nullptr);
    EXPECT_TRUE(checked(d, "autofit"));
    EXPECT_TRUE(checked(d, "splashscr"));

    QStringList tabOrder;
    QWidget *w = d->okButton();
    do {
        if (w->focusPolicy() & Qt::TabFocus)
            tabOrder << w->objectName();
        w = w->nextInFocusChain();
    } while (w != d->okButton());
    EXPECT_EQ(tabOrder.mid(0, 3), (QStringList{"ok", "apply", "cancel"}));
    EXPECT_TRUE(tabOrder.contains("interval"));
}

TEST_F(SlideOptionsTest, AMissingFileIsRecreatedWithTheInitialValues)
{
    options.readfile();
    ASSERT_EQ(fake.messageBoxes.texts(), QStringList{damaged});
    EXPECT_EQ(fake.messageBoxes.shown[0].icon, MsgIcon::Critical);
    EXPECT_EQ(fake.messageBoxes.shown[0].buttons, MsgButtons::OkCancel);

    const QByteArray expected = QByteArray("    slideshow interval = 1  "
                                           "               fitstyle =0  "
                                           "     show splash screen =1  ") +
                                QByteArray(216, '\0') + QByteArray("5") + QByteArray(99, ' ');
    EXPECT_EQ(test::readFile(file.path()), expected);
    SlideOp *d = options.dialog();
    EXPECT_EQ(d->intervalText(), QStringLiteral("1"));
    EXPECT_TRUE(checked(d, "autofit"));
    EXPECT_TRUE(checked(d, "splashscr"));
    EXPECT_EQ(settings.fitstyle(), 0);
    EXPECT_EQ(settings.showsplash(), 1);
    EXPECT_EQ(ended, 0);
}

TEST_F(SlideOptionsTest, CancelInTheDamagedFileMessageEndsTheProgram)
{
    test::writeFile(file.path(), QByteArray());
    store("5", 3, 1);
    const QByteArray before = test::readFile(file.path());
    fake.messageBoxes.answers = {MsgResult::Cancel};
    options.readfile();
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(test::readFile(file.path()), before);
    EXPECT_EQ(options.dialog()->intervalText(), QStringLiteral("5")); // read before the bad value
}

TEST_F(SlideOptionsTest, StoredOptionsFillTheControlsAndApplyToTheSettings)
{
    QSignalSpy applied(&settings, &SlideshowSettings::applied);
    startWith("2.5", 1, 0);
    SlideOp *d = options.dialog();
    EXPECT_EQ(d->intervalText(), QStringLiteral("2.5"));
    EXPECT_TRUE(checked(d, "fit"));
    EXPECT_FALSE(checked(d, "splashscr"));
    EXPECT_EQ(settings.interval(), 2500);
    EXPECT_EQ(settings.fitstyle(), 1);
    EXPECT_EQ(settings.showsplash(), 0);
    EXPECT_EQ(applied.size(), 1);
}

TEST_F(SlideOptionsTest, ApplyAndOkStoreWithoutApplyingTwice)
{
    startWith("3", 0, 1);
    QSignalSpy applied(&settings, &SlideshowSettings::applied);
    whileOpen([](SlideOp *d) {
        EXPECT_TRUE(enabled(d, "cancel"));
        type(d, "5");
        click(d, "NOFIT");
        click(d, "apply");
        EXPECT_FALSE(enabled(d, "cancel"));
        EXPECT_TRUE(d->applied());
        click(d, "ok");
        EXPECT_FALSE(d->isVisible());
    });
    options.open();
    EXPECT_EQ(applied.size(), 1);
    EXPECT_EQ(settings.interval(), 5000);
    EXPECT_EQ(settings.fitstyle(), 2);
    EXPECT_EQ(storedInterval(), QByteArray("5  "));
    EXPECT_EQ(test::readFile(file.path()).mid(53, 3), QByteArray("2  "));
    EXPECT_EQ(test::readFile(file.path()).mid(84), startBytes.mid(84)); // unused bytes and slots kept
}

TEST_F(SlideOptionsTest, ApplyDoesNotWriteAndTheCloseBoxIsRefusedAfterIt)
{
    startWith("3", 0, 1);
    whileOpen([this](SlideOp *d) {
        type(d, "5");
        click(d, "apply");
        EXPECT_EQ(storedInterval(), QByteArray("3  "));
        d->close();
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(d->intervalText(), QStringLiteral("3")); // reloaded from the file
        QTest::keyClick(d, Qt::Key_Escape);                // Escape is the close box
        EXPECT_TRUE(d->isVisible());
        click(d, "ok");
    });
    options.open();
    EXPECT_TRUE(options.isSetUp());
    EXPECT_EQ(settings.interval(), 5000); // applied values stay in force
    EXPECT_EQ(storedInterval(), QByteArray("3  "));
}

TEST_F(SlideOptionsTest, ARejectedApplyLeavesTheWindowUnapplied)
{
    startWith("3", 0, 1);
    whileOpen([this](SlideOp *d) {
        type(d, "x");
        click(d, "apply");
        EXPECT_EQ(fake.messageBoxes.texts(), QStringList{invalid});
        EXPECT_TRUE(d->badinterval());
        EXPECT_TRUE(enabled(d, "cancel"));
        EXPECT_FALSE(d->applied());
        click(d, "cancel");
        EXPECT_FALSE(d->isVisible());
    });
    options.open();
    EXPECT_EQ(options.dialog()->intervalText(), QStringLiteral("3"));
    EXPECT_EQ(settings.interval(), 3000);
    EXPECT_EQ(fake.messageBoxes.shown[0].icon, MsgIcon::Critical);
}

TEST_F(SlideOptionsTest, OkChecksTheIntervalBeforeStoringIt)
{
    startWith("3", 0, 1);
    whileOpen([this](SlideOp *d) {
        type(d, "0");
        click(d, "ok"); // not applied: app rejects it
        EXPECT_TRUE(d->isVisible());
        type(d, "5");
        click(d, "apply");
        type(d, "99"); // edited after Apply
        click(d, "ok");
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(fake.messageBoxes.texts(), (QStringList{invalid, invalid}));
        EXPECT_EQ(storedInterval(), QByteArray("3  "));
        type(d, "12");
        click(d, "ok");
        EXPECT_FALSE(d->isVisible());
    });
    options.open();
    EXPECT_EQ(storedInterval(), QByteArray("12 "));
    EXPECT_EQ(settings.interval(), 5000);
}

TEST_F(SlideOptionsTest, CancelRestoresTheStoredValuesAndKeepsTheAppliedOnes)
{
    startWith("3", 0, 1);
    whileOpen([](SlideOp *d) {
        type(d, "8");
        click(d, "NOFIT");
        click(d, "splashscr");
        click(d, "cancel");
    });
    options.open();
    SlideOp *d = options.dialog();
    EXPECT_EQ(d->intervalText(), QStringLiteral("3"));
    EXPECT_TRUE(checked(d, "autofit"));
    EXPECT_TRUE(checked(d, "splashscr"));
    EXPECT_EQ(settings.interval(), 3000);
    EXPECT_EQ(settings.fitstyle(), 0);
}

TEST_F(SlideOptionsTest, EveryOpeningStartsWithCancelEnabled)
{
    startWith("3", 0, 1);
    whileOpen([](SlideOp *d) {
        click(d, "apply");
        click(d, "ok");
    });
    whileOpen([](SlideOp *d) {
        EXPECT_TRUE(enabled(d, "cancel"));
        EXPECT_FALSE(d->applied());
        click(d, "cancel");
    });
    options.open();
    SlideOp *first = options.dialog();
    options.open();
    EXPECT_EQ(options.dialog(), first); // hidden, not discarded
    EXPECT_EQ(fake.modalRunner.shown.size(), 2);
}

TEST_F(SlideOptionsTest, TheCloseBoxDiscardsTheWindowAndTheNextOneReadsTheFile)
{
    startWith("4", 2, 0);
    whileOpen([](SlideOp *d) {
        type(d, "9");
        d->close();
    });
    options.open();
    EXPECT_FALSE(options.isSetUp());
    EXPECT_EQ(settings.interval(), 4000);

    store("6", 1, 1);
    SlideOp *d = options.dialog();
    EXPECT_EQ(d->intervalText(), QStringLiteral("6"));
    EXPECT_TRUE(checked(d, "fit"));
    EXPECT_TRUE(checked(d, "splashscr"));
    EXPECT_TRUE(enabled(d, "cancel"));
}

TEST_F(SlideOptionsTest, AnUnwritableLocationIsReportedOnceAndTheDefaultsStayInMemory)
{
    test::writeFile(dir.filePath("blocker"), "a file where the folder should be");
    SettingsFile blocked(dir.filePath("blocker/Orvanta.ini"));
    SlideOptions stuck(blocked, settings, fake.services(), [this] { ++ended; });
    stuck.readfile();
    ASSERT_EQ(fake.messageBoxes.shown.size(), 2);
    EXPECT_EQ(fake.messageBoxes.shown[0].text, damaged);
    EXPECT_TRUE(fake.messageBoxes.shown[1].text.startsWith(QStringLiteral("The settings file ") +
                                                           QDir::toNativeSeparators(blocked.path()) +
                                                           QStringLiteral(" could not be written.")));
    EXPECT_EQ(stuck.dialog()->intervalText(), QStringLiteral("1"));

    stuck.readfile();
    stuck.dialog()->setIntervalText(QStringLiteral("7"));
    EXPECT_TRUE(stuck.app());
    stuck.writefile();
    stuck.readfile();
    EXPECT_EQ(fake.messageBoxes.shown.size(), 2);
    EXPECT_EQ(stuck.dialog()->intervalText(), QStringLiteral("7")); // kept in memory for this run
    EXPECT_EQ(ended, 0);
}

TEST_F(SlideOptionsTest, AFailedWriteIsReported)
{
    startWith("3", 0, 1);
    QDir(dir.path()).remove("Orvanta.ini");
    QDir(dir.path()).mkdir("Orvanta.ini"); // a folder now stands in the file's place
    options.writefile();
    ASSERT_EQ(fake.messageBoxes.shown.size(), 1);
    EXPECT_EQ(fake.messageBoxes.shown[0].icon, MsgIcon::Critical);
    EXPECT_TRUE(fake.messageBoxes.shown[0].text.contains(QDir::toNativeSeparators(file.path())));
}
