#pragma once

#include <QObject>
#include <array>

class QAction;
class QMenu;

namespace orv {

class RecentListStore;

// The four recent-list items of the File menu, `mlatelist1` to `mlatelist4`.
// They stand in slot order 4-3-2-1 from the top; item k shows recent slot k.
// Items start hidden with empty captions; an item is shown once its slot holds
// a path and is not hidden again while the program runs.
class RecentListsMenu : public QObject
{
    Q_OBJECT
public:
    // Inserts the items into `menu` before `before` (the menu's end when null).
    RecentListsMenu(QMenu *menu, QAction *before, RecentListStore *store, QObject *parent = nullptr);

    // The item of slot `slot` (1 to 4).
    QAction *action(int slot) const;

    // Captions and visibility from the store's four slots (readmenulists).
    void readmenulists();

    // Records a list file as recently used; rebuilds the items when it was
    // stored (addtomenu).
    void addtomenu(const QString &path);

Q_SIGNALS:
    // An item was chosen: the slot's path as read now, empty when the slot
    // no longer holds one. The main window opens it with openlistclick.
    void openRequested(const QString &path);

private:
    void open(int slot);

    RecentListStore *m_store;
    std::array<QAction *, 4> m_actions{};
};

} // namespace orv
