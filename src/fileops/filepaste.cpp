#include "filepaste.h"

#include "failurereport.h"
#include "fileclipboard.h"
#include "fileoperations.h"
#include "filesystem.h"
#include "messageboxes.h"

#include <QCoreApplication>
#include <QDir>

namespace orv {

void pasteFiles(const FileClipboard &clipboard, const QString &folder, const PlatformServices &services,
                QWidget *parent)
{
    const QStringList files = clipboard.files();
    if (files.isEmpty())
        return;
    const bool move = clipboard.isCut();
    if (move) {
        MessageRequest box;
        box.text = QCoreApplication::translate("FilePaste", "Are you sure u want to move this %1 files?").arg(files.size());
        box.icon = MsgIcon::Exclamation;
        box.buttons = MsgButtons::OkCancel;
        box.defaultButton = 1; // Cancel
        if (services.messageBoxes->show(parent, box) != MsgResult::Ok)
            return;
    }

    FailureReport failures;
    for (const QString &file : files) {
        // One moved by an earlier paste, or deleted since the copy.
        if (!services.fileSystem->fileexists(file))
            continue;
        const FileOpResult r = move ? services.fileOperations->moveInto(file, folder)
                                    : services.fileOperations->copyInto(file, folder);
        if (!r.ok())
            failures.add(file, r.reason);
    }
    const QString where = QDir::toNativeSeparators(folder);
    const bool one = failures.count() == 1;
    QString heading;
    if (move)
        heading = one ? QCoreApplication::translate("FilePaste", "This file could not be moved to %1:")
                      : QCoreApplication::translate("FilePaste", "These files could not be moved to %1:");
    else
        heading = one ? QCoreApplication::translate("FilePaste", "This file could not be copied to %1:")
                      : QCoreApplication::translate("FilePaste", "These files could not be copied to %1:");
    failures.show(*services.messageBoxes, parent, heading.arg(where));
}

} // namespace orv
