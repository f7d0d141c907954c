#pragma once

#include <QSaveFile>
#include <QString>

namespace orv {

// Commits `file` only when every byte written reached the disk. Qt 6.4's
// QSaveFile::commit() renames the new file over the old one even when the last
// buffered bytes could not be written (a full disk), which would leave a cut
// file in place of a whole one; the buffer is flushed first and a failure
// cancels the write, so the old file stays whole. Returns why it failed, or
// an empty text when the file is in place.
inline QString commitWhole(QSaveFile &file)
{
    if (!file.flush()) {
        const QString why = file.errorString();
        file.cancelWriting();
        file.commit(); // discards the new file; the old one is untouched
        return why;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace orv
