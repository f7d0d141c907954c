#include "listediting.h"

#include "picturelist.h"

#include <QItemSelectionModel>
#include <numeric>

namespace orv::ListEditing {

std::vector<int> selectedRows(const QItemSelectionModel &selection, int count)
{
    // A mark per row keeps this linear, however the ranges lie.
    std::vector<char> marked(size_t(std::max(count, 0)), 0);
    int marks = 0;
    const QItemSelection ranges = selection.selection();
    for (const QItemSelectionRange &range : ranges) {
        const int top = std::max(range.top(), 0);
        const int bottom = std::min(range.bottom(), count - 1);
        for (int row = top; row <= bottom; ++row) {
            if (!marked[size_t(row)]) {
                marked[size_t(row)] = 1;
                ++marks;
            }
        }
    }
    std::vector<int> rows;
    rows.reserve(size_t(marks));
    for (int row = 0; row < count && int(rows.size()) < marks; ++row) {
        if (marked[size_t(row)])
            rows.push_back(row);
    }
    return rows;
}

QItemSelection invertedRows(const QAbstractItemModel &model, const std::vector<int> &rows)
{
    QItemSelection out;
    int from = 0;
    auto addUpTo = [&](int end) {
        if (end > from)
            out.append(QItemSelectionRange(model.index(from, 0), model.index(end - 1, 0)));
    };
    for (int row : rows) {
        addUpTo(row);
        from = row + 1;
    }
    addUpTo(model.rowCount());
    return out;
}

std::vector<PictureEntry> entriesAt(const PictureList &list, const std::vector<int> &rows, bool bottomUp)
{
    std::vector<PictureEntry> out;
    out.reserve(rows.size());
    for (int row : rows)
        out.push_back(list.entry(row));
    if (bottomUp)
        std::reverse(out.begin(), out.end());
    return out;
}

std::vector<int> moveUpOrder(int count, const std::vector<int> &rows)
{
    if (rows.empty() || rows.back() < 1)
        return {};
    std::vector<int> order(static_cast<size_t>(count));
    std::iota(order.begin(), order.end(), 0);
    for (int row : rows) {
        if (row >= 1)
            std::swap(order[size_t(row)], order[size_t(row - 1)]);
    }
    return order;
}

std::vector<int> moveDownOrder(int count, const std::vector<int> &rows)
{
    if (rows.empty() || rows.front() > count - 2)
        return {};
    std::vector<int> order(static_cast<size_t>(count));
    std::iota(order.begin(), order.end(), 0);
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
        if (*it <= count - 2)
            std::swap(order[size_t(*it)], order[size_t(*it + 1)]);
    }
    return order;
}

bool moveUp(PictureList &list, const std::vector<int> &rows)
{
    const std::vector<int> order = moveUpOrder(list.count(), rows);
    if (order.empty())
        return false;
    list.reorder(order);
    return true;
}

bool moveDown(PictureList &list, const std::vector<int> &rows)
{
    const std::vector<int> order = moveDownOrder(list.count(), rows);
    if (order.empty())
        return false;
    list.reorder(order);
    return true;
}

int paste(PictureList &list, int at, std::vector<PictureEntry> &clipboard)
{
    if (clipboard.empty())
        return -1;
    const int row = (at < 0 || at > list.count()) ? list.count() : at;
    list.insertEntries(row, clipboard);
    clipboard.clear();
    return row;
}

} // namespace orv::ListEditing
