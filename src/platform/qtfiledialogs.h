#pragma once

#include "filedialogs.h"

namespace orv {

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
