#include "sortbyname.h"

#include "picturelist.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace orv {

namespace {

std::vector<int> nameRanks(const std::vector<PictureEntry> &entries)
{
    std::vector<int> byName(entries.size());
    std::iota(byName.begin(), byName.end(), 0);
    std::sort(byName.begin(), byName.end(), [&entries](int a, int b) {
        return SortByName::nameLess(entries[size_t(a)].name, entries[size_t(b)].name);
    });
    std::vector<int> ranks(entries.size());
    int rank = 0;
    for (size_t k = 0; k < byName.size(); ++k) {
        if (k > 0 && entries[size_t(byName[k - 1])].name != entries[size_t(byName[k])].name)
            ++rank;
        ranks[size_t(byName[k])] = rank;
    }
    return ranks;
}

} // namespace

SortByName::SortByName(std::vector<PictureEntry> entries)
    : m_entries(std::move(entries)), m_keys(nameRanks(m_entries))
{}

bool SortByName::nameLess(const QString &a, const QString &b)
{
    // QString compares UTF-16 code units, with no regard to case or locale.
    return QString::compare(a, b, Qt::CaseSensitive) < 0;
}

void SortByName::quick(int lb, int ub)
{
    while (lb < ub) {
        const int p = partit(lb, ub);
        if (p - lb < ub - p) {
            quick(lb, p - 1);
            lb = p + 1;
        } else {
            quick(p + 1, ub);
            ub = p - 1;
        }
    }
}

int SortByName::partit(int lb, int ub)
{
    const int pivot = m_keys.key(lb);
    int i = lb + 1;
    int j = ub;
    while (i <= j) {
        // Step over names below the pivot, then back over names above it.
        i = m_keys.firstNotBelow(i, j, pivot);
        j = m_keys.lastNotAbove(lb, j, pivot);
        if (i < j) {
            swapEntries(i, j);
            ++i;
            --j;
        } else {
            // i > j: the scans crossed. i == j: both stopped on one name equal
            // to the pivot; swapping it with itself would make no progress, so
            // the pass ends there and the pivot goes to j as usual.
            break;
        }
    }
    if (j != lb)
        swapEntries(lb, j);
    return j;
}

void SortByName::swapEntries(int a, int b)
{
    std::swap(m_entries[size_t(a)], m_entries[size_t(b)]);
    m_keys.swap(a, b);
}

std::vector<PictureEntry> sortedByName(std::vector<PictureEntry> entries)
{
    SortByName sort(std::move(entries));
    sort.quick(0, int(sort.entries().size()) - 1);
    return sort.takeEntries();
}

void msrtnmeclick(PictureList &list)
{
    if (list.count() < 2)
        return;
    list.setEntries(sortedByName(list.entries()));
}

} // namespace orv
