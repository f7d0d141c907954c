#pragma once

#include "viewercontext.h"

#include <QObject>

class QListView;

namespace orv {

// The main window's commands that hand a picture to other programs: "Copy
// picture" puts the picture on display on the desktop's clipboard, and "Show
// in folder" opens the file manager at the current entry's file.
class DesktopCommands : public QObject
{
    Q_OBJECT
public:
    enum Topic { CopyPictureTopic = 90, ShowInFolderTopic = 91 };

    // Show in folder takes the one entry selected in `list2` (the full list),
    // or else `list1`'s current entry.
    DesktopCommands(ViewerContext context, QListView *list1, QListView *list2, QObject *parent = nullptr);

    // A picture is on display.
    bool canCopyPicture() const;
    // The picture on display at its full size, as the file holds it.
    void copyPicture();
    void showInFolder();

private:
    void message(const QString &text, const QString &path);

    ViewerContext m_c;
    QListView *m_list1;
    QListView *m_list2;
};

} // namespace orv
