#include "picturelist.h"

#include "picturepath.h"

namespace orv {

PictureList::PictureList(QObject *parent) : QAbstractTableModel(parent) {}

QString PictureList::fullPath(int index) const
{
    const PictureEntry &e = entry(index);
    return joinPicturePath(e.folder, e.name);
}

void PictureList::append(const PictureEntry &e)
{
    const int row = count();
    beginInsertRows({}, row, row);
    m_entries.push_back(e);
    endInsertRows();
}

void PictureList::appendAll(const std::vector<PictureEntry> &entries)
{
    if (entries.empty())
        return;
    const int first = count();
    beginInsertRows({}, first, first + int(entries.size()) - 1);
    m_entries.insert(m_entries.end(), entries.begin(), entries.end());
    endInsertRows();
}

void PictureList::insert(int index, const PictureEntry &e)
{
    index = std::clamp(index, 0, count());
    beginInsertRows({}, index, index);
    m_entries.insert(m_entries.begin() + index, e);
    endInsertRows();
}

void PictureList::removeAt(int index)
{
    if (index < 0 || index >= count())
        return;
    beginRemoveRows({}, index, index);
    m_entries.erase(m_entries.begin() + index);
    endRemoveRows();
}

void PictureList::setEntry(int index, const PictureEntry &e)
{
    if (index < 0 || index >= count())
        return;
    m_entries[size_t(index)] = e;
    Q_EMIT dataChanged(this->index(index, 0), this->index(index, 1));
}

void PictureList::clear()
{
    setEntries({});
}

void PictureList::setEntries(std::vector<PictureEntry> entries)
{
    beginResetModel();
    m_entries = std::move(entries);
    endResetModel();
}

void PictureList::insertEntries(int index, const std::vector<PictureEntry> &entries)
{
    if (entries.empty())
        return;
    index = std::clamp(index, 0, count());
    beginInsertRows({}, index, index + int(entries.size()) - 1);
    m_entries.insert(m_entries.begin() + index, entries.begin(), entries.end());
    endInsertRows();
}

void PictureList::removeEntries(const std::vector<int> &rows)
{
    // Runs are taken from the top. The entries kept so far are moved down to
    // `write`; those from `read` on are still in place; between them lies
    // the gap of the entries removed so far.
    size_t write = 0;
    size_t read = 0;
    for (size_t k = 0; k < rows.size();) {
        const size_t first = size_t(rows[k]);
        size_t last = first;
        while (++k < rows.size() && size_t(rows[k]) == last + 1)
            ++last;
        const int removedSoFar = int(read - write);
        beginRemoveRows({}, int(first) - removedSoFar, int(last) - removedSoFar);
        if (write == read) {
            write = first; // nothing removed above: the entries stay in place
        } else {
            for (size_t p = read; p < first; ++p)
                m_entries[write++] = std::move(m_entries[p]);
        }
        read = last + 1;
        m_gapStart = int(write);
        m_gapLength = int(read - write);
        endRemoveRows();
    }
    m_entries.erase(m_entries.begin() + qsizetype(write), m_entries.begin() + qsizetype(read));
    m_gapStart = 0;
    m_gapLength = 0;
}

void PictureList::reorder(const std::vector<int> &order)
{
    const int n = count();
    Q_ASSERT(int(order.size()) == n);
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<PictureEntry> reordered(static_cast<size_t>(n));
    std::vector<int> newRowOf(static_cast<size_t>(n));
    for (int k = 0; k < n; ++k) {
        reordered[size_t(k)] = std::move(m_entries[size_t(order[size_t(k)])]);
        newRowOf[size_t(order[size_t(k)])] = k;
    }
    m_entries.swap(reordered);
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    to.reserve(from.size());
    for (const QModelIndex &i : from)
        to.append(index(newRowOf[size_t(i.row())], i.column()));
    changePersistentIndexList(from, to);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int PictureList::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

int PictureList::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant PictureList::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    const PictureEntry &e = entry(index.row());
    if (role == Qt::ToolTipRole)
        return joinPicturePath(e.folder, e.name);
    return index.column() == NameColumn ? e.name : e.folder;
}

} // namespace orv
