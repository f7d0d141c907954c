#include "picturelistcolumn.h"

#include "picturelist.h"

namespace orv {

PictureListColumn::PictureListColumn(PictureList *list, int column, QObject *parent)
    : QIdentityProxyModel(parent), m_column(column)
{
    setSourceModel(list);
}

int PictureListColumn::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 1;
}

QVariant PictureListColumn::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.column() != 0)
        return {};
    const QAbstractItemModel *source = sourceModel();
    return source->data(source->index(index.row(), m_column), role);
}

} // namespace orv
