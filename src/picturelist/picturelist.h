#pragma once

#include "pictureentry.h"

#include <QAbstractTableModel>
#include <vector>

namespace orv {

// The picture list: the ordered entries behind the three parallel lists of
// the main window (List1 and List2 show column 0, the file names; pathlist
// shows column 1, the folders). Every change applies to an entry as a whole,
// so the three views always have the same count and indexes.
class PictureList : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { NameColumn = 0, FolderColumn = 1 };

    explicit PictureList(QObject *parent = nullptr);

    int count() const { return int(m_entries.size()); }
    bool isEmpty() const { return m_entries.empty(); }
    const PictureEntry &entry(int index) const { return m_entries[size_t(index)]; }
    QString name(int index) const { return entry(index).name; }
    QString folder(int index) const { return entry(index).folder; }
    QString fullPath(int index) const;
    const std::vector<PictureEntry> &entries() const { return m_entries; }

    void append(const PictureEntry &e);
    void append(const QString &name, const QString &folder) { append(PictureEntry{name, folder}); }
    void appendAll(const std::vector<PictureEntry> &entries);
    void insert(int index, const PictureEntry &e);
    void removeAt(int index);
    void setEntry(int index, const PictureEntry &e);
    void clear();
    // Replaces every entry at once (sorting, shuffling, opening a list file):
    // one reset for the views instead of one signal per entry.
    void setEntries(std::vector<PictureEntry> entries);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    std::vector<PictureEntry> m_entries;
};

} // namespace orv
