#pragma once

#include "messageboxes.h"
#include "platformservices.h"

#include <QString>

class QWidget;

namespace orv {

class PictureList;

// The list manager's file commands for its second list: start an empty one,
// read one from a list file, and write it back (`list2file`) or to a file the
// user chooses. Reading and writing use the main window's list-file reader
// and writer, long-name block included.
class SecondListFiles
{
public:
    SecondListFiles(PictureList &second, const PlatformServices &services, QWidget *dialogParent);

    // The file the second list was read from; empty for a new list.
    const QString &list2file() const { return m_list2file; }
    // The file name the window's file dialog holds: the last one chosen.
    const QString &dialogFileName() const { return m_dialogFileName; }

    // "Open &New list": the second list empty, no file.
    void startNew();
    // "Open &another list": empties the second list (before the dialog), then
    // reads the chosen file into it.
    void openAnother();
    // "Save secon&d list": to list2file, or to a file chosen each time.
    void save();
    // "Save seco&nd list as": to a file chosen in the dialog.
    void saveAs();

private:
    void saveThroughDialog(const QString &filter);
    bool refuseEmptyList();
    void write(const QString &path);
    void message(const QString &text, MsgIcon icon);

    PictureList &m_second;
    PlatformServices m_services;
    QWidget *m_dialogParent;
    QString m_list2file;
    QString m_dialogFileName;
};

} // namespace orv
