// The long-name block after the end record: written only when needed, never
// changing the plain records, bound to them, ignored when damaged or stale.
#include "listfilecrc.h"
#include "listfilelongnames.h"
#include "listfilereader.h"
#include "listfilewriter.h"
#include "testutils.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orv;

namespace {

const QString longPhoto = QStringLiteral("PXL_20240315_101522345.jpg");

std::vector<PictureEntry> mixedList()
{
    return {
        {"short.jpg", "/pics"},
        {longPhoto, "/pics"},
        {QString::fromUtf8("Ünïcödé фото 照片 😀 with a name far beyond twenty bytes.jpeg"),
         QString::fromUtf8("/home/user/Bilder/") + QString::fromUtf8("Größe/").repeated(30)},
        {"ends in blanks  ", "/pics"},
        {"x.gif", QStringLiteral("/ab") + QString::fromUtf8("é/").repeated(40)}, // cut inside an é
        {"eof.gif", ""},
    };
}

// The cut names a reader of the plain format sees.
std::vector<PictureEntry> plainView(const QByteArray &bytes)
{
    std::vector<PictureEntry> out;
    for (qsizetype at = 0; at + 128 <= bytes.size(); at += 128) {
        const QByteArray rec = bytes.mid(at, 128);
        if (rec.left(20) == QByteArray("eof                 "))
            break;
        out.push_back(
            {QString::fromUtf8(rec.left(20)).trimmed(), QString::fromUtf8(rec.mid(20, 100)).trimmed()});
    }
    return out;
}

} // namespace

TEST(ListFileLongNames, Crc32MatchesTheStandardCheckValue)
{
    EXPECT_EQ(ListFileCrc::checksum("123456789"), 0xCBF43926u);
    EXPECT_EQ(ListFileCrc::checksum("56789", ListFileCrc::checksum("1234")), 0xCBF43926u);
}

TEST(ListFileLongNames, NamesOfAnyLengthRoundTrip)
{
    const std::vector<PictureEntry> entries = mixedList();
    const QByteArray bytes = ListFileWriter::compose(entries, {});
    const ListFileReader::Result r = ListFileReader::parse(bytes);
    EXPECT_TRUE(r.longNamesApplied);
    EXPECT_EQ(r.entries, entries);
}

TEST(ListFileLongNames, RecordsBeforeTheBlockAreThePlainFormat)
{
    const std::vector<PictureEntry> entries = mixedList();
    const QByteArray bytes = ListFileWriter::compose(entries, {});
    const QByteArray records = ListFileWriter::records(entries);
    ASSERT_GT(bytes.size(), records.size());
    EXPECT_TRUE(bytes.startsWith(records));
    EXPECT_EQ(bytes.size() % 128, 0);

    const std::vector<PictureEntry> plain = plainView(bytes);
    ASSERT_EQ(plain.size(), entries.size());
    EXPECT_EQ(plain[1].name, QStringLiteral("PXL_20240315_1015223"));
    EXPECT_EQ(plain[4].folder, QStringLiteral("/ab") + QString::fromUtf8("é/").repeated(32));
}

TEST(ListFileLongNames, NoBlockWhenEveryEntryFits)
{
    const std::vector<PictureEntry> entries{{"a.jpg", "/p"}, {"twenty-byte-name.jpg", QString(100, 'f')}};
    EXPECT_EQ(ListFileWriter::compose(entries, {}), ListFileWriter::records(entries));
    EXPECT_FALSE(ListFileLongNames::needsBlock(entries[1]));
    EXPECT_TRUE(ListFileLongNames::needsBlock({"a.jpg", QString(101, 'f')}));
}

TEST(ListFileLongNames, DamagedBlockIsIgnoredAndTheCutNamesStand)
{
    const std::vector<PictureEntry> entries{{"a.jpg", "/p"}, {longPhoto, "/p"}};
    const QByteArray good = ListFileWriter::compose(entries, {});
    const qsizetype block = 3 * 128;
    struct Row {
        const char *what;
        qsizetype offset; // byte to flip; -1 truncates inside the payload
    } rows[] = {
        {"signature", block + 3},
        {"version", block + 16},
        {"entry count", block + 20},
        {"records checksum", block + 24},
        {"payload length", block + 32},
        {"payload", block + 128 + 14},
        {"truncated", -1},
    };
    for (const Row &row : rows) {
        QByteArray bad = good;
        if (row.offset < 0)
            bad.truncate(block + 128 + 10);
        else
            bad[row.offset] = char(bad[row.offset] ^ 0x01);
        const ListFileReader::Result r = ListFileReader::parse(bad);
        EXPECT_FALSE(r.longNamesApplied) << row.what;
        ASSERT_EQ(r.entries.size(), 2u) << row.what;
        EXPECT_EQ(r.entries[1].name, QStringLiteral("PXL_20240315_1015223")) << row.what;
    }
}

TEST(ListFileLongNames, BlockLeftBehindByAPlainWriterIsNotApplied)
{
    // A plain-format program saves other entries of the same count over a
    // file with a block: the block still follows the end record.
    const std::vector<PictureEntry> first{{longPhoto, "/p"}, {"b.jpg", "/p"}};
    const std::vector<PictureEntry> second{{"PXL_20240315_1015223", "/q"}, {"c.jpg", "/q"}};
    QByteArray bytes = ListFileWriter::compose(first, {});
    const QByteArray plain = ListFileWriter::records(second);
    bytes.replace(0, plain.size(), plain);

    const ListFileReader::Result r = ListFileReader::parse(bytes);
    EXPECT_FALSE(r.longNamesApplied);
    EXPECT_EQ(r.entries, second);
}

TEST(ListFileLongNames, ShorterSaveOverALongerOneDoesNotPickUpTheOldBlock)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("list.pvl");
    std::vector<PictureEntry> five;
    for (int i = 0; i < 5; ++i)
        five.push_back({QStringLiteral("holiday photo number %1.jpg").arg(i), "/p"});
    ASSERT_TRUE(ListFileWriter::write(path, five).ok);

    const std::vector<PictureEntry> two{{"a.jpg", "/p"}, {"b.jpg", "/p"}};
    ASSERT_TRUE(ListFileWriter::write(path, two).ok);
    const ListFileReader::Result r = ListFileReader::read(path);
    EXPECT_EQ(r.entries, two);
    EXPECT_FALSE(r.longNamesApplied);
    EXPECT_GT(test::readFile(path).size(), 3 * 128); // the old tail is still there
}

TEST(ListFileLongNames, SameRecordsWithoutCutNamesRetireTheOldBlock)
{
    // The second list's names are exactly the first list's cut names: the
    // records are the same bytes, but the old full names no longer apply.
    QTemporaryDir dir;
    const QString path = dir.filePath("list.pvl");
    ASSERT_TRUE(ListFileWriter::write(path, {{longPhoto, "/p"}}).ok);
    const std::vector<PictureEntry> cut{{"PXL_20240315_1015223", "/p"}};
    ASSERT_TRUE(ListFileWriter::write(path, cut).ok);

    const ListFileReader::Result r = ListFileReader::read(path);
    EXPECT_EQ(r.entries, cut);
    EXPECT_FALSE(r.longNamesApplied);
    EXPECT_TRUE(test::readFile(path).startsWith(ListFileWriter::records(cut)));
}

TEST(ListFileLongNames, BlockLongerThanTheOldFileIsWrittenWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("list.pvl");
    ASSERT_TRUE(ListFileWriter::write(path, {{"a.jpg", "/p"}}).ok);
    const std::vector<PictureEntry> entries = mixedList();
    ASSERT_TRUE(ListFileWriter::write(path, entries).ok);
    EXPECT_EQ(ListFileReader::read(path).entries, entries);
}
