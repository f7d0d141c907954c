#include "selectedrows.h"

#include <QItemSelectionModel>

#include <algorithm>

namespace orv {

std::vector<int> selectedRows(const QItemSelectionModel &selection)
{
    // From the selection's ranges: a range of thousands of rows costs no
    // index objects.
    std::vector<int> rows;
    const QItemSelection ranges = selection.selection();
    for (const QItemSelectionRange &range : ranges) {
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.push_back(row);
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

} // namespace orv
