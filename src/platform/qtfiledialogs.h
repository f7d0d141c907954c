#pragma once

#include "filedialogs.h"

class QFileDialog;

namespace orv {

// Sets up `dialog` as the save dialog of `request`, starting in `folder`. It
// does not ask before replacing an existing file.
void prepareSaveDialog(QFileDialog &dialog, const FileDialogRequest &request, const QString &folder);

class QtFileDialogs : public FileDialogs
{
public:
    std::optional<QStringList> openFiles(QWidget *parent, const FileDialogRequest &request,
                                         bool multiple) override;
    std::optional<QString> saveFile(QWidget *parent, const FileDialogRequest &request) override;

private:
    QString m_lastFolder;
};

} // namespace orv
