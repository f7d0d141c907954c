#include "openfoldercommands.h"

#include <QCoreApplication>

#include "messageboxes.h"
#include "openfolderhost.h"
#include "picturelist.h"

#include <vector>

namespace orv {

namespace {
const char *const ClickFirst = QT_TRANSLATE_NOOP("OpenFolderCommands", "Click the empty 'Image Box' to display the first picture.");
const char *const LastPicture = QT_TRANSLATE_NOOP("OpenFolderCommands", "That was the last picture in this list.");
const char *const ClickNext = QT_TRANSLATE_NOOP("OpenFolderCommands", "Click anywhere to show next picture");
} // namespace

OpenFolderCommands::OpenFolderCommands(PictureList &list, OpenFolderHost &host, MessageBoxes &messageBoxes)
    : m_list(list), m_host(host), m_messageBoxes(messageBoxes)
{}

QString OpenFolderCommands::noPicturesMessage()
{
    return QCoreApplication::translate("OpenFolderCommands", "this folder has no picture files");
}

void OpenFolderCommands::add2lst(PictureList &list, const QString &folder, const QStringList &names)
{
    std::vector<PictureEntry> entries;
    entries.reserve(size_t(names.size()));
    for (const QString &name : names)
        entries.push_back({name, folder});
    list.appendAll(entries);
}

void OpenFolderCommands::replace(const QString &folder, const QStringList &names, QWidget *parent)
{
    m_list.clear();
    add2lst(m_list, folder, names);
    m_host.resetImageBox();
    m_host.setCurpic(1);
    m_host.setLabel1(QStringLiteral("0/") + QString::number(names.size()));
    if (m_list.isEmpty()) {
        showNoPictures(parent);
        return;
    }
    m_host.selectFirstEntry();
    m_host.setLabel2(QCoreApplication::translate("OpenFolderCommands", ClickFirst));
}

void OpenFolderCommands::add(const QString &folder, const QStringList &names, QWidget *parent)
{
    std::vector<PictureEntry> entries;
    entries.reserve(size_t(names.size()));
    for (const QString &name : names)
        entries.push_back({name, folder});
    add(entries, parent);
}

void OpenFolderCommands::add(const std::vector<PictureEntry> &entries, QWidget *parent)
{
    if (entries.empty()) {
        // Nothing to add: the list and the labels stay as they are.
        showNoPictures(parent);
        return;
    }
    const bool wasEmpty = m_list.isEmpty();
    m_list.appendAll(entries);
    showAdded(m_list, m_host, wasEmpty);
}

void OpenFolderCommands::showAdded(const PictureList &list, OpenFolderHost &host, bool wasEmpty)
{
    const QString count = QString::number(list.count());
    if (!wasEmpty) {
        host.setLabel1(QString::number(host.curpic()) + QLatin1Char('/') + count);
        if (host.label2() == QCoreApplication::translate("OpenFolderCommands", LastPicture))
            host.setLabel2(QCoreApplication::translate("OpenFolderCommands", ClickNext));
    } else {
        host.setLabel1(QStringLiteral("0/") + count);
        host.setLabel2(QCoreApplication::translate("OpenFolderCommands", ClickFirst));
    }
}

void OpenFolderCommands::showNoPictures(QWidget *parent)
{
    MessageRequest box;
    box.text = noPicturesMessage();
    box.icon = MsgIcon::Critical;
    box.buttons = MsgButtons::Ok;
    m_messageBoxes.show(parent, box);
}

} // namespace orv
