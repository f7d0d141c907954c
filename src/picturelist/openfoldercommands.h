#pragma once

#include "pictureentry.h"

#include <QStringList>
#include <vector>

class QWidget;

namespace orv {

class MessageBoxes;
class OpenFolderHost;
class PictureList;

// The open-folder dialog's "&Replace " and "&Add " commands on the picture list
// and the main window, with no widgets of their own.
class OpenFolderCommands
{
public:
    OpenFolderCommands(PictureList &list, OpenFolderHost &host, MessageBoxes &messageBoxes);

    // Appends an entry for every name, in order, with `folder` (a folder as the
    // list holds it, see listFolderOf).
    static void add2lst(PictureList &list, const QString &folder, const QStringList &names);

    // The list becomes exactly the folder's pictures; the image box shows the
    // sign at its start size, curpic is 1 and the counter "0/" and the count.
    void replace(const QString &folder, const QStringList &names, QWidget *parent = nullptr);
    // The folder's pictures are appended; curpic stays.
    void add(const QString &folder, const QStringList &names, QWidget *parent = nullptr);
    // The same for entries of any folders (a drop of files).
    void add(const std::vector<PictureEntry> &entries, QWidget *parent = nullptr);
    // The counter and the status line after entries were added to `list`,
    // which was empty (`wasEmpty`) or not.
    static void showAdded(const PictureList &list, OpenFolderHost &host, bool wasEmpty);

    static QString noPicturesMessage();

private:
    void showNoPictures(QWidget *parent);

    PictureList &m_list;
    OpenFolderHost &m_host;
    MessageBoxes &m_messageBoxes;
};

} // namespace orv
