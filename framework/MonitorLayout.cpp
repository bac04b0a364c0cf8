#include "framework/MonitorLayout.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace orvane {
namespace {

std::int64_t OverlapArea(const WorkArea& a, const WorkArea& b) {
    const std::int64_t width = std::min(a.right, b.right) - std::max(a.left, b.left);
    const std::int64_t height = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
    return width > 0 && height > 0 ? width * height : 0;
}

// How far apart two rectangles are, squared; 0 when they touch or overlap.
std::int64_t GapSquared(const WorkArea& a, const WorkArea& b) {
    const std::int64_t dx =
        std::max<std::int64_t>({0, std::int64_t{b.left} - a.right, std::int64_t{a.left} - b.right});
    const std::int64_t dy =
        std::max<std::int64_t>({0, std::int64_t{b.top} - a.bottom, std::int64_t{a.top} - b.bottom});
    return dx * dx + dy * dy;
}

} // namespace

bool operator==(const WorkArea& a, const WorkArea& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

bool operator==(const MonitorArea& a, const MonitorArea& b) {
    return a.bounds == b.bounds && a.work == b.work && a.dpi == b.dpi && a.primary == b.primary;
}

std::size_t NearestMonitor(const MonitorList& monitors, const WorkArea& box) {
    std::size_t best = 0;
    std::int64_t bestOverlap = 0;
    for (std::size_t i = 0; i < monitors.size(); ++i) {
        const std::int64_t overlap = OverlapArea(monitors[i].bounds, box);
        if (overlap > bestOverlap) {
            best = i;
            bestOverlap = overlap;
        }
    }
    if (bestOverlap > 0)
        return best;
    std::int64_t bestGap = std::numeric_limits<std::int64_t>::max();
    for (std::size_t i = 0; i < monitors.size(); ++i) {
        const std::int64_t gap = GapSquared(monitors[i].bounds, box);
        if (gap < bestGap) {
            best = i;
            bestGap = gap;
        }
    }
    return best;
}

} // namespace orvane
