#pragma once

#include <vector>

namespace orv {

class FileSystem;
class PictureList;

// After a delete: checks the entries at `rows` (lowest first) from the
// highest down, so that each removal leaves the rows still to check in
// place, and removes every entry whose file can no longer be reached (the
// file-access errors a load would meet). Nothing is read or decoded. Returns
// the removed rows, highest first.
std::vector<int> removeVanishedEntries(PictureList &list, const std::vector<int> &rows,
                                       const FileSystem &files);

// The current position after the entries at `removed` went: it moves down by
// the entries removed before it, so it names the same picture. When the
// current entry itself went, it names the entry that took its place.
int curpicAfterRemoval(int curpic, const std::vector<int> &removed);

} // namespace orv
