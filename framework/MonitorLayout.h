#pragma once

#include "framework/ScreenBoxes.h"

#include <cstddef>
#include <functional>
#include <vector>

namespace orvane {

// One display as the system arranges them, in virtual-screen pixels: negative left of or
// above the primary monitor. The work area leaves out the taskbars and docked bars.
struct MonitorArea {
    WorkArea bounds = {};
    WorkArea work = {};
    unsigned dpi = 96;
    bool primary = false;
};

bool operator==(const WorkArea& a, const WorkArea& b);
bool operator==(const MonitorArea& a, const MonitorArea& b);
inline bool operator!=(const MonitorArea& a, const MonitorArea& b) {
    return !(a == b);
}

// The monitors, the primary first.
using MonitorList = std::vector<MonitorArea>;

// Where a feature learns the monitors: the system's, or a test's own arrangement.
using MonitorSource = std::function<MonitorList()>;

// The monitor a rectangle belongs to: the one it overlaps most; where it overlaps none
// (its monitor was unplugged), the nearest by distance. 0 for an empty list.
std::size_t NearestMonitor(const MonitorList& monitors, const WorkArea& box);

} // namespace orvane
