#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace orv {

// One file of a paste and the name it takes in the destination folder.
struct PasteItem {
    QString source;
    QString name;
    // Its name is in use: by something in the folder that is not the file
    // itself, or by an earlier file of the same paste.
    bool taken = false;
};

// What the user chose for the taken names.
enum class PasteChoice { Replace, KeepBoth, Skip, Cancel };

// What a paste asks of the folder: whether something has a name there, and
// whether a name there is the source file itself.
struct PasteFolder {
    QString path;
    std::function<bool(const QString &name)> taken;
    std::function<bool(const QString &source, const QString &name)> isSource;
};

// The files of a paste in order, each under its own name, the taken ones
// marked.
std::vector<PasteItem> planPaste(const QStringList &sources, const PasteFolder &folder);

// The names that are taken, once each, in paste order.
QStringList takenNames(const std::vector<PasteItem> &items);

// "NAME (2).EXT", "NAME (3).EXT"...: the first that is neither taken in the
// folder nor in `used`.
QString freeName(const QString &name, const QStringList &used,
                 const std::function<bool(const QString &name)> &taken);

// The one question asked for the whole paste, naming the taken names.
QString conflictQuestion(const QStringList &names, const QString &folder);

} // namespace orv
