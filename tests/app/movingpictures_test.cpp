// Pictures that move in the image box: every frame drawn as the still picture would be,
// in each display style, and the play ending with the picture.
#include "form1fixture.h"

#include "animatedgif.h"
#include "boxtools.h"
#include "frameplayer.h"
#include "qtpictureloader.h"
#include "turncommands.h"

#include <QTimer>

using namespace orv;
using namespace orv::test;

namespace {

class MovingPicturesTest : public Form1Test
{
protected:
    void SetUp() override
    {
        Form1Test::SetUp();
        platform.pictureLoader.fallback = &m_loader;
    }
    // Frames of 240 x 180 pixels (3600 x 2700 twips): quadrants, the same turned half
    // round, then a split picture. The turned frame is also a still picture.
    void addPictures(const QStringList &order)
    {
        const QSize size(240, 180);
        const QList<GifFrame> frames{{quadrantPicture(size), QPoint(), 5},
                                     {quadrantPicture(size).mirrored(true, true), QPoint(), 5},
                                     {splitPicture(size, 60, 20), QPoint(), 5}};
        writeFile(dir.filePath(QStringLiteral("moving.gif")), animatedGif(size, frames));
        writeFile(dir.filePath(QStringLiteral("still.bmp")), encodedImage(frames[1].image, "BMP"));
        for (const QString &name : order)
            form->pictureList().append(name, dir.path());
    }
    FramePlayer &player() { return *form->engine().player(); }
    QImage boxShot() { return drawn(view()).copy(view()->image2()->geometry()); }
    void show(int position, bool zoom)
    {
        state().curpic = position;
        form->engine().disp();
        if (zoom) {
            form->boxTools().armZoom();
            form->boxTools().zoomClick(QPointF(1500, 1000));
        }
    }

private:
    QtPictureLoader m_loader;
};

TEST_F(MovingPicturesTest, EachFrameIsDrawnAsTheStillPictureInEveryStyle)
{
    const struct {
        const char *style;
        bool fit, stretch, zoom;
    } rows[] = {
        {"true size", false, false, false},
        {"fit", true, false, false},
        {"stretch", false, true, false},
        {"zoomed", false, false, true},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.style);
        start();
        addPictures({QStringLiteral("still.bmp"), QStringLiteral("moving.gif")});
        state().fitmode = row.fit;
        state().stretchmode = row.stretch;
        show(1, row.zoom);
        show(2, row.zoom);
        EXPECT_TRUE(player().isPlaying());
        const QImage first = boxShot();
        player().tick(); // opens the file: the first frame is on screen already
        EXPECT_EQ(boxShot(), first);
        player().tick();
        const QImage second = boxShot();
        EXPECT_NE(second, first);
        EXPECT_EQ(player().timer()->interval(), 50);
        show(1, row.zoom);
        EXPECT_FALSE(player().isPlaying());
        EXPECT_EQ(boxShot(), second);
        form.reset();
    }
}

TEST_F(MovingPicturesTest, EveryFrameIsTurnedAsThePictureIs)
{
    start();
    addPictures({QStringLiteral("still.bmp"), QStringLiteral("moving.gif")});
    state().fitmode = true;
    show(1, false);
    form->turnCommands().rotateRight();
    const QImage turnedStill = boxShot();
    show(2, false);
    form->turnCommands().rotateRight();
    player().tick();
    player().tick();
    EXPECT_EQ(boxShot(), turnedStill) << "the second frame is the still picture";
}

TEST_F(MovingPicturesTest, ThePlayEndsWithThePicture)
{
    const struct {
        const char *what;
        std::function<void(Form1 &)> act;
        bool closes;
    } rows[] = {
        {"hidden by Space", [](Form1 &f) { QTest::keyClick(&f, Qt::Key_Space); }, false},
        {"hidden by a click",
         [](Form1 &f) { userClick(f.view()->image1(), QPoint(5, 5)); }, false},
        {"the next picture", [](Form1 &f) { QTest::keyClick(&f, Qt::Key_Return); }, false},
        {"the list emptied", [](Form1 &f) { f.clearList(); }, false},
        {"the window closed", [](Form1 &f) { f.mexit(); }, true},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        start();
        addPictures({QStringLiteral("moving.gif"), QStringLiteral("still.bmp")});
        show(1, false);
        player().tick();
        player().tick();
        ASSERT_TRUE(player().isPlaying());
        platform.messageBoxes.answers = {MsgResult::Ok};
        row.act(*form);
        EXPECT_EQ(form->isVisible(), !row.closes);
        if (player().isPlaying())
            player().tick(); // a frame due after the window closed ends the play
        EXPECT_FALSE(player().isPlaying());
        EXPECT_FALSE(player().timer()->isActive());
        if (!row.closes) {
            const QImage after = boxShot();
            player().tick();
            EXPECT_EQ(boxShot(), after);
        }
        form.reset();
    }
}

} // namespace
