#pragma once

#include <QString>

class QFile;

namespace orv {

// Opens `path` (links followed) for reading only when it is a regular file.
// A device, a named pipe or a folder is refused at once, without waiting on
// it, as FileError::PathFileAccess; a file that cannot be opened gets its
// number of the file-access set. Returns FileError::None when `file` is open.
// `why` (optional) receives the reason of a refusal for messages.
int openRegularFile(QFile &file, const QString &path, QString *why = nullptr);

} // namespace orv
