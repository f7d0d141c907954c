#pragma once

#include <QIdentityProxyModel>

namespace orv {

class PictureList;

// One column of the picture list as a one-column model: the names for List1
// and List2, the folders for pathlist. Views and assistive technology then
// see one item per entry.
class PictureListColumn : public QIdentityProxyModel
{
    Q_OBJECT
public:
    PictureListColumn(PictureList *list, int column, QObject *parent = nullptr);

    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    int m_column;
};

} // namespace orv
