#include "pastetodialog.h"

#include "folderchooser.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace orv {

PasteToDialog::PasteToDialog(const PlatformServices &services, const QString &startFolder, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("pasteto"));
    setWindowTitle(tr("Paste to folder"));

    m_folders = new FolderChooser(services, startFolder, this);
    m_command1 = new QPushButton(tr("&Paste"), this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    // Enter belongs to the folder list (it opens a folder), never to Paste.
    m_command1->setAutoDefault(false);
    connect(m_command1, &QPushButton::clicked, this, &QDialog::accept);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_command1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_folders, 1);
    layout->addLayout(buttons);
    resize(320, 380);
}

QString PasteToDialog::folder() const
{
    return m_folders->folder();
}

void PasteToDialog::refresh()
{
    m_folders->refresh();
}

} // namespace orv
