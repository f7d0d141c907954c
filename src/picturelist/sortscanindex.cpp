#include "sortscanindex.h"

#include <algorithm>
#include <climits>

namespace orv {

namespace {
// Scans this short are done key by key; the tree pays off for longer ones.
constexpr int DirectScan = 16;
} // namespace

SortScanIndex::SortScanIndex(const std::vector<int> &keys) : m_count(int(keys.size()))
{
    while (m_leaves < m_count)
        m_leaves *= 2;
    // Unused leaves hold keys that no scan stops on.
    m_min.assign(size_t(2 * m_leaves), INT_MAX);
    m_max.assign(size_t(2 * m_leaves), INT_MIN);
    for (int i = 0; i < m_count; ++i) {
        m_min[size_t(m_leaves + i)] = keys[size_t(i)];
        m_max[size_t(m_leaves + i)] = keys[size_t(i)];
    }
    for (int n = m_leaves - 1; n >= 1; --n) {
        m_min[size_t(n)] = std::min(m_min[size_t(2 * n)], m_min[size_t(2 * n + 1)]);
        m_max[size_t(n)] = std::max(m_max[size_t(2 * n)], m_max[size_t(2 * n + 1)]);
    }
}

void SortScanIndex::swap(int a, int b)
{
    const int ka = key(a);
    set(a, key(b));
    set(b, ka);
}

void SortScanIndex::set(int index, int value)
{
    int n = m_leaves + index;
    m_min[size_t(n)] = value;
    m_max[size_t(n)] = value;
    for (n /= 2; n >= 1; n /= 2) {
        m_min[size_t(n)] = std::min(m_min[size_t(2 * n)], m_min[size_t(2 * n + 1)]);
        m_max[size_t(n)] = std::max(m_max[size_t(2 * n)], m_max[size_t(2 * n + 1)]);
    }
}

int SortScanIndex::firstNotBelow(int from, int to, int value) const
{
    const int direct = std::min(to, from + DirectScan - 1);
    for (int k = from; k <= direct; ++k) {
        if (key(k) >= value)
            return k;
    }
    if (direct >= to)
        return to + 1;
    const int k = firstNotBelow(1, 0, m_leaves - 1, direct + 1, to, value);
    return k < 0 ? to + 1 : k;
}

int SortScanIndex::lastNotAbove(int from, int to, int value) const
{
    const int direct = std::max(from, to - DirectScan + 1);
    for (int k = to; k >= direct; --k) {
        if (key(k) <= value)
            return k;
    }
    if (direct <= from)
        return from - 1;
    const int k = lastNotAbove(1, 0, m_leaves - 1, from, direct - 1, value);
    return k < 0 ? from - 1 : k;
}

int SortScanIndex::firstNotBelow(int node, int nodeFrom, int nodeTo, int from, int to, int value) const
{
    if (nodeTo < from || nodeFrom > to || m_max[size_t(node)] < value)
        return -1;
    if (nodeFrom == nodeTo)
        return nodeFrom;
    const int mid = nodeFrom + (nodeTo - nodeFrom) / 2;
    const int k = firstNotBelow(2 * node, nodeFrom, mid, from, to, value);
    return k >= 0 ? k : firstNotBelow(2 * node + 1, mid + 1, nodeTo, from, to, value);
}

int SortScanIndex::lastNotAbove(int node, int nodeFrom, int nodeTo, int from, int to, int value) const
{
    if (nodeTo < from || nodeFrom > to || m_min[size_t(node)] > value)
        return -1;
    if (nodeFrom == nodeTo)
        return nodeFrom;
    const int mid = nodeFrom + (nodeTo - nodeFrom) / 2;
    const int k = lastNotAbove(2 * node + 1, mid + 1, nodeTo, from, to, value);
    return k >= 0 ? k : lastNotAbove(2 * node, nodeFrom, mid, from, to, value);
}

} // namespace orv
