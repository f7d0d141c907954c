#include "openfoldercommands.h"

#include "messageboxes.h"
#include "openfolderhost.h"
#include "picturelist.h"

#include <vector>

namespace orv {

namespace {
const QString ClickFirst = QStringLiteral("Click the empty 'Image Box' to display the first picture.");
const QString LastPicture = QStringLiteral("That was the last picture in this list.");
const QString ClickNext = QStringLiteral("Click anywhere to show next picture");
} // namespace

OpenFolderCommands::OpenFolderCommands(PictureList &list, OpenFolderHost &host, MessageBoxes &messageBoxes)
    : m_list(list), m_host(host), m_messageBoxes(messageBoxes)
{}

QString OpenFolderCommands::noPicturesMessage()
{
    return QStringLiteral("this folder has no picture files");
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
    m_host.setLabel2(ClickFirst);
}

void OpenFolderCommands::add(const QString &folder, const QStringList &names, QWidget *parent)
{
    if (names.isEmpty()) {
        // Nothing to add: the list and the labels stay as they are.
        showNoPictures(parent);
        return;
    }
    const bool wasEmpty = m_list.isEmpty();
    add2lst(m_list, folder, names);
    const QString count = QString::number(m_list.count());
    if (!wasEmpty) {
        m_host.setLabel1(QString::number(m_host.curpic()) + QLatin1Char('/') + count);
        if (m_host.label2() == LastPicture)
            m_host.setLabel2(ClickNext);
    } else {
        m_host.setLabel1(QStringLiteral("0/") + count);
        m_host.setLabel2(ClickFirst);
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
