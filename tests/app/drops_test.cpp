// Files dragged from another program and dropped on the main window, sent as
// the window system sends a drag to the widget under the pointer.
#include "form1fixture.h"

#include "dropinput.h"
#include "listfilewriter.h"
#include "maintoolbar.h"
#include "recentlistsmenu.h"

#include <QAction>
#include <QMimeData>
#include <QTest>

using namespace orv;
using namespace orv::test;

namespace {

const QString ClickFirst = QStringLiteral("Click the empty 'Image Box' to display the first picture.");
const QString LastPicture = QStringLiteral("That was the last picture in this list.");
const QString ClickNext = QStringLiteral("Click anywhere to show next picture");

// The main window as start-up shows it, beside a folder of files to drag:
// pics/ holds a.jpg, b.GIF, c.bmp, notes.txt and sub/d.jpg; empty/ holds only
// notes.txt; holiday.pvl lists two pictures.
class DropsTest : public Form1Test
{
protected:
    void SetUp() override
    {
        Form1Test::SetUp();
        for (const char *name : {"a.jpg", "b.GIF", "c.bmp", "notes.txt", "sub/d.jpg", "holiday.pvl"})
            writeFile(pics(QString::fromLatin1(name)), "not really a picture");
        writeFile(files.filePath(QStringLiteral("empty/notes.txt")), "text");
        ASSERT_TRUE(ListFileWriter::write(pics(QStringLiteral("holiday.pvl")),
                                          {{QStringLiteral("x.jpg"), QStringLiteral("/trip")},
                                           {QStringLiteral("y.jpg"), QStringLiteral("/trip")}})
                        .ok);
    }
    QString pics(const QString &name = QString())
    {
        const QString folder = files.filePath(QStringLiteral("pics"));
        return name.isEmpty() ? folder : folder + QLatin1Char('/') + name;
    }
    void showWindow()
    {
        start(); // shown and sized as the program does it
        ASSERT_TRUE(form->isVisible());
    }
    // The control a test drops on, by a short name.
    QWidget *control(const char *where)
    {
        const QString w = QString::fromLatin1(where);
        if (w == QLatin1String("box"))
            return view()->image2();
        if (w == QLatin1String("status"))
            return view()->label2();
        if (w == QLatin1String("counter"))
            return form->findChild<QLabel *>(QStringLiteral("Label1"));
        return form->toolbar();
    }
    QPoint centreOf(QWidget *w) { return w->mapTo(form.get(), w->rect().center()); }
    QString entries()
    {
        QStringList out;
        for (const PictureEntry &e : form->pictureList().entries())
            out << (e.folder == pics() ? e.name : e.folder + QLatin1Char('/') + e.name);
        return out.join(QLatin1Char(' '));
    }

    QTemporaryDir files;
};

} // namespace

TEST_F(DropsTest, DroppedPicturesAndFoldersAreAddedAsAddAddsThem)
{
    struct Case {
        const char *name;
        QStringList dropped; // under pics/
        const char *where;   // the control dropped on
        bool atTheEnd;       // two pictures listed, the last one passed
        const char *entries;
        const char *counter;
        QString status;
    };
    const Case cases[] = {
        {"two pictures on the image box", {"a.jpg", "b.GIF"}, "box", false, "a.jpg b.GIF", "0/2", ClickFirst},
        {"a folder on the status line: its pictures in order, not its sub-folder",
         {""},
         "status",
         false,
         "a.jpg b.GIF c.bmp",
         "0/3",
         ClickFirst},
        {"a picture after the last one was passed",
         {"c.bmp"},
         "counter",
         true,
         "/trip/x.jpg /trip/y.jpg c.bmp",
         "3/3",
         ClickNext},
        {"text and a list among pictures are passed over",
         {"notes.txt", "c.bmp", "holiday.pvl", "a.jpg"},
         "toolbar",
         false,
         "c.bmp a.jpg",
         "0/2",
         ClickFirst},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        showWindow();
        if (c.atTheEnd) {
            form->pictureList().setEntries({{QStringLiteral("x.jpg"), QStringLiteral("/trip")},
                                            {QStringLiteral("y.jpg"), QStringLiteral("/trip")}});
            state().curpic = 3;
            view()->setStatus(LastPicture);
        }
        QStringList paths;
        for (const QString &name : c.dropped)
            paths << pics(name);
        QWidget *on = control(c.where);
        ASSERT_TRUE(on->isVisible());

        const DropOutcome drop = dropUrls(form.get(), centreOf(on), fileUrls(paths));
        EXPECT_EQ(drop.target, form.get()) << "drops on the controls reach the window";
        EXPECT_TRUE(drop.enterAccepted);
        EXPECT_EQ(drop.action, Qt::CopyAction) << "the pointer shows copy";
        EXPECT_TRUE(drop.dropAccepted);
        EXPECT_EQ(entries(), QString::fromLatin1(c.entries));
        EXPECT_EQ(label1(), QString::fromLatin1(c.counter));
        EXPECT_EQ(label2(), c.status);
        EXPECT_EQ(state().curpic, c.atTheEnd ? 3 : 1);
        EXPECT_TRUE(state().pichidden) << "nothing is shown";
        EXPECT_TRUE(platform.pictureLoader.loads.isEmpty());
        EXPECT_TRUE(platform.messageBoxes.shown.isEmpty());

        form.reset();
        platform.pictureLoader.loads.clear();
        platform.messageBoxes.shown.clear();
    }
}

TEST_F(DropsTest, UnusableDropsAreRefusedAndChangeNothing)
{
    showWindow();
    appendPicture(QStringLiteral("shown.jpg"));
    form->engine().disp();
    ASSERT_FALSE(state().pichidden);
    const QImage before = form->grab().toImage();
    const QString counter = label1();
    const QString status = label2();

    struct Case {
        const char *name;
        QList<QUrl> urls;
        Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    };
    const QString remote = QStringLiteral("https://example.com/pictures/a.jpg");
    const Case cases[] = {
        {"a text file", fileUrls({pics(QStringLiteral("notes.txt"))})},
        {"a folder without pictures", fileUrls({files.filePath(QStringLiteral("empty"))})},
        {"a picture that is no longer there", fileUrls({pics(QStringLiteral("gone.jpg"))})},
        {"a remote picture", {QUrl(remote)}},
        {"a mixture without anything usable",
         {QUrl::fromLocalFile(pics(QStringLiteral("notes.txt"))), QUrl(remote),
          QUrl::fromLocalFile(files.filePath(QStringLiteral("empty")))}},
        {"a picture from a source that only moves", fileUrls({pics(QStringLiteral("a.jpg"))}),
         Qt::MoveAction},
        {"nothing at all", {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const DropOutcome drop = dropUrls(form.get(), centreOf(view()->image1()), c.urls, c.actions);
        EXPECT_EQ(drop.target, form.get());
        EXPECT_FALSE(drop.enterAccepted) << "the pointer shows the drop is refused";
        EXPECT_FALSE(drop.dropAccepted);
        EXPECT_EQ(form->pictureList().count(), 1);
        EXPECT_EQ(label1(), counter);
        EXPECT_EQ(label2(), status);
    }
    // Plain text names a picture, but only files are taken.
    QMimeData text;
    text.setText(pics(QStringLiteral("a.jpg")));
    EXPECT_FALSE(dragAndDrop(form.get(), centreOf(view()->image1()), text).enterAccepted);

    EXPECT_EQ(form->grab().toImage(), before) << "the window looks as it did";
    EXPECT_TRUE(platform.messageBoxes.shown.isEmpty());
    EXPECT_EQ(platform.pictureLoader.loads.size(), 1) << "only the first display loaded";
}

TEST_F(DropsTest, DroppedPicturesLeaveThePictureOnDisplay)
{
    showWindow();
    appendPicture(QStringLiteral("shown.jpg"));
    form->engine().disp();
    // The image box and the status line above it; the counter changes.
    const QRect box(0, view()->label2()->mapTo(view(), QPoint()).y(), view()->width(),
                    view()->height() - view()->label2()->mapTo(view(), QPoint()).y());
    const QImage before = view()->grab(box).toImage();

    const DropOutcome drop = dropUrls(form.get(), centreOf(view()->image1()), fileUrls({pics()}));
    EXPECT_TRUE(drop.dropAccepted);
    EXPECT_EQ(form->pictureList().count(), 4);
    EXPECT_EQ(label1(), QStringLiteral("1/4"));
    EXPECT_EQ(platform.pictureLoader.loads.size(), 1) << "not loaded again";
    EXPECT_EQ(view()->grab(box).toImage(), before) << "the same picture, drawn the same";
}

TEST_F(DropsTest, AListDroppedAloneOpensAndBecomesARecentList)
{
    showWindow();
    appendPicture(QStringLiteral("old.jpg"));
    const QString list = pics(QStringLiteral("holiday.pvl"));

    const DropOutcome drop = dropUrls(form.get(), centreOf(view()->image2()), fileUrls({list}));
    EXPECT_TRUE(drop.enterAccepted);
    EXPECT_EQ(drop.action, Qt::CopyAction);
    EXPECT_EQ(entries(), QStringLiteral("/trip/x.jpg /trip/y.jpg")) << "the list replaces the old one";
    EXPECT_EQ(form->openedfile(), list);
    EXPECT_EQ(label1(), QStringLiteral("0/2"));
    EXPECT_EQ(label2(), QStringLiteral("Click the picture box to show first pic."));
    EXPECT_TRUE(state().pichidden);
    EXPECT_TRUE(platform.pictureLoader.loads.isEmpty());
    QAction *slot1 = form->recentLists().action(1);
    EXPECT_TRUE(slot1->isVisible());
    EXPECT_TRUE(slot1->text().contains(QStringLiteral("holiday.pvl"))) << slot1->text().toStdString();
}
