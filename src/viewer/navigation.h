#pragma once

#include "viewercontext.h"

#include <QObject>

class QAction;
class QListView;

namespace orv {

// Which popup items the selection allows (before items that are not
// available at all are taken out).
struct PopupEnabling {
    bool show = false;
    bool openListManager = false;
    bool copy = false;
    bool cut = false;
    bool remove = false;
    bool rename = false;
    bool properties = false;
};
PopupEnabling popupEnabling(int selectedCount);

// Stepping through the list, hiding and showing the picture, the drop-down
// list and the selection commands of the main window.
class Navigation : public QObject
{
    Q_OBJECT
public:
    struct Lists {
        QListView *list1 = nullptr;
        QListView *list2 = nullptr;
        QListView *pathlist = nullptr;
        QAction *mlist = nullptr; // View > List, checked while List2 is open
    };

    Navigation(ViewerContext context, Lists lists, QObject *parent = nullptr);
    void setDropDownAction(QAction *mlist) { m_lists.mlist = mlist; }

    void next();
    void previous();
    // Enter: with the drop-down open on another entry, show that entry;
    // otherwise the same as next().
    void enterKey();
    // Hide a shown picture, or show a hidden one. On an empty list the
    // status line says so, with a beep when `beepOnEmpty`.
    void togglePicture(bool beepOnEmpty);
    // Shows entry `index` (0-based).
    void showEntry(int index);

    void toggleDropDown();
    void openDropDown();

    void selectAll();
    void invertSelection();
    int selectedCount() const;

private:
    ViewerContext m_c;
    Lists m_lists;
};

} // namespace orv
