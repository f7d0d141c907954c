#pragma once

#include "platformservices.h"

#include <QString>
#include <vector>

class QWidget;

namespace orv {

class FileClipboard;

class PictureList;

// A file a paste moved: where it was and where it is now; `to` is empty for
// a file that went to the trash to make room.
struct MovedFile {
    QString from;
    QString to;
};

// Brings the list's entries in line with the paste's moves, in order: an
// entry of a moved file names its new place, an entry of a file gone to the
// trash leaves the list. Returns the rows removed, in the order removed.
std::vector<int> followPaste(PictureList &list, const std::vector<MovedFile> &moves);

// Pastes the file clipboard into `folder` (a path as Qt writes it), one file
// at a time in clipboard order: copies them, or for a cut moves them after
// the question "Are you sure u want to move this N files?" (OK/Cancel,
// Cancel the default). Temporary files that an interrupted copy left in the
// folder are removed first.
//
// Nothing is ever replaced without a word: when a pasted name is taken (in
// the folder, or by an earlier file of the same paste) one question for the
// whole paste lists the names and offers Replace (what is there goes to the
// trash), Keep both (the pasted file takes a free name "NAME (2).EXT"), Skip
// or Cancel. A file that no longer exists is skipped without a word, and a
// file already in the folder is left alone. Failures are reported in one
// message at the end. A clipboard without files does nothing. Returns the
// files moved and trashed, in order.
std::vector<MovedFile> pasteFiles(const FileClipboard &clipboard, const QString &folder,
                                  const PlatformServices &services, QWidget *parent);

} // namespace orv
