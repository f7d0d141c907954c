#include "mainwindowdrops.h"

#include "listfilecommands.h"

#include <QDropEvent>
#include <QWidget>

namespace orv {

MainWindowDrops::MainWindowDrops(QWidget *window, PictureList &list, OpenFolderHost &host,
                                 MessageBoxes &messageBoxes, ListFileCommands &listFiles)
    : QObject(window), m_window(window), m_add(list, host, messageBoxes), m_listFiles(listFiles)
{
    window->setAcceptDrops(true);
    window->installEventFilter(this);
}

bool MainWindowDrops::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window)
        return false;
    switch (event->type()) {
    case QEvent::DragEnter: {
        auto *drag = static_cast<QDragEnterEvent *>(event);
        m_dragKind = m_files.kind(DroppedFiles::urls(*drag));
        answer(drag, m_dragKind);
        return true;
    }
    case QEvent::DragMove:
        answer(static_cast<QDragMoveEvent *>(event), m_dragKind);
        return true;
    case QEvent::DragLeave:
        m_dragKind = DroppedFiles::Kind::Refused;
        return true;
    case QEvent::Drop:
        drop(static_cast<QDropEvent *>(event));
        m_dragKind = DroppedFiles::Kind::Refused;
        return true;
    default:
        return false;
    }
}

void MainWindowDrops::answer(QDropEvent *event, DroppedFiles::Kind kind)
{
    DroppedFiles::offerCopy(*event, kind != DroppedFiles::Kind::Refused);
}

void MainWindowDrops::drop(QDropEvent *event)
{
    const QList<QUrl> urls = DroppedFiles::urls(*event);
    // Looked at again: the files may have changed since the drag entered.
    const DroppedFiles::Kind kind = m_files.kind(urls);
    answer(event, kind);
    if (!event->isAccepted())
        return;
    // The work, and any message it shows, waits until the drop is over, so
    // the program the files came from is not kept waiting.
    QMetaObject::invokeMethod(
        this, [this, urls, kind] { take(urls, kind); }, Qt::QueuedConnection);
}

void MainWindowDrops::take(const QList<QUrl> &urls, DroppedFiles::Kind kind)
{
    if (kind == DroppedFiles::Kind::ListFile) {
        m_listFiles.openlistclick(DroppedFiles::listFile(urls));
        return;
    }
    const std::vector<PictureEntry> entries = m_files.entries(urls);
    if (!entries.empty())
        m_add.add(entries, m_window);
}

} // namespace orv
