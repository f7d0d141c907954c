#include "fakerandomsource.h"
#include "picturelist.h"
#include "shuffle.h"

#include <QElapsedTimer>
#include <algorithm>
#include <gtest/gtest.h>

namespace orv {
namespace {

using test::FakeRandomSource;

// Loose time limits: they catch quadratic work, not tune speed. Unoptimised
// and sanitizer builds get more room.
#ifdef NDEBUG
constexpr qint64 TimeLimitMs = 2000;
#else
constexpr qint64 TimeLimitMs = 10000;
#endif

// One entry per letter, the folder telling them apart from the name.
std::vector<PictureEntry> letters(const QString &text)
{
    std::vector<PictureEntry> out;
    for (QChar c : text)
        out.push_back({QString(c) + QStringLiteral(".jpg"), QStringLiteral("/d/") + c});
    return out;
}

QString lettersOf(const std::vector<PictureEntry> &entries)
{
    QString out;
    for (const auto &e : entries) {
        EXPECT_EQ(e.folder, QStringLiteral("/d/") + e.name.left(1)) << "name and folder came apart";
        out += e.name.left(1);
    }
    return out;
}

TEST(Shuffle, FollowsTheCoinFlips)
{
    // Coins: below 0.5 is 0 (first, last, middle), from 0.5 on is 1 (a
    // quarter in, three quarters in).
    struct Case {
        QString in;
        std::deque<double> flips;
        QString out;
    };
    const Case cases[] = {
        {"", {}, ""},
        {"A", {0.0}, "A"},
        {"AB", {0.9}, "AB"},
        {"ABC", {0.0}, "ACB"},
        {"ABC", {0.7}, "ABC"},
        {"ABCD", {0.9, 0.1}, "BDAC"},
        {"ABCD", {0.9, 0.9}, "BDAC"},
        // middle of B C D: round(3 / 2) = 2 (half to even, up)
        {"ABCDE", {0.3, 0.3}, "AEDBC"},
        // middle of B C D E F: round(5 / 2) = 2 (half to even, down);
        // then C (round(4 / 4) = 1) and F (round(9 / 4) = 2 of B E F)
        {"ABCDEFG", {0.2, 0.6, 0.2}, "AGDCFBE"},
        // round(6 / 4) = 2 takes C, round(15 / 4) = 4 takes F; then B, E
        {"ABCDEF", {0.5, 0.5, 0.0}, "CFBEAD"},
    };
    for (const Case &c : cases) {
        FakeRandomSource random(c.flips);
        std::vector<PictureEntry> cliplist;
        EXPECT_EQ(lettersOf(shuffledEntries(letters(c.in), cliplist, random)), c.out) << c.in.toStdString();
        EXPECT_TRUE(random.values.empty()) << "unused flips for " << c.in.toStdString();
        EXPECT_EQ(random.seedings, 1);
    }
}

TEST(Shuffle, CoinTakesTheNumberAtSinglePrecision)
{
    struct Case {
        double u;
        int coin;
    };
    const Case cases[] = {
        {0.0, 0}, {0.25, 0}, {0.4999, 0},     {0.49999999, 1}, // 0.5 in single precision
        {0.5, 1}, {0.75, 1}, {0.99999999, 1}, // 1.0 in single precision: still a 1, never a 2
    };
    for (const Case &c : cases)
        EXPECT_EQ(shuffleCoin(c.u), c.coin) << c.u;
}

TEST(Shuffle, EmptiesTheListClipboardBeforeAndAfter)
{
    PictureList list;
    list.setEntries(letters(QStringLiteral("ABCDE")));
    std::vector<PictureEntry> cliplist = letters(QStringLiteral("XY"));
    FakeRandomSource random({0.0, 0.0});

    msrtrandclick(list, cliplist, random);

    EXPECT_EQ(lettersOf(list.entries()), QStringLiteral("AEDBC"));
    EXPECT_TRUE(cliplist.empty());
}

TEST(Shuffle, LongListKeepsEveryEntry)
{
    const int n = 100000;
    std::vector<PictureEntry> in;
    for (int i = 0; i < n; ++i)
        in.push_back({QStringLiteral("%1.jpg").arg(i), QStringLiteral("/f%1").arg(i)});
    ClockRandomSource random;
    std::vector<PictureEntry> cliplist;

    QElapsedTimer timer;
    timer.start();
    std::vector<PictureEntry> out = shuffledEntries(in, cliplist, random);
    EXPECT_LT(timer.elapsed(), TimeLimitMs);

    EXPECT_NE(out, in);
    auto byName = [](const PictureEntry &a, const PictureEntry &b) { return a.name < b.name; };
    std::sort(out.begin(), out.end(), byName);
    std::sort(in.begin(), in.end(), byName);
    EXPECT_EQ(out, in);
}

TEST(Shuffle, ClockSourceStaysInTheUnitInterval)
{
    ClockRandomSource random;
    int ones = 0;
    for (int i = 0; i < 20000; ++i) {
        const double u = random.next();
        ASSERT_GE(u, 0.0);
        ASSERT_LT(u, 1.0);
        ones += shuffleCoin(u);
    }
    // Both sides of the coin come up (about 10000 each).
    EXPECT_GT(ones, 9000);
    EXPECT_LT(ones, 11000);
}

} // namespace
} // namespace orv
