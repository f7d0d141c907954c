// The slideshow window's steps: through the list, to its end, over missing
// and broken files, and the layout of each picture in the work area.
#include "fileerror.h"
#include "messageboxes.h"
#include "slideformfixture.h"

#include <QTest>

using namespace orv;
using orv::test::SlideFormFixture;

namespace {

using SlideFormTest = SlideFormFixture;

} // namespace

TEST_F(SlideFormTest, TheWindowHasItsControlsTooltipsAndTimer)
{
    makeForm();
    EXPECT_EQ(form->objectName(), QStringLiteral("slideForm"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Orvanta (Slide show)"));
    EXPECT_TRUE(form->isWindow());
    EXPECT_FALSE(form->isVisible());
    const struct {
        const char *name;
        const char *tooltip;
    } buttons[] = {{"frw", "Show next pic."}, {"pause", "Pause"}, {"rew", "Show prev. pic."}};
    for (const auto &b : buttons) {
        auto *button = control<ToolButton>(b.name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->toolTip(), QLatin1String(b.tooltip)) << b.name;
        EXPECT_FALSE(button->border()) << b.name;
    }
    EXPECT_NE(control<ImageControl>("Image1"), nullptr);
    EXPECT_EQ(counter(), QStringLiteral("123/9988"));

    // Timer1 starts from the designer's interval, off, and follows the apply step.
    auto *timer = control<QTimer>("Timer1");
    EXPECT_EQ(timer->interval(), 2500);
    EXPECT_FALSE(timer->isActive());
    settings.apply(7000, 0, 0);
    EXPECT_EQ(timer->interval(), 7000);
    EXPECT_EQ(form->workArea(), QSize(12000, 8000));
}

TEST_F(SlideFormTest, StepsThroughTheListAndHandsBackAfterTheLastPicture)
{
    startWith(3);
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(timerOn());
    for (int shownPicture = 1; shownPicture <= 3; ++shownPicture) {
        if (shownPicture > 1)
            QMetaObject::invokeMethod(form->timer(), "timeout"); // one tick
        EXPECT_EQ(counter(), QStringLiteral("%1/3").arg(shownPicture));
        EXPECT_EQ(lastLoad(), path(shownPicture - 1));
        EXPECT_EQ(host.selected, shownPicture - 1);
        EXPECT_EQ(host.pos, shownPicture + 1);
        EXPECT_TRUE(shown());
        EXPECT_TRUE(form->isVisible());
    }
    EXPECT_TRUE(host.calls.isEmpty()) << host.calls.join(u',').toStdString();

    // The last picture stays until the next tick, which returns to the main
    // window showing the last picture.
    form->disp();
    EXPECT_EQ(host.pos, 3);
    EXPECT_EQ(host.calls, (QStringList{"show", "disp"}));
    EXPECT_EQ(host.dispAt, QList<int>{3});
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(timerOn());
    EXPECT_EQ(fake.pictureLoader.loads.size(), 3);
}

TEST_F(SlideFormTest, AnEmptyListBeepsAndHandsBackAtPositionOne)
{
    startWith(0);
    EXPECT_EQ(fake.beep.count, 1);
    EXPECT_EQ(host.calls, (QStringList{"show", "disp"}));
    EXPECT_EQ(host.pos, 1);
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(timerOn());
    EXPECT_TRUE(fake.pictureLoader.loads.isEmpty());
}

TEST_F(SlideFormTest, AStartBelowPositionOneStartsAtTheFirstPicture)
{
    addPictures(2);
    host.pos = 0;
    makeForm()->startShow();
    EXPECT_EQ(lastLoad(), path(0));
    EXPECT_EQ(counter(), QStringLiteral("1/2"));
    EXPECT_EQ(host.pos, 2);
}

TEST_F(SlideFormTest, AMissingFileAsksRetryOrCancel)
{
    addPictures(3);
    fake.pictureLoader.addFailure(path(1), FileError::FileNotFound);
    makeForm()->startShow();

    // Cancel: the entry goes, both counters show the new count, nothing is shown.
    form->disp();
    ASSERT_EQ(fake.messageBoxes.shown.size(), 1);
    const MessageRequest &box = fake.messageBoxes.shown.first();
    EXPECT_EQ(box.text, QStringLiteral("Specified picture file cannot be accessed!!"));
    EXPECT_EQ(box.icon, MsgIcon::Critical);
    EXPECT_EQ(box.buttons, MsgButtons::RetryCancel);
    EXPECT_EQ(host.list.count(), 2);
    EXPECT_EQ(host.list.name(1), QStringLiteral("p2.jpg"));
    EXPECT_EQ(host.counterText, QStringLiteral("2/2"));
    EXPECT_EQ(counter(), QStringLiteral("2/2"));
    EXPECT_FALSE(shown());
    EXPECT_TRUE(timerOn());
    EXPECT_EQ(host.pos, 2);

    // The next tick shows the picture that moved into the place.
    form->disp();
    EXPECT_EQ(lastLoad(), path(2));
    EXPECT_EQ(counter(), QStringLiteral("2/2"));
    EXPECT_TRUE(shown());
    EXPECT_EQ(host.pos, 3);
}

TEST_F(SlideFormTest, RetryLoadsTheFileAgain)
{
    addPictures(2);
    fake.pictureLoader.addFailure(path(0), FileError::PermissionDenied);
    fake.messageBoxes.answers = {MsgResult::Retry, MsgResult::Retry};
    int asked = 0;
    fake.messageBoxes.onShow = [&](const MessageRequest &) {
        if (++asked == 2) // the file comes back before the second Retry
            fake.pictureLoader.addPicture(path(0), QSize(100, 80));
    };
    makeForm()->startShow();
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(fake.pictureLoader.loads, (QStringList{path(0), path(0), path(0)}));
    EXPECT_EQ(counter(), QStringLiteral("1/2"));
    EXPECT_TRUE(shown());
    EXPECT_EQ(host.list.count(), 2);
}

TEST_F(SlideFormTest, CancelKeepsAStoppedTimerStopped)
{
    addPictures(2);
    fake.pictureLoader.addFailure(path(1), FileError::PathNotFound);
    makeForm()->startShow();
    QTest::keyClick(form, Qt::Key_Down); // paused
    QTest::keyClick(form, Qt::Key_Right);
    EXPECT_EQ(fake.messageBoxes.shown.size(), 1);
    EXPECT_FALSE(timerOn());
    EXPECT_EQ(counter(), QStringLiteral("2/1"));
}

TEST_F(SlideFormTest, AnotherFailureEndsTheStepQuietly)
{
    addPictures(2);
    fake.pictureLoader.addFailure(path(1), FileError::Other);
    makeForm()->startShow();
    form->disp();
    EXPECT_TRUE(fake.messageBoxes.shown.isEmpty());
    EXPECT_FALSE(shown());
    EXPECT_EQ(host.pos, 2);
    EXPECT_TRUE(timerOn());
    EXPECT_EQ(counter(), QStringLiteral("1/2"));

    // The next tick meets the same picture again.
    form->disp();
    EXPECT_EQ(fake.pictureLoader.loads, (QStringList{path(0), path(1), path(1)}));
}

TEST_F(SlideFormTest, ATickDuringTheMessageBoxIsDropped)
{
    addPictures(3);
    fake.pictureLoader.addFailure(path(0), FileError::FileNotFound);
    makeForm();
    fake.messageBoxes.onShow = [&](const MessageRequest &) { form->disp(); };
    form->startShow();
    EXPECT_EQ(fake.messageBoxes.shown.size(), 1);
    EXPECT_EQ(fake.pictureLoader.loads, QStringList{path(0)});
    EXPECT_EQ(host.pos, 1);
    EXPECT_EQ(host.list.count(), 2);
}

TEST_F(SlideFormTest, EachSizingStylePlacesThePictureInTheWorkArea)
{
    host.list.append(QStringLiteral("big.jpg"), QStringLiteral("/pics"));
    LoadedPicture picture;
    picture.image = QImage(QSize(400, 300), QImage::Format_RGB32);
    picture.naturalTwips = QSize(4000, 3000);
    fake.pictureLoader.pictures.insert(QStringLiteral("/pics/big.jpg"), picture);
    makeForm()->startShow();

    const struct {
        int fitstyle;
        QSize box;
        QRectF place;
        bool stretch;
    } rows[] = {
        // Natural size kept, centred: (12000 - 4000) / 2 + 15, (8000 - 3000) / 2 + 15.
        {0, {4000, 3000}, {4015, 2515, 4000, 3000}, true},
        // The main window's 1860 x 2535 box: squared to 2535, height approx(2535 x 0.75).
        {1, {2535, 1902}, {4747.5, 3064, 2535, 1902}, true},
        {2, {4000, 3000}, {4015, 2515, 4000, 3000}, false},
    };
    for (const auto &row : rows) {
        settings.setFitstyle(row.fitstyle);
        host.pos = 1;
        form->disp();
        EXPECT_EQ(form->slideSize(), row.box) << row.fitstyle;
        EXPECT_EQ(form->placer().rect(form->image1()), row.place) << row.fitstyle;
        EXPECT_EQ(form->image1()->stretch(), row.stretch) << row.fitstyle;
        EXPECT_TRUE(shown());
    }

    // A smaller work area: true size is cut to it, from the top-left.
    fake.systemInfo.change(QSizeF(3000, 2000));
    host.pos = 1;
    form->disp();
    EXPECT_EQ(form->placer().rect(form->image1()), QRectF(15, 15, 3000, 2000));
    EXPECT_FALSE(form->image1()->stretch());
}

TEST_F(SlideFormTest, ASettingsChangeRecentresWithoutReloading)
{
    startWith(1);
    EXPECT_EQ(form->placer().rect(form->image1()), QRectF(5002.5, 3205, 2025, 1620));
    fake.systemInfo.change(QSizeF(9000, 6000.5));
    EXPECT_EQ(form->workArea(), QSize(9000, 6000));
    EXPECT_EQ(form->placer().rect(form->image1()), QRectF(3502.5, 2205, 2025, 1620));
    EXPECT_EQ(fake.pictureLoader.loads.size(), 1);
}
