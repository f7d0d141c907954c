#pragma once

#include <QList>
#include <QPoint>
#include <QString>
#include <QUrl>

class QMimeData;
class QWidget;

namespace orv::test {

// What a drag from another program met over a window, and whether it dropped.
struct DropOutcome {
    // The widget the window system hands the drag to: the one under the
    // point, or its nearest parent that takes drops; null when none does.
    QWidget *target = nullptr;
    // Whether the drag was accepted as it entered and as it moved (the
    // pointer shows a usable drop), and with which action.
    bool enterAccepted = false;
    bool moveAccepted = false;
    Qt::DropAction action = Qt::IgnoreAction;
    // Whether the drop itself was accepted (a drop is only made when the
    // last movement was accepted; otherwise the drag leaves).
    bool dropAccepted = false;
};

// Drags `data` from outside onto `window` at `pos` (window coordinates) and
// lets it go there, as the window system delivers a drag: DragEnter, DragMove
// and then Drop or DragLeave, sent to the widget under the point that takes
// drops, with the point in its coordinates. Afterwards the events posted
// meanwhile are delivered, so work queued by the drop is done. `actions` are
// the actions the source offers (a file manager offers copy, move and link).
DropOutcome dragAndDrop(QWidget *window, QPoint pos, const QMimeData &data,
                        Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction);

// The same for a drag of file addresses.
DropOutcome dropUrls(QWidget *window, QPoint pos, const QList<QUrl> &urls,
                     Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction);

// The addresses of local files.
QList<QUrl> fileUrls(const QStringList &paths);

} // namespace orv::test
