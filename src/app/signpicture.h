#pragma once

#include "twips.h"

#include <QImage>

namespace orv {

// The sign shown when no picture of the list is on display (welcome, end of
// list, empty list), rendered at its natural size of 1860 x 2535 twips.
QImage renderSignPicture(const TwipScale &scale);

} // namespace orv
