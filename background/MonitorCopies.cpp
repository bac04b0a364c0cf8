#include "background/MonitorCopies.h"

#include <algorithm>

namespace orvane {
namespace {

// Whether a monitor other than the primary is in a list, past its primary.
bool AmongOthers(const MonitorList& monitors, const MonitorArea& monitor) {
    return std::find(monitors.begin() + 1, monitors.end(), monitor) != monitors.end();
}

} // namespace

CopyChanges FollowArrangement(const MonitorList& covered, const MonitorList& now) {
    CopyChanges changes;
    if (covered.empty() || now.empty())
        return changes;
    if (covered.front() != now.front()) {
        changes.restartAll = true;
        return changes;
    }
    for (std::size_t i = 1; i < covered.size(); ++i)
        if (!AmongOthers(now, covered[i]))
            changes.stop.push_back(i);
    for (std::size_t i = 1; i < now.size(); ++i)
        if (!AmongOthers(covered, now[i]))
            changes.start.push_back(i);
    return changes;
}

} // namespace orvane
