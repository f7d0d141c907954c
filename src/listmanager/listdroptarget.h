#pragma once

#include "droppedfiles.h"

#include <QObject>
#include <functional>

class QDropEvent;
class QFrame;
class QListView;
class QWidget;

namespace orv {

class PictureList;

// Files dropped on one of the list manager's lists: the pictures (and the
// pictures of dropped folders) are inserted into the list's model where they
// are dropped, before the entry under the pointer's upper half or after the
// one under its lower half, and at the end below the last entry. A line marks
// the place while dragging; near the list's top or bottom edge the list
// scrolls. List files and anything else are refused.
class ListDropTarget : public QObject
{
    Q_OBJECT
public:
    // `inserted(row, count, wasEmpty)` runs after `count` entries were
    // inserted at `row` into the list, which was empty before when `wasEmpty`.
    using Inserted = std::function<void(int row, int count, bool wasEmpty)>;

    ListDropTarget(QListView *view, PictureList &list, Inserted inserted = {});

    // The row a drop at `pos` (in the view's viewport) inserts at.
    int rowAt(QPoint pos) const;
    // The marker line, shown while a usable drag is over the list.
    QFrame *marker() const { return m_marker; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Accepts a usable drag with the copy action and marks its row.
    void answer(QDropEvent *event, DroppedFiles::Kind kind);
    void scrollNearEdge(QPoint pos);
    void drop(QDropEvent *event);
    void insert(int row, const QList<QUrl> &urls);

    QListView *m_view;
    QWidget *m_viewport;
    PictureList &m_list;
    Inserted m_inserted;
    QFrame *m_marker = nullptr;
    DroppedFiles m_files{false};
    DroppedFiles::Kind m_dragKind = DroppedFiles::Kind::Refused;
};

} // namespace orv
