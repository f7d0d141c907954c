#include "picturelist.h"
#include "picturelistcolumn.h"

#include <QAbstractItemModelTester>
#include <QItemSelectionModel>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace orv;

namespace {

// Lists named by letters (a.jpg in /f/a, ...), watched by Qt's model tester
// and by a one-column view's selection, as the list manager's views see them.
struct Watched {
    explicit Watched(const QString &letters)
    {
        std::vector<PictureEntry> entries;
        for (QChar c : letters)
            entries.push_back({QString(c) + QStringLiteral(".jpg"), QStringLiteral("/f/") + c});
        list.setEntries(entries);
    }
    QString letters() const
    {
        QString out;
        for (int i = 0; i < list.count(); ++i) {
            out += list.name(i).left(1);
            if (list.folder(i) != QStringLiteral("/f/") + list.name(i).left(1))
                out += QLatin1Char('!'); // a folder left its name
        }
        return out;
    }
    void select(const QString &which)
    {
        for (QChar c : which)
            selection.select(column.index(letters().indexOf(c), 0), QItemSelectionModel::Select);
    }
    QString selectedLetters() const
    {
        QString out;
        for (int i = 0; i < list.count(); ++i) {
            if (selection.isSelected(column.index(i, 0)))
                out += list.name(i).left(1);
        }
        return out;
    }

    PictureList list;
    QAbstractItemModelTester tester{&list, QAbstractItemModelTester::FailureReportingMode::Fatal};
    PictureListColumn column{&list, PictureList::NameColumn};
    QItemSelectionModel selection{&column};
};

} // namespace

TEST(PictureListEdits, RemovingRowsTakesOneSignalPerRunAndKeepsTheOtherSelections)
{
    const struct {
        const char *what;
        std::vector<int> rows;
        const char *after;
        int removals;
    } cases[] = {
        {"nothing", {}, "abcdefghij", 0},
        {"the first entry", {0}, "bcdefghij", 1},
        {"the last entry", {9}, "abcdefghi", 1},
        {"a block", {3, 4, 5, 6}, "abchij", 1},
        {"scattered entries", {0, 2, 5, 9}, "bdeghi", 4},
        {"runs of different lengths", {1, 2, 4, 7, 8, 9}, "adfg", 3},
        {"every entry", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, "", 1},
    };
    for (const auto &c : cases) {
        Watched w(QStringLiteral("abcdefghij"));
        w.select(QStringLiteral("adg"));
        QSignalSpy removed(&w.list, &PictureList::rowsRemoved);
        w.list.removeEntries(c.rows);
        EXPECT_EQ(w.letters(), QLatin1String(c.after)) << c.what;
        EXPECT_EQ(removed.size(), c.removals) << c.what;
        QString kept;
        for (QChar l : QStringLiteral("adg")) {
            if (QLatin1String(c.after).contains(l))
                kept += l;
        }
        EXPECT_EQ(w.selectedLetters(), kept) << c.what << ": the selection stays on its entries";
    }
}

TEST(PictureListEdits, ReorderingIsOneLayoutChangeThatSelectionsFollow)
{
    Watched w(QStringLiteral("abcdef"));
    w.select(QStringLiteral("be"));
    w.selection.setCurrentIndex(w.column.index(4, 0), QItemSelectionModel::NoUpdate);
    QSignalSpy layout(&w.list, &PictureList::layoutChanged);
    w.list.reorder({5, 4, 3, 2, 1, 0});
    EXPECT_EQ(w.letters(), QStringLiteral("fedcba"));
    EXPECT_EQ(layout.size(), 1);
    EXPECT_EQ(w.selectedLetters(), QStringLiteral("eb"));
    EXPECT_EQ(w.selection.currentIndex().row(), 1) << "the current entry e moved to row 1";
}

TEST(PictureListEdits, InsertedEntriesComeInOneSignalAndUnselected)
{
    Watched w(QStringLiteral("abcdef"));
    w.select(QStringLiteral("bcde"));
    QSignalSpy inserted(&w.list, &PictureList::rowsInserted);
    w.list.insertEntries(3, {{QStringLiteral("x.jpg"), QStringLiteral("/f/x")},
                             {QStringLiteral("y.jpg"), QStringLiteral("/f/y")}});
    EXPECT_EQ(w.letters(), QStringLiteral("abcxydef"));
    EXPECT_EQ(inserted.size(), 1);
    EXPECT_EQ(w.selectedLetters(), QStringLiteral("bcde"))
        << "entries pasted into a selected block are not selected";
}
