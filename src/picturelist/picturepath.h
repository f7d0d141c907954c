#pragma once

#include "pictureentry.h"

namespace orv {

// The native folder separator ("/" on Linux, "\" on Windows).
QChar folderSeparator();

// folder + separator + name: the full path of a list entry.
QString joinPicturePath(const QString &folder, const QString &name);

// Splits a full path at its last separator that is not the final character:
// the name is the text after it, the folder the text before it. A file in the
// root folder gets the folder "" (Linux) or "C:" (Windows). A path without a
// separator gives an empty folder and the whole text as the name.
PictureEntry splitPicturePath(const QString &fullPath);

// A folder as held in the list: no trailing separator; a drive root such as
// "C:\" is kept as "C:", and "/" becomes "".
QString normalisedFolder(const QString &folder);

} // namespace orv
