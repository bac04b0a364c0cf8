#include "OrvaneProcess.h"

#include <gtest/gtest.h>

namespace orvane::test {
namespace {

TEST(Effects, LeafFallSetInTheSettingsRunsFromStartUpOnTheDesktop) {
    OrvaneProcess orvane;
    orvane.WriteSettings(L"[Settings]\r\nfEffectsLeafFall=1\r\n");
    ASSERT_TRUE(orvane.Start(L"-auto"));
    ASSERT_NE(nullptr, orvane.MainWindow());
    ASSERT_TRUE(WaitFor([&] { return orvane.Overlays().size() == 1; }));
    HWND overlay = orvane.Overlays().front();
    RECT rect;
    GetWindowRect(overlay, &rect);
    EXPECT_EQ(0, rect.left);
    EXPECT_EQ(0, rect.top);
    EXPECT_EQ(1920, rect.right);
    EXPECT_EQ(1079, rect.bottom);
    const LONG_PTR ex = GetWindowLongPtrW(overlay, GWL_EXSTYLE);
    EXPECT_TRUE(ex & WS_EX_TRANSPARENT);
    EXPECT_TRUE(ex & WS_EX_TOOLWINDOW);
    EXPECT_FALSE(ex & WS_EX_TOPMOST);
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
