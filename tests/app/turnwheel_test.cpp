// Turning the picture in every display style and the slideshow, saving the
// turn, and the wheel over the picture.
#include "form1fixture.h"

#include "boxtools.h"
#include "displaymodes.h"
#include "navigation.h"
#include "photofiles.h"
#include "slideform.h"
#include "slideshowsettings.h"
#include "slideshowstart.h"
#include "toolbutton.h"
#include "turncommands.h"
#include "welcomescreen.h"

#include <QAction>
#include <QFile>
#include <QImageReader>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QWheelEvent>

using namespace orv;
using namespace orv::test;

namespace {

class TurnWheelTest : public Form1Test
{
protected:
    void addMarked(const QString &name, const QImage &picture)
    {
        const QString path = joinPicturePath(dir.path(), name);
        LoadedPicture p;
        p.image = picture;
        p.naturalTwips = picture.size() * 15;
        platform.pictureLoader.pictures[path] = p;
        form->pictureList().append(name, dir.path());
    }
    // The hues around the centre of the picture as drawn: top left, top
    // right, bottom left, bottom right.
    std::vector<Hue> centreHues()
    {
        const bool scaled = state().fitmode || state().stretchmode;
        const QRect r = (scaled ? view()->image2() : view()->image1())->geometry();
        const QImage s = drawn(view());
        const QPoint c = r.center();
        return {hueAt(s, c + QPoint(-6, -6)), hueAt(s, c + QPoint(6, -6)), hueAt(s, c + QPoint(-6, 6)),
                hueAt(s, c + QPoint(6, 6))};
    }
    // The wheel turned with the pointer at `at` of the window, as the picture's controls pass it on.
    void wheel(QPoint at, int delta, Qt::KeyboardModifiers mods = {}, bool sideways = false)
    {
        QWheelEvent event(at, form->mapToGlobal(at), {}, sideways ? QPoint(delta, 0) : QPoint(0, delta),
                          Qt::NoButton, mods, Qt::NoScrollPhase, false);
        QApplication::sendEvent(form.get(), &event);
    }
    // Started with the slideshow's welcome screen off.
    void startQuietShow()
    {
        QByteArray bytes;
        SettingsRecords::writeRecoveryDefaults(bytes);
        SettingsRecords::writeOptions(bytes, QStringLiteral("2"), 0, 0);
        writeFile(SettingsFile::location(dir.path()), bytes);
        for (int topic = TurnCommands::RotateLeftTopic; topic <= TurnCommands::SaveTurnTopic; ++topic)
            platform.help.topicTexts[topic] = QStringLiteral("topic %1").arg(topic);
        start();
    }
    QPoint windowPointOf(QWidget *w, QPoint at) { return w->mapTo(form.get(), at); }
};

const std::vector<Hue> kUpright = {Hue::Red, Hue::Blue, Hue::Green, Hue::Black};
const std::vector<Hue> kTurnedRight = {Hue::Green, Hue::Red, Hue::Black, Hue::Blue};

} // namespace

TEST_F(TurnWheelTest, TheTurnShowsInEveryDisplayStyleAndTheSlideshow)
{
    startQuietShow();
    addMarked("wide.bmp", quadrantPicture(QSize(200, 100)));
    const struct {
        const char *style;
        std::function<void()> choose;
    } styles[] = {
        {"true size", [] {}},
        {"fit", [this] { form->modes().fitToggle(); }},
        {"stretch", [this] { form->modes().stretchToggle(); }},
        {"zoom",
         [this] {
             form->boxTools().armZoom();
             const QRect r = view()->image1()->rect();
             userClick(view()->image1(), r.center());
         }},
    };
    for (const auto &s : styles) {
        SCOPED_TRACE(s.style);
        if (state().fitmode)
            form->modes().fitToggle();
        if (state().stretchmode)
            form->modes().stretchToggle();
        form->engine().disp();
        form->action("mrotright")->trigger();
        s.choose();
        EXPECT_EQ(centreHues(), kTurnedRight);
        form->action("mrotleft")->trigger(); // back upright for the next style
        EXPECT_EQ(centreHues(), kUpright);
    }

    // Mirrored, the slideshow shows it mirrored too.
    form->action("mfliph")->trigger();
    form->action("mflipv")->trigger();
    form->action("mslide")->trigger();
    SlideForm *show = form->slideshow().existingSlideForm();
    ASSERT_TRUE(show && show->isVisible());
    const QImage shown = drawn(show->image1());
    const QPoint c = shown.rect().center();
    EXPECT_TRUE(hasHue(shown, c + QPoint(-6, -6), Hue::Black));
    EXPECT_TRUE(hasHue(shown, c + QPoint(6, 6), Hue::Red));
}

TEST_F(TurnWheelTest, EveryTurnCommandHasAKeyOfItsOwnAPopupItemAndHelp)
{
    startQuietShow();
    QHash<QKeySequence, QString> keys;
    for (QAction *a : form->findChildren<QAction *>()) {
        if (a->shortcut().isEmpty())
            continue;
        EXPECT_FALSE(keys.contains(a->shortcut()))
            << qPrintable(a->objectName()) << " and " << qPrintable(keys[a->shortcut()]);
        keys.insert(a->shortcut(), a->objectName());
    }
    const struct {
        const char *item;
        const char *popupItem;
        QKeySequence key;
        int topic;
    } rows[] = {
        {"mrotleft", "pmrotleft", QKeySequence("Ctrl+L"), 110},
        {"mrotright", "pmrotright", QKeySequence("Ctrl+R"), 111},
        {"mfliph", "pmfliph", QKeySequence("Ctrl+H"), 112},
        {"mflipv", "pmflipv", QKeySequence("Ctrl+Shift+H"), 113},
        {"msaveturn", nullptr, QKeySequence(), 114},
    };
    QFile helpFile(QStringLiteral(ORVANTA_HELP_FILE));
    ASSERT_TRUE(helpFile.open(QIODevice::ReadOnly));
    const QByteArray help = helpFile.readAll();
    for (const auto &r : rows) {
        EXPECT_EQ(form->action(r.item)->shortcut(), r.key) << r.item;
        EXPECT_FALSE(form->action(r.item)->toolTip().isEmpty()) << r.item;
        EXPECT_EQ(form->action(r.item)->whatsThis(), QStringLiteral("topic %1").arg(r.topic)) << r.item;
        EXPECT_TRUE(help.contains(QStringLiteral("name=\"topic-%1\"").arg(r.topic).toLatin1())) << r.item;
        if (r.popupItem) {
            EXPECT_EQ(form->action(r.popupItem)->text(), form->action(r.item)->text());
        }
    }
    const QList<QAction *> fileItems = form->findChild<QMenu *>("mfile")->actions();
    EXPECT_EQ(fileItems.indexOf(form->action("msaveturn")), fileItems.indexOf(form->action("mprop")) + 1);
    for (int topic = 115; topic <= 118; ++topic)
        EXPECT_TRUE(help.contains(QStringLiteral("name=\"topic-%1\"").arg(topic).toLatin1())) << topic;

    // With no picture on display a turn only beeps.
    const int beeps = platform.beep.count;
    form->action("mrotright")->trigger();
    EXPECT_EQ(platform.beep.count, beeps + 1);
}

TEST_F(TurnWheelTest, SavingWritesTheTurnIntoTheFileOrSaysWhyNot)
{
    start();
    const QString jpeg = dir.filePath("side.jpg");
    ASSERT_TRUE(writePhoto(jpeg, blockPattern(QSize(64, 48)), {}));
    const QString webp = dir.filePath("other.webp");
    ASSERT_TRUE(blockPattern(QSize(64, 48)).save(webp, "webp"));
    for (const QString &path : {jpeg, webp}) {
        LoadedPicture p;
        p.image = QImage(path);
        p.naturalTwips = p.image.size() * 15;
        platform.pictureLoader.pictures[path] = p;
        form->pictureList().append(QFileInfo(path).fileName(), dir.path());
    }
    QMenu *file = form->findChild<QMenu *>("mfile");
    auto saveEnabled = [&] {
        Q_EMIT file->aboutToShow();
        return form->action("msaveturn")->isEnabled();
    };
    form->engine().disp();
    EXPECT_FALSE(saveEnabled()) << "nothing turned yet";
    form->action("mrotright")->trigger();
    EXPECT_TRUE(saveEnabled());
    form->action("msaveturn")->trigger();
    EXPECT_EQ(QImageReader(jpeg).size(), QSize(48, 64));
    EXPECT_TRUE(form->turnCommands().turns().turn(jpeg).isNone()) << "the file holds the turn now";
    EXPECT_TRUE(platform.messageBoxes.shown.isEmpty());

    form->navigation().next();
    form->action("mrotright")->trigger();
    EXPECT_FALSE(saveEnabled()) << "a WebP turn stays a view";
}

TEST_F(TurnWheelTest, TheWheelStepsThroughFittedPicturesOncePerNotch)
{
    start();
    for (const char *name : {"a.bmp", "b.bmp", "c.bmp"})
        addMarked(name, quadrantPicture(QSize(200, 100)));
    form->modes().fitToggle();
    form->engine().disp();
    const QPoint at = windowPointOf(view()->image2(), view()->image2()->rect().center());
    const struct {
        const char *what;
        int delta;
        int events;
        int curpic;
        Qt::KeyboardModifiers mods = {};
        bool sideways = false;
    } rows[] = {
        {"a notch towards the user", -120, 1, 2},
        {"a touchpad's small deltas add up", -30, 4, 3},
        {"less than a notch does nothing", 40, 2, 3},
        {"a notch away, with what was left", 40, 1, 2},
        {"Shift: a notch that Qt hands on sideways", -120, 1, 3, Qt::ShiftModifier, true},
    };
    for (const auto &r : rows) {
        for (int i = 0; i < r.events; ++i)
            wheel(at, r.delta, r.mods, r.sideways);
        EXPECT_EQ(state().curpic, r.curpic) << r.what;
    }
}

TEST_F(TurnWheelTest, CtrlWheelZoomsAboutThePointerAndTheWheelScrollsALargePicture)
{
    start();
    addMarked("big.bmp", quadrantPicture(QSize(800, 600)));
    form->engine().disp();
    ImageControl *image1 = view()->image1();
    // The picture's point under the pointer stays under it.
    const QPoint pointer = windowPointOf(view()->image2(), QPoint(150, 120));
    const QPointF before = image1->mapFrom(form.get(), pointer);
    wheel(pointer, 120, Qt::ControlModifier);
    EXPECT_NEAR(image1->width(), 1000, 1);
    const QPointF after = image1->mapFrom(form.get(), pointer);
    EXPECT_NEAR(after.x(), before.x() * 1.25, 2);
    EXPECT_NEAR(after.y(), before.y() * 1.25, 2);

    // Back out: natural size, laid out afresh; no further.
    wheel(pointer, -120, Qt::ControlModifier);
    EXPECT_EQ(image1->width(), 800);
    wheel(pointer, -120, Qt::ControlModifier);
    EXPECT_EQ(image1->width(), 800);

    // Scroll bars: the wheel scrolls down, Shift+wheel across.
    QScrollBar *v = view()->vscroll();
    QScrollBar *h = view()->hscroll();
    wheel(pointer, -120);
    EXPECT_EQ(v->value(), 900) << "60 pixels";
    EXPECT_EQ(h->value(), 0);
    wheel(pointer, -120, Qt::ShiftModifier);
    EXPECT_EQ(h->value(), 900);
    EXPECT_EQ(state().curpic, 1) << "no step while the picture scrolls";

    // Fingers spread by 30% on a touchpad: one zoom step.
    QNativeGestureEvent pinch(Qt::ZoomNativeGesture, QPointingDevice::primaryPointingDevice(), 2, pointer, pointer,
                              form->mapToGlobal(QPointF(pointer)), 0.3, {});
    QApplication::sendEvent(form.get(), &pinch);
    EXPECT_EQ(image1->width(), 1000);
}

TEST_F(TurnWheelTest, TheSlideshowsWheelStepsOnlyWhilePaused)
{
    startQuietShow();
    for (const char *name : {"a.bmp", "b.bmp", "c.bmp"})
        addMarked(name, quadrantPicture(QSize(200, 100)));
    form->show();
    form->engine().disp();
    form->action("mslide")->trigger();
    SlideForm *show = form->slideshow().existingSlideForm();
    ASSERT_TRUE(show && show->isVisible());
    auto turnWheel = [show](int delta) {
        const QPoint at = show->rect().center();
        QWheelEvent event(at, show->mapToGlobal(at), {}, QPoint(0, delta), Qt::NoButton, {}, Qt::NoScrollPhase,
                          false);
        QApplication::sendEvent(show, &event);
    };
    ASSERT_EQ(show->counter()->text(), "1/3");
    turnWheel(-120);
    EXPECT_EQ(show->counter()->text(), "1/3") << "running: the timer steps";
    QTest::keyClick(show, Qt::Key_Down);
    ASSERT_TRUE(show->isPaused());
    turnWheel(-120);
    EXPECT_EQ(show->counter()->text(), "2/3");
    turnWheel(120);
    EXPECT_EQ(show->counter()->text(), "1/3");
}

TEST_F(TurnWheelTest, AZoomedPictureStaysZoomedAboutTheSamePointWhenTurned)
{
    start();
    addMarked("big.bmp", quadrantPicture(QSize(800, 600)));
    form->engine().disp();
    ImageControl *image1 = view()->image1();
    QWidget *box = view()->image2();
    // Zoomed in twice about a point of the red quarter near the middle (a
    // point near an edge cannot come to the centre: the bars stop at the edge).
    const QPoint pointer = windowPointOf(box, box->rect().center() - QPoint(20, 15));
    wheel(pointer, 120, Qt::ControlModifier);
    wheel(pointer, 120, Qt::ControlModifier);
    ASSERT_NEAR(image1->height(), 938, 1);
    // The picture's point at the box's centre, as fractions of its sides.
    auto centre = [&] {
        const QPointF c = image1->mapFromParent(QPointF(box->geometry().center()));
        return QPointF(c.x() / image1->width(), c.y() / image1->height());
    };
    auto centreHue = [&] { return hueAt(drawn(view()), box->geometry().center()); };
    ASSERT_EQ(centreHue(), Hue::Red);
    const struct {
        const char *item;
        QSize size;
        QPointF (*moved)(QPointF);
    } rows[] = {
        {"mrotright", QSize(938, 1250), [](QPointF p) { return QPointF(1 - p.y(), p.x()); }},
        {"mfliph", QSize(938, 1250), [](QPointF p) { return QPointF(1 - p.x(), p.y()); }},
        {"mrotleft", QSize(1250, 938), [](QPointF p) { return QPointF(p.y(), 1 - p.x()); }},
        {"mflipv", QSize(1250, 938), [](QPointF p) { return QPointF(p.x(), 1 - p.y()); }},
    };
    for (const auto &r : rows) {
        const QPointF expected = r.moved(centre());
        form->action(r.item)->trigger();
        EXPECT_NEAR(image1->width(), r.size.width(), 1) << r.item;
        EXPECT_NEAR(image1->height(), r.size.height(), 1) << r.item;
        EXPECT_NEAR(centre().x(), expected.x(), 0.005) << r.item;
        EXPECT_NEAR(centre().y(), expected.y(), 0.005) << r.item;
        EXPECT_EQ(centreHue(), Hue::Red) << r.item;
    }
}
