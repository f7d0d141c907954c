#include "desktopcommands.h"

#include "filemanager.h"
#include "imageboxview.h"
#include "imagecontrol.h"
#include "messageboxes.h"
#include "pictureloader.h"
#include "picturelist.h"
#include "systemclipboard.h"

#include <QDir>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QListView>

namespace orv {

DesktopCommands::DesktopCommands(ViewerContext context, QListView *list1, QListView *list2, QObject *parent)
    : QObject(parent), m_c(context), m_list1(list1), m_list2(list2)
{
}

void DesktopCommands::message(const QString &text, const QString &path)
{
    MessageRequest box;
    box.text = text + QDir::toNativeSeparators(path);
    box.icon = MsgIcon::Exclamation;
    box.buttons = MsgButtons::Ok;
    m_c.services.messageBoxes->show(m_c.window, box);
}

bool DesktopCommands::canCopyPicture() const
{
    const int curpic = m_c.state->curpic;
    return m_c.services.clipboard && !m_c.state->pichidden && curpic >= 1 && curpic <= m_c.list->count() &&
           m_c.view->image1()->hasPicture();
}

void DesktopCommands::copyPicture()
{
    if (!canCopyPicture())
        return;
    // The picture on screen may have been decoded smaller for the box: the
    // file is read again at full size, and only if that fails is the copy on
    // screen taken.
    const LoadedPicture full = m_c.services.pictureLoader->load(m_c.list->fullPath(m_c.state->curpic - 1));
    m_c.services.clipboard->setPicture(full.ok() ? full.image : m_c.view->image1()->picture());
}

void DesktopCommands::showInFolder()
{
    QModelIndexList selected = m_list2->selectionModel()->selectedIndexes();
    if (selected.size() != 1)
        selected = m_list1->selectionModel()->selectedIndexes();
    if (selected.isEmpty() || !m_c.services.fileManager)
        return;
    const QString path = m_c.list->fullPath(selected.first().row());
    if (!QFileInfo::exists(path)) {
        message(tr("This file cannot be found, so its folder cannot be shown:\n"), path);
        return;
    }
    if (!m_c.services.fileManager->showItem(path))
        message(tr("No file manager could be started to show this file:\n"), path);
}

} // namespace orv
