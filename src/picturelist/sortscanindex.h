#pragma once

#include <cstddef>
#include <vector>

namespace orv {

// The sort keys of a list (whole-number ranks) with the smallest and largest
// key of every power-of-two block, so that the partition scans of the name
// sort jump over long runs of keys on one side of the pivot in logarithmic
// time instead of stepping through them one by one. Without it the sort takes
// quadratic time on lists that are already (nearly) in order.
class SortScanIndex
{
public:
    explicit SortScanIndex(const std::vector<int> &keys);

    int count() const { return m_count; }
    int key(int index) const { return m_min[std::size_t(m_leaves + index)]; }
    void swap(int a, int b);

    // The first index k in [from, to] with key(k) >= value; to + 1 if none.
    int firstNotBelow(int from, int to, int value) const;
    // The last index k in [from, to] with key(k) <= value; from - 1 if none.
    int lastNotAbove(int from, int to, int value) const;

private:
    void set(int index, int value);
    int firstNotBelow(int node, int nodeFrom, int nodeTo, int from, int to, int value) const;
    int lastNotAbove(int node, int nodeFrom, int nodeTo, int from, int to, int value) const;

    int m_count = 0;
    int m_leaves = 1; // a power of two, at least m_count
    // Heap-ordered trees: node 1 is the whole list, node n has children 2n and
    // 2n + 1, leaves start at m_leaves.
    std::vector<int> m_min;
    std::vector<int> m_max;
};

} // namespace orv
