#include "commandline.h"
#include "folderscan.h"
#include "form1fixture.h"
#include "maintoolbar.h"
#include "picturefiletypes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <QCloseEvent>
#include <QSignalSpy>

using namespace orv;
using namespace orv::test;

TEST(CommandLine, ClassifiesByExactLowerCaseEnding)
{
    const struct {
        const char *arg;
        ArgumentKind kind;
    } cases[] = {
        {"", ArgumentKind::Empty},
        {"/pics/x.gif", ArgumentKind::Picture},
        {"/pics/photo.jpeg", ArgumentKind::Picture},
        {"/pics/a.jpg", ArgumentKind::Picture},
        {"/p/a.bmp", ArgumentKind::Picture},
        {"/p/a.dib", ArgumentKind::Picture},
        {"/p/a.ico", ArgumentKind::Picture},
        {"/p/a.cur", ArgumentKind::Picture},
        {"/p/a.wmf", ArgumentKind::Picture},
        {"/p/a.emf", ArgumentKind::Picture},
        {"/lists/holiday.pvl", ArgumentKind::ListFile},
        {"/Pics/A.JPG", ArgumentKind::Bad},
        {"\"/Pics/a.jpg\"", ArgumentKind::Bad},
        {"/pics/a.jpg ", ArgumentKind::Bad},
        {"/pics/a.png", ArgumentKind::Picture},
        {"/pics/a.svgz", ArgumentKind::Picture},
        {"/pics/a.PNG", ArgumentKind::Bad},
        {"/pics/a.xcf", ArgumentKind::Bad},
        {"--help", ArgumentKind::Bad},
    };
    for (const auto &c : cases)
        EXPECT_EQ(classifyArgument(QString::fromUtf8(c.arg)), c.kind) << c.arg;
}

// Every place a picture is chosen takes its extensions from the one table: the command
// line, the folder scan (and drops, which use it), the Add-files filter, and the
// desktop entry's MIME types.
TEST(PictureFileTypes, EveryListOfPicturesComesFromTheTable)
{
    const QString filter = PictureFileTypes::dialogFilter();
    for (const QString &ext : PictureFileTypes::extensions()) {
        const std::string name = ext.toStdString();
        EXPECT_EQ(classifyArgument(QStringLiteral("/p/a.") + ext), ArgumentKind::Picture) << name;
        EXPECT_TRUE(FolderScan::pictures().matches(QStringLiteral("A.") + ext.toUpper())) << name;
        EXPECT_EQ(filter.count(QStringLiteral("*.") + ext + QLatin1Char(';')) +
                      filter.count(QStringLiteral("*.") + ext + QLatin1Char('|')) +
                      filter.count(QStringLiteral("*.") + ext + QLatin1Char(')')) + filter.endsWith(ext),
                  3)
            << name << ": once among all pictures, twice in its own entry";
    }
    const QString desktopEntry =
        QFileInfo(QStringLiteral(ORVANTA_HELP_FILE)).dir().filePath(QStringLiteral("../../desktop/orvanta.desktop.in"));
    QFile file(desktopEntry);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << desktopEntry.toStdString();
    const QString text = QString::fromUtf8(file.readAll());
    const auto m = QRegularExpression(QStringLiteral("\\nMimeType=([^\\n]*)")).match(text);
    ASSERT_TRUE(m.hasMatch());
    QStringList types = m.captured(1).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    types.removeAll(QStringLiteral("application/x-orvanta-list"));
    QStringList table = PictureFileTypes::mimeTypes();
    types.sort();
    table.sort();
    EXPECT_EQ(types, table);
}

TEST(CommandLine, RelativeNamesBecomeAbsolute)
{
    EXPECT_EQ(absoluteArgument(QStringLiteral("x.gif"), QStringLiteral("/home/u")),
              QStringLiteral("/home/u/x.gif"));
    EXPECT_EQ(absoluteArgument(QStringLiteral("sub/x.gif"), QStringLiteral("/home/u")),
              QStringLiteral("/home/u/sub/x.gif"));
    EXPECT_EQ(absoluteArgument(QStringLiteral("../x.gif"), QStringLiteral("/home/u")),
              QStringLiteral("/home/x.gif"));
    EXPECT_EQ(absoluteArgument(QStringLiteral("/abs/x.gif"), QStringLiteral("/home/u")),
              QStringLiteral("/abs/x.gif"));
}

TEST_F(Form1Test, EmptyCommandLineShowsTheWelcomeSign)
{
    start();
    EXPECT_EQ(state().curpic, 1);
    EXPECT_TRUE(state().pichidden);
    EXPECT_EQ(form->pictureList().count(), 0);
    EXPECT_EQ(label2(), QStringLiteral("Welcome. Open or make a pictures list to start."));
    EXPECT_TRUE(view()->image2()->hasPicture());
    EXPECT_EQ(view()->image2()->picture(), form->engine().sign());
    EXPECT_EQ(placer().rect(view()->image2()),
              QRectF((9000 - 1860) / 2.0 + 15, (6000 - 2535) / 2.0 + 375, 1860, 2540));
    EXPECT_EQ(state().maxboxwidth, 9000);
    EXPECT_EQ(state().maxboxheight, 6000);
    EXPECT_TRUE(platform.messageBoxes.shown.isEmpty());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Orvanta "));
}

TEST_F(Form1Test, StartUpSetsThePathsFromTheProgramFolder)
{
    start();
    EXPECT_EQ(form->inifile(), dir.filePath(QStringLiteral("Orvanta.ini")));
    EXPECT_EQ(form->helpfile(), dir.filePath(QStringLiteral("Orvanta.HLP")));
}

TEST_F(Form1Test, PictureArgumentBecomesAOnePictureList)
{
    const QString path = addPicture(QStringLiteral("x.gif"), 3000, 2000);
    start(path);
    ASSERT_EQ(form->pictureList().count(), 1);
    EXPECT_EQ(form->pictureList().name(0), QStringLiteral("x.gif"));
    EXPECT_EQ(form->pictureList().folder(0), dir.path());
    EXPECT_EQ(label1(), QStringLiteral("1/1"));
    EXPECT_FALSE(state().pichidden);
    EXPECT_EQ(platform.pictureLoader.loads, QStringList{path});
}

TEST_F(Form1Test, PictureInTheRootFolderGetsTheEmptyFolder)
{
    LoadedPicture p;
    p.image = QImage(10, 10, QImage::Format_RGB32);
    p.naturalTwips = QSize(150, 150);
    platform.pictureLoader.pictures[QStringLiteral("/x.gif")] = p;
    start(QStringLiteral("/x.gif"));
    ASSERT_EQ(form->pictureList().count(), 1);
    EXPECT_EQ(form->pictureList().folder(0), QString());
    EXPECT_EQ(form->pictureList().fullPath(0), QStringLiteral("/x.gif"));
    EXPECT_EQ(label1(), QStringLiteral("1/1"));
}

TEST_F(Form1Test, BadArgumentIsRefusedAndEndsTheProgram)
{
    writeDefaultSettings();
    for (const char *arg : {"/Pics/A.JPG", "\"/pics/a.jpg\"", "notes.txt"}) {
        platform.messageBoxes.shown.clear();
        form = std::make_unique<Form1>(platform.services(), dir.path(), QString::fromUtf8(arg));
        QSignalSpy ended(form.get(), &Form1::endProgram);
        form->showLoaded();
        ASSERT_EQ(platform.messageBoxes.shown.size(), 1) << arg;
        EXPECT_EQ(platform.messageBoxes.shown[0].text, QStringLiteral("Bad command line argument"));
        EXPECT_EQ(platform.messageBoxes.shown[0].icon, MsgIcon::Critical);
        EXPECT_EQ(platform.messageBoxes.shown[0].buttons, MsgButtons::Ok);
        EXPECT_EQ(platform.messageBoxes.shown[0].title, QStringLiteral("Orvanta"));
        EXPECT_EQ(ended.count(), 1);
        EXPECT_FALSE(form->isVisible()) << "the main window never shows after a refused argument";
        EXPECT_EQ(form->pictureList().count(), 0);
    }
}

TEST_F(Form1Test, MissingCommandLinePictureGetsRetryCancel)
{
    const QString path = dir.filePath(QStringLiteral("gone.jpg"));
    platform.pictureLoader.addFailure(path, FileError::FileNotFound);
    platform.messageBoxes.answers = {MsgResult::Cancel};
    start(path);
    ASSERT_EQ(platform.messageBoxes.shown.size(), 1);
    EXPECT_EQ(platform.messageBoxes.shown[0].text,
              QStringLiteral("Specified picture file cannot be accessed!!"));
    EXPECT_EQ(form->pictureList().count(), 0);
    EXPECT_EQ(label1(), QStringLiteral("1/0"));
}

TEST_F(Form1Test, CloseAsksAndCancelKeepsEverything)
{
    start();
    appendPicture(QStringLiteral("a.jpg"));
    form->engine().disp();
    form->show();
    platform.messageBoxes.answers = {MsgResult::Cancel};
    QSignalSpy ended(form.get(), &Form1::endProgram);
    form->mexit();
    ASSERT_EQ(platform.messageBoxes.shown.size(), 1);
    const MessageRequest &box = platform.messageBoxes.shown[0];
    EXPECT_EQ(box.text, QStringLiteral("You are going to end your session with ME!!"));
    EXPECT_EQ(box.icon, MsgIcon::Question);
    EXPECT_EQ(box.buttons, MsgButtons::OkCancel);
    EXPECT_EQ(box.defaultButton, 1) << "Cancel is the default button";
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->quitok());
    EXPECT_EQ(ended.count(), 0);
    EXPECT_EQ(form->pictureList().count(), 1);

    platform.messageBoxes.answers = {MsgResult::Ok};
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(form->quitok());
    EXPECT_EQ(ended.count(), 1);
}

TEST_F(Form1Test, SettingsChangeRecomputesTheLimitsWithTheLargerReserve)
{
    start();
    platform.systemInfo.change(QSizeF(12200, 9000));
    EXPECT_EQ(state().maxboxheight, 9000 - 360 - 1300);
    EXPECT_EQ(state().maxboxwidth, 12000);
    // The box is laid out again in the new area.
    EXPECT_DOUBLE_EQ(placer().rect(view()->image2()).left(), (12000 - 1860) / 2.0 + 15);
}

TEST_F(Form1Test, ADpiChangeLaysTheWindowOutInTheNewScale)
{
    start();
    appendPicture(QStringLiteral("a.jpg"), 3000, 2000);
    form->engine().disp();
    const QSize sign = form->engine().sign().size();
    platform.systemInfo.dpi = 144;
    platform.systemInfo.change(platform.systemInfo.workArea);
    EXPECT_EQ(placer().scale().dpi(), 144);
    const QRectF box = placer().rect(view()->image2());
    EXPECT_EQ(view()->image2()->geometry(), TwipScale(144).toPixels(box)) << "pixels follow the DPI";
    EXPECT_EQ(form->toolbar()->height(), TwipScale(144).toPixels(360));
    EXPECT_EQ(form->engine().sign().size(), sign * 3 / 2) << "the sign is drawn for the new scale";
}
