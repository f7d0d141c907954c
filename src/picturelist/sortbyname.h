#pragma once

#include "pictureentry.h"
#include "sortscanindex.h"

#include <vector>

namespace orv {

class PictureList;

// Sorts picture entries by file name with the program's quicksort: the pivot
// is the first entry of a range, and the order it leaves equal names in is
// the one its partition steps give (see partit).
//
// Names are compared as binary strings: UTF-16 code unit by code unit, case
// sensitive ("Z.jpg" < "a.jpg", "a10.jpg" < "a9.jpg"). Folders are never
// compared; a whole entry (name and folder) moves on every swap.
class SortByName
{
public:
    explicit SortByName(std::vector<PictureEntry> entries);

    // Sorts the entries with indexes lb ... ub (0-based, inclusive). Recurses
    // into the smaller part and loops over the larger one, so the depth stays
    // below log2(count) even on a list already in order.
    void quick(int lb, int ub);
    // One partition pass over lb ... ub around the name at lb; returns the
    // pivot's final index.
    int partit(int lb, int ub);

    const std::vector<PictureEntry> &entries() const { return m_entries; }
    std::vector<PictureEntry> takeEntries() { return std::move(m_entries); }

    static bool nameLess(const QString &a, const QString &b);

private:
    void swapEntries(int a, int b);

    std::vector<PictureEntry> m_entries;
    // The rank of each entry's name among all names (equal names share one),
    // kept in step with m_entries; the scans compare ranks, not strings.
    SortScanIndex m_keys;
};

// The entries sorted by name, in the order SortByName leaves them.
std::vector<PictureEntry> sortedByName(std::vector<PictureEntry> entries);

// List > Sort > By name: sorts the picture list in place. The current
// position, the labels and the display are left as they are.
void msrtnmeclick(PictureList &list);

} // namespace orv
