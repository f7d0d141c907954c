#pragma once

#include <vector>

class QItemSelectionModel;

namespace orv {

// The rows with a selected entry, lowest first, each once.
std::vector<int> selectedRows(const QItemSelectionModel &selection);

} // namespace orv
