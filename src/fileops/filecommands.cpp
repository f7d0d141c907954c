#include "filecommands.h"

#include "deletecheck.h"
#include "displayengine.h"
#include "failurereport.h"
#include "fileoperations.h"
#include "filepaste.h"
#include "fileproperties.h"
#include "filepropertiesdialog.h"
#include "filesystem.h"
#include "folderchooser.h"
#include "messageboxes.h"
#include "modalrunner.h"
#include "pastetodialog.h"
#include "picturefacts.h"
#include "picturelist.h"
#include "picturepath.h"
#include "renamedialog.h"
#include "selectedrows.h"
#include "shelldelete.h"
#include "systemclipboard.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTreeWidget>

#include <algorithm>

namespace orv {

FileCommands::FileCommands(ViewerContext context, Lists lists, std::function<QString(int)> topicText,
                           QObject *parent)
    : QObject(parent), m_c(context), m_lists(lists), m_topicText(std::move(topicText))
{
    Q_ASSERT(m_c.services.fileOperations && m_c.services.fileSystem && m_c.services.modalRunner);
    m_lists.list2->installEventFilter(this);
}

void FileCommands::message(const QString &text, int icon)
{
    MessageRequest box;
    box.text = text;
    box.icon = MsgIcon(icon);
    box.buttons = MsgButtons::Ok;
    m_c.services.messageBoxes->show(m_c.window, box);
}

void FileCommands::fillClipboard(bool cut)
{
    m_filecliplist.fill(*m_c.list, selectedRows(*m_lists.list2->selectionModel()), cut);
    // File managers can paste them too; nothing selected leaves the desktop's clipboard alone.
    if (m_c.services.clipboard && !m_filecliplist.files().isEmpty())
        m_c.services.clipboard->setFiles(m_filecliplist.files(), cut);
}

void FileCommands::paste()
{
    if (m_pasteto) {
        m_pasteto->refresh();
    } else {
        // First use, or after the close box: the process's current folder.
        m_pasteto = new PasteToDialog(m_c.services, QDir::currentPath(), m_c.window);
        FolderChooser *folders = m_pasteto->folders();
        for (QWidget *w : {static_cast<QWidget *>(folders->drive1()), static_cast<QWidget *>(folders->dir1()),
                           m_pasteto->findChild<QWidget *>(QStringLiteral("Command1"))})
            w->setWhatsThis(m_topicText(PasteToTopic));
    }
    if (m_c.services.modalRunner->exec(m_pasteto) != QDialog::Accepted) {
        // Closed without pasting: discarded.
        delete m_pasteto;
        m_pasteto = nullptr;
        return;
    }
    // Hidden, so it reopens on this folder.
    QWidget *window = m_c.window;
    window->setCursor(Qt::WaitCursor);
    window->repaint();
    const std::vector<MovedFile> moved =
        pasteFiles(pasteSource(m_filecliplist, m_c.services.clipboard), m_pasteto->folder(), m_c.services, window);
    window->unsetCursor();
    const int before = m_c.state->curpic;
    const std::vector<int> removed = followPaste(*m_c.list, moved);
    afterRemoval(before, removed);
}

void FileCommands::deletefiles(bool permanent)
{
    const std::vector<int> rows = selectedRows(*m_lists.list2->selectionModel());
    if (rows.empty()) {
        message(tr("No files selected to delete."));
        return;
    }
    PictureList &list = *m_c.list;
    QStringList paths;
    paths.reserve(qsizetype(rows.size()));
    for (auto it = rows.rbegin(); it != rows.rend(); ++it)
        paths << list.fullPath(*it);
    shelldelete(paths, permanent, m_c.services, m_c.window);

    // Whatever the answers were, entries whose files are gone leave the list.
    const int before = m_c.state->curpic;
    afterRemoval(before, removeVanishedEntries(list, rows, *m_c.services.fileSystem));
}

void FileCommands::afterRemoval(int before, const std::vector<int> &removed)
{
    if (removed.empty())
        return;
    DisplayState &state = *m_c.state;
    PictureList &list = *m_c.list;
    state.curpic = curpicAfterRemoval(before, removed);
    m_c.engine->setCounter(state.curpic, list.count());
    // The picture on display was deleted: the one that took its place shows.
    const bool currentGone = std::find(removed.begin(), removed.end(), before - 1) != removed.end();
    if (currentGone && !state.pichidden)
        m_c.engine->disp();
}

void FileCommands::renfile()
{
    const std::vector<int> rows = selectedRows(*m_lists.list2->selectionModel());
    if (rows.size() != 1) {
        message(tr("One file must be chosen to be renamed."));
        return;
    }
    PictureList &list = *m_c.list;
    const int p = rows.front();
    RenameDialog dialog(list.name(p), *m_c.services.messageBoxes, m_c.window);
    dialog.findChild<QLineEdit *>(QStringLiteral("Text1"))->setWhatsThis(m_topicText(RenameTopic));
    if (m_c.services.modalRunner->exec(&dialog) != QDialog::Accepted)
        return;

    const QString folder = list.folder(p);
    const QString newName = dialog.newName();
    const QString oldPath = list.fullPath(p);
    const QString newPath = joinPicturePath(folder, newName);
    const QString exists = tr("Cannot rename the file to ") + QDir::toNativeSeparators(newPath) +
                           tr(".This file already exists");
    if (m_c.services.fileSystem->fileexists(newPath)) {
        message(exists);
        return;
    }
    const FileOpResult r = m_c.services.fileOperations->rename(oldPath, newPath);
    if (r.kind == FileOpResult::AlreadyExists) {
        message(exists);
        return;
    }
    if (!r.ok()) {
        FailureReport failure;
        failure.add(oldPath, r.reason);
        failure.show(*m_c.services.messageBoxes, m_c.window,
                     tr("This file could not be renamed:"));
        return;
    }
    if (r.kind == FileOpResult::Done)
        list.setEntry(p, {newName, folder});
}

void FileCommands::showfileprop()
{
    const QModelIndexList selected = m_lists.list1->selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return;
    const int i = selected.first().row();
    PictureList &list = *m_c.list;
    const QString path = list.fullPath(i);
    const QFileInfo info(path);
    if (!info.exists()) {
        message(tr("This file cannot be found, so its properties cannot be shown:\n") +
                    QDir::toNativeSeparators(path),
                int(MsgIcon::Exclamation));
        return;
    }
    FilePropertiesDialog::Values values;
    values.filename = list.name(i);
    // The root folder is held as "" on Linux.
    values.fullpath =
        QDir::toNativeSeparators(list.folder(i).isEmpty() ? QStringLiteral("/") : list.folder(i));
    values.size = sizeText(info.size());
    values.date = dateText(info.lastModified());
    values.picture = pictureFacts(path, m_c.services.pictureLoader, m_c.services.metadata);
    FilePropertiesDialog dialog(values, m_c.window);
    dialog.findChild<QPushButton *>(QStringLiteral("ok"))->setWhatsThis(m_topicText(PropertiesTopic));
    m_c.services.modalRunner->exec(&dialog);
}

bool FileCommands::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_lists.list2 && list2Key(event))
        return true;
    return QObject::eventFilter(watched, event);
}

bool FileCommands::list2Key(QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::FocusOut)
        m_pendingKey = 0; // its release will not come here
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    const int k = key->key();
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    const bool clipboardKey = k == Qt::Key_C || k == Qt::Key_X || k == Qt::Key_V;
    if (type == QEvent::ShortcutOverride) {
        // The list's own Delete: File > Delete file's shortcut stays out of
        // it, so that one press is one request.
        if (k != Qt::Key_Delete)
            return false;
        key->accept();
        return true;
    }
    if (type == QEvent::KeyPress) {
        if (k != Qt::Key_Delete && !(clipboardKey && mods == Qt::ControlModifier))
            return false;
        // The command runs when the key comes up, with the modifiers held as
        // it went down (the modifier is often let go first). The press is
        // taken, so the list does not put its text on the system clipboard.
        if (!key->isAutoRepeat()) {
            m_pendingKey = k;
            m_pendingModifiers = mods;
        }
        return true;
    }
    if (k != m_pendingKey || key->isAutoRepeat())
        return k == Qt::Key_Delete || (clipboardKey && k == m_pendingKey);
    m_pendingKey = 0;
    switch (k) {
    case Qt::Key_Delete:
        deletefiles(m_pendingModifiers == Qt::ShiftModifier);
        break;
    case Qt::Key_C:
        copy();
        break;
    case Qt::Key_X:
        cut();
        break;
    default:
        paste();
        break;
    }
    return true;
}

} // namespace orv
