#include "filepaste.h"

#include "failurereport.h"
#include "fileclipboard.h"
#include "fileoperations.h"
#include "filesystem.h"
#include "messageboxes.h"
#include "pasteplan.h"
#include "picturelist.h"
#include "picturepath.h"

#include <QCoreApplication>
#include <QDir>

namespace orv {

namespace {

PasteChoice askConflicts(const QStringList &names, const QString &folder, MessageBoxes &boxes, QWidget *parent)
{
    MessageRequest box;
    box.text = conflictQuestion(names, folder);
    box.icon = MsgIcon::Question;
    box.buttons = MsgButtons::ReplaceKeepBothSkipCancel;
    box.defaultButton = 1; // Keep both: nothing is lost
    switch (boxes.show(parent, box)) {
    case MsgResult::Replace:
        return PasteChoice::Replace;
    case MsgResult::KeepBoth:
        return PasteChoice::KeepBoth;
    case MsgResult::Skip:
        return PasteChoice::Skip;
    default:
        return PasteChoice::Cancel;
    }
}

QString failureHeading(bool move, int count, const QString &folder)
{
    const bool one = count == 1;
    QString heading;
    if (move)
        heading = one ? QCoreApplication::translate("FilePaste", "This file could not be moved to %1:")
                      : QCoreApplication::translate("FilePaste", "These files could not be moved to %1:");
    else
        heading = one ? QCoreApplication::translate("FilePaste", "This file could not be copied to %1:")
                      : QCoreApplication::translate("FilePaste", "These files could not be copied to %1:");
    return heading.arg(QDir::toNativeSeparators(folder));
}

} // namespace

std::vector<int> followPaste(PictureList &list, const std::vector<MovedFile> &moves)
{
    std::vector<int> removed;
    for (const MovedFile &move : moves) {
        const QString from = QDir::toNativeSeparators(move.from);
        for (int i = list.count() - 1; i >= 0; --i) {
            if (list.fullPath(i) != from)
                continue;
            if (move.to.isEmpty()) {
                list.removeAt(i);
                removed.push_back(i);
            } else {
                list.setEntry(i, splitPicturePath(QDir::toNativeSeparators(move.to)));
            }
        }
    }
    return removed;
}

std::vector<MovedFile> pasteFiles(const FileClipboard &clipboard, const QString &folder,
                                  const PlatformServices &services, QWidget *parent)
{
    QStringList files;
    // One moved by an earlier paste, or deleted since the copy.
    for (const QString &file : clipboard.files()) {
        if (services.fileSystem->fileexists(file))
            files << file;
    }
    if (clipboard.files().isEmpty())
        return {};
    const bool move = clipboard.isCut();
    if (move) {
        MessageRequest box;
        box.text = QCoreApplication::translate("FilePaste", "Are you sure u want to move this %1 files?").arg(clipboard.files().size());
        box.icon = MsgIcon::Exclamation;
        box.buttons = MsgButtons::OkCancel;
        box.defaultButton = 1; // Cancel
        if (services.messageBoxes->show(parent, box) != MsgResult::Ok)
            return {};
    }

    FileOperations &ops = *services.fileOperations;
    const QDir dir(QDir::fromNativeSeparators(folder));
    const PasteFolder target{
        folder, [&](const QString &name) { return ops.exists(dir.filePath(name)); },
        [&](const QString &source, const QString &name) { return ops.sameFile(source, dir.filePath(name)); }};
    ops.removeStaleTemporaries(folder);
    const std::vector<PasteItem> items = planPaste(files, target);
    const QStringList taken = takenNames(items);
    const PasteChoice choice =
        taken.isEmpty() ? PasteChoice::Skip : askConflicts(taken, folder, *services.messageBoxes, parent);
    if (choice == PasteChoice::Cancel)
        return {};

    FailureReport failures;
    std::vector<MovedFile> moved;
    QStringList used;
    for (const PasteItem &item : items) {
        if (!services.fileSystem->fileexists(item.source))
            continue;
        QString name = item.name;
        const QString destination = dir.filePath(name);
        if (item.taken && choice == PasteChoice::Skip)
            continue;
        if (item.taken && choice == PasteChoice::KeepBoth)
            name = freeName(item.name, used, target.taken);
        if (item.taken && choice == PasteChoice::Replace && ops.exists(destination) &&
            !ops.sameFile(item.source, destination)) {
            const FileOpResult trashed = ops.moveToTrash(destination);
            if (!trashed.ok()) {
                failures.add(item.source,
                             QCoreApplication::translate("FilePaste", "%1 could not be moved to the trash to make room: %2")
                                 .arg(QDir::toNativeSeparators(destination), trashed.reason));
                continue;
            }
            moved.push_back({destination, {}});
        }
        const FileOpResult r = move ? ops.moveInto(item.source, folder, name) : ops.copyInto(item.source, folder, name);
        used << name;
        if (r.kind == FileOpResult::AlreadyExists)
            failures.add(item.source, QCoreApplication::translate("FilePaste", "A file of this name appeared in the folder meanwhile."));
        else if (!r.ok())
            failures.add(item.source, r.reason);
        else if (move && r.kind == FileOpResult::Done)
            moved.push_back({item.source, dir.filePath(name)});
    }
    failures.show(*services.messageBoxes, parent, failureHeading(move, failures.count(), folder));
    return moved;
}

} // namespace orv
