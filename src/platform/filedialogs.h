#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace orv {

// Filters are given as "description|pattern|description|pattern..." with a
// 1-based index of the preselected filter.
struct FileDialogRequest {
    QString filter;
    int filterIndex = 1;
    QString title;
    QString defaultExtension; // save dialogs: added when the typed name has none
};

// Open and save dialogs. They remember the last folder used. A save dialog
// does not ask before an existing file is replaced (list files are overwritten
// in place). An empty result
// means the user cancelled (or the dialog failed). Paths come back with native
// separators.
class FileDialogs
{
public:
    virtual ~FileDialogs() = default;
    virtual std::optional<QStringList> openFiles(QWidget *parent, const FileDialogRequest &request,
                                                 bool multiple) = 0;
    virtual std::optional<QString> saveFile(QWidget *parent, const FileDialogRequest &request) = 0;
};

// "All files(*.*)|*.*|Bitmaps|*.bmp;*.dib" -> Qt's "All files(*.*) (*)" form.
QStringList qtNameFilters(const QString &barFilter);

} // namespace orv
