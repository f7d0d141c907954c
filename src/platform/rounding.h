#pragma once

#include <cmath>
#include <limits>

namespace orv {

// Round to the nearest whole number, halves to even (2.5 -> 2, 3.5 -> 4).
inline int roundHalfEven(double x)
{
    if (!std::isfinite(x))
        return 0;
    if (x >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (x <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return int(std::nearbyint(x)); // the default rounding mode is to nearest, ties to even
}

} // namespace orv
