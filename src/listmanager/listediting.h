#pragma once

#include "pictureentry.h"

#include <vector>

class QAbstractItemModel;
class QItemSelection;
class QItemSelectionModel;

namespace orv {

class PictureList;

// The list manager's editing steps on a picture list (the main list or the
// second list), apart from the window that chooses the list and the rows.
// Rows are 0-based and ascending.
namespace ListEditing {

// The selected rows of a one-column view, top to bottom.
std::vector<int> selectedRows(const QItemSelectionModel &selection, int count);

// Invert: the rows not in `rows` (ascending), as ranges of one column of
// `model`.
QItemSelection invertedRows(const QAbstractItemModel &model, const std::vector<int> &rows);

// The entries at `rows`, top to bottom, or bottom to top when `bottomUp`.
std::vector<PictureEntry> entriesAt(const PictureList &list, const std::vector<int> &rows,
                                    bool bottomUp = false);

// Move up: each selected entry after the first row changes places with the
// entry above it, scanning from the top, so a selected block moves up by one
// as a block. `order[k]` is the row whose entry comes to row k; empty when
// nothing moves.
std::vector<int> moveUpOrder(int count, const std::vector<int> &rows);
// Move down: the same from the bottom, with the entry below.
std::vector<int> moveDownOrder(int count, const std::vector<int> &rows);

// Apply the moves to `list` in one layout change; false when nothing moved.
bool moveUp(PictureList &list, const std::vector<int> &rows);
bool moveDown(PictureList &list, const std::vector<int> &rows);

// Paste: inserts the clipboard's entries in clipboard order at row `at`, so
// the entry there moves down behind them; with no current row (`at` < 0) they
// go to the end. Empties the clipboard. Returns the first row pasted to, or
// -1 when the clipboard was empty.
int paste(PictureList &list, int at, std::vector<PictureEntry> &clipboard);

} // namespace ListEditing

} // namespace orv
