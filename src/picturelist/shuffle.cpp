#include "shuffle.h"

#include "picturelist.h"
#include "randomsource.h"
#include "rounding.h"
#include "shufflepool.h"

namespace orv {

int shuffleCoin(double u)
{
    return float(u) >= 0.5f ? 1 : 0;
}

std::vector<PictureEntry> shuffledEntries(std::vector<PictureEntry> entries,
                                          std::vector<PictureEntry> &cliplist, RandomSource &random)
{
    cliplist.clear();
    random.seedFromClock();
    cliplist.reserve(entries.size());
    ShufflePool pool(std::move(entries));
    const auto moveOut = [&](int index) { cliplist.push_back(pool.take(index)); };

    while (pool.count() > 0) {
        if (shuffleCoin(random.next()) == 0) {
            if (pool.count() < 3)
                break;
            moveOut(0);
            moveOut(pool.count() - 1);
            moveOut(roundHalfEven(pool.count() / 2.0));
        } else {
            const int n = pool.count();
            if (n < 4)
                break;
            moveOut(roundHalfEven(n / 4.0));
            moveOut(roundHalfEven(3.0 * (n - 1) / 4.0));
        }
    }
    while (pool.count() > 0)
        moveOut(0);

    std::vector<PictureEntry> out = std::move(cliplist);
    cliplist.clear();
    return out;
}

void msrtrandclick(PictureList &list, std::vector<PictureEntry> &cliplist, RandomSource &random)
{
    list.setEntries(shuffledEntries(list.entries(), cliplist, random));
}

} // namespace orv
