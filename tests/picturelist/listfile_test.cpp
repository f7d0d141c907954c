// The list-file format byte for byte: records, end record, overwriting in
// place, reading to the end record or the end of the file, field text.
#include "fileerror.h"
#include "listfilefield.h"
#include "listfileformat.h"
#include "listfilereader.h"
#include "listfilewriter.h"
#include "testutils.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <cstring>
#include <gtest/gtest.h>

using namespace orv;

namespace {

QByteArray pad(const QByteArray &text, int width)
{
    return text + QByteArray(width - text.size(), ' ');
}

QByteArray record(const QByteArray &name, const QByteArray &folder)
{
    return pad(name, 20) + pad(folder, 100) + QByteArray(8, ' ');
}

std::vector<PictureEntry> numbered(int count, const QString &prefix)
{
    std::vector<PictureEntry> out;
    for (int i = 1; i <= count; ++i)
        out.push_back(
            {prefix + QString::number(i) + QStringLiteral(".jpg"), QStringLiteral("/pics/") + prefix});
    return out;
}

} // namespace

TEST(ListFile, TwoEntriesAreThreeRecordsWithTheEndRecordKeepingTheLastFolder)
{
    const std::vector<PictureEntry> entries{{"a.jpg", "C:\\pics"}, {"b.gif", "C:"}};
    const QByteArray expected = record("a.jpg", "C:\\pics") + record("b.gif", "C:") + record("eof", "C:");
    EXPECT_EQ(ListFileWriter::compose(entries, {}), expected);

    const ListFileReader::Result read = ListFileReader::parse(expected);
    EXPECT_EQ(read.entries, entries);
    EXPECT_TRUE(read.endRecordFound);
    EXPECT_EQ(read.error, 0);
}

TEST(ListFile, SavingThreeOverTenLeavesTheOldTailAfterTheNewEndRecord)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("ten.pvl");
    ASSERT_TRUE(ListFileWriter::write(path, numbered(10, "old")).ok);
    const QByteArray before = test::readFile(path);
    ASSERT_EQ(before.size(), 11 * 128);

    const std::vector<PictureEntry> three = numbered(3, "new");
    ASSERT_TRUE(ListFileWriter::write(path, three).ok);
    const QByteArray after = test::readFile(path);

    ASSERT_EQ(after.size(), 11 * 128);
    EXPECT_EQ(after.mid(3 * 128, 128), record("eof", "/pics/new"));
    EXPECT_EQ(after.mid(4 * 128), before.mid(4 * 128)); // records 5-11 untouched
    EXPECT_EQ(after, ListFileWriter::compose(three, before));
    EXPECT_EQ(ListFileReader::read(path).entries, three);
}

TEST(ListFile, ReadingStopsAtTheEndRecordOrTheEndOfTheFile)
{
    const QByteArray two = record("a.jpg", "/p") + record("b.jpg", "/q");
    struct Row {
        const char *what;
        QByteArray bytes;
        int entries;
        bool endFound;
    } rows[] = {
        {"starts with the end record", record("eof", "/x") + record("a.jpg", "/p"), 0, true},
        {"no end record", two, 2, false},
        {"cut inside a record's fields", two + record("c.jpg", "/r").left(119), 2, false},
        {"fields complete, unused bytes cut", two + record("c.jpg", "/r").left(120), 3, false},
        {"upper-case EOF is a name", record("EOF", "/x") + record("eof", ""), 1, true},
        {"eof with an extension is a name", record("eof.jpg", "/x") + record("eof", ""), 1, true},
        {"empty file", QByteArray(), 0, false},
    };
    for (const Row &row : rows) {
        const ListFileReader::Result r = ListFileReader::parse(row.bytes);
        EXPECT_EQ(int(r.entries.size()), row.entries) << row.what;
        EXPECT_EQ(r.endRecordFound, row.endFound) << row.what;
        EXPECT_EQ(r.error, 0) << row.what;
    }
}

TEST(ListFile, FieldsAreReadWithoutTrailingBlanksAndInEitherEncoding)
{
    const QByteArray bytes =
        record("caf\xe9 1.jpg", "/fotos/\x80") + record("caf\xc3\xa9 2.jpg", " /lead") + record("eof", "");
    const ListFileReader::Result r = ListFileReader::parse(bytes);
    ASSERT_EQ(r.entries.size(), 2u);
    EXPECT_EQ(r.entries[0].name, QString::fromUtf8("café 1.jpg")); // Windows-1252
    EXPECT_EQ(r.entries[0].folder, QString::fromUtf8("/fotos/€"));
    EXPECT_EQ(r.entries[1].name, QString::fromUtf8("café 2.jpg")); // UTF-8
    EXPECT_EQ(r.entries[1].folder, QStringLiteral(" /lead"));      // leading blanks stay
}

TEST(ListFile, LongNamesAreCutToTheFieldWidthAtACharacterBoundary)
{
    const std::vector<PictureEntry> entries{
        {"abcdefghijklmnopqrstuvwxyz.jpg", "/p"},
        {QString::fromUtf8("abcdefghijklmnopqrsé.jpg"), "/p"}, // é would take bytes 20 and 21
    };
    const QByteArray bytes = ListFileWriter::compose(entries, {});
    EXPECT_EQ(bytes.left(20), QByteArray("abcdefghijklmnopqrst"));
    EXPECT_EQ(bytes.mid(128, 20), QByteArray("abcdefghijklmnopqrs "));

    QString longFolder = QStringLiteral("/") + QString(120, QLatin1Char('f'));
    const QByteArray folderField = ListFileWriter::compose({{"x.jpg", longFolder}}, {}).mid(20, 100);
    EXPECT_EQ(folderField, longFolder.toUtf8().left(100));
}

TEST(ListFile, MissingFileIsReportedAsFileNotFound)
{
    QTemporaryDir dir;
    const ListFileReader::Result r = ListFileReader::read(dir.filePath("none.pvl"));
    EXPECT_EQ(r.error, 53);
    EXPECT_TRUE(r.entries.empty());
    EXPECT_EQ(ListFileReader::read(dir.filePath("no/such/folder/x.pvl")).error, 76);
}

TEST(ListFile, WriteThatCannotCreateTheFileFailsWithAReason)
{
    QTemporaryDir dir;
    test::writeFile(dir.filePath("plain"), "not a folder");
    const ListFileWriter::Result r = ListFileWriter::write(dir.filePath("plain/list.pvl"), numbered(2, "a"));
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.errorString.isEmpty());
    EXPECT_EQ(test::readFile(dir.filePath("plain")), QByteArray("not a folder"));
}

TEST(ListFileField, AnsiNameEndingInANonAsciiLetterReadsBackWhole)
{
    // "CAFÉ" written by a Windows build: the last byte (0xC9) starts a UTF-8
    // sequence that never ends, so the field is Windows-1252, not cut UTF-8.
    QByteArray field("CAF\xC9");
    field = field.leftJustified(20, ' ');
    EXPECT_EQ(orv::ListFileField::decode(field), QString::fromUtf8("CAF\xC3\x89"));
}

TEST(ListFile, TheRecordBoundHoldsOnEitherSideOfItsLimit)
{
    // A device that cannot tell its size (a pipe) is counted record by record.
    class Stream : public QIODevice
    {
    public:
        explicit Stream(const QByteArray *bytes) : m_bytes(*bytes) {}
        bool isSequential() const override { return true; }

    protected:
        qint64 readData(char *data, qint64 max) override
        {
            const qint64 n = std::min<qint64>(max, m_bytes.size() - m_at);
            std::memcpy(data, m_bytes.constData() + m_at, size_t(n));
            m_at += n;
            return n;
        }
        qint64 writeData(const char *, qint64) override { return -1; }

    private:
        const QByteArray m_bytes;
        qint64 m_at = 0;
    };
    const QByteArray three = ListFileWriter::records(numbered(3, "p"));
    const QByteArray four = ListFileWriter::records(numbered(4, "p"));
    const struct {
        const char *what;
        QByteArray bytes;
        bool sized;
        bool tooLarge;
    } cases[] = {
        {"3 entries and the end record: at the bound", three, true, false},
        {"4 entries and the end record: its size claims one too many", four, true, true},
        {"a stale record after the end record counts to the size", three + record("old", "/x"), true, true},
        {"3 entries counted", three, false, false},
        {"4 entries counted", four, false, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        QByteArray bytes = c.bytes;
        QBuffer sized(&bytes);
        Stream stream(&bytes);
        QIODevice &device = c.sized ? static_cast<QIODevice &>(sized) : stream;
        ASSERT_TRUE(device.open(QIODevice::ReadOnly));
        const ListFileReader::Result r = ListFileReader::read(device, 3);
        EXPECT_EQ(r.tooLarge, c.tooLarge);
        EXPECT_EQ(r.entries.size(), c.tooLarge ? 0u : 3u) << "a refused list gives no entries";
    }
}

TEST(ListFile, OnlyRegularFilesAreRead)
{
    const ListFileReader::Result r = ListFileReader::read(QStringLiteral("/dev/zero"));
    EXPECT_EQ(r.error, FileError::PathFileAccess);
    EXPECT_TRUE(r.entries.empty());
}
