#include "framework/MonitorLayout.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

// A 1920 × 1080 primary, a 2560 × 1440 monitor to its right and a 1280 × 1024 one to its
// left at negative coordinates, a little lower.
MonitorList ThreeMonitors() {
    MonitorList monitors(3);
    monitors[0].bounds = {0, 0, 1920, 1080};
    monitors[0].primary = true;
    monitors[1].bounds = {1920, 0, 4480, 1440};
    monitors[2].bounds = {-1280, 200, 0, 1224};
    return monitors;
}

TEST(NearestMonitor, TheMonitorSharingMostOfTheBoxOrTheClosestToIt) {
    const MonitorList monitors = ThreeMonitors();
    struct Case {
        WorkArea box;
        std::size_t monitor;
        const char* what;
    } const cases[] = {
        {{100, 100, 300, 300}, 0, "inside the primary"},
        {{1800, 100, 2100, 300}, 1, "across an edge: the larger share"},
        {{1860, 100, 1980, 300}, 0, "across an edge, equal shares: the first"},
        {{-600, 500, -400, 700}, 2, "at negative coordinates"},
        {{5000, 100, 5200, 300}, 1, "right of everything: the right monitor"},
        {{-1200, -400, -1000, -300}, 2, "above the left monitor, nearer it than the primary"},
        {{100, 3000, 300, 3100}, 2, "far below: the left monitor reaches lowest"},
        {{-3000, 0, -2900, 100}, 2, "far left"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.monitor, NearestMonitor(monitors, c.box)) << c.what;
    EXPECT_EQ(0u, NearestMonitor({}, {0, 0, 10, 10})) << "no monitors at all";
}

} // namespace
} // namespace orvane
