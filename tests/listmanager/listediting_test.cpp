#include "listediting.h"
#include "listformfixture.h"
#include "picturelistcolumn.h"

#include <QItemSelectionModel>

using namespace orv;
using namespace orv::test;

namespace {

QString moved(const QString &before, const std::vector<int> &rows, bool up)
{
    PictureList list;
    list.setEntries(lettered(before, QStringLiteral("/main")));
    if (up)
        ListEditing::moveUp(list, rows);
    else
        ListEditing::moveDown(list, rows);
    return letters(list);
}

} // namespace

TEST(ListEditingMoves, SelectedEntriesChangePlacesWithTheirNeighboursAndBlocksMoveAsBlocks)
{
    const struct {
        const char *what;
        const char *before;
        std::vector<int> rows;
        const char *up;
        const char *down;
    } cases[] = {
        {"nothing selected", "abcde", {}, "abcde", "abcde"},
        {"the first entry never moves up", "abcde", {0}, "abcde", "bacde"},
        {"the first two change places", "abcde", {0, 1}, "bacde", "cabde"},
        {"a block of three moves as a block", "abcdefgh", {3, 4, 5}, "abdefcgh", "abcgdefh"},
        {"the last two change places", "abcde", {3, 4}, "abdec", "abced"},
        {"the last entry never moves down", "abcde", {4}, "abced", "abcde"},
        {"scattered entries each move", "abcde", {1, 3}, "badce", "acbed"},
        {"two blocks apart by one entry", "abcdefg", {1, 2, 4, 5}, "bcaefdg", "adbcgef"},
        {"the whole list rotates", "abcde", {0, 1, 2, 3, 4}, "bcdea", "eabcd"},
        {"a one-entry list", "a", {0}, "a", "a"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(moved(QLatin1String(c.before), c.rows, true), QLatin1String(c.up)) << c.what;
        EXPECT_EQ(moved(QLatin1String(c.before), c.rows, false), QLatin1String(c.down)) << c.what;
    }
}

TEST(ListEditingPaste, PastesInClipboardOrderAtTheRowAndEmptiesTheClipboard)
{
    const struct {
        const char *what;
        int at;
        const char *clipboard;
        const char *after;
        int firstRow;
    } cases[] = {
        {"at the current entry, which moves down behind them", 3, "xyz", "abcxyzdef", 3},
        {"at the first entry", 0, "xy", "xyabcdef", 0},
        {"no current entry: at the end", -1, "xy", "abcdefxy", 6},
        {"a row past the end: at the end", 9, "x", "abcdefx", 6},
        {"an empty clipboard pastes nothing", 2, "", "abcdef", -1},
    };
    for (const auto &c : cases) {
        PictureList list;
        list.setEntries(lettered(QStringLiteral("abcdef"), QStringLiteral("/main")));
        std::vector<PictureEntry> clipboard = lettered(QLatin1String(c.clipboard), QStringLiteral("/clip"));
        EXPECT_EQ(ListEditing::paste(list, c.at, clipboard), c.firstRow) << c.what;
        QString after;
        for (int i = 0; i < list.count(); ++i)
            after += list.name(i).left(1);
        EXPECT_EQ(after, QLatin1String(c.after)) << c.what;
        EXPECT_TRUE(clipboard.empty()) << c.what;
    }
}

TEST(ListEditingSelection, SelectedRowsComeTopToBottomOnceEach)
{
    PictureList list;
    list.setEntries(lettered(QStringLiteral("abcdefghij"), QStringLiteral("/main")));
    PictureListColumn column(&list, PictureList::NameColumn);
    QItemSelectionModel selection(&column);
    auto range = [&](int top, int bottom) {
        return QItemSelection(column.index(top, 0), column.index(bottom, 0));
    };
    selection.select(range(7, 8), QItemSelectionModel::Select);
    selection.select(range(1, 3), QItemSelectionModel::Select);
    selection.select(range(2, 5), QItemSelectionModel::Select);
    EXPECT_EQ(ListEditing::selectedRows(selection, list.count()), (std::vector<int>{1, 2, 3, 4, 5, 7, 8}));
    EXPECT_EQ(letters(ListEditing::entriesAt(list, {1, 4, 8})), QStringLiteral("bei"));
    EXPECT_EQ(letters(ListEditing::entriesAt(list, {1, 4, 8}, true)), QStringLiteral("ieb"));
}

TEST(ListEditingSelection, InvertingGivesTheOtherRowsAsRanges)
{
    PictureList list;
    list.setEntries(lettered(QStringLiteral("abcdef"), QStringLiteral("/main")));
    PictureListColumn column(&list, PictureList::NameColumn);
    const struct {
        std::vector<int> rows;
        std::vector<int> inverted;
        int ranges;
    } cases[] = {{{}, {0, 1, 2, 3, 4, 5}, 1},
                 {{0, 1, 2, 3, 4, 5}, {}, 0},
                 {{0, 5}, {1, 2, 3, 4}, 1},
                 {{1, 3}, {0, 2, 4, 5}, 3}};
    for (const auto &c : cases) {
        QItemSelectionModel selection(&column);
        const QItemSelection inverted = ListEditing::invertedRows(column, c.rows);
        EXPECT_EQ(inverted.size(), c.ranges);
        selection.select(inverted, QItemSelectionModel::Select);
        EXPECT_EQ(ListEditing::selectedRows(selection, list.count()), c.inverted);
    }
}
