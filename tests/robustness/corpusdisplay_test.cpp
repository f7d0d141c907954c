// Every file of the shared picture corpus shown through the main window's display
// engine with the real loader, as the program shows a picture: none crashes or hangs it,
// none changes the picture list, a file that cannot be shown fails quietly, and the next
// picture shows as usual. A crash of the metafile helper is one such quiet failure.

#include "listfilewriter.h"
#include "metafilebytes.h"
#include "robustnessfixture.h"
#include "settingsfile.h"
#include "settingsrecords.h"
#include "testutils.h"

#include <QDirIterator>
#include <QLabel>

using namespace orv;
using namespace orv::test;

namespace {

const QString shownText = QStringLiteral("Click anywhere to hide this picture.");

std::vector<PictureEntry> corpusEntries(const QString &format)
{
    std::vector<PictureEntry> entries;
    QDirIterator it(QDir(corpusDir()).filePath(format), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        if (info.fileName().endsWith(QLatin1String(".ref.png")) || info.suffix() == QLatin1String("txt"))
            continue;
        entries.push_back({info.fileName(), info.absolutePath()});
    }
    std::sort(entries.begin(), entries.end(), [](const PictureEntry &a, const PictureEntry &b) {
        return a.folder + a.name < b.folder + b.name;
    });
    return entries;
}

} // namespace

class CorpusDisplay : public RealPicturesTest, public ::testing::WithParamInterface<const char *>
{
};

TEST_P(CorpusDisplay, EachFileShowsOrFailsQuietlyAndTheListStaysWhole)
{
    std::vector<PictureEntry> list = corpusEntries(QLatin1String(GetParam()));
    if (list.empty())
        GTEST_SKIP() << "no corpus at " << corpusDir().toStdString();
    writePicture(path(QStringLiteral("last.bmp")), 30, 20);
    list.push_back({QStringLiteral("last.bmp"), dir.path()});
    start();
    form->pictureList().setEntries(list);
    QLabel *label1 = form->findChild<QLabel *>(QStringLiteral("Label1"));
    const int count = int(list.size());

    int shown = 0;
    for (int i = 1; i <= count; ++i) {
        const PictureEntry &e = list[size_t(i - 1)];
        SCOPED_TRACE(QDir(e.folder).filePath(e.name).toStdString());
        label1->setText(QStringLiteral("-"));
        platform.messageBoxes.shown.clear();
        const qint64 ms = show(i);
        EXPECT_LT(ms, HangMs);
        EXPECT_TRUE(platform.messageBoxes.shown.isEmpty());
        ASSERT_EQ(entries(), list);
        EXPECT_EQ(form->state().curpic, i);
        const bool loaded = label1->text() != QLatin1String("-");
        if (loaded) {
            ++shown;
            EXPECT_EQ(label1->text(), QStringLiteral("%1/%2").arg(i).arg(count));
            EXPECT_EQ(label2(), shownText);
            EXPECT_FALSE(form->state().pichidden);
            EXPECT_GT(form->state().picwidth, 0);
            EXPECT_GT(form->state().picheight, 0);
        }
        if (e.folder.endsWith(QLatin1String("/valid"))) {
            EXPECT_TRUE(loaded) << "a well-formed file shows";
        }
    }
    EXPECT_EQ(label1->text(), QStringLiteral("%1/%1").arg(count)) << "the viewer goes on to the last picture";
    EXPECT_GT(shown, 1);
}

INSTANTIATE_TEST_SUITE_P(PictureCorpus, CorpusDisplay,
                         ::testing::Values("bmp", "cur", "dib", "emf", "gif", "ico", "jpg", "wmf"));

TEST_F(RealPicturesTest, ACrashOfTheMetafileHelperLeavesTheViewerAndItsListWhole)
{
    loader.setMetafileHelper(fakeMetafileHelper());
    writePicture(path(QStringLiteral("a.bmp")), 40, 30);
    writeFile(path(QStringLiteral("b.wmf")), smallWmf(200, 100, 96));
    writeFile(path(QStringLiteral("c.emf")), smallEmf());
    writePicture(path(QStringLiteral("d.jpg")), 50, 20);
    const std::vector<PictureEntry> list{{QStringLiteral("a.bmp"), dir.path()},
                                         {QStringLiteral("b.wmf"), dir.path()},
                                         {QStringLiteral("c.emf"), dir.path()},
                                         {QStringLiteral("d.jpg"), dir.path()}};
    start();
    platform.messageBoxes.shown.clear();
    form->pictureList().setEntries(list);

    show(1);
    EXPECT_EQ(label1(), QStringLiteral("1/4"));
    for (const char *mode : {"crash", "segv"}) {
        const FakeHelperMode crashing(mode);
        for (int i : {2, 3}) {
            show(i);
            EXPECT_TRUE(platform.messageBoxes.shown.isEmpty()) << mode;
            EXPECT_EQ(entries(), list) << mode;
            EXPECT_EQ(form->state().curpic, i);
            EXPECT_EQ(label1(), QStringLiteral("1/4")) << "the failed display step ends quietly";
        }
    }
    show(4);
    EXPECT_EQ(label1(), QStringLiteral("4/4"));
    EXPECT_EQ(label2(), shownText);
    EXPECT_EQ(form->state().picwidth, 750);

    // With the real helper back, the metafiles show.
    loader.setMetafileHelper(metafileHelper());
    show(2);
    EXPECT_EQ(label1(), QStringLiteral("2/4"));
    EXPECT_EQ(form->state().picwidth, 3000);
    EXPECT_EQ(entries(), list);
}

TEST_F(RealPicturesTest, CommandLineFilesAtOddPathsOpen)
{
    // An ini beside the program, so that start-up asks nothing.
    QByteArray ini;
    SettingsRecords::writeRecoveryDefaults(ini);
    writeFile(path(SettingsFile::fileName()), ini);
    const QString names[] = {QStringLiteral("with blanks .bmp"), QStringLiteral("Übersicht – 写真.jpg"),
                             QStringLiteral("line\nbreak.bmp"),
                             QString(240, QLatin1Char('p')) + QStringLiteral(".bmp")};
    for (const QString &name : names) {
        SCOPED_TRACE(name.toStdString());
        writePicture(path(name), 40, 30);
        platform.messageBoxes.shown.clear();
        start(path(name));
        EXPECT_TRUE(platform.messageBoxes.shown.isEmpty());
        EXPECT_EQ(entries(), (std::vector<PictureEntry>{{name, dir.path()}}));
        EXPECT_EQ(label1(), QStringLiteral("1/1"));
        EXPECT_EQ(form->state().picwidth, 600);
        form.reset();

        // The same picture in a list file named on the command line.
        const QString list = path(name + QStringLiteral(".pvl"));
        writeFile(list, ListFileWriter::compose({{name, dir.path()}}, {}));
        start(list);
        EXPECT_TRUE(platform.messageBoxes.shown.isEmpty());
        EXPECT_EQ(entries(), (std::vector<PictureEntry>{{name, dir.path()}}));
        EXPECT_EQ(label1(), QStringLiteral("0/1"));
        form.reset();
    }
}
