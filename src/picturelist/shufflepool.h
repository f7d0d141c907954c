#pragma once

#include "pictureentry.h"

#include <vector>

namespace orv {

// The entries a shuffle has not moved out yet. Entries keep their order;
// take(index) removes the index-th remaining entry in logarithmic time (a
// Fenwick tree counts the entries still present), so shuffling a long list
// costs n log n rather than one array shift per move.
class ShufflePool
{
public:
    explicit ShufflePool(std::vector<PictureEntry> entries);

    int count() const { return m_remaining; }
    // Removes and returns the remaining entry at `index` (0-based among the
    // remaining ones).
    PictureEntry take(int index);

private:
    void add(int position, int delta);
    // The position in m_entries of the remaining entry at `index`.
    int positionOf(int index) const;

    std::vector<PictureEntry> m_entries;
    std::vector<int> m_tree; // 1-based Fenwick tree over "still present"
    int m_highBit = 1;       // the highest power of two not above the size
    int m_remaining = 0;
};

} // namespace orv
