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

    int count() const { return int(m_entries.size()) - m_gapLength; }
    bool isEmpty() const { return count() == 0; }
    const PictureEntry &entry(int index) const
    {
        return m_entries[size_t(index < m_gapStart ? index : index + m_gapLength)];
    }
    QString name(int index) const { return entry(index).name; }
    QString folder(int index) const { return entry(index).folder; }
    QString fullPath(int index) const;
    const std::vector<PictureEntry> &entries() const
    {
        Q_ASSERT(m_gapLength == 0);
        return m_entries;
    }

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

    // Edits of many entries at once (the list manager's paste, cut, delete
    // and moves), each with one model signal or one per run of neighbouring
    // rows, so that long lists stay fast.
    //
    // Inserts `entries` in order at `index` (clamped to 0 ... count).
    void insertEntries(int index, const std::vector<PictureEntry> &entries);
    // Removes the entries at `rows` (ascending, no repeats, all valid): one
    // removal per run of neighbouring rows, and the entries are compacted in
    // one pass, so scattered rows cost no more than a block.
    void removeEntries(const std::vector<int> &rows);
    // Reorders the entries in one layout change: `order[k]` is the row whose
    // entry comes to row k (a permutation of 0 ... count - 1). Selections and
    // current entries of the views follow their entries.
    void reorder(const std::vector<int> &order);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    // While removeEntries runs, the rows it has taken out so far leave a gap
    // in m_entries (from m_gapStart, m_gapLength entries long) that entry()
    // and count() step over, so the views see a consistent list at every
    // signal. Outside removeEntries there is no gap.
    std::vector<PictureEntry> m_entries;
    int m_gapStart = 0;
    int m_gapLength = 0;
};

} // namespace orv
