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

} // namespace orv
