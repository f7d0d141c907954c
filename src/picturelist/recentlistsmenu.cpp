#include "recentlistsmenu.h"

#include "recentlistcaption.h"
#include "recentliststore.h"

#include <QAction>
#include <QMenu>

namespace orv {

RecentListsMenu::RecentListsMenu(QMenu *menu, QAction *before, RecentListStore *store, QObject *parent)
    : QObject(parent), m_store(store)
{
    for (int slot = RecentListStore::SlotCount; slot >= 1; --slot) {
        auto *action = new QAction(menu);
        action->setObjectName(QStringLiteral("mlatelist%1").arg(slot));
        action->setVisible(false);
        menu->insertAction(before, action);
        connect(action, &QAction::triggered, this, [this, slot] { open(slot); });
        m_actions[size_t(slot - 1)] = action;
    }
}

QAction *RecentListsMenu::action(int slot) const
{
    return m_actions.at(size_t(slot - 1));
}

void RecentListsMenu::readmenulists()
{
    for (int slot = 1; slot <= RecentListStore::SlotCount; ++slot) {
        const std::optional<QString> path = m_store->recentList(slot);
        if (!path)
            continue; // an empty slot leaves its item as it is
        QAction *item = action(slot);
        item->setText(RecentListCaption::actionText(*path));
        item->setVisible(true);
    }
}

void RecentListsMenu::addtomenu(const QString &path)
{
    if (m_store->addRecentList(path))
        readmenulists();
}

void RecentListsMenu::open(int slot)
{
    Q_EMIT openRequested(m_store->recentList(slot).value_or(QString()));
}

} // namespace orv
