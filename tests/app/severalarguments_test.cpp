// Several arguments, as a file manager passes the pictures selected in it,
// beside the one-argument rules, which stay as they were.
#include "commandline.h"
#include "form1fixture.h"
#include "listfilewriter.h"

#include <QSet>
#include <QSignalSpy>

using namespace orv;
using namespace orv::test;

TEST(CommandLine, SeveralArgumentsAreAListOnlyWhenEachIsAnExistingPicture)
{
    const QSet<QString> existing = {"/p/a.jpg",     "/p/b.GIF",    "/p/c.bmp",          "/cwd/rel.jpg",
                                    "/p/notes.txt", "/p/list.pvl", "/p/my holiday.jpg", "/p/my"};
    const auto exists = [&existing](const QString &path) { return existing.contains(path); };
    const struct {
        const char *name;
        QStringList arguments;
        QStringList pictures;
    } cases[] = {
        {"none", {}, {}},
        {"one picture keeps the one-argument rules", {"/p/a.jpg"}, {}},
        {"three pictures in argument order, any case of ending",
         {"/p/c.bmp", "/p/a.jpg", "/p/b.GIF"},
         {"/p/c.bmp", "/p/a.jpg", "/p/b.GIF"}},
        {"a name without a folder is made absolute", {"rel.jpg", "/p/a.jpg"}, {"/cwd/rel.jpg", "/p/a.jpg"}},
        {"a path with a blank split by the shell", {"/p/my", "holiday.jpg"}, {}},
        {"a missing picture", {"/p/a.jpg", "/p/gone.jpg"}, {}},
        {"a text file", {"/p/a.jpg", "/p/notes.txt"}, {}},
        {"a list file", {"/p/a.jpg", "/p/list.pvl"}, {}},
        {"an option", {"--fullscreen", "/p/a.jpg"}, {}},
        {"an empty argument", {"/p/a.jpg", ""}, {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(pictureArguments(c.arguments, QStringLiteral("/cwd"), exists), c.pictures) << c.name;
}

namespace {

class SeveralArgumentsTest : public Form1Test
{
protected:
    // A picture file that exists and that the fake loader serves.
    QString picture(const QString &name)
    {
        writeFile(dir.filePath(name), "picture");
        return addPicture(name, 3000, 2000);
    }
};

} // namespace

TEST_F(SeveralArgumentsTest, ArgumentsOpenAsTheirKindAsks)
{
    writeDefaultSettings();
    const QString a = picture(QStringLiteral("a.jpg"));
    const QString b = picture(QStringLiteral("b.gif"));
    const QString c = picture(QStringLiteral("c.bmp"));
    const QString blanks = picture(QStringLiteral("my holiday.jpg"));
    const QString list = dir.filePath(QStringLiteral("trip.pvl"));
    ASSERT_TRUE(ListFileWriter::write(list, {{QStringLiteral("x.jpg"), QStringLiteral("/trip")}}).ok);
    writeFile(dir.filePath(QStringLiteral("notes.txt")), "text");
    const QString gone = dir.filePath(QStringLiteral("gone.jpg"));

    const struct {
        const char *name;
        QStringList arguments;
        QStringList entries; // names in the picture list
        const char *counter;
        QString shown; // the picture loaded first, if any
        const char *message;
        bool ends;
    } cases[] = {
        {"no argument", {}, {}, "0/0", {}, "", false},
        {"several pictures", {a, b, c}, {"a.jpg", "b.gif", "c.bmp"}, "1/3", a, "", false},
        {"one picture", {b}, {"b.gif"}, "1/1", b, "", false},
        {"one path split at its blank",
         dir.filePath(QStringLiteral("my holiday.jpg")).split(QLatin1Char(' ')),
         {"my holiday.jpg"},
         "1/1",
         blanks,
         "",
         false},
        {"one list file", {list}, {"x.jpg"}, "0/1", {}, "", false},
        {"one upper-case ending",
         {dir.filePath(QStringLiteral("A.JPG"))},
         {},
         "",
         {},
         "Bad command line argument",
         true},
        {"a picture and a text file: the joined text is refused",
         {a, dir.filePath(QStringLiteral("notes.txt"))},
         {},
         "",
         {},
         "Bad command line argument",
         true},
        {"a picture and a missing one: the joined text names a picture",
         {a, gone},
         {},
         "1/0",
         a + QLatin1Char(' ') + gone,
         "Specified picture file cannot be accessed!!",
         false},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.name);
        platform.messageBoxes.shown.clear();
        platform.messageBoxes.answers = {MsgResult::Cancel};
        platform.pictureLoader.loads.clear();
        form = std::make_unique<Form1>(platform.services(), dir.path(), k.arguments);
        QSignalSpy ended(form.get(), &Form1::endProgram);
        form->showLoaded();

        QStringList names;
        for (const PictureEntry &e : form->pictureList().entries())
            names << e.name;
        EXPECT_EQ(names, k.entries);
        EXPECT_EQ(platform.messageBoxes.texts().join(QLatin1Char('|')), QString::fromLatin1(k.message));
        EXPECT_EQ(ended.count(), k.ends ? 1 : 0);
        if (k.ends)
            continue;
        EXPECT_EQ(label1(), QString::fromLatin1(k.counter));
        EXPECT_EQ(platform.pictureLoader.loads.value(0), k.shown);
        EXPECT_EQ(state().pichidden, k.shown.isEmpty() || *k.message) << "shown unless it failed";
        if (!k.entries.isEmpty() && !k.shown.isEmpty()) {
            EXPECT_EQ(form->pictureList().folder(0), dir.path());
        }
    }
}
