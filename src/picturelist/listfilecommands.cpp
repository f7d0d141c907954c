#include "listfilecommands.h"

#include "filedialogs.h"
#include "fileerror.h"
#include "filesystem.h"
#include "listfilereader.h"
#include "listfilewriter.h"
#include "picturelist.h"

#include <QDir>

namespace orv {

namespace {

const char *const openFilter = QT_TRANSLATE_NOOP("orv::ListFileCommands", "pic. list(*.pvl)|*.pvl");
const char *const saveFilter = QT_TRANSLATE_NOOP("orv::ListFileCommands", "pic. list (*.pvl)|*.pvl");
const QString listExtension = QStringLiteral("pvl");

} // namespace

ListFileCommands::ListFileCommands(PictureList &list, const PlatformServices &services, QWidget *dialogParent,
                                   QObject *parent)
    : QObject(parent), m_list(list), m_services(services), m_dialogParent(dialogParent)
{}

void ListFileCommands::message(const QString &text, MsgIcon icon)
{
    MessageRequest request;
    request.text = text;
    request.icon = icon;
    m_services.messageBoxes->show(m_dialogParent, request);
}

QString ListFileCommands::dialogFileName() const
{
    return m_dialogFileName ? m_dialogFileName() : m_lastChosenFile;
}

void ListFileCommands::moplist()
{
    FileDialogRequest request;
    request.filter = tr(openFilter);
    const std::optional<QStringList> chosen =
        m_services.fileDialogs->openFiles(m_dialogParent, request, false);
    if (!chosen || chosen->isEmpty())
        return;
    m_lastChosenFile = chosen->constFirst();
    openlistclick(chosen->constFirst());
}

void ListFileCommands::openlistclick(const QString &path)
{
    if (!m_services.fileSystem->fileexists(path)) {
        message(tr("This list no longer exists"), MsgIcon::None);
        return;
    }
    ListFileReader::Result read = ListFileReader::read(path);
    if (read.tooLarge) {
        message(ListFileReader::tooLargeText(path), MsgIcon::Critical);
        return;
    }
    if (FileError::isFileAccess(read.error) && read.entries.empty()) {
        // Nothing could be read: the user's current list stays as it was.
        message(tr("unable to load file") + path, MsgIcon::None);
        return;
    }
    Q_EMIT curpicChanged(1);
    m_list.setEntries(std::move(read.entries));
    if (read.error != FileError::None) {
        // Entries read before the failure stay in the list.
        if (FileError::isFileAccess(read.error))
            message(tr("unable to load file") + path, MsgIcon::None);
        return;
    }
    Q_EMIT counterTextChanged(QStringLiteral("0/%1").arg(m_list.count()));
    Q_EMIT statusTextChanged(tr("Click the picture box to show first pic."));
    m_openedfile = path;
    Q_EMIT recentListUsed(path);
}

bool ListFileCommands::refuseEmptyList()
{
    if (!m_list.isEmpty())
        return false;
    message(tr("This list is empty."), MsgIcon::Critical);
    return true;
}

bool ListFileCommands::writeList(const QString &path)
{
    const ListFileWriter::Result result = ListFileWriter::write(path, m_list.entries());
    if (result.ok)
        return true;
    message(listSaveFailureText(path, result.errorString), MsgIcon::Critical);
    return false;
}

void ListFileCommands::msavelstclick()
{
    if (refuseEmptyList())
        return;
    if (!m_openedfile.isEmpty()) {
        writeList(m_openedfile);
        return;
    }
    FileDialogRequest request;
    request.filter = tr(saveFilter);
    request.defaultExtension = listExtension;
    const std::optional<QString> chosen = m_services.fileDialogs->saveFile(m_dialogParent, request);
    if (!chosen || chosen->isEmpty())
        return;
    m_lastChosenFile = *chosen;
    if (writeList(*chosen))
        Q_EMIT recentListUsed(*chosen);
}

void ListFileCommands::msaveasclick()
{
    if (refuseEmptyList())
        return;
    FileDialogRequest request;
    request.filter = tr(openFilter);
    request.defaultExtension = listExtension;
    const std::optional<QString> chosen = m_services.fileDialogs->saveFile(m_dialogParent, request);
    if (!chosen || chosen->isEmpty()) {
        message(tr("Cancel saving file") + dialogFileName(), MsgIcon::None);
        return;
    }
    m_lastChosenFile = *chosen;
    if (writeList(*chosen))
        Q_EMIT recentListUsed(*chosen);
}

} // namespace orv
