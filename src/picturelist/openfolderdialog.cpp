#include "openfolderdialog.h"

#include "messageboxes.h"
#include "modalrunner.h"

#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace orv {

namespace {

constexpr int PathRole = Qt::UserRole;

// The folder and every folder above it, top first: "/", "/home", "/home/me".
QStringList foldersDownTo(const QString &folder)
{
    QStringList out;
    QDir dir(folder);
    out.prepend(dir.absolutePath());
    while (dir.cdUp())
        out.prepend(dir.absolutePath());
    return out;
}

QString cleanFolder(const QString &path)
{
    return QDir::cleanPath(QDir(path).absolutePath());
}

// The folder itself when it can be read, otherwise the nearest folder above it
// that can (a removed medium, a deleted folder).
QString nearestReadableFolder(const QString &path)
{
    QString folder = cleanFolder(path);
    while (!FolderScan::isReadableFolder(folder) && !QDir(folder).isRoot())
        folder = cleanFolder(folder + QStringLiteral("/.."));
    return folder;
}

} // namespace

OpenFolderDialog::OpenFolderDialog(PictureList &list, const PlatformServices &services, OpenFolderHost &host,
                                   QWidget *parent, const QString &startFolder)
    : QDialog(parent), m_services(services), m_commands(list, host, *services.messageBoxes), m_scan(pattern())
{
    Q_ASSERT(services.messageBoxes && services.modalRunner && services.drives);
    setObjectName(QStringLiteral("opendir"));
    setWindowTitle(QStringLiteral("Open pic. folder"));
    buildControls();

    // First use: File1 shows the files of Dir1's folder.
    m_folder = nearestReadableFolder(startFolder.isEmpty() ? QDir::currentPath() : startFolder);
    refreshDrives();
    rebuildFolderTree();
    pointFileListAtFolder();
}

QString OpenFolderDialog::pattern()
{
    return QStringLiteral("*.bmp;*.dib;*.gif;*.wmf;*.emf;*.jpg;*.ico;*.cur;*.jpeg");
}

void OpenFolderDialog::buildControls()
{
    m_drive1 = new QComboBox(this);
    m_drive1->setObjectName(QStringLiteral("Drive1"));
    m_drive1->setAccessibleName(QStringLiteral("Drive"));

    m_dir1 = new QTreeWidget(this);
    m_dir1->setObjectName(QStringLiteral("Dir1"));
    m_dir1->setAccessibleName(QStringLiteral("Folders"));
    m_dir1->setHeaderHidden(true);
    m_dir1->setColumnCount(1);
    m_dir1->setUniformRowHeights(true);
    m_dir1->setRootIsDecorated(false);
    m_dir1->setExpandsOnDoubleClick(false);
    m_dir1->setItemsExpandable(false);
    m_dir1->setIndentation(12);
    m_dir1->installEventFilter(this);

    m_file1 = new QListWidget(this);
    m_file1->setObjectName(QStringLiteral("File1"));
    m_file1->setAccessibleName(QStringLiteral("Picture files"));
    m_file1->setUniformItemSizes(true);
    m_file1->setSelectionMode(QAbstractItemView::SingleSelection);

    const auto button = [this](const char *name, const QString &caption) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        // Enter in the lists must not press a button behind the user's back.
        b->setAutoDefault(false);
        return b;
    };
    m_append = button("append", QStringLiteral("&Add "));
    m_append->setToolTip(QStringLiteral("Add above files to list "));
    m_repl = button("repl", QStringLiteral("&Replace "));
    m_repl->setToolTip(QStringLiteral("Replaces list contents with above files"));
    m_ok = button("ok", QStringLiteral("&OK"));
    m_command1 = button("Command1", QStringLiteral("&Cancel"));

    auto *left = new QVBoxLayout;
    left->addWidget(m_drive1);
    left->addWidget(m_dir1, 1);
    auto *lists = new QHBoxLayout;
    lists->addLayout(left, 1);
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

    connect(m_drive1, &QComboBox::currentIndexChanged, this, &OpenFolderDialog::driveChanged);
    connect(m_dir1, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem *item) { openFolderItem(item); });
    connect(m_append, &QPushButton::clicked, this, &OpenFolderDialog::addClicked);
    connect(m_repl, &QPushButton::clicked, this, &OpenFolderDialog::replaceClicked);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_command1, &QPushButton::clicked, this, &QDialog::reject);
}

int OpenFolderDialog::runModal()
{
    // A folder that went away since the last visit gives way to the nearest
    // one above it.
    m_folder = nearestReadableFolder(m_folder);
    refreshDrives();
    rebuildFolderTree();
    pointFileListAtFolder();
    return m_services.modalRunner->exec(this);
}

bool OpenFolderDialog::setFolder(const QString &path)
{
    if (changeFolder(path))
        return true;
    MessageRequest box;
    box.text = QStringLiteral("This folder cannot be read:\n") + QDir::toNativeSeparators(cleanFolder(path));
    box.icon = MsgIcon::Critical;
    box.buttons = MsgButtons::Ok;
    m_services.messageBoxes->show(this, box);
    return false;
}

bool OpenFolderDialog::changeFolder(const QString &path)
{
    const QString folder = cleanFolder(path);
    if (!FolderScan::isReadableFolder(folder))
        return false;
    m_folder = folder;
    rebuildFolderTree();
    selectDriveOf(m_folder);
    pointFileListAtFolder();
    return true;
}

void OpenFolderDialog::rebuildFolderTree()
{
    m_dir1->clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);

    QTreeWidgetItem *parent = nullptr;
    const QStringList chain = foldersDownTo(m_folder);
    for (const QString &folder : chain) {
        const QString name =
            QDir(folder).isRoot() ? QDir::toNativeSeparators(folder) : QDir(folder).dirName();
        auto *item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_dir1);
        item->setText(0, name);
        item->setIcon(0, open);
        item->setData(0, PathRole, folder);
        item->setExpanded(true);
        parent = item;
    }
    const FolderScan::Listing subfolders = FolderScan::subfolders(m_folder);
    QList<QTreeWidgetItem *> children;
    children.reserve(subfolders.names.size());
    const QString prefix = m_folder.endsWith(QLatin1Char('/')) ? m_folder : m_folder + QLatin1Char('/');
    for (const QString &name : subfolders.names) {
        auto *item = new QTreeWidgetItem(QStringList{name});
        item->setIcon(0, closed);
        item->setData(0, PathRole, prefix + name);
        children.append(item);
    }
    if (parent) {
        parent->addChildren(children);
        parent->setExpanded(true);
        m_dir1->setCurrentItem(parent);
    }
}

void OpenFolderDialog::pointFileListAtFolder()
{
    m_fileFolder = m_folder;
    m_files = m_scan.files(m_fileFolder).names;
    m_file1->clear();
    m_file1->addItems(m_files);
}

void OpenFolderDialog::refreshDrives()
{
    m_drives = m_services.drives->list();
    const QSignalBlocker block(m_drive1);
    m_drive1->clear();
    for (const DriveEntry &drive : std::as_const(m_drives))
        m_drive1->addItem(drive.displayName, drive.rootPath);
    m_drive1->setCurrentIndex(driveIndexOf(m_drives, m_folder));
}

void OpenFolderDialog::selectDriveOf(const QString &folder)
{
    const QSignalBlocker block(m_drive1);
    m_drive1->setCurrentIndex(driveIndexOf(m_drives, folder));
}

void OpenFolderDialog::driveChanged(int index)
{
    if (index < 0 || index >= m_drives.size())
        return;
    const QString remembered = m_folder;
    const QString root = m_drives[index].rootPath;
    for (;;) {
        if (m_services.drives->isReady(root)) {
            // A drive that fails in another way between the check and the
            // listing leaves the folder as it was.
            if (!changeFolder(root))
                selectDriveOf(remembered);
            return;
        }
        MessageRequest box;
        box.text = QStringLiteral("Drive is not ready!!");
        box.icon = MsgIcon::Critical;
        box.buttons = MsgButtons::RetryCancel;
        if (m_services.messageBoxes->show(this, box) != MsgResult::Retry) {
            selectDriveOf(remembered);
            return;
        }
    }
}

void OpenFolderDialog::openFolderItem(QTreeWidgetItem *item)
{
    if (!item)
        return;
    setFolder(item->data(0, PathRole).toString());
}

bool OpenFolderDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_dir1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Enter opens the highlighted folder, as a double-click does.
            openFolderItem(m_dir1->currentItem());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
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
