#pragma once

#include "platformservices.h"

#include <QDialog>

class QPushButton;

namespace orv {

class FolderChooser;

// The paste-to-folder dialog `pasteto` ("Paste to folder"): the drive list
// `Drive1`, the folder list `Dir1` and `Command1` "&Paste", which accepts the
// dialog with the folder shown. It has no cancel button: the close box (or
// Escape) rejects it.
class PasteToDialog : public QDialog
{
    Q_OBJECT
public:
    PasteToDialog(const PlatformServices &services, const QString &startFolder, QWidget *parent = nullptr);

    // Dir1's folder, as Qt writes paths.
    QString folder() const;
    FolderChooser *folders() const { return m_folders; }
    // Lists the drives again before a showing (a folder that went away gives
    // way to the one above it).
    void refresh();

private:
    FolderChooser *m_folders = nullptr;
    QPushButton *m_command1 = nullptr;
};

} // namespace orv
