#include "OrvaneProcess.h"
#include "OverlayChecks.h"

#include <gtest/gtest.h>

namespace orvane::test {
namespace {

TEST(Effects, LeafFallSetInTheSettingsRunsFromStartUpOnTheDesktop) {
    OrvaneProcess orvane;
    orvane.WriteSettings(L"[Settings]\r\nfEffectsLeafFall=1\r\n");
    ASSERT_TRUE(orvane.Start(L"-auto"));
    ASSERT_NE(nullptr, orvane.MainWindow());
    ASSERT_TRUE(WaitFor([&] { return orvane.Overlays().size() == 1; }));
    test::ExpectDefaultOverlayPlacement(orvane.Overlays().front());
    orvane.Exit();
    EXPECT_TRUE(orvane.WaitForExit());
}

TEST(Effects, EveryEnabledEffectStartsWithItsOwnPlacement) {
    OrvaneProcess orvane;
    // Rain has no drawing yet: its key opens no window.
    orvane.WriteSettings(L"[Settings]\r\nfEffectsBalloons=1\r\nfEffectHearts=1\r\n"
                         L"fEffectHeartsTop=1\r\nfEffectRain=1\r\nfEffectSweets=0\r\n");
    ASSERT_TRUE(orvane.Start(L"-auto"));
    ASSERT_NE(nullptr, orvane.MainWindow());
    ASSERT_TRUE(WaitFor([&] { return orvane.Overlays().size() >= 2; }));
    Sleep(500);
    const auto overlays = orvane.Overlays();
    ASSERT_EQ(2u, overlays.size());
    int topmost = 0;
    for (HWND overlay : overlays)
        topmost += (GetWindowLongPtrW(overlay, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    EXPECT_EQ(1, topmost) << "hearts on top, balloons on the desktop";
    orvane.Exit();
    EXPECT_TRUE(orvane.WaitForExit());
}

TEST(Effects, NoEffectKeyNoOverlay) {
    OrvaneProcess orvane;
    ASSERT_TRUE(orvane.Start(L"-auto"));
    ASSERT_NE(nullptr, orvane.MainWindow());
    Sleep(1000);
    EXPECT_TRUE(orvane.Overlays().empty());
    orvane.Exit();
    EXPECT_TRUE(orvane.WaitForExit());
}

} // namespace
} // namespace orvane::test
