#include "qtfiledialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

namespace orv {

QStringList qtNameFilters(const QString &barFilter)
{
    const QStringList parts = barFilter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        // "*.*" means every file on Windows; on Linux it would skip names without a dot.
        patterns.replace(QStringLiteral("*.*"), QStringLiteral("*"));
        // A caption that names its patterns already ("pic. list (*.pvl)")
        // gets them once, from the pattern part.
        static const QRegularExpression named(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
        QString caption = parts[i];
        caption.remove(named);
        out << caption + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return out;
}

std::optional<QStringList> QtFileDialogs::openFiles(QWidget *parent, const FileDialogRequest &request,
                                                    bool multiple)
{
    QFileDialog dialog(parent, request.title, m_lastFolder);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(multiple ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    const QStringList filters = qtNameFilters(request.filter);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    QStringList files = dialog.selectedFiles();
    if (files.isEmpty())
        return std::nullopt;
    m_lastFolder = dialog.directory().absolutePath();
    for (QString &f : files)
        f = QDir::toNativeSeparators(f);
    return files;
}

void prepareSaveDialog(QFileDialog &dialog, const FileDialogRequest &request, const QString &folder)
{
    dialog.setWindowTitle(request.title);
    dialog.setDirectory(folder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    const QStringList filters = qtNameFilters(request.filter);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    if (!request.defaultExtension.isEmpty())
        dialog.setDefaultSuffix(request.defaultExtension);
    // What this program saves is list files, and an existing list file is
    // overwritten in place without a question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
}

std::optional<QString> QtFileDialogs::saveFile(QWidget *parent, const FileDialogRequest &request)
{
    QFileDialog dialog(parent);
    prepareSaveDialog(dialog, request, m_lastFolder);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    m_lastFolder = dialog.directory().absolutePath();
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

} // namespace orv
