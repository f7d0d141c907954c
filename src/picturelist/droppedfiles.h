#pragma once

#include "pictureentry.h"

#include <QList>
#include <QString>
#include <QUrl>
#include <vector>

class QDropEvent;

namespace orv {

// What files dropped on a window of the program mean, apart from the window.
// Only local files count: remote addresses and text are never taken.
//
// Pictures are files with the endings the open dialogs offer (in any case); a
// folder stands for its pictures, matched and ordered as the open-folder
// dialog lists them (its sub-folders are not entered). A list file counts only
// when it is dropped alone, and only where list files are taken. Anything else
// in a drop is passed over; a drop of nothing usable is refused.
class DroppedFiles
{
public:
    enum class Kind {
        Refused,  // nothing usable: the drop is refused
        Pictures, // pictures and folders with pictures: their entries are added
        ListFile  // a list file dropped alone: it is opened
    };

    // `takesListFile`: whether a list file dropped alone is opened (the main
    // window) or refused (the list manager's lists).
    explicit DroppedFiles(bool takesListFile) : m_takesListFile(takesListFile) {}

    // What the drop would do. Cheap enough to ask while dragging: it stops at
    // the first usable item, and looks into a folder only until its first
    // picture.
    Kind kind(const QList<QUrl> &urls) const;

    // The entries a drop of pictures adds, in drop order: each picture file,
    // and in a folder's place the folder's pictures.
    std::vector<PictureEntry> entries(const QList<QUrl> &urls) const;

    // The list file of a drop of kind ListFile, with native separators.
    static QString listFile(const QList<QUrl> &urls);

    // The addresses a drag or drop carries (none for text and the like).
    static QList<QUrl> urls(const QDropEvent &event);

    // Accepts the drag or drop as a copy when `usable` and the source offers
    // copying, else refuses it. The files are only read, never moved, so copy
    // is the one action offered. Returns whether it was accepted.
    static bool offerCopy(QDropEvent &event, bool usable);

private:
    enum class Item { Unusable, Picture, Folder, ListFile };
    // What one address is; a folder without pictures is unusable.
    static Item item(const QUrl &url, QString *path);

    bool m_takesListFile;
};

} // namespace orv
