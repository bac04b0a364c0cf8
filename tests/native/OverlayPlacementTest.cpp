#include "effects/OverlayPlacement.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

MonitorArea Monitor(WorkArea bounds, WorkArea work) {
    MonitorArea monitor;
    monitor.bounds = bounds;
    monitor.work = work;
    return monitor;
}

TEST(OverlayPlacement, CoversTheMonitorOrItsAutoHideWorkAreaOnePixelShort) {
    struct Case {
        unsigned taskbarState;
        MonitorArea monitor;
        OverlayBox expected;
        const char* what;
    } const cases[] = {
        // A 40-pixel taskbar at the bottom of the primary monitor.
        {0, Monitor({0, 0, 1920, 1080}, {0, 0, 1920, 1040}), {0, 0, 1920, 1079}, "primary"},
        // The hidden taskbar keeps a sliver.
        {kTaskbarAutoHide,
         Monitor({0, 0, 1920, 1080}, {0, 2, 1918, 1080}),
         {0, 2, 1918, 1077},
         "auto-hide: the work area"},
        // Only exactly "auto-hide" counts: with "always on top" as well the monitor is used.
        {kTaskbarAutoHide | 2,
         Monitor({0, 0, 1920, 1080}, {0, 2, 1918, 1080}),
         {0, 0, 1920, 1079},
         "auto-hide and always on top"},
        {0,
         Monitor({-1280, 200, 0, 1224}, {-1280, 200, 0, 1184}),
         {-1280, 200, 1280, 1023},
         "left of the primary, lower down"},
        {kTaskbarAutoHide,
         Monitor({1920, 0, 4480, 1440}, {1920, 0, 4480, 1400}),
         {1920, 0, 2560, 1399},
         "right of the primary, auto-hide"},
    };
    for (const Case& c : cases) {
        const OverlayBox box = OverlayPlacement(c.taskbarState, c.monitor);
        EXPECT_EQ(c.expected.left, box.left) << c.what;
        EXPECT_EQ(c.expected.top, box.top) << c.what;
        EXPECT_EQ(c.expected.width, box.width) << c.what;
        EXPECT_EQ(c.expected.height, box.height) << c.what;
    }
}

} // namespace
} // namespace orvane
