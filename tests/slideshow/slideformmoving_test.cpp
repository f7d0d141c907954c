// A picture that moves in the slideshow window: it plays while it is shown, in each
// sizing style, and the show's own timer is left alone.
#include "animatedgif.h"
#include "frameplayer.h"
#include "qtpictureloader.h"
#include "slideformfixture.h"
#include "testutils.h"
#include "userinput.h"

#include <QTemporaryDir>
#include <QTest>

using namespace orv;
using namespace orv::test;

namespace {

class SlideFormMovingTest : public SlideFormFixture
{
protected:
    // A moving GIF of 120 x 90 pixels (quadrants, then the same turned half round, then
    // quadrants again), followed by a still picture.
    void startMoving(int fitstyle)
    {
        const QSize size(120, 90);
        const QImage quadrants = quadrantPicture(size);
        const QList<GifFrame> frames{
            {quadrants, QPoint(), 5}, {quadrants.mirrored(true, true), QPoint(), 0}, {quadrants, QPoint(), 5}};
        writeFile(m_dir.filePath(QStringLiteral("moving.gif")), animatedGif(size, frames));
        fake.pictureLoader.fallback = &m_loader;
        host.list.append(QStringLiteral("moving.gif"), m_dir.path());
        addPictures(1);
        settings.apply(4000, fitstyle, 0);
        // Shown before the show starts: the play's ticks come from the test alone.
        makeForm()->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
        form->startShow();
    }
    FramePlayer &player() { return *form->player(); }
    QImage shot() { return drawn(form).copy(form->image1()->geometry()); }

private:
    QTemporaryDir m_dir;
    QtPictureLoader m_loader;
};

} // namespace

TEST_F(SlideFormMovingTest, APictureThatMovesPlaysInEachSizingStyle)
{
    for (int fitstyle : {TrueSize, AutoResolution, FitToBox}) {
        SCOPED_TRACE(fitstyle);
        startMoving(fitstyle);
        const QImage first = shot();
        player().tick();
        player().tick();
        EXPECT_NE(shot(), first);
        EXPECT_EQ(player().timer()->interval(), 100) << "a delay of 0 is shown 100 ms";
        player().tick();
        EXPECT_EQ(shot(), first);
        // The show's interval is its own.
        EXPECT_TRUE(timerOn());
        EXPECT_EQ(form->timer()->interval(), 4000);
        delete form.data();
        host.reset();
    }
}

TEST_F(SlideFormMovingTest, HidingStopsThePlayShowingBackPlaysFromTheStartNextOrCloseStopsIt)
{
    startMoving(TrueSize);
    const QImage first = shot();
    player().tick();
    player().tick();
    const QImage second = shot();
    ASSERT_NE(second, first);

    QTest::keyClick(form, Qt::Key_Space);
    EXPECT_FALSE(shown());
    EXPECT_FALSE(player().isPlaying());

    QTest::keyClick(form, Qt::Key_Space);
    EXPECT_TRUE(shown());
    ASSERT_TRUE(player().isPlaying());
    player().tick();
    EXPECT_EQ(shot(), first) << "the first frame again";

    QTest::keyClick(form, Qt::Key_Right);
    EXPECT_EQ(lastLoad(), path(0));
    EXPECT_FALSE(player().isPlaying());

    QTest::keyClick(form, Qt::Key_Left);
    ASSERT_TRUE(player().isPlaying());
    form->close();
    EXPECT_FALSE(player().isPlaying());
}
