#pragma once

#include "droppedfiles.h"
#include "openfoldercommands.h"

#include <QObject>

class QDropEvent;
class QWidget;

namespace orv {

class ListFileCommands;
class MessageBoxes;
class OpenFolderHost;
class PictureList;

// Files dropped anywhere on the main window. Pictures, and the pictures of
// dropped folders, are appended as the open-folder dialog's "&Add " appends
// them (counter and status line included, nothing shown); a list file dropped
// alone is opened as File > Open > "&List" opens it. Any other drop is
// refused, and the pointer shows it while dragging; a usable one shows copy.
//
// Watches the window's drag and drop events; the window's controls take no
// drops of their own, so drops on them reach the window.
class MainWindowDrops : public QObject
{
    Q_OBJECT
public:
    MainWindowDrops(QWidget *window, PictureList &list, OpenFolderHost &host, MessageBoxes &messageBoxes,
                    ListFileCommands &listFiles);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Accepts the drag with the copy action when the drop is usable.
    void answer(QDropEvent *event, DroppedFiles::Kind kind);
    void drop(QDropEvent *event);
    // Adds the pictures or opens the list file of an accepted drop.
    void take(const QList<QUrl> &urls, DroppedFiles::Kind kind);

    QWidget *m_window;
    OpenFolderCommands m_add;
    ListFileCommands &m_listFiles;
    DroppedFiles m_files{true};
    // What the drag being made over the window would do, found as it enters.
    DroppedFiles::Kind m_dragKind = DroppedFiles::Kind::Refused;
};

} // namespace orv
