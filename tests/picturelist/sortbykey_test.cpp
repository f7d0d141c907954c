// List > Sort by date taken, date modified, size and type.
#include "exiv2metadatareader.h"
#include "photofiles.h"
#include "picturelist.h"
#include "sortcommands.h"
#include "testutils.h"

#include <QProgressDialog>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orv;
using namespace orv::test;

namespace {

std::vector<PictureEntry> entries(const QStringList &names, const QString &folder = "/p")
{
    std::vector<PictureEntry> e;
    for (const QString &n : names)
        e.push_back({n, folder});
    return e;
}

QStringList names(const PictureList &list)
{
    QStringList n;
    for (int i = 0; i < list.count(); ++i)
        n << list.name(i);
    return n;
}

void setModified(const QString &path, const QDateTime &when)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(when, QFileDevice::FileModificationTime));
}

// A reader whose dates wait until the test lets them go.
class HeldReader : public PhotoMetadataReader
{
public:
    PhotoMetadata read(const QString &) const override { return {}; }
    QDateTime dateTaken(const QString &) const override
    {
        gate.acquire();
        gate.release();
        return {};
    }
    mutable QSemaphore gate;
};

} // namespace

TEST(SortByKeyTest, EqualValuesKeepTheOrderOfTheirNames)
{
    const struct {
        const char *what;
        QStringList names;
        std::vector<SortValue> values;
        std::vector<int> order;
    } rows[] = {
        {"numbers", {"a", "b", "c"}, {{3, ""}, {1, ""}, {2, ""}}, {1, 2, 0}},
        {"ties by name, binary", {"b.jpg", "a.jpg", "B.jpg"}, {{5, ""}, {5, ""}, {5, ""}}, {2, 1, 0}},
        {"texts", {"x.png", "y.bmp", "z.gif"}, {{0, "png"}, {0, "bmp"}, {0, "gif"}}, {1, 2, 0}},
        {"same name twice stays as it stood", {"a", "a", "0"}, {{1, ""}, {1, ""}, {0, ""}}, {2, 0, 1}},
        {"empty", {}, {}, {}},
    };
    for (const auto &r : rows)
        EXPECT_EQ(sortOrder(entries(r.names), r.values), r.order) << r.what;
}

TEST(SortByKeyTest, TheTypeIsTheNamesEndingInAnyCase)
{
    const struct {
        const char *path;
        const char *type;
    } rows[] = {{"/p/a.JPG", "jpg"}, {"/p/b.tar.gz", "gz"}, {"/p/noending", ""}, {"/p.d/file", ""}, {"/p/.hidden", ""}};
    for (const auto &r : rows)
        EXPECT_EQ(sortValue(r.path, SortOrder::Type, nullptr).text, r.type) << r.path;
}

TEST(SortByKeyTest, TwoCamerasPhotosFallIntoTheOrderTheyWereTaken)
{
    QTemporaryDir dir;
    const Exiv2MetadataReader metadata;
    const struct {
        const char *name;
        const char *taken; // empty: none, the file's time counts
    } files[] = {
        {"canon1.jpg", "2023:07:14 10:00:00"},
        {"canon2.jpg", "2023:07:14 12:00:00"},
        {"pixel1.jpg", "2023:07:14 11:00:00"},
        {"pixel2.jpg", "2023:07:14 09:00:00"},
        {"scan.png", ""},
    };
    PictureList list;
    for (const auto &f : files) {
        PhotoTags tags;
        tags.taken = f.taken;
        ASSERT_TRUE(writePhoto(dir.filePath(f.name), blockPattern(QSize(16, 16)), tags,
                               QString(f.name).endsWith("png") ? "png" : "jpeg"));
        list.append(f.name, dir.path());
    }
    setModified(dir.filePath("scan.png"), QDateTime(QDate(2023, 7, 14), QTime(10, 30)));
    setModified(dir.filePath("canon1.jpg"), QDateTime(QDate(2001, 1, 1), QTime(0, 0)));
    setModified(dir.filePath("pixel2.jpg"), QDateTime(QDate(2030, 1, 1), QTime(0, 0)));
    // The others were written just now, canon2 before pixel1.

    const struct {
        SortOrder order;
        QStringList expected;
    } sorts[] = {
        {SortOrder::DateTaken, {"pixel2.jpg", "canon1.jpg", "scan.png", "pixel1.jpg", "canon2.jpg"}},
        {SortOrder::DateModified, {"canon1.jpg", "scan.png", "canon2.jpg", "pixel1.jpg", "pixel2.jpg"}},
        {SortOrder::Type, {"canon1.jpg", "canon2.jpg", "pixel1.jpg", "pixel2.jpg", "scan.png"}},
    };
    SortCommands commands(list, &metadata, nullptr);
    for (const auto &s : sorts) {
        QSignalSpy done(&commands, &SortCommands::finished);
        commands.sortBy(s.order);
        ASSERT_TRUE(done.wait(5000));
        EXPECT_EQ(done.first().first().toBool(), true);
        EXPECT_EQ(names(list), s.expected);
    }
}

TEST(SortByKeyTest, CancelLeavesTheListAsItWas)
{
    QTemporaryDir dir;
    PictureList list;
    for (const char *name : {"c.jpg", "a.jpg", "b.jpg"}) {
        writeFile(dir.filePath(name), "x");
        list.append(name, dir.path());
    }
    HeldReader reader;
    SortCommands commands(list, &reader, nullptr);
    QSignalSpy done(&commands, &SortCommands::finished);
    commands.sortBy(SortOrder::DateTaken);
    ASSERT_TRUE(commands.isRunning());
    ASSERT_TRUE(commands.progress());
    EXPECT_EQ(commands.progress()->labelText(), SortCommands::progressText());

    // The user's Cancel on the progress window.
    Q_EMIT commands.progress()->canceled();
    reader.gate.release();
    ASSERT_TRUE(done.wait(5000));
    EXPECT_FALSE(done.first().first().toBool());
    EXPECT_EQ(names(list), QStringList({"c.jpg", "a.jpg", "b.jpg"}));
}
