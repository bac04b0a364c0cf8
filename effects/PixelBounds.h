#pragma once

#include <cmath>

namespace orvane {

// floor(v) or ceil(v) limited to [low, high]; low for a value that is not a number. Every
// float coordinate becomes a pixel index through one of these, so that no conversion
// overflows and no loop runs past the canvas.
inline int FloorWithin(double v, int low, int high) {
    if (!(v > low))
        return low;
    return v < high ? static_cast<int>(std::floor(v)) : high;
}
inline int CeilWithin(double v, int low, int high) {
    if (!(v > low))
        return low;
    return v < high ? static_cast<int>(std::ceil(v)) : high;
}

} // namespace orvane
