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
