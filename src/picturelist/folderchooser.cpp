#include "folderchooser.h"

#include "folderscan.h"
#include "messageboxes.h"

#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
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

FolderChooser::FolderChooser(const PlatformServices &services, const QString &startFolder, QWidget *parent)
    : QWidget(parent), m_services(services)
{
    Q_ASSERT(services.messageBoxes && services.drives);
    m_drive1 = new QComboBox(this);
    m_drive1->setObjectName(QStringLiteral("Drive1"));
    m_drive1->setAccessibleName(tr("Drive"));

    m_dir1 = new QTreeWidget(this);
    m_dir1->setObjectName(QStringLiteral("Dir1"));
    m_dir1->setAccessibleName(tr("Folders"));
    m_dir1->setHeaderHidden(true);
    m_dir1->setColumnCount(1);
    m_dir1->setUniformRowHeights(true);
    m_dir1->setRootIsDecorated(false);
    m_dir1->setExpandsOnDoubleClick(false);
    m_dir1->setItemsExpandable(false);
    m_dir1->setIndentation(12);
    m_dir1->installEventFilter(this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_drive1);
    layout->addWidget(m_dir1, 1);

    connect(m_drive1, &QComboBox::currentIndexChanged, this, &FolderChooser::driveChanged);
    connect(m_dir1, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem *item) { openFolderItem(item); });

    m_folder = nearestReadableFolder(startFolder.isEmpty() ? QDir::currentPath() : startFolder);
    refreshDrives();
    rebuildFolderTree();
}

void FolderChooser::refresh()
{
    const QString before = m_folder;
    m_folder = nearestReadableFolder(m_folder);
    refreshDrives();
    rebuildFolderTree();
    if (m_folder != before)
        Q_EMIT folderChanged(m_folder);
}

bool FolderChooser::setFolder(const QString &path)
{
    if (changeFolder(path))
        return true;
    MessageRequest box;
    box.text = tr("This folder cannot be read:\n") + QDir::toNativeSeparators(cleanFolder(path));
    box.icon = MsgIcon::Critical;
    box.buttons = MsgButtons::Ok;
    m_services.messageBoxes->show(window(), box);
    return false;
}

bool FolderChooser::changeFolder(const QString &path)
{
    const QString folder = cleanFolder(path);
    if (!FolderScan::isReadableFolder(folder))
        return false;
    m_folder = folder;
    rebuildFolderTree();
    selectDriveOf(m_folder);
    Q_EMIT folderChanged(m_folder);
    return true;
}

void FolderChooser::rebuildFolderTree()
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

void FolderChooser::refreshDrives()
{
    m_drives = m_services.drives->list();
    const QSignalBlocker block(m_drive1);
    m_drive1->clear();
    for (const DriveEntry &drive : std::as_const(m_drives))
        m_drive1->addItem(drive.displayName, drive.rootPath);
    m_drive1->setCurrentIndex(driveIndexOf(m_drives, m_folder));
}

void FolderChooser::selectDriveOf(const QString &folder)
{
    const QSignalBlocker block(m_drive1);
    m_drive1->setCurrentIndex(driveIndexOf(m_drives, folder));
}

void FolderChooser::driveChanged(int index)
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
        box.text = tr("Drive is not ready!!");
        box.icon = MsgIcon::Critical;
        box.buttons = MsgButtons::RetryCancel;
        if (m_services.messageBoxes->show(window(), box) != MsgResult::Retry) {
            selectDriveOf(remembered);
            return;
        }
    }
}

void FolderChooser::openFolderItem(QTreeWidgetItem *item)
{
    if (!item)
        return;
    setFolder(item->data(0, PathRole).toString());
}

bool FolderChooser::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_dir1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Enter opens the highlighted folder, as a double-click does.
            openFolderItem(m_dir1->currentItem());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace orv
