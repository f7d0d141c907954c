#include "listdroptarget.h"

#include "picturelist.h"

#include <QDropEvent>
#include <QFrame>
#include <QListView>
#include <QScrollBar>

namespace orv {

ListDropTarget::ListDropTarget(QListView *view, PictureList &list, Inserted inserted)
    : QObject(view), m_view(view), m_viewport(view->viewport()), m_list(list), m_inserted(std::move(inserted))
{
    QWidget *viewport = m_viewport;
    m_marker = new QFrame(viewport);
    m_marker->setObjectName(view->objectName() + QStringLiteral("DropMarker"));
    m_marker->setAutoFillBackground(true);
    m_marker->setBackgroundRole(QPalette::Highlight);
    m_marker->hide();
    viewport->setAcceptDrops(true);
    viewport->installEventFilter(this);
}

int ListDropTarget::rowAt(QPoint pos) const
{
    const QModelIndex index = m_view->indexAt(pos);
    if (!index.isValid())
        return m_view->model()->rowCount();
    const QRect r = m_view->visualRect(index);
    return pos.y() < r.top() + r.height() / 2 ? index.row() : index.row() + 1;
}

bool ListDropTarget::eventFilter(QObject *watched, QEvent *event)
{
    // Compared by address only: the viewport's last events arrive while the
    // view is being destroyed, when it can no longer be asked anything.
    if (watched != m_viewport)
        return false;
    switch (event->type()) {
    case QEvent::DragEnter: {
        auto *drag = static_cast<QDragEnterEvent *>(event);
        m_dragKind = m_files.kind(DroppedFiles::urls(*drag));
        answer(drag, m_dragKind);
        return true;
    }
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        scrollNearEdge(drag->position().toPoint());
        answer(drag, m_dragKind);
        return true;
    }
    case QEvent::DragLeave:
        m_dragKind = DroppedFiles::Kind::Refused;
        m_marker->hide();
        return true;
    case QEvent::Drop:
        drop(static_cast<QDropEvent *>(event));
        m_dragKind = DroppedFiles::Kind::Refused;
        m_marker->hide();
        return true;
    default:
        return false;
    }
}

void ListDropTarget::answer(QDropEvent *event, DroppedFiles::Kind kind)
{
    if (!DroppedFiles::offerCopy(*event, kind == DroppedFiles::Kind::Pictures)) {
        m_marker->hide();
        return;
    }

    const int row = rowAt(event->position().toPoint());
    const int count = m_view->model()->rowCount();
    int y = 0;
    if (row < count)
        y = m_view->visualRect(m_view->model()->index(row, 0)).top();
    else if (count > 0)
        y = m_view->visualRect(m_view->model()->index(count - 1, 0)).bottom() + 1;
    const int thickness = 2;
    m_marker->setGeometry(0, std::max(0, y - thickness / 2), m_viewport->width(), thickness);
    m_marker->show();
    m_marker->raise();
}

void ListDropTarget::scrollNearEdge(QPoint pos)
{
    // A drag cannot turn the wheel: near an edge the list scrolls by a row
    // with each movement of the pointer.
    const int margin = std::max(8, m_view->sizeHintForRow(0) / 2 + 2);
    QScrollBar *bar = m_view->verticalScrollBar();
    if (pos.y() < margin)
        bar->setValue(bar->value() - bar->singleStep());
    else if (pos.y() >= m_viewport->height() - margin)
        bar->setValue(bar->value() + bar->singleStep());
}

void ListDropTarget::drop(QDropEvent *event)
{
    const QList<QUrl> urls = DroppedFiles::urls(*event);
    // Looked at again: the files may have changed since the drag entered.
    answer(event, m_files.kind(urls));
    if (!event->isAccepted())
        return;
    const int row = rowAt(event->position().toPoint());
    // Folders are read once the drop is over, so the program the files came
    // from is not kept waiting.
    QMetaObject::invokeMethod(
        this, [this, row, urls] { insert(row, urls); }, Qt::QueuedConnection);
}

void ListDropTarget::insert(int row, const QList<QUrl> &urls)
{
    const std::vector<PictureEntry> entries = m_files.entries(urls);
    if (entries.empty())
        return;
    const bool wasEmpty = m_list.isEmpty();
    const int at = std::clamp(row, 0, m_list.count());
    m_list.insertEntries(at, entries);
    m_view->scrollTo(m_view->model()->index(at, 0));
    if (m_inserted)
        m_inserted(at, int(entries.size()), wasEmpty);
}

} // namespace orv
