#pragma once

#include <QIODevice>

#include <vector>

namespace orv {

// Entries of an icon or cursor file that hold a PNG one of whose chunks claims to run past
// the entry's end. libpng allocates a chunk's claimed length before it reads the chunk, so
// such an entry could make it ask for up to 2 GB; it is skipped like an entry that does not
// decode. Index i is entry i of the file's directory; the device's position is kept.
std::vector<bool> iconEntriesWithBrokenPng(QIODevice &device, int maxEntries);

} // namespace orv
