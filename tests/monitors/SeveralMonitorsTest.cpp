// Orvane.exe on a display of three monitors (tools/wine/wine-env with ORVANE_WINE_MONITORS):
// the 1920 × 1080 primary, a 1280 × 1024 monitor to its left at negative coordinates and a
// 1600 × 900 one to its right.
#include "BitmapFile.h"
#include "OrvaneProcess.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace orvane::test {
namespace {

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(monitor, &info))
        reinterpret_cast<std::vector<RECT>*>(list)->push_back(info.rcMonitor);
    return TRUE;
}

std::vector<RECT> MonitorRects() {
    std::vector<RECT> monitors;
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

RECT RectOf(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

// The windows of a size among the program's visible layered windows.
std::vector<RECT> RectsOfOverlays(const OrvaneProcess& orvane) {
    std::vector<RECT> rects;
    for (HWND window : orvane.Overlays())
        rects.push_back(RectOf(window));
    return rects;
}

// Whether some window covers the monitor as an effect does: all of it but the last row.
bool Covered(const std::vector<RECT>& windows, const RECT& monitor) {
    return std::any_of(windows.begin(), windows.end(), [&](const RECT& w) {
        return w.left == monitor.left && w.top == monitor.top && w.right == monitor.right &&
               w.bottom == monitor.bottom - 1;
    });
}

class SeveralMonitors : public ::testing::Test {
protected:
    void SetUp() override {
        monitors = MonitorRects();
        ASSERT_EQ(3u, monitors.size()) << "the display was not split into three monitors";
        ASSERT_TRUE(std::any_of(monitors.begin(), monitors.end(), [](const RECT& m) {
            return m.left < 0;
        })) << "no monitor left of the primary";
    }
    std::vector<RECT> monitors;
};

TEST_F(SeveralMonitors, AnEffectCoversEveryMonitorOrThePrimaryAloneAsChosen) {
    {
        OrvaneProcess orvane;
        orvane.WriteSettings(L"[Settings]\r\nfAutoRun=0\r\nfEffectsLeafFall=1\r\n");
        ASSERT_TRUE(orvane.Start(L"-auto"));
        ASSERT_TRUE(WaitFor([&] { return orvane.Overlays().size() == 3; }));
        const std::vector<RECT> windows = RectsOfOverlays(orvane);
        for (const RECT& monitor : monitors)
            EXPECT_TRUE(Covered(windows, monitor))
                << "monitor at " << monitor.left << "," << monitor.top;
        orvane.Exit();
        EXPECT_TRUE(orvane.WaitForExit());
    }
    OrvaneProcess orvane;
    orvane.WriteSettings(
        L"[Settings]\r\nfAutoRun=0\r\nfEffectsLeafFall=1\r\nfEffectsEveryMonitor=0\r\n");
    ASSERT_TRUE(orvane.Start(L"-auto"));
    ASSERT_TRUE(WaitFor([&] { return !orvane.Overlays().empty(); }));
    Sleep(1500); // a second overlay would come with the first
    const std::vector<RECT> windows = RectsOfOverlays(orvane);
    ASSERT_EQ(1u, windows.size());
    EXPECT_EQ(0, windows.front().left);
    EXPECT_EQ(0, windows.front().top);
    orvane.Exit();
    EXPECT_TRUE(orvane.WaitForExit());
}

TEST_F(SeveralMonitors, PicturesStayOnTheirMonitorOrComeBackFromOneThatIsGone) {
    OrvaneProcess orvane;
    const std::wstring picture = orvane.AppData() + L"\\square.bmp";
    ASSERT_TRUE(WriteBitmapFile(picture, 64, 48, 200, 40, 40));
    // The first on the left monitor, the second where no monitor is any more, far right.
    orvane.WriteSettings(L"[Settings]\r\nfAutoRun=0\r\n[CEffectsCustomObjects]\r\n0Path=" +
                         picture + L"\r\n0Enable=1\r\n0X=-1000\r\n0Y=300\r\n1Path=" + picture +
                         L"\r\n1Enable=1\r\n1X=9000\r\n1Y=200\r\n");
    ASSERT_TRUE(orvane.Start(L"-auto"));
    ASSERT_TRUE(WaitFor([&] { return orvane.Overlays().size() == 2; }));
    std::vector<RECT> windows = RectsOfOverlays(orvane);
    std::sort(windows.begin(), windows.end(),
              [](const RECT& a, const RECT& b) { return a.left < b.left; });
    EXPECT_EQ(-1000, windows[0].left);
    EXPECT_EQ(300, windows[0].top);
    // Onto the right monitor, its right edge at the monitor's.
    const RECT right =
        *std::max_element(monitors.begin(), monitors.end(),
                          [](const RECT& a, const RECT& b) { return a.left < b.left; });
    EXPECT_EQ(right.right, windows[1].right);
    EXPECT_EQ(200, windows[1].top);
    orvane.Exit();
    EXPECT_TRUE(orvane.WaitForExit());
}

} // namespace
} // namespace orvane::test
