#pragma once

#include "fileoperations.h"

#include <QDateTime>
#include <QString>

namespace orv {

// The freedesktop.org trash that desktops on Linux share: a file goes to
// `files/` of a trash folder with an `info/NAME.trashinfo` entry holding its
// original path and the deletion date, so that the desktop's trash can
// restore it. A name too long for its info file is stored shortened (the
// info file keeps the whole original path).
//
// A file on the same file system as the user's home trash goes there; a file
// on another mount goes to that mount's top folder: `.Trash/$uid` when an
// administrator has made a sticky `.Trash`, otherwise `.Trash-$uid`. A file
// for which no trash can be used is left alone (NoTrash).
//
// The home trash folders are made when first needed, from an absolute path,
// so nothing is ever written below the current folder.
class FreedesktopTrash
{
public:
    explicit FreedesktopTrash(const QString &homeTrash);

    // $XDG_DATA_HOME/Trash when XDG_DATA_HOME is an absolute path, otherwise
    // ~/.local/share/Trash.
    static QString defaultHomeTrash();

    const QString &homeTrash() const { return m_homeTrash; }

    FileOpResult trash(const QString &file, const QDateTime &when = QDateTime::currentDateTime()) const;

    // The trash folder that `file` would go to, made if needed; empty when
    // there is none. `topFolder` receives the mount's top folder for a mount
    // trash (info paths are then relative to it), or is cleared.
    QString trashFolderFor(const QString &file, QString *topFolder) const;

    // The name of the `n`th file called `name` in a trash (1: the name
    // itself, then "NAME.2"...), shortened where the name of its info file
    // would be longer than `maxBytes`.
    static QString storedName(const QString &name, int n, int maxBytes);

    // The body of an info file.
    static QByteArray infoText(const QString &path, const QDateTime &when);

private:
    QString m_homeTrash;
};

} // namespace orv
