#include "deletecheck.h"

#include "fileerror.h"
#include "filesystem.h"
#include "picturelist.h"

namespace orv {

std::vector<int> removeVanishedEntries(PictureList &list, const std::vector<int> &rows,
                                       const FileSystem &files)
{
    std::vector<int> removed;
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
        const int row = *it;
        if (row < 0 || row >= list.count())
            continue;
        // A file that can still be opened stays, whatever it holds.
        if (FileError::isFileAccess(files.accessError(list.fullPath(row)))) {
            list.removeAt(row);
            removed.push_back(row);
        }
    }
    return removed;
}

int curpicAfterRemoval(int curpic, const std::vector<int> &removed)
{
    int before = 0;
    for (int row : removed)
        before += row < curpic - 1;
    return std::max(1, curpic - before);
}

} // namespace orv
