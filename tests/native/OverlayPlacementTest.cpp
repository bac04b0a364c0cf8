#include "effects/OverlayPlacement.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(OverlayPlacement, CoversTheScreenOrTheAutoHideWorkAreaOnePixelShort) {
    const WorkArea work{0, 0, 1920, 1040}; // a 40-pixel taskbar at the bottom
    const OverlayBox normal = OverlayPlacement(0, work, 1920, 1080);
    EXPECT_EQ(0, normal.left);
    EXPECT_EQ(0, normal.top);
    EXPECT_EQ(1920, normal.width);
    EXPECT_EQ(1079, normal.height);

    const WorkArea hidden{0, 2, 1918, 1080}; // the hidden taskbar keeps a sliver
    const OverlayBox autoHide = OverlayPlacement(kTaskbarAutoHide, hidden, 1920, 1080);
    EXPECT_EQ(0, autoHide.left);
    EXPECT_EQ(2, autoHide.top);
    EXPECT_EQ(1918, autoHide.width);
    EXPECT_EQ(1077, autoHide.height);

    // Only exactly "auto-hide" counts: with "always on top" as well the screen is used.
    const OverlayBox both = OverlayPlacement(kTaskbarAutoHide | 2, hidden, 1920, 1080);
    EXPECT_EQ(1920, both.width);
    EXPECT_EQ(1079, both.height);
}

} // namespace
} // namespace orvane
