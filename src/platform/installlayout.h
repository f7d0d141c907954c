#pragma once

#include <QString>
#include <QStringList>

namespace orv {

// Where the program's own files lie. Either everything sits beside the program
// (a build folder, a portable copy, Windows), or the program runs from the
// Linux installed layout: the program in bin/, the metafile helper in
// libexec/orvanta/, the help file in share/orvanta/, the default settings in
// the system configuration folder (etc/xdg/Orvanta). The installed folders are
// found relative to the program, so an installation into any prefix (or a
// DESTDIR staging tree) finds its own files.
class InstallLayout
{
public:
    // `apppath`: the program's folder, links resolved.
    explicit InstallLayout(QString apppath);

    // The relative paths from the program's folder to the installed folders,
    // fixed by the build's install directories.
    static QString dataFolderFromBin();
    static QString helperFolderFromBin();
    static QString systemConfigFolderFromBin();

    // Whether the program runs from the installed layout: its data folder
    // (share/orvanta) exists beside the bin folder.
    bool isInstalled() const;

    // A file beside the program if it is there; otherwise, when installed, the
    // same file in `folderFromBin`. When it is in neither place, the path where
    // it belongs (the installed one when installed), so a message can name it.
    QString locate(const QString &name, const QString &folderFromBin) const;

    QString helpFile() const;
    QString metafileHelper() const;

    // The installed program's system default settings file: in this
    // installation's system configuration folder, else in one of the XDG
    // configuration folders (`xdgConfigFolders`, the application's folder in
    // each). Empty when not installed or when there is none.
    QString systemSettingsFile(const QString &fileName, const QStringList &xdgConfigFolders) const;

private:
    QString inFolder(const QString &folderFromBin, const QString &name) const;

    QString m_apppath;
};

} // namespace orv
