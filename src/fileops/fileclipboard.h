#pragma once

#include "systemclipboard.h"

#include <QStringList>
#include <vector>

namespace orv {

class PictureList;

// The program's own file clipboard `filecliplist`: a mode marker ("nocut"
// for copy, "cut" for move), then the full path of each file. Empty until the
// first copy or cut; a paste never clears it, so the same files can be
// pasted again.
class FileClipboard
{
public:
    static QString copyMarker() { return QStringLiteral("nocut"); }
    static QString cutMarker() { return QStringLiteral("cut"); }

    // Replaces the content with the marker and the full paths of the entries
    // at `rows` (lowest first), in list order.
    void fill(const PictureList &list, const std::vector<int> &rows, bool cut);
    // Replaces the content with the marker and `paths`.
    void setFiles(const QStringList &paths, bool cut);

    // The marker first, then the paths.
    const QStringList &entries() const { return m_entries; }
    bool isCut() const { return !m_entries.isEmpty() && m_entries.first() == cutMarker(); }
    QStringList files() const { return m_entries.mid(1); }

private:
    QStringList m_entries;
};

// What a paste takes: the files another program (a file manager) put on the
// desktop's clipboard after the program's own last copy or cut, or else the
// program's own clipboard. `desktop` may be null.
FileClipboard pasteSource(const FileClipboard &own, const SystemClipboard *desktop);

} // namespace orv
