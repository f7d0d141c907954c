#pragma once

#include "drives.h"
#include "platformservices.h"

#include <QWidget>

class QComboBox;
class QTreeWidget;
class QTreeWidgetItem;

namespace orv {

// The drive list `Drive1` above the folder list `Dir1` that the folder
// dialogs share. Dir1 shows the chosen folder, the folders above it and its
// subfolders; a double-click or Enter opens the highlighted folder. Choosing
// a drive that is not ready asks "Drive is not ready!!" (Retry/Cancel;
// Cancel returns to the drive of the folder shown before).
//
// Folders are held as Qt writes paths ("/home/me/pics", "C:/pics").
class FolderChooser : public QWidget
{
    Q_OBJECT
public:
    // Starts on `startFolder` (the current folder when empty), or the nearest
    // folder above it that can be read.
    FolderChooser(const PlatformServices &services, const QString &startFolder, QWidget *parent = nullptr);

    QString folder() const { return m_folder; }

    // Makes `path` the folder shown. A folder that cannot be read is refused
    // with a message and nothing changes.
    bool setFolder(const QString &path);

    // Lists the drives again and shows the folder anew; a folder that went
    // away since gives way to the nearest one above it.
    void refresh();

    QComboBox *drive1() const { return m_drive1; }
    QTreeWidget *dir1() const { return m_dir1; }

Q_SIGNALS:
    // The folder shown changed (by the user or by setFolder).
    void folderChanged(const QString &folder);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool changeFolder(const QString &path);
    void rebuildFolderTree();
    void refreshDrives();
    void selectDriveOf(const QString &folder);
    void driveChanged(int index);
    void openFolderItem(QTreeWidgetItem *item);

    PlatformServices m_services;
    QList<DriveEntry> m_drives;
    QString m_folder;
    QComboBox *m_drive1 = nullptr;
    QTreeWidget *m_dir1 = nullptr;
};

} // namespace orv
