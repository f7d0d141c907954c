#pragma once

#include "folderscan.h"
#include "openfoldercommands.h"
#include "platformservices.h"

#include <QDialog>

class QListWidget;
class QPushButton;

namespace orv {

class FolderChooser;
class OpenFolderHost;
class PictureList;

// The open-folder dialog (opendir): a drive list, a folder tree and the
// folder's picture files; "&Replace " and "&Add " put the files into the
// picture list and leave the dialog open. "&OK" and "&Cancel" only hide it,
// so it reopens on the drive and folder last shown.
//
// Folders are held as Qt writes paths ("/home/me/pics", "C:/pics"); entries
// get them in the list's form (listFolderOf).
class OpenFolderDialog : public QDialog
{
    Q_OBJECT
public:
    OpenFolderDialog(PictureList &list, const PlatformServices &services, OpenFolderHost &host,
                     QWidget *parent = nullptr, const QString &startFolder = QString());

    static QString pattern();

    // File > Open > Pic. Folder: refreshes the drive list, the folder tree and
    // the file list from Dir1's folder, then shows the dialog modally.
    int runModal();

    // Dir1's folder, and the folder and names that File1 shows.
    QString folder() const;
    QString fileFolder() const { return m_fileFolder; }
    QStringList files() const { return m_files; }

    // Makes `path` Dir1's folder and points File1 at it. A folder that cannot
    // be read is refused with a message and nothing changes.
    bool setFolder(const QString &path);

private:
    void buildControls(const QString &startFolder);
    void pointFileListAtFolder();
    void replaceClicked();
    void addClicked();

    PlatformServices m_services;
    OpenFolderCommands m_commands;
    FolderScan m_scan;

    QString m_fileFolder;
    QStringList m_files;

    FolderChooser *m_folders = nullptr;
    QListWidget *m_file1 = nullptr;
    QPushButton *m_append = nullptr;
    QPushButton *m_repl = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_command1 = nullptr;
};

} // namespace orv
