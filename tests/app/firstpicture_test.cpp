#include "form1fixture.h"

#include "listfilewriter.h"
#include "openfolderdialog.h"
#include "picturecache.h"

#include <QAction>
#include <QDialog>
#include <QPushButton>
#include <QTest>

using namespace orv;
using namespace orv::test;

namespace {

// The main window with the picture cache in front of the fake loader, as the
// program wires it: pictures can be decoded ahead on the worker thread.
class FirstPictureTest : public Form1Test
{
protected:
    Form1 &startCached()
    {
        writeDefaultSettings();
        PlatformServices services = platform.services();
        services.pictureLoader = &cache;
        form = std::make_unique<Form1>(services, dir.path(), QString());
        form->showLoaded(); // sized as the program sizes it
        return *form;
    }
    // A picture file on disk (the cache keeps only pictures of real files)
    // that the fake loader serves in `colour`.
    QString pictureFile(QTemporaryDir &folder, const QString &name, QColor colour)
    {
        const QString path = joinPicturePath(folder.path(), name);
        writeFile(path, "picture");
        platform.pictureLoader.addPicture(path, QSize(200, 100), colour);
        return path;
    }
    // Lets the queued work of the command run, then waits for the decoding.
    void settle()
    {
        QCoreApplication::processEvents();
        cache.waitForPrefetches();
    }
    QRgb centreOfPicture()
    {
        const QImage shot = view()->grab().toImage();
        const QRect r =
            view()->image1()->isVisible() ? view()->image1()->geometry() : view()->image2()->geometry();
        return shot.pixel(r.center());
    }

    PictureCache cache{platform.pictureLoader};
};

} // namespace

TEST_F(FirstPictureTest, ThePictureTheNextClickShowsIsDecodedBeforeTheClick)
{
    struct Case {
        const char *name;
        std::function<void(QTemporaryDir &)> arrive;
        const char *expectedFirst;
        std::function<void()> show;
    };
    const auto clickBox = [this] { QTest::mouseClick(view()->image2(), Qt::LeftButton, {}, QPoint(5, 5)); };
    const auto space = [this] { QTest::keyClick(form.get(), Qt::Key_Space); };
    const auto openFolder = [this](QTemporaryDir &folder, const char *button) {
        platform.drives.drives = {{QStringLiteral("/"), QStringLiteral("/")}};
        platform.modalRunner.scripts.push_back([&folder, button](QDialog *dialog) {
            static_cast<OpenFolderDialog *>(dialog)->setFolder(folder.path());
            dialog->findChild<QPushButton *>(QLatin1String(button))->click();
            dialog->findChild<QPushButton *>(QStringLiteral("ok"))->click();
            return int(QDialog::Accepted);
        });
        form->action(QStringLiteral("mopfolder"))->trigger();
    };
    const Case cases[] = {
        {"File > Open > List, then a click on the box",
         [this](QTemporaryDir &folder) {
             const QString list = folder.filePath(QStringLiteral("trip.pvl"));
             ASSERT_TRUE(ListFileWriter::write(list, {{QStringLiteral("b.jpg"), folder.path()},
                                                      {QStringLiteral("a.jpg"), folder.path()}})
                             .ok);
             platform.fileDialogs.openAnswers.push_back(QStringList{list});
             form->action(QStringLiteral("moplist"))->trigger();
         },
         "b.jpg", clickBox},
        {"Open folder, Replace, then Space",
         [openFolder](QTemporaryDir &folder) { openFolder(folder, "repl"); }, "a.jpg", space},
        {"Open folder, Add into an empty list, then a click on the box",
         [openFolder](QTemporaryDir &folder) { openFolder(folder, "append"); }, "a.jpg", clickBox},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        platform.pictureLoader.loads.clear();
        platform.modalRunner.shown.clear();
        cache.clear();
        QTemporaryDir folder;
        const QString a = pictureFile(folder, QStringLiteral("a.jpg"), Qt::red);
        const QString b = pictureFile(folder, QStringLiteral("b.jpg"), Qt::blue);
        startCached();
        c.arrive(folder);
        if (HasFatalFailure())
            return;
        const QString first = QString::fromLatin1(c.expectedFirst) == QLatin1String("a.jpg") ? a : b;
        EXPECT_TRUE(state().pichidden) << "nothing is shown by the list's arrival";
        settle();
        EXPECT_TRUE(cache.isCached(first)) << "decoded while the user looks at the list";
        EXPECT_EQ(platform.pictureLoader.loads.count(first), 1);

        c.show();
        EXPECT_FALSE(state().pichidden);
        EXPECT_EQ(label1(), QStringLiteral("1/2"));
        EXPECT_EQ(platform.pictureLoader.loads.count(first), 1) << "the click did not decode it again";
        EXPECT_EQ(centreOfPicture(), QColor(first == a ? Qt::red : Qt::blue).rgb());
        settle();
        form.reset();
    }
}

TEST_F(FirstPictureTest, ThePictureIsTheOneTheCommandLeavesCurrentAndChangesAreHonoured)
{
    QTemporaryDir folder;
    const QString a = pictureFile(folder, QStringLiteral("a.jpg"), Qt::red);
    const QString b = pictureFile(folder, QStringLiteral("b.jpg"), Qt::blue);
    startCached();
    // Two pictures appended and curpic moved by the same command: the
    // decoding follows where curpic ends.
    form->pictureList().append(QStringLiteral("a.jpg"), folder.path());
    form->pictureList().append(QStringLiteral("b.jpg"), folder.path());
    state().curpic = 2;
    settle();
    EXPECT_EQ(platform.pictureLoader.loads, QStringList{b});

    // The file changes after it was decoded ahead: the display shows the
    // picture the file holds now, as if nothing had been decoded.
    platform.pictureLoader.addPicture(b, QSize(200, 100), Qt::green);
    writeFile(b, "another picture, written later");
    QTest::keyClick(form.get(), Qt::Key_Space);
    EXPECT_EQ(centreOfPicture(), QColor(Qt::green).rgb());
    EXPECT_EQ(platform.pictureLoader.loads.count(b), 2);
}
