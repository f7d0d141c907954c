#include "picturelist.h"
#include "sortbyname.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <algorithm>
#include <gtest/gtest.h>
#include <random>

namespace orv {
namespace {

// Loose time limits: they catch quadratic work, not tune speed. Unoptimised
// and sanitizer builds get more room.
#ifdef NDEBUG
constexpr qint64 TimeLimitMs = 2000;
#else
constexpr qint64 TimeLimitMs = 10000;
#endif

// Entries named by `names`, each with its own folder "f0", "f1", ... so that
// the order of equal names shows.
std::vector<PictureEntry> entriesNamed(const QStringList &names)
{
    std::vector<PictureEntry> out;
    for (int i = 0; i < names.size(); ++i)
        out.push_back({names[i], QStringLiteral("f%1").arg(i)});
    return out;
}

QStringList folders(const std::vector<PictureEntry> &entries)
{
    QStringList out;
    for (const auto &e : entries)
        out << e.folder;
    return out;
}

QStringList names(const std::vector<PictureEntry> &entries)
{
    QStringList out;
    for (const auto &e : entries)
        out << e.name;
    return out;
}

// The partition sort written out step by step, plainly recursive and
// comparing strings: the yardstick for the fast one.
int referencePartit(std::vector<PictureEntry> &v, int lb, int ub)
{
    const QString pivot = v[size_t(lb)].name;
    int i = lb + 1;
    int j = ub;
    while (i <= j) {
        while (i <= j && v[size_t(i)].name < pivot)
            ++i;
        while (v[size_t(j)].name > pivot)
            --j;
        if (i < j) {
            std::swap(v[size_t(i)], v[size_t(j)]);
            ++i;
            --j;
        } else if (i == j) {
            break;
        }
    }
    if (j != lb)
        std::swap(v[size_t(lb)], v[size_t(j)]);
    return j;
}

void referenceQuick(std::vector<PictureEntry> &v, int lb, int ub)
{
    if (lb < ub) {
        const int p = referencePartit(v, lb, ub);
        referenceQuick(v, lb, p - 1);
        referenceQuick(v, p + 1, ub);
    }
}

TEST(SortByName, OrdersNamesByCodeUnits)
{
    struct Case {
        QStringList in;
        QStringList out;
    };
    const Case cases[] = {
        {{}, {}},
        {{"only.jpg"}, {"only.jpg"}},
        {{"b.jpg", "A.jpg", "a.jpg"}, {"A.jpg", "a.jpg", "b.jpg"}},
        {{"a.jpg", "Z.jpg"}, {"Z.jpg", "a.jpg"}},
        {{"a9.jpg", "a10.jpg"}, {"a10.jpg", "a9.jpg"}},
        {{"c", "a", "b", "e", "d"}, {"a", "b", "c", "d", "e"}},
        {{"a", "b", "c", "d"}, {"a", "b", "c", "d"}},
        {{"d", "c", "b", "a"}, {"a", "b", "c", "d"}},
        // UTF-16 code units: a surrogate pair (U+1F600) sorts before U+FFFD.
        {{QString::fromUtf8("\xef\xbf\xbd.jpg"), QString::fromUtf8("\xf0\x9f\x98\x80.jpg")},
         {QString::fromUtf8("\xf0\x9f\x98\x80.jpg"), QString::fromUtf8("\xef\xbf\xbd.jpg")}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(names(sortedByName(entriesNamed(c.in))), c.out) << c.in.join(',').toStdString();
}

TEST(SortByName, EqualNamesEndInThePartitionOrder)
{
    // Both scans stop on a name equal to the pivot, so equal names are
    // swapped about rather than kept in order.
    struct Case {
        QStringList in;
        QStringList folders;
    };
    const Case cases[] = {
        {{"x", "x"}, {"f1", "f0"}},
        {{"x", "x", "x"}, {"f2", "f0", "f1"}},
        {{"x", "x", "x", "x"}, {"f3", "f2", "f0", "f1"}},
        {{"b", "a", "b", "a"}, {"f1", "f3", "f0", "f2"}},
        // The same picture added twice, another picture between.
        {{"x.jpg", "y.jpg", "x.jpg"}, {"f2", "f0", "f1"}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(folders(sortedByName(entriesNamed(c.in))), c.folders) << c.in.join(',').toStdString();
}

TEST(SortByName, MatchesThePlainPartitionSortOnRandomLists)
{
    std::mt19937 rng(20240611);
    for (int round = 0; round < 400; ++round) {
        const int size = int(rng() % 80);
        const int alphabet = 1 + int(rng() % 6);
        QStringList in;
        for (int i = 0; i < size; ++i)
            in << QStringLiteral("n%1").arg(rng() % unsigned(alphabet));
        std::vector<PictureEntry> expected = entriesNamed(in);
        referenceQuick(expected, 0, size - 1);
        ASSERT_EQ(sortedByName(entriesNamed(in)), expected) << in.join(',').toStdString();
    }
}

TEST(SortByName, MatchesThePlainPartitionSortOnOrderedShapes)
{
    // Long stretches on one side of the pivot are where the scans jump.
    const int n = 3000;
    std::vector<QStringList> shapes(4);
    for (int i = 0; i < n; ++i) {
        const QString key = QStringLiteral("%1").arg(i / 3, 5, 10, QLatin1Char('0'));
        shapes[0] << key;       // ascending with repeats
        shapes[1].prepend(key); // descending with repeats
        shapes[2] << QStringLiteral("%1").arg(i % (n / 2), 5, 10, QLatin1Char('0')); // two sorted halves
        shapes[3] << QStringLiteral("%1").arg(i < n / 2 ? i : n - i, 5, 10, QLatin1Char('0')); // organ pipe
    }
    for (const QStringList &in : shapes) {
        std::vector<PictureEntry> expected = entriesNamed(in);
        referenceQuick(expected, 0, n - 1);
        EXPECT_EQ(sortedByName(entriesNamed(in)), expected);
    }
}

TEST(SortByName, SortsLongListsQuicklyWithoutDeepRecursion)
{
    const int n = 100000;
    std::mt19937 rng(7);
    std::vector<QStringList> shapes(4);
    for (int i = 0; i < n; ++i) {
        const QString name = QStringLiteral("IMG_%1.jpg").arg(i, 6, 10, QLatin1Char('0'));
        shapes[0] << name;
        shapes[1].prepend(name);
        shapes[2] << QStringLiteral("IMG_%1.jpg").arg(i % (n / 2), 6, 10, QLatin1Char('0'));
        shapes[3] << QStringLiteral("IMG_%1.jpg").arg(rng() % 50000, 6, 10, QLatin1Char('0'));
    }
    for (const QStringList &in : shapes) {
        QElapsedTimer timer;
        timer.start();
        const std::vector<PictureEntry> out = sortedByName(entriesNamed(in));
        // Loose: the plain quicksort needs many seconds on the ordered shapes.
        EXPECT_LT(timer.elapsed(), TimeLimitMs);
        ASSERT_EQ(int(out.size()), n);
        EXPECT_TRUE(std::is_sorted(out.begin(), out.end(), [](const PictureEntry &a, const PictureEntry &b) {
            return SortByName::nameLess(a.name, b.name);
        }));
        // Every entry is still there, with its own folder.
        std::vector<bool> seen(size_t(n), false);
        for (const PictureEntry &e : out) {
            const int k = e.folder.mid(1).toInt();
            ASSERT_EQ(e.name, in[k]);
            ASSERT_FALSE(seen[size_t(k)]);
            seen[size_t(k)] = true;
        }
    }
}

TEST(SortByName, MenuCommandReordersTheListInOneReset)
{
    PictureList list;
    list.append(QStringLiteral("b.jpg"), QStringLiteral("/p"));
    list.append(QStringLiteral("a.jpg"), QStringLiteral("/q"));
    list.append(QStringLiteral("B.jpg"), QString());
    QSignalSpy resets(&list, &PictureList::modelReset);
    QSignalSpy removals(&list, &PictureList::rowsRemoved);

    msrtnmeclick(list);

    const std::vector<PictureEntry> expected{{"B.jpg", ""}, {"a.jpg", "/q"}, {"b.jpg", "/p"}};
    EXPECT_EQ(list.entries(), expected);
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(removals.count(), 0);
}

} // namespace
} // namespace orv
