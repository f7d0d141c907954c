#pragma once

#include <QStringView>

namespace orv {

// The number at the start of a text, read the way the settings file and the
// slideshow interval are read: blanks, tabs and line feeds are skipped wherever
// they stand; then an optional sign, digits, and an optional decimal point with
// a fraction. Text that does not start with such a number gives 0.
double leadingNumber(QStringView text);

} // namespace orv
