#include "form1fixture.h"
#include "testutils.h"

#include "openfolderdialog.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>

using namespace orv;
using namespace orv::test;

class ListCommandsTest : public Form1Test
{
protected:
    QStringList names()
    {
        QStringList out;
        for (const PictureEntry &e : form->pictureList().entries())
            out << e.name;
        return out;
    }
};

TEST_F(ListCommandsTest, SortByNameKeepsTheCurrentPositionAndTheDisplay)
{
    start();
    for (const char *n : {"c.jpg", "a.jpg", "B.jpg", "b.jpg"})
        appendPicture(QString::fromLatin1(n));
    state().curpic = 2;
    form->engine().disp();
    const int loads = platform.pictureLoader.loads.size();
    form->action(QStringLiteral("msrtnme"))->trigger();
    EXPECT_EQ(names(), (QStringList{"B.jpg", "a.jpg", "b.jpg", "c.jpg"})) << "binary, case-sensitive order";
    EXPECT_EQ(state().curpic, 2);
    EXPECT_EQ(platform.pictureLoader.loads.size(), loads) << "the picture is not reloaded";
    EXPECT_EQ(label1(), QStringLiteral("2/4"));
}

TEST_F(ListCommandsTest, RandomizeFollowsTheScriptedCoinAndEmptiesTheWorkList)
{
    start();
    for (const char *n : {"A", "B", "C", "D"})
        appendPicture(QString::fromLatin1(n));
    platform.random.values = {0.9, 0.9};
    form->cliplist().push_back({QStringLiteral("left over"), QStringLiteral("/x")});
    form->action(QStringLiteral("msrtrand"))->trigger();
    EXPECT_EQ(names(), (QStringList{"B", "D", "A", "C"}));
    EXPECT_TRUE(form->cliplist().empty());
    EXPECT_EQ(state().curpic, 1);
    EXPECT_EQ(form->pictureList().folder(3), dir.path()) << "folders move with their names";
}

TEST_F(ListCommandsTest, OpenFolderReplacesTheListWithTheFolderPictures)
{
    start();
    appendPicture(QStringLiteral("old.jpg"));
    QTemporaryDir folder;
    for (const char *n : {"b.JPG", "a.gif", "notes.txt"})
        writeFile(folder.filePath(QString::fromLatin1(n)), "x");
    platform.drives.drives = {{QStringLiteral("/"), QStringLiteral("/")}};
    platform.modalRunner.scripts.push_back([&](QDialog *dialog) {
        auto *opendir = static_cast<OpenFolderDialog *>(dialog);
        EXPECT_TRUE(opendir->setFolder(folder.path()));
        dialog->findChild<QPushButton *>(QStringLiteral("repl"))->click();
        dialog->findChild<QPushButton *>(QStringLiteral("ok"))->click();
        return int(QDialog::Accepted);
    });
    form->action(QStringLiteral("mopfolder"))->trigger();
    ASSERT_EQ(platform.modalRunner.shown.size(), 1);
    EXPECT_EQ(names(), (QStringList{"a.gif", "b.JPG"}));
    EXPECT_EQ(form->pictureList().folder(0), folder.path());
    EXPECT_EQ(label1(), QStringLiteral("0/2"));
    EXPECT_EQ(label2(), QStringLiteral("Click the empty 'Image Box' to display the first picture."));
    EXPECT_EQ(state().boxwidth, 1860);
    EXPECT_EQ(state().boxheight, 2535);
    EXPECT_TRUE(state().pichidden);
    EXPECT_EQ(view()->image2()->picture(), form->engine().sign());

    // The dialog is kept for the next use, on the same folder.
    OpenFolderDialog *first = form->opendir();
    platform.modalRunner.scripts.push_back([](QDialog *) { return int(QDialog::Rejected); });
    form->action(QStringLiteral("mopfolder"))->trigger();
    EXPECT_EQ(form->opendir(), first);
    EXPECT_EQ(first->folder(), folder.path());
}

TEST_F(ListCommandsTest, TheOpenFolderDialogFirstShowsTheFolderTheProgramWasStartedIn)
{
    QTemporaryDir photos;
    for (const char *n : {"b.jpg", "a.gif", "notes.txt"})
        writeFile(photos.filePath(QString::fromLatin1(n)), "x");
    const QString started = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(photos.path()));
    start();
    platform.drives.drives = {{QStringLiteral("/"), QStringLiteral("/")}};
    QString folder;
    QStringList files;
    platform.modalRunner.scripts.push_back([&](QDialog *dialog) {
        auto *opendir = static_cast<OpenFolderDialog *>(dialog);
        folder = opendir->folder();
        files = opendir->files();
        return int(QDialog::Rejected);
    });
    form->action(QStringLiteral("mopfolder"))->trigger();
    QDir::setCurrent(started);
    EXPECT_EQ(QDir(folder).canonicalPath(), QDir(photos.path()).canonicalPath());
    EXPECT_EQ(files, (QStringList{"a.gif", "b.jpg"}));
}
