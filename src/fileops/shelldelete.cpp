#include "shelldelete.h"

#include <QCoreApplication>

#include "failurereport.h"
#include "fileoperations.h"
#include "messageboxes.h"

#include <algorithm>

namespace orv {

namespace {

bool askYesNo(MessageBoxes &boxes, QWidget *parent, const QString &text, MsgIcon icon)
{
    MessageRequest box;
    box.text = text;
    box.icon = icon;
    box.buttons = MsgButtons::YesNo;
    box.defaultButton = 1; // No
    return boxes.show(parent, box) == MsgResult::Yes;
}

QString noTrashQuestion(const QStringList &paths)
{
    if (paths.size() == 1)
        return QCoreApplication::translate("ShellDelete", "This file cannot be moved to the trash: its drive has no trash.\n\n%1\n\n"
                              "Delete it for good? It cannot be restored.")
            .arg(fileListText(paths));
    return QCoreApplication::translate("ShellDelete", "These %1 files cannot be moved to the trash: their drive has no trash.\n\n%2\n\n"
                          "Delete them for good? They cannot be restored.")
        .arg(paths.size())
        .arg(fileListText(paths));
}

} // namespace

QString deleteQuestion(const QStringList &paths, bool permanent)
{
    const bool one = paths.size() == 1;
    QString question;
    if (permanent)
        question = one ? QCoreApplication::translate("ShellDelete", "Delete this file for good? It cannot be restored.")
                       : QCoreApplication::translate("ShellDelete", "Delete these %1 files for good? They cannot be restored.")
                             .arg(paths.size());
    else
        question = one ? QCoreApplication::translate("ShellDelete", "Move this file to the trash?")
                       : QCoreApplication::translate("ShellDelete", "Move these %1 files to the trash?").arg(paths.size());
    return question + QStringLiteral("\n\n") + fileListText(paths);
}

void shelldelete(const QStringList &listed, bool permanent, const PlatformServices &services, QWidget *parent)
{
    // A file listed twice is one file: deleted once, asked about once.
    QStringList paths;
    for (const QString &path : listed) {
        if (std::none_of(paths.cbegin(), paths.cend(),
                         [&](const QString &p) { return services.fileOperations->sameFile(p, path); }) &&
            !paths.contains(path))
            paths << path;
    }
    if (paths.isEmpty())
        return;
    MessageBoxes &boxes = *services.messageBoxes;
    FileOperations &files = *services.fileOperations;
    if (!askYesNo(boxes, parent, deleteQuestion(paths, permanent),
                  permanent ? MsgIcon::Exclamation : MsgIcon::Question))
        return;

    FailureReport failures;
    QStringList untrashable;
    for (const QString &path : paths) {
        const FileOpResult r = permanent ? files.remove(path) : files.moveToTrash(path);
        if (r.kind == FileOpResult::NoTrash)
            untrashable << path;
        else if (!r.ok())
            failures.add(path, r.reason);
    }
    const bool forGood = permanent || !untrashable.isEmpty();
    if (!untrashable.isEmpty() &&
        askYesNo(boxes, parent, noTrashQuestion(untrashable), MsgIcon::Exclamation)) {
        for (const QString &path : std::as_const(untrashable)) {
            const FileOpResult r = files.remove(path);
            if (!r.ok())
                failures.add(path, r.reason);
        }
    }
    const bool one = failures.count() == 1;
    QString heading;
    if (forGood)
        heading = one ? QCoreApplication::translate("ShellDelete", "This file could not be deleted:")
                      : QCoreApplication::translate("ShellDelete", "These files could not be deleted:");
    else
        heading = one ? QCoreApplication::translate("ShellDelete", "This file could not be moved to the trash:")
                      : QCoreApplication::translate("ShellDelete", "These files could not be moved to the trash:");
    failures.show(boxes, parent, heading);
}

} // namespace orv
