#include "metafiledata.h"

#include <algorithm>
#include <cmath>

namespace orv {

QSize pixelsFromTwips(QSize twips, double dpi)
{
    const auto px = [dpi](int t) { return std::max(1, int(std::lround(t * dpi / 1440.0))); };
    return QSize(px(twips.width()), px(twips.height()));
}

} // namespace orv
