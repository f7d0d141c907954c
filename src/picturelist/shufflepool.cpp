#include "shufflepool.h"

#include <utility>

namespace orv {

ShufflePool::ShufflePool(std::vector<PictureEntry> entries)
    : m_entries(std::move(entries)), m_remaining(int(m_entries.size()))
{
    const int n = m_remaining;
    m_tree.assign(size_t(n + 1), 0);
    // Every entry present: node k covers the (k & -k) positions ending at k.
    for (int k = 1; k <= n; ++k)
        m_tree[size_t(k)] = k & -k;
    while (m_highBit * 2 <= n)
        m_highBit *= 2;
}

PictureEntry ShufflePool::take(int index)
{
    const int position = positionOf(index);
    add(position + 1, -1);
    --m_remaining;
    return std::move(m_entries[size_t(position)]);
}

void ShufflePool::add(int position, int delta)
{
    for (int k = position; k < int(m_tree.size()); k += k & -k)
        m_tree[size_t(k)] += delta;
}

int ShufflePool::positionOf(int index) const
{
    // Descend the tree for the smallest prefix holding index + 1 entries.
    int position = 0;
    int rest = index + 1;
    for (int step = m_highBit; step > 0; step /= 2) {
        const int next = position + step;
        if (next < int(m_tree.size()) && m_tree[size_t(next)] < rest) {
            position = next;
            rest -= m_tree[size_t(next)];
        }
    }
    // `position` entries are counted before the target, so its 1-based
    // position is position + 1 and its 0-based one is position.
    return position;
}

} // namespace orv
