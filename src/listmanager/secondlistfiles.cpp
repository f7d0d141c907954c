#include "secondlistfiles.h"

#include <QCoreApplication>

#include "filedialogs.h"
#include "fileerror.h"
#include "listfilereader.h"
#include "listfilewriter.h"
#include "picturelist.h"

namespace orv {

namespace {
const char *const openFilter = QT_TRANSLATE_NOOP("SecondListFiles", "pic. list(*.pvl)|*.pvl");
const char *const saveFilter = QT_TRANSLATE_NOOP("SecondListFiles", "pic. list (*.pvl)|*.pvl");
const QString listExtension = QStringLiteral("pvl");
} // namespace

SecondListFiles::SecondListFiles(PictureList &second, const PlatformServices &services, QWidget *dialogParent)
    : m_second(second), m_services(services), m_dialogParent(dialogParent)
{}

void SecondListFiles::message(const QString &text, MsgIcon icon)
{
    MessageRequest request;
    request.text = text;
    request.icon = icon;
    m_services.messageBoxes->show(m_dialogParent, request);
}

void SecondListFiles::startNew()
{
    m_second.clear();
    m_list2file.clear();
}

void SecondListFiles::openAnother()
{
    // The list is emptied before the dialog; it no longer belongs to the
    // file it came from, so a failed open cannot lead a later save to
    // overwrite that file with other entries.
    startNew();
    FileDialogRequest request;
    request.filter = QCoreApplication::translate("SecondListFiles", openFilter);
    const std::optional<QStringList> chosen =
        m_services.fileDialogs->openFiles(m_dialogParent, request, false);
    if (!chosen || chosen->isEmpty()) {
        message(QCoreApplication::translate("SecondListFiles", "unable to load file") + m_dialogFileName, MsgIcon::None);
        return;
    }
    m_dialogFileName = chosen->constFirst();
    ListFileReader::Result read = ListFileReader::read(m_dialogFileName);
    // Refused as the main window refuses it; the second list stays new.
    if (read.tooLarge) {
        message(ListFileReader::tooLargeText(m_dialogFileName), MsgIcon::Critical);
        return;
    }
    // Entries read before a failure stay in the list.
    m_second.setEntries(std::move(read.entries));
    if (read.error != FileError::None) {
        if (FileError::isFileAccess(read.error))
            message(QCoreApplication::translate("SecondListFiles", "unable to load file") + m_dialogFileName, MsgIcon::None);
        return;
    }
    m_list2file = m_dialogFileName;
}

bool SecondListFiles::refuseEmptyList()
{
    if (!m_second.isEmpty())
        return false;
    message(QCoreApplication::translate("SecondListFiles", "This list is empty."), MsgIcon::Critical);
    return true;
}

void SecondListFiles::write(const QString &path)
{
    const ListFileWriter::Result result = ListFileWriter::write(path, m_second.entries());
    if (!result.ok)
        message(listSaveFailureText(path, result.errorString), MsgIcon::Critical);
}

void SecondListFiles::save()
{
    if (refuseEmptyList())
        return;
    if (!m_list2file.isEmpty()) {
        write(m_list2file);
        return;
    }
    saveThroughDialog(QCoreApplication::translate("SecondListFiles", saveFilter));
}

void SecondListFiles::saveAs()
{
    if (refuseEmptyList())
        return;
    saveThroughDialog(QCoreApplication::translate("SecondListFiles", openFilter));
}

void SecondListFiles::saveThroughDialog(const QString &filter)
{
    FileDialogRequest request;
    request.filter = filter;
    request.defaultExtension = listExtension;
    const std::optional<QString> chosen = m_services.fileDialogs->saveFile(m_dialogParent, request);
    if (!chosen || chosen->isEmpty()) {
        message(QCoreApplication::translate("SecondListFiles", "Cancel saving file") + m_dialogFileName, MsgIcon::None);
        return;
    }
    m_dialogFileName = *chosen;
    write(*chosen);
}

} // namespace orv
