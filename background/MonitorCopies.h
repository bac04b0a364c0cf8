#pragma once

#include "framework/MonitorLayout.h"

#include <cstddef>
#include <vector>

namespace orvane {

// What a running background does when the monitors change. It runs one copy per
// monitor: the object the pages know covers the primary monitor, the others are made
// for the rest. A copy whose monitor is gone or changed stops; a monitor without a copy
// gets one. When the primary monitor itself changed, every copy starts anew.
struct CopyChanges {
    bool restartAll = false;
    std::vector<std::size_t> stop;  // positions in the covered list, never the primary's
    std::vector<std::size_t> start; // positions in the new list, never the primary's
    bool None() const { return !restartAll && stop.empty() && start.empty(); }
};

// covered: the monitors the copies cover now, the primary first; now: the arrangement
// as it is. An empty answer changes nothing: the system always has a monitor.
CopyChanges FollowArrangement(const MonitorList& covered, const MonitorList& now);

} // namespace orvane
