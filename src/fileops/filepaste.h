#pragma once

#include "platformservices.h"

#include <QString>

class QWidget;

namespace orv {

class FileClipboard;

// Pastes the file clipboard into `folder` (a path as Qt writes it), one file
// at a time in clipboard order: copies them, or for a cut moves them after
// the question "Are you sure u want to move this N files?" (OK/Cancel,
// Cancel the default). A file of the same name in the folder is replaced; a
// file that no longer exists is skipped without a word, and a file already in
// the folder is left alone. Failures are reported in one message at the end.
// A clipboard without files does nothing.
void pasteFiles(const FileClipboard &clipboard, const QString &folder, const PlatformServices &services,
                QWidget *parent);

} // namespace orv
