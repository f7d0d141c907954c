#include "dropinput.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QWidget>

namespace orv::test {

namespace {

// The widget a drop at `pos` goes to, found as Qt's own window does: the
// child under the point, or its nearest enabled parent that takes drops.
QWidget *dropTarget(QWidget *window, QPoint pos)
{
    QWidget *w = window->childAt(pos);
    if (!w)
        w = window;
    while (w && !w->isWindow() && !w->acceptDrops())
        w = w->parentWidget();
    return (w && w->acceptDrops() && w->isEnabled()) ? w : nullptr;
}

} // namespace

DropOutcome dragAndDrop(QWidget *window, QPoint pos, const QMimeData &data, Qt::DropActions actions)
{
    DropOutcome out;
    out.target = dropTarget(window, pos);
    if (!out.target)
        return out;
    const QPoint at = out.target->mapFrom(window, pos);
    const Qt::MouseButtons buttons = Qt::LeftButton;

    QDragEnterEvent enter(at, actions, &data, buttons, Qt::NoModifier);
    QApplication::sendEvent(out.target, &enter);
    out.enterAccepted = enter.isAccepted();
    if (!out.enterAccepted) {
        QCoreApplication::sendPostedEvents();
        return out;
    }

    QDragMoveEvent move(at, actions, &data, buttons, Qt::NoModifier);
    move.setDropAction(enter.dropAction());
    move.setAccepted(true);
    // A move keeps the answer of the enter unless the widget changes it.
    QApplication::sendEvent(out.target, &move);
    out.moveAccepted = move.isAccepted();
    out.action = out.moveAccepted ? move.dropAction() : Qt::IgnoreAction;

    if (out.moveAccepted) {
        QDropEvent drop(at, actions, &data, buttons, Qt::NoModifier);
        drop.setDropAction(out.action);
        QApplication::sendEvent(out.target, &drop);
        out.dropAccepted = drop.isAccepted();
    } else {
        QDragLeaveEvent leave;
        QApplication::sendEvent(out.target, &leave);
    }
    QCoreApplication::sendPostedEvents();
    return out;
}

DropOutcome dropUrls(QWidget *window, QPoint pos, const QList<QUrl> &urls, Qt::DropActions actions)
{
    QMimeData data;
    data.setUrls(urls);
    return dragAndDrop(window, pos, data, actions);
}

QList<QUrl> fileUrls(const QStringList &paths)
{
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls << QUrl::fromLocalFile(path);
    return urls;
}

} // namespace orv::test
