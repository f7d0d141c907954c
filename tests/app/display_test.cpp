#include "form1fixture.h"
#include "listfilecommands.h"
#include "listfilewriter.h"
#include "maintoolbar.h"
#include "navigation.h"

#include <QFile>

using namespace orv;
using namespace orv::test;

TEST_F(Form1Test, EmptyListShowsTheSignWithABeep)
{
    start();
    form->engine().disp();
    EXPECT_EQ(label2(), DisplayEngine::emptyListText());
    EXPECT_EQ(platform.beep.count, 1);
    EXPECT_EQ(state().boxwidth, 1860);
    EXPECT_EQ(state().boxheight, 2535);
    EXPECT_EQ(state().picwidth, 1860);
    EXPECT_EQ(state().picheight, 2535);
    EXPECT_TRUE(view()->image2()->isVisibleTo(form.get()));
    EXPECT_FALSE(view()->image1()->isVisibleTo(form.get()));
    EXPECT_FALSE(view()->vscroll()->isEnabled());
    EXPECT_FALSE(view()->hscroll()->isEnabled());
    EXPECT_EQ(state().curpic, 1);
    EXPECT_TRUE(state().pichidden);
}

TEST_F(Form1Test, TrueSizeCentresAPictureSmallerThanTheViewingArea)
{
    start();
    appendPicture(QStringLiteral("a.jpg"), 3000, 2000);
    form->engine().disp();
    EXPECT_EQ(state().boxwidth, 3000);
    EXPECT_EQ(state().boxheight, 2000);
    EXPECT_DOUBLE_EQ(placer().left(view()->image1()), 3000);
    EXPECT_DOUBLE_EQ(placer().top(view()->image1()), 2380);
    EXPECT_FALSE(view()->vscroll()->isEnabled());
    EXPECT_FALSE(view()->hscroll()->isEnabled());
    EXPECT_EQ(label2(), QStringLiteral("Click anywhere to hide this picture."));
    EXPECT_EQ(label1(), QStringLiteral("1/1"));
    EXPECT_FALSE(view()->image2()->hasPicture()) << "Image1 shows through the empty box";
    EXPECT_TRUE(view()->image1()->isVisibleTo(form.get()));
    const SavedView expected{
        2000, 3000, 3000, 2380, 0, view()->vscroll()->maximum(), 0, view()->hscroll()->maximum()};
    EXPECT_EQ(state().savedview, expected);
}

TEST_F(Form1Test, LargePictureFillsTheViewingAreaAndScrolls)
{
    start();
    // 16-bit lengths would overflow here: 36000 twips is 2400 pixels.
    appendPicture(QStringLiteral("big.jpg"), 36000, 8000);
    form->engine().disp();
    EXPECT_EQ(state().boxwidth, 9000);
    EXPECT_EQ(state().boxheight, 6000);
    EXPECT_DOUBLE_EQ(placer().left(view()->image1()), 50);
    EXPECT_DOUBLE_EQ(placer().top(view()->image1()), 410);
    EXPECT_TRUE(view()->hscroll()->isEnabled());
    EXPECT_EQ(view()->hscroll()->maximum(), 27000);
    EXPECT_TRUE(view()->vscroll()->isEnabled());
    EXPECT_EQ(view()->vscroll()->maximum(), 2000);

    // The bars move the picture under the box.
    view()->hscroll()->setValue(1000);
    EXPECT_DOUBLE_EQ(placer().left(view()->image1()), 50 - 1000);
    view()->vscroll()->setValue(300);
    EXPECT_DOUBLE_EQ(placer().top(view()->image1()), 410 - 300);
}

// Nothing of the window lies outside the work area it covers, whatever its
// width (odd ones too) and with a picture larger than the box both ways.
TEST_F(Form1Test, EverythingStaysInsideTheWorkArea)
{
    const QSize areas[] = {{1280, 1024}, {1281, 1023}, {1024, 1280}, {700, 500}};
    for (const QSize pixels : areas) {
        SCOPED_TRACE(std::to_string(pixels.width()) + "x" + std::to_string(pixels.height()));
        platform.systemInfo.workArea = QSizeF(pixels * 15);
        form.reset();
        start();
        appendPicture(QStringLiteral("big.jpg"), pixels.width() * 30, pixels.height() * 20);
        form->engine().disp();
        const QRect client = view()->rect();
        EXPECT_LE(client.width(), pixels.width());
        for (QWidget *w : {static_cast<QWidget *>(form->findChild<MainToolbar *>()),
                           static_cast<QWidget *>(view()->hscroll()), static_cast<QWidget *>(view()->vscroll())}) {
            ASSERT_TRUE(w->isVisibleTo(form.get()));
            EXPECT_TRUE(client.contains(w->geometry())) << w->metaObject()->className() << " at "
                                                        << w->geometry().x() << ".." << w->geometry().right();
        }
    }
}

TEST_F(Form1Test, FitLayoutShapesTheBoxFromThePreviousOne)
{
    platform.systemInfo.workArea = QSizeF(9200, 8560); // viewing area 9000 x 7000
    start();
    appendPicture(QStringLiteral("wide.jpg"), 4000, 3000);
    state().fitmode = true;
    form->engine().disp();
    EXPECT_EQ(state().boxwidth, 2535);
    EXPECT_EQ(state().boxheight, 1902);
    EXPECT_TRUE(view()->image2()->hasPicture());
    EXPECT_TRUE(view()->image2()->stretch());
    EXPECT_FALSE(view()->image1()->isVisibleTo(form.get()));
    EXPECT_FALSE(view()->hscroll()->isEnabled());
    EXPECT_FALSE(view()->vscroll()->isEnabled());
    EXPECT_EQ(placer().width(view()->image2()), 2535);
}

TEST_F(Form1Test, StretchKeepsTheBoxWhereItIs)
{
    start();
    appendPicture(QStringLiteral("a.jpg"), 3000, 2000);
    appendPicture(QStringLiteral("b.jpg"), 600, 4000);
    form->engine().disp();
    const QRectF box = placer().rect(view()->image2());
    state().stretchmode = true;
    state().curpic = 2;
    form->engine().disp();
    EXPECT_EQ(placer().rect(view()->image2()), box);
    EXPECT_EQ(state().boxwidth, 3000);
    EXPECT_TRUE(view()->image2()->hasPicture());
    EXPECT_TRUE(view()->image2()->stretch());
}

TEST_F(Form1Test, EndOfListShowsTheSignAndLeavesTheModes)
{
    start();
    appendPicture(QStringLiteral("a.jpg"));
    form->engine().disp();
    state().fitmode = true;
    state().curpic = 2;
    form->engine().disp();
    EXPECT_EQ(label2(), QStringLiteral("That was the last picture in this list."));
    EXPECT_FALSE(state().fitmode);
    EXPECT_FALSE(state().stretchmode);
    EXPECT_EQ(view()->image1()->picture(), form->engine().sign());
    EXPECT_EQ(state().picwidth, 1860);
    EXPECT_EQ(state().picheight, 2535);
    EXPECT_EQ(label1(), QStringLiteral("1/1")) << "the counter is left alone";
    EXPECT_EQ(state().boxwidth, 1860) << "the sign is shown at its natural size";
}

TEST_F(Form1Test, ShowingAPictureSelectsItAloneInBothLists)
{
    start();
    for (const char *n : {"a.jpg", "b.jpg", "c.jpg"})
        appendPicture(QString::fromLatin1(n));
    list("List2")->selectAll();
    state().curpic = 2;
    form->engine().disp();
    EXPECT_EQ(selectedRows("List1"), QList<int>{1});
    EXPECT_EQ(selectedRows("List2"), QList<int>{1});
    EXPECT_EQ(label1(), QStringLiteral("2/3"));
}

TEST_F(Form1Test, CancelOnAnInaccessiblePictureDropsTheEntry)
{
    start();
    appendPicture(QStringLiteral("a.jpg"));
    form->pictureList().append(QStringLiteral("gone.jpg"), dir.path());
    appendPicture(QStringLiteral("c.jpg"));
    form->engine().disp();
    state().curpic = 2;
    platform.messageBoxes.answers = {MsgResult::Cancel};
    bool boxHidden = false;
    platform.messageBoxes.onShow = [&](const MessageRequest &) {
        boxHidden = !view()->image1()->isVisibleTo(form.get()) && !view()->image2()->isVisibleTo(form.get());
    };
    form->engine().disp();
    ASSERT_EQ(platform.messageBoxes.shown.size(), 1);
    EXPECT_TRUE(boxHidden) << "the question is asked over an empty box";
    const MessageRequest &box = platform.messageBoxes.shown[0];
    EXPECT_EQ(box.text, QStringLiteral("Specified picture file cannot be accessed!!"));
    EXPECT_EQ(box.buttons, MsgButtons::RetryCancel);
    EXPECT_EQ(box.icon, MsgIcon::Critical);
    EXPECT_EQ(form->pictureList().count(), 2);
    EXPECT_EQ(form->pictureList().name(1), QStringLiteral("c.jpg"));
    EXPECT_EQ(state().curpic, 2);
    EXPECT_EQ(label1(), QStringLiteral("2/2"));
    EXPECT_TRUE(view()->image1()->isVisibleTo(form.get())) << "the previous picture stays on screen";
}

// Hiding or showing a widget under the pointer costs a round trip to the X
// server: the next picture leaves shown layers and bars shown, hidden ones
// hidden.
TEST_F(Form1Test, TheNextPictureNeitherHidesNorShowsTheLayersItKeeps)
{
    start();
    for (const char *name : {"a.jpg", "b.jpg", "c.jpg"})
        appendPicture(QString::fromLatin1(name), 36000, 8000);
    struct Changes : QObject {
        int count = 0;
        bool eventFilter(QObject *, QEvent *e) override
        {
            count += e->type() == QEvent::Show || e->type() == QEvent::Hide;
            return false;
        }
    } changes;
    for (QWidget *w : std::initializer_list<QWidget *>{view()->image1(), view()->image2(), view()->vscroll(),
                                                      view()->hscroll()})
        w->installEventFilter(&changes);
    const struct {
        const char *mode;
        bool fit;
        bool image1Shown;
    } rows[] = {{"true size", false, true}, {"fit", true, false}};
    for (const auto &r : rows) {
        state().fitmode = r.fit;
        state().curpic = 1;
        form->engine().disp();
        changes.count = 0;
        for (int i = 0; i < 2; ++i)
            form->navigation().next();
        EXPECT_EQ(state().curpic, 3) << r.mode;
        EXPECT_EQ(changes.count, 0) << r.mode;
        EXPECT_EQ(view()->image1()->isVisibleTo(form.get()), r.image1Shown) << r.mode;
        EXPECT_TRUE(view()->image2()->isVisibleTo(form.get())) << r.mode;
        EXPECT_EQ(view()->hscroll()->isVisibleTo(form.get()), r.image1Shown) << r.mode;
    }
}

TEST_F(Form1Test, RetryAfterTheFileIsBackShowsIt)
{
    start();
    const QString path = dir.filePath(QStringLiteral("late.jpg"));
    form->pictureList().append(QStringLiteral("late.jpg"), dir.path());
    platform.pictureLoader.addFailure(path, FileError::PermissionDenied);
    platform.messageBoxes.answers = {MsgResult::Retry, MsgResult::Retry};
    int asked = 0;
    platform.messageBoxes.onShow = [&](const MessageRequest &) {
        // The second time round the file has come back.
        if (++asked == 2)
            addPicture(QStringLiteral("late.jpg"), 1500, 1500);
    };
    form->engine().disp();
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(platform.pictureLoader.loads.size(), 3);
    EXPECT_EQ(form->pictureList().count(), 1);
    EXPECT_EQ(label1(), QStringLiteral("1/1"));
    EXPECT_FALSE(state().pichidden);
    EXPECT_EQ(state().boxwidth, 1500);
}

TEST_F(Form1Test, OtherFailureIsQuiet)
{
    start();
    appendPicture(QStringLiteral("a.jpg"));
    form->engine().disp();
    const QString path = dir.filePath(QStringLiteral("junk.jpg"));
    form->pictureList().append(QStringLiteral("junk.jpg"), dir.path());
    platform.pictureLoader.addFailure(path, FileError::Other);
    state().curpic = 2;
    form->engine().disp();
    EXPECT_TRUE(platform.messageBoxes.shown.isEmpty());
    EXPECT_FALSE(view()->image1()->isVisibleTo(form.get()));
    EXPECT_FALSE(view()->image2()->isVisibleTo(form.get()));
    EXPECT_EQ(label1(), QStringLiteral("1/1")) << "labels keep what they had";
    EXPECT_EQ(form->pictureList().count(), 2);
}

TEST_F(Form1Test, DisappHidesWithoutTouchingTheList)
{
    start();
    appendPicture(QStringLiteral("a.jpg"));
    form->engine().disp();
    form->engine().disapp();
    EXPECT_FALSE(view()->image1()->hasPicture());
    EXPECT_FALSE(view()->image2()->hasPicture());
    EXPECT_EQ(label2(), QStringLiteral("Click anywhere to show back the picture."));
    EXPECT_EQ(form->pictureList().count(), 1);
    EXPECT_EQ(state().curpic, 1);
}

TEST_F(Form1Test, AddingFilesKeepsTheCurrentPicture)
{
    start();
    for (int i = 1; i <= 10; ++i)
        appendPicture(QStringLiteral("p%1.jpg").arg(i));
    state().curpic = 4;
    form->engine().disp();
    const QString x = addPicture(QStringLiteral("x.jpg"), 3000, 2000);
    const QString y = addPicture(QStringLiteral("y.jpg"), 3000, 2000);
    platform.fileDialogs.openAnswers.push_back(QStringList{x, y});
    form->mopfile();
    ASSERT_EQ(platform.fileDialogs.openRequests.size(), 1);
    EXPECT_EQ(platform.fileDialogs.openRequests[0].filterIndex, 2);
    EXPECT_TRUE(platform.fileDialogs.openMultiple[0]);
    EXPECT_EQ(platform.fileDialogs.openRequests[0].filter,
              QStringLiteral(
                  "All files(*.*)|*.*|All picture files|*.bmp;*.dib;*.ico;*.cur;*.emf;*.wmf;*.jpg;*.jpeg;"
                  "*.gif;*.png;*.apng;*.webp;*.tif;*.tiff;*.avif;*.heic;*.heif;*.jxl;*.svg;*.svgz|"
                  "Bitmaps(*.bmp;*.dib)|*.bmp;*.dib|Metafiles(*.wmf;*.emf)|*.wmf;*.emf|GIF Files(*."
                  "gif)|*.gif|JPEG files(*.jpg;*.jpeg)|*.jpg;*.jpeg|Icons(*.ico;*.cur)|*.ico;*.cur|"
                  "PNG files(*.png;*.apng)|*.png;*.apng|WebP files(*.webp)|*.webp|TIFF files(*.tif;*.tiff)|"
                  "*.tif;*.tiff|AVIF files(*.avif)|*.avif|HEIF files(*.heic;*.heif)|*.heic;*.heif|"
                  "JPEG XL files(*.jxl)|*.jxl|SVG drawings(*.svg;*.svgz)|*.svg;*.svgz"));
    EXPECT_EQ(label1(), QStringLiteral("4/12"));
    EXPECT_EQ(form->pictureList().name(10), QStringLiteral("x.jpg"));
    EXPECT_EQ(form->pictureList().name(11), QStringLiteral("y.jpg"));
    EXPECT_EQ(form->pictureList().folder(11), dir.path());
}

TEST_F(Form1Test, AddingToAnEmptyListShowsTheFirstAddedAndDuplicatesAreKept)
{
    start();
    const QString a = addPicture(QStringLiteral("a.jpg"), 3000, 2000);
    platform.fileDialogs.openAnswers.push_back(QStringList{a, a});
    form->mopfile();
    EXPECT_EQ(form->pictureList().count(), 2);
    EXPECT_EQ(label1(), QStringLiteral("1/2"));
    EXPECT_FALSE(state().pichidden);

    // A cancelled dialog changes nothing.
    form->mopfile();
    EXPECT_EQ(form->pictureList().count(), 2);
}

TEST_F(Form1Test, NewListAndClearEmptyEverything)
{
    start();
    appendPicture(QStringLiteral("a.jpg"));
    form->engine().disp();
    const QString listPath = dir.filePath(QStringLiteral("x.pvl"));
    ASSERT_TRUE(ListFileWriter::write(listPath, {{QStringLiteral("a.jpg"), dir.path()}}).ok);
    form->listFiles().openlistclick(listPath);
    ASSERT_EQ(form->openedfile(), listPath);
    for (const char *item : {"mclrlist", "mclear"}) {
        auto *action = form->findChild<QAction *>(QLatin1String(item));
        ASSERT_NE(action, nullptr) << item;
        action->trigger();
        EXPECT_EQ(form->pictureList().count(), 0);
        EXPECT_TRUE(form->openedfile().isEmpty());
        EXPECT_EQ(label1(), QStringLiteral("0/0"));
        EXPECT_EQ(state().curpic, 1);
        EXPECT_EQ(label2(), DisplayEngine::emptyListText());
    }
}
