#include "fileclipboard.h"

#include "picturelist.h"

namespace orv {

void FileClipboard::fill(const PictureList &list, const std::vector<int> &rows, bool cut)
{
    m_entries.clear();
    m_entries.reserve(qsizetype(rows.size()) + 1);
    m_entries << (cut ? cutMarker() : copyMarker());
    for (int row : rows)
        m_entries << list.fullPath(row);
}

void FileClipboard::setFiles(const QStringList &paths, bool cut)
{
    m_entries = QStringList{cut ? cutMarker() : copyMarker()} + paths;
}

FileClipboard pasteSource(const FileClipboard &own, const SystemClipboard *desktop)
{
    const SystemClipboard::Files foreign = desktop ? desktop->foreignFiles() : SystemClipboard::Files{};
    if (foreign.paths.isEmpty())
        return own;
    FileClipboard taken;
    taken.setFiles(foreign.paths, foreign.cut);
    return taken;
}

} // namespace orv
