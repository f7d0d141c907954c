// Damaged, foreign and oversized list files, and list files at odd paths, opened through
// the main window's own command: each opens as far as it holds records, quietly, or
// gives its message; the file is never changed by opening it, and a list that cannot be
// opened leaves the picture list as it was.

#include "listfilecommands.h"
#include "listfilereader.h"
#include "listfilewriter.h"
#include "metafilebytes.h"
#include "robustnessfixture.h"
#include "oddfiles.h"
#include "settingsfile.h"
#include "testutils.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <functional>

using namespace orv;
using namespace orv::test;

namespace {

std::vector<PictureEntry> someEntries(int count)
{
    std::vector<PictureEntry> entries;
    for (int i = 0; i < count; ++i)
        entries.push_back({QStringLiteral("picture%1.jpg").arg(i), QStringLiteral("/home/user/pictures")});
    return entries;
}

} // namespace

class BadListFiles : public RealPicturesTest
{
protected:
    void SetUp() override
    {
        RealPicturesTest::SetUp();
        start();
        form->pictureList().setEntries({{QStringLiteral("mine.jpg"), dir.path()}});
    }
};

TEST_F(BadListFiles, EachFileOpensAsFarAsItHoldsWholeRecords)
{
    const QByteArray two = ListFileWriter::records(someEntries(2));
    QByteArray damagedBlock = ListFileWriter::compose(
        {{QString(30, QLatin1Char('n')) + QStringLiteral(".jpg"), QStringLiteral("/x")}}, {});
    damagedBlock[2 * 128 + 128 + 12] = 'X'; // in the payload: its checksum no longer holds
    QByteArray jpeg;
    {
        QImage image(300, 200, QImage::Format_RGB32);
        image.fill(Qt::red);
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "JPEG");
    }
    const struct {
        const char *name;
        QByteArray bytes;
        qsizetype entries;
    } cases[] = {
        {"empty.pvl", QByteArray(), 0},
        {"end-only.pvl", ListFileWriter::records({}), 0},
        {"cut-in-second-record.pvl", two.left(128 + 64), 1},
        {"cut-in-unused-bytes.pvl", two.left(128 + 124), 2},
        {"no-end-record.pvl", two.left(256), 2},
        {"damaged-long-names.pvl", damagedBlock, 1},
        {"picture.pvl", jpeg, (jpeg.size() + 8) / 128},
        {"metafile.pvl", smallWmf(), (smallWmf().size() + 8) / 128},
        {"random.pvl", randomBytes(64 * 1024, 3), 512},
        // More entries than a 16-bit count holds: the list has no such cap.
        {"long.pvl", ListFileWriter::records(someEntries(40000)), 40000},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = dir.filePath(QLatin1String(c.name));
        writeFile(file, c.bytes);
        platform.messageBoxes.shown.clear();
        QElapsedTimer clock;
        clock.start();
        form->listFiles().openlistclick(file);
        EXPECT_LT(clock.elapsed(), HangMs);
        EXPECT_TRUE(platform.messageBoxes.shown.isEmpty());
        EXPECT_EQ(qsizetype(entries().size()), c.entries);
        EXPECT_EQ(label1(), QStringLiteral("0/%1").arg(c.entries));
        EXPECT_EQ(form->listFiles().openedfile(), file);
        EXPECT_EQ(form->state().curpic, 1);
        EXPECT_EQ(readFile(file), c.bytes) << "opening a list never writes it";
    }
    // A damaged long-name block leaves the names as their fields hold them.
    const QString file = dir.filePath(QStringLiteral("damaged-long-names.pvl"));
    form->listFiles().openlistclick(file);
    ASSERT_EQ(entries().size(), 1u);
    EXPECT_EQ(entries()[0].name, QString(20, QLatin1Char('n')));
}

TEST_F(BadListFiles, AListThatCannotBeOpenedLeavesThePictureListAsItWas)
{
    const std::vector<PictureEntry> before = entries();
    for (const QString &path : {dir.filePath(QStringLiteral("missing.pvl")), dir.path(),
                                dir.filePath(QStringLiteral("no/such/folder/a.pvl")), QString()}) {
        platform.messageBoxes.shown.clear();
        form->listFiles().openlistclick(path);
        ASSERT_EQ(platform.messageBoxes.texts(), QStringList{QStringLiteral("This list no longer exists")})
            << path.toStdString();
        EXPECT_EQ(entries(), before);
        EXPECT_TRUE(form->listFiles().openedfile().isEmpty());
    }
}

TEST_F(BadListFiles, AnUnreadableListIsReported)
{
    const QString file = dir.filePath(QStringLiteral("locked.pvl"));
    writeFile(file, ListFileWriter::records(someEntries(3)));
    QFile::setPermissions(file, QFileDevice::Permissions());
    openToEveryone(dir.path());
    platform.messageBoxes.shown.clear();
    const AsOrdinaryUser ordinary;
    form->listFiles().openlistclick(file);
    EXPECT_EQ(platform.messageBoxes.texts(), QStringList{QStringLiteral("unable to load file") + file});
}

TEST_F(BadListFiles, WhatIsNoRegularFileIsRefusedAtOnce)
{
    const QString pipePath = dir.filePath(QStringLiteral("pipe.pvl"));
    const StuckPipe pipe(pipePath);
    ASSERT_TRUE(pipe.made());
    const QString zeros = dir.filePath(QStringLiteral("zeros.pvl"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zeros));
    const QString toPipe = dir.filePath(QStringLiteral("to-pipe.pvl"));
    ASSERT_TRUE(QFile::link(pipePath, toPipe));
    const auto before = entries();

    for (const QString &path : {pipePath, zeros, toPipe}) {
        SCOPED_TRACE(path.toStdString());
        platform.messageBoxes.shown.clear();
        QElapsedTimer clock;
        clock.start();
        form->listFiles().openlistclick(path);
        EXPECT_LT(clock.elapsed(), 1000);
        EXPECT_EQ(platform.messageBoxes.texts(), QStringList{QStringLiteral("unable to load file") + path});
        EXPECT_EQ(entries(), before);
    }
    EXPECT_EQ(pipe.readersLetGo(), 0) << "the program waited on the pipe";
}

TEST_F(BadListFiles, AFileClaimingMoreThanTenMillionRecordsIsRefusedUnread)
{
    // Its size claims 10,000,002 records of 128 bytes; it takes no room on disk.
    const QString huge = dir.filePath(QStringLiteral("huge.pvl"));
    makeSparseFile(huge, qint64(10'000'002) * 128);
    const auto before = entries();
    platform.messageBoxes.shown.clear();
    QElapsedTimer clock;
    clock.start();
    form->listFiles().openlistclick(huge);
    EXPECT_LT(clock.elapsed(), 1000);
    ASSERT_EQ(platform.messageBoxes.shown.size(), 1);
    EXPECT_EQ(platform.messageBoxes.shown[0].text,
              QStringLiteral("The list file %1 is too large: it would hold more than 10000000 pictures. "
                             "It was not opened.")
                  .arg(huge));
    EXPECT_EQ(platform.messageBoxes.shown[0].icon, MsgIcon::Critical);
    EXPECT_EQ(entries(), before);
    EXPECT_TRUE(form->listFiles().openedfile().isEmpty());
}

TEST_F(BadListFiles, ListsAndNamesAtOddPathsSaveAndOpenAgainWhole)
{
    const std::vector<PictureEntry> odd{
        {QStringLiteral("with blanks .jpg"), QStringLiteral("/home/user/my pictures")},
        {QStringLiteral("Ölgemälde – Übersicht.bmp"), QStringLiteral("/home/user/Bilder/Gemälde")},
        {QStringLiteral("写真.jpg"), QStringLiteral("/home/用户")},
        {QStringLiteral("line\nbreak.gif"), QStringLiteral("/tmp/a\nb")},
        {QString(250, QLatin1Char('n')) + QStringLiteral(".jpg"),
         QStringLiteral("/x/") + QString(300, QLatin1Char('f'))},
        {QStringLiteral("EOF"), QStringLiteral("C:")},
    };
    const QString files[] = {
        dir.filePath(QStringLiteral("with blanks.pvl")),
        dir.filePath(QStringLiteral("Übersicht – 写真.pvl")),
        dir.filePath(QStringLiteral("line\nbreak.pvl")),
        dir.filePath(QString(240, QLatin1Char('l')) + QStringLiteral(".pvl")),
    };
    for (const QString &file : files) {
        SCOPED_TRACE(file.toStdString());
        form->pictureList().setEntries(odd);
        platform.fileDialogs.saveAnswers.push_back(file);
        form->listFiles().msaveasclick();
        ASSERT_TRUE(QFile::exists(file));
        form->pictureList().clear();
        platform.messageBoxes.shown.clear();
        form->listFiles().openlistclick(file);
        EXPECT_TRUE(platform.messageBoxes.shown.isEmpty());
        EXPECT_EQ(entries(), odd);
        EXPECT_EQ(form->listFiles().openedfile(), file);
    }
}

// A disk that fills while a list or the settings are saved: the save fails, says why,
// and the old file stays whole, however little was still to be written (a small file
// is held in a buffer until the end, a large one goes to the disk as it is written).
TEST(FullDisk, ASaveThatDoesNotFitLeavesTheOldFileWhole)
{
    QTemporaryDir dir;
    const QString list = dir.filePath(QStringLiteral("a.pvl"));
    const QString settings = dir.filePath(QStringLiteral("Orvanta.ini"));
    const struct {
        const char *what;
        std::function<std::pair<bool, QString>()> save;
        QString path;
    } rows[] = {
        {"small list", [&] { auto r = ListFileWriter::write(list, someEntries(3)); return std::pair{r.ok, r.errorString}; }, list},
        {"large list", [&] { auto r = ListFileWriter::write(list, someEntries(400)); return std::pair{r.ok, r.errorString}; }, list},
        {"settings", [&] { auto r = SettingsFile(settings).save(QByteArray(200, 'x')); return std::pair{r.ok, r.errorString}; }, settings},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        writeFile(row.path, QByteArray("the old file, longer than the disk's room"));
        std::pair<bool, QString> saved;
        {
            const FullDiskAfter full(16);
            saved = row.save();
        }
        const auto &[ok, why] = saved;
        EXPECT_FALSE(ok);
        EXPECT_FALSE(why.isEmpty());
        EXPECT_EQ(readFile(row.path), QByteArray("the old file, longer than the disk's room"));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1) << "no temporary file is left";
        QFile::remove(row.path);
    }
}
