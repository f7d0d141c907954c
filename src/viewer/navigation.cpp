#include "navigation.h"

#include "displayengine.h"
#include "imageboxview.h"
#include "picturelist.h"
#include "systembeep.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QListView>

namespace orv {

PopupEnabling popupEnabling(int s)
{
    PopupEnabling e;
    e.openListManager = true;
    if (s >= 1) {
        e.copy = e.cut = e.remove = true;
    }
    if (s == 1) {
        e.show = e.rename = e.properties = true;
    }
    return e;
}

Navigation::Navigation(ViewerContext context, Lists lists, QObject *parent)
    : QObject(parent), m_c(context), m_lists(lists)
{}

void Navigation::next()
{
    DisplayState &s = *m_c.state;
    const int count = m_c.list->count();
    if (s.curpic < count) {
        ++s.curpic;
    } else {
        m_c.services.beep->beep();
        s.curpic = count + 1;
    }
    m_c.engine->disp();
}

void Navigation::previous()
{
    DisplayState &s = *m_c.state;
    if (s.curpic >= 2) {
        --s.curpic;
        m_c.engine->disp();
    } else {
        m_c.services.beep->beep();
    }
}

void Navigation::enterKey()
{
    QListView *list2 = m_lists.list2;
    if (list2 && list2->isVisible()) {
        const QModelIndex focused = list2->currentIndex();
        if (focused.isValid() && focused.row() + 1 != m_c.state->curpic) {
            showEntry(focused.row());
            return;
        }
    }
    next();
}

void Navigation::togglePicture(bool beepOnEmpty)
{
    DisplayState &s = *m_c.state;
    if (s.pichidden) {
        if (m_c.list->isEmpty()) {
            m_c.view->setStatus(DisplayEngine::emptyListText());
            if (beepOnEmpty)
                m_c.services.beep->beep();
        } else {
            m_c.engine->disp();
        }
        return;
    }
    m_c.engine->disapp();
    s.pichidden = true;
}

void Navigation::showEntry(int index)
{
    if (index < 0)
        return;
    m_c.state->curpic = index + 1;
    m_c.engine->disp();
}

void Navigation::toggleDropDown()
{
    QListView *list2 = m_lists.list2;
    const bool open = !list2->isVisible();
    list2->setVisible(open);
    if (open)
        list2->raise();
    if (m_lists.mlist)
        m_lists.mlist->setChecked(open);
}

void Navigation::openDropDown()
{
    QListView *list2 = m_lists.list2;
    list2->show();
    list2->raise();
    if (m_lists.mlist)
        m_lists.mlist->setChecked(true);
    list2->setFocus();
}

void Navigation::selectAll()
{
    const int count = m_c.list->count();
    if (count == 0)
        return;
    QAbstractItemModel *model = m_lists.list2->model();
    const QItemSelection all(model->index(0, 0), model->index(count - 1, 0));
    m_lists.list2->selectionModel()->select(all, QItemSelectionModel::Select);
    // The single-selection lists end on the last entry.
    for (QListView *single : {m_lists.list1, m_lists.pathlist}) {
        if (single)
            single->selectionModel()->select(model->index(count - 1, 0), QItemSelectionModel::ClearAndSelect);
    }
}

void Navigation::invertSelection()
{
    const int count = m_c.list->count();
    if (count == 0)
        return;
    QItemSelectionModel *sel2 = m_lists.list2->selectionModel();
    QAbstractItemModel *model = m_lists.list2->model();
    // In the single-selection lists the last entry written as selected stays
    // selected; entries written as unselected drop their selection.
    int lastNewlySelected = -1;
    for (int i = count - 1; i >= 0; --i) {
        if (!sel2->isSelected(model->index(i, 0))) {
            lastNewlySelected = i;
            break;
        }
    }
    const QItemSelection all(model->index(0, 0), model->index(count - 1, 0));
    sel2->select(all, QItemSelectionModel::Toggle);
    for (QListView *single : {m_lists.list1, m_lists.pathlist}) {
        if (!single)
            continue;
        if (lastNewlySelected >= 0)
            single->selectionModel()->select(model->index(lastNewlySelected, 0),
                                             QItemSelectionModel::ClearAndSelect);
        else
            single->selectionModel()->clearSelection();
    }
}

int Navigation::selectedCount() const
{
    // The lists show column 0 only, so a selected entry is a selected item there.
    int n = 0;
    const QModelIndexList selected = m_lists.list2->selectionModel()->selectedIndexes();
    for (const QModelIndex &i : selected)
        n += i.column() == 0;
    return n;
}

} // namespace orv
