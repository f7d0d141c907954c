// The file commands' rules, without windows.
#include "deletecheck.h"
#include "failurereport.h"
#include "fakeplatform.h"
#include "fileclipboard.h"
#include "fileproperties.h"
#include "pasteplan.h"
#include "picturelist.h"
#include "renamerules.h"
#include "shelldelete.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

// Which pasted names are taken, and the free names "keep both" gives.
TEST(PastePlan, TakenNamesAndFreeNames)
{
    const QStringList inFolder{"IMG_0001.jpg", "IMG_0001 (2).jpg", "notes", ".hidden", "own.jpg"};
    const PasteFolder folder{"/c", [&](const QString &name) { return inFolder.contains(name); },
                             [](const QString &source, const QString &) { return source == "/c/own.jpg"; }};
    const std::vector<PasteItem> items = planPaste(
        {"/a/IMG_0001.jpg", "/b/IMG_0001.jpg", "/a/new.jpg", "/b/new.jpg", "/c/own.jpg", "/a/notes"}, folder);
    QStringList taken;
    for (const PasteItem &item : items)
        taken << item.name + (item.taken ? "*" : "");
    EXPECT_EQ(taken, (QStringList{"IMG_0001.jpg*", "IMG_0001.jpg*", "new.jpg", "new.jpg*", "own.jpg", "notes*"}));
    EXPECT_EQ(takenNames(items), (QStringList{"IMG_0001.jpg", "new.jpg", "notes"}));

    const struct {
        const char *name;
        QStringList used;
        const char *free;
    } rows[] = {
        {"IMG_0001.jpg", {}, "IMG_0001 (3).jpg"},
        {"IMG_0001.jpg", {"IMG_0001 (3).jpg"}, "IMG_0001 (4).jpg"},
        {"new.jpg", {}, "new (2).jpg"},
        {"notes", {}, "notes (2)"},
        {".hidden", {}, ".hidden (2)"},
        {"a.tar.gz", {}, "a.tar (2).gz"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(freeName(row.name, row.used, folder.taken), QLatin1String(row.free)) << row.name;
    EXPECT_EQ(conflictQuestion({"IMG_0001.jpg"}, "/c"),
              "A file of this name is already in /c, or is pasted twice:\n\nIMG_0001.jpg\n\n"
              "Replace: the files there go to the trash.\n"
              "Keep both: the pasted files take free names, such as \"IMG_0001 (2).jpg\".\n"
              "Skip: these files are not pasted.");
    EXPECT_TRUE(conflictQuestion({"a.jpg", "b.jpg"}, "/c").startsWith("Files of these 2 names are already in /c"));
}

TEST(FileProperties, SizeIsCutToHundredthsOfAKilobyte)
{
    const std::pair<qint64, const char *> rows[] = {
        {0, "0  KB  (0) Bytes."},
        {999, "0.97  KB  (999) Bytes."},
        {1023, "0.99  KB  (1023) Bytes."},
        {1024, "1  KB  (1024) Bytes."},
        {1127, "1.1  KB  (1127) Bytes."},
        {2048, "2  KB  (2048) Bytes."},
        {2058, "2  KB  (2058) Bytes."},
        {5'000'000, "4882.81  KB  (5000000) Bytes."},
        {10485760, "10240  KB  (10485760) Bytes."},
    };
    for (const auto &[bytes, text] : rows)
        EXPECT_EQ(sizeText(bytes, QLocale::c()), QLatin1String(text)) << bytes;
    EXPECT_EQ(sizeText(999, QLocale(QLocale::German)), QStringLiteral("0,97  KB  (999) Bytes."));
}

TEST(FileProperties, DateInTheUsersLanguage)
{
    const QDateTime when(QDate(2024, 3, 5), QTime(23, 59));
    EXPECT_EQ(dateText(when, QLocale(QLocale::English)), QStringLiteral("Tuesday 5 March 2024"));
    EXPECT_EQ(dateText(when, QLocale(QLocale::French)), QStringLiteral("mardi 5 mars 2024"));
}

TEST(RenameRules, TheExtensionStartsAtTheFirstDot)
{
    const struct {
        const char *name, *stem, *extension;
    } rows[] = {
        {"holiday.beach.jpg", "holiday", ".beach.jpg"},
        {"a.jpg", "a", ".jpg"},
        {"README", "README", ""},
        {".hidden.jpg", "", ".hidden.jpg"},
        {"trailing.", "trailing", "."},
    };
    for (const auto &r : rows) {
        const NameParts parts = splitAtFirstDot(QString::fromUtf8(r.name));
        EXPECT_EQ(parts.stem, QString::fromUtf8(r.stem)) << r.name;
        EXPECT_EQ(parts.extension, QString::fromUtf8(r.extension)) << r.name;
    }
}

TEST(RenameRules, RefusedNames)
{
    const QString dot = QStringLiteral("Invalid file name. no '.' are allowed within a file name");
    const struct {
        QString typed;
        QString extension;
        QString refusal;
    } rows[] = {
        {"trip", ".jpg", ""},
        {"été 2024", ".jpg", ""},
        {"", ".jpg", "A file name must be entered"},
        {"trip.2", ".jpg", dot},
        {".", "", dot},
        {"..", "", dot},
        {"../up", ".jpg", dot},
        {"sub/trip", ".jpg", "Invalid file name. A file name cannot contain '/'"},
        {"/trip", ".jpg", "Invalid file name. A file name cannot contain '/'"},
        {QString(300, QLatin1Char('x')), ".jpg", "Invalid file name. The name is too long"},
    };
    for (const auto &r : rows)
        EXPECT_EQ(renameRefusal(r.typed, r.extension), r.refusal) << r.typed.toStdString();
}

TEST(FileClipboard, HoldsTheMarkerAndTheSelectedPathsInListOrder)
{
    PictureList list;
    for (const char *name : {"a.jpg", "b.jpg", "c.jpg", "d.jpg", "e.jpg"})
        list.append(QLatin1String(name), QStringLiteral("/pics"));
    list.setEntry(3, {QStringLiteral("d.jpg"), QString()}); // a file in the root folder

    FileClipboard clip;
    clip.fill(list, {0, 3, 4}, false);
    EXPECT_EQ(clip.entries(), (QStringList{"nocut", "/pics/a.jpg", "/d.jpg", "/pics/e.jpg"}));
    EXPECT_FALSE(clip.isCut());
    clip.fill(list, {}, true);
    EXPECT_EQ(clip.entries(), QStringList{"cut"});
    EXPECT_TRUE(clip.isCut());
    EXPECT_TRUE(clip.files().isEmpty());
}

TEST(FileMessages, NameTheFirstFilesThenHowManyMore)
{
    QStringList seven;
    for (int i = 1; i <= 7; ++i)
        seven << QStringLiteral("/pics/%1.jpg").arg(i);
    EXPECT_TRUE(deleteQuestion(seven, true)
                    .endsWith(QStringLiteral(
                        "\n\n/pics/1.jpg\n/pics/2.jpg\n/pics/3.jpg\n/pics/4.jpg\n/pics/5.jpg\nand 2 more")));
    FailureReport report;
    for (int i = 1; i <= 12; ++i)
        report.add(QStringLiteral("/p/%1.jpg").arg(i), QStringLiteral("Permission denied"));
    EXPECT_TRUE(report.text(QStringLiteral("These files could not be deleted:"))
                    .endsWith(QStringLiteral("/p/10.jpg: Permission denied\nand 2 more")));
}

TEST(DeleteChecks, RemoveExactlyTheEntriesWhoseFilesAreGoneFromTheTopDown)
{
    PictureList list;
    test::FakeFileSystem files;
    for (int i = 0; i < 10; ++i) {
        const QString name = QStringLiteral("p%1.jpg").arg(i);
        list.append(name, QStringLiteral("/pics"));
        files.errors[QStringLiteral("/pics/") + name] = FileError::None;
    }
    files.errors[QStringLiteral("/pics/p2.jpg")] = FileError::FileNotFound;
    files.errors[QStringLiteral("/pics/p7.jpg")] = FileError::PermissionDenied;
    files.errors[QStringLiteral("/pics/p9.jpg")] = FileError::FileNotFound; // not selected: stays
    // An entry whose file is there but holds no picture stays as well.
    files.errors[QStringLiteral("/pics/p5.jpg")] = FileError::Other;

    const std::vector<int> removed = removeVanishedEntries(list, {2, 5, 7}, files);
    EXPECT_EQ(removed, (std::vector<int>{7, 2}));
    EXPECT_EQ(files.probes, (QStringList{"/pics/p7.jpg", "/pics/p5.jpg", "/pics/p2.jpg"}));
    QStringList names;
    for (int i = 0; i < list.count(); ++i)
        names << list.name(i);
    EXPECT_EQ(names,
              (QStringList{"p0.jpg", "p1.jpg", "p3.jpg", "p4.jpg", "p5.jpg", "p6.jpg", "p8.jpg", "p9.jpg"}));

    // The current position keeps naming the same picture.
    const struct {
        int curpic, after;
    } positions[] = {{1, 1}, {3, 3}, {4, 3}, {8, 7}, {9, 7}, {11, 9}};
    for (const auto &p : positions)
        EXPECT_EQ(curpicAfterRemoval(p.curpic, removed), p.after) << p.curpic;
}

} // namespace
} // namespace orv
