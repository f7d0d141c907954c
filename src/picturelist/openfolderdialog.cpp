#include "openfolderdialog.h"

#include "folderchooser.h"
#include "modalrunner.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace orv {

OpenFolderDialog::OpenFolderDialog(PictureList &list, const PlatformServices &services, OpenFolderHost &host,
                                   QWidget *parent, const QString &startFolder)
    : QDialog(parent), m_services(services), m_commands(list, host, *services.messageBoxes), m_scan(pattern())
{
    Q_ASSERT(services.messageBoxes && services.modalRunner && services.drives);
    setObjectName(QStringLiteral("opendir"));
    setWindowTitle(tr("Open pic. folder"));
    buildControls(startFolder);

    // First use: File1 shows the files of Dir1's folder.
    pointFileListAtFolder();
}

QString OpenFolderDialog::pattern()
{
    return FolderScan::picturePattern();
}

void OpenFolderDialog::buildControls(const QString &startFolder)
{
    m_folders = new FolderChooser(m_services, startFolder, this);

    m_file1 = new QListWidget(this);
    m_file1->setObjectName(QStringLiteral("File1"));
    m_file1->setAccessibleName(tr("Picture files"));
    m_file1->setUniformItemSizes(true);
    m_file1->setSelectionMode(QAbstractItemView::SingleSelection);

    const auto button = [this](const char *name, const QString &caption) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        // Enter in the lists must not press a button behind the user's back.
        b->setAutoDefault(false);
        return b;
    };
    m_append = button("append", tr("&Add "));
    m_append->setToolTip(tr("Add above files to list "));
    m_repl = button("repl", tr("&Replace "));
    m_repl->setToolTip(tr("Replaces list contents with above files"));
    m_ok = button("ok", tr("&OK"));
    m_command1 = button("Command1", tr("&Cancel"));

    auto *lists = new QHBoxLayout;
    lists->addWidget(m_folders, 1);
    lists->addWidget(m_file1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_append);
    buttons->addWidget(m_repl);
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_command1);
    auto *main = new QVBoxLayout(this);
    main->addLayout(lists, 1);
    main->addLayout(buttons);
    resize(560, 380);

    // Folder changed (a double-click, Enter or a drive change): File1 follows.
    connect(m_folders, &FolderChooser::folderChanged, this, &OpenFolderDialog::pointFileListAtFolder);
    connect(m_append, &QPushButton::clicked, this, &OpenFolderDialog::addClicked);
    connect(m_repl, &QPushButton::clicked, this, &OpenFolderDialog::replaceClicked);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_command1, &QPushButton::clicked, this, &QDialog::reject);
}

int OpenFolderDialog::runModal()
{
    m_folders->refresh();
    pointFileListAtFolder();
    return m_services.modalRunner->exec(this);
}

QString OpenFolderDialog::folder() const
{
    return m_folders->folder();
}

bool OpenFolderDialog::setFolder(const QString &path)
{
    return m_folders->setFolder(path);
}

void OpenFolderDialog::pointFileListAtFolder()
{
    m_fileFolder = m_folders->folder();
    m_files = m_scan.files(m_fileFolder).names;
    m_file1->clear();
    m_file1->addItems(m_files);
}

void OpenFolderDialog::replaceClicked()
{
    m_commands.replace(listFolderOf(m_fileFolder), m_files, this);
}

void OpenFolderDialog::addClicked()
{
    m_commands.add(listFolderOf(m_fileFolder), m_files, this);
}

} // namespace orv
