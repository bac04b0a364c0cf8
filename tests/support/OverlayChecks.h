#pragma once

#include <gtest/gtest.h>

#include <windows.h>

namespace orvane::test {

// An effect overlay as placed by default on the 1920 × 1080 test screen: the whole screen
// but its last row, layered, click-through, without a taskbar button, on the desktop.
inline void ExpectDefaultOverlayPlacement(HWND window) {
    RECT rect;
    ASSERT_TRUE(GetWindowRect(window, &rect));
    EXPECT_EQ(0, rect.left);
    EXPECT_EQ(0, rect.top);
    EXPECT_EQ(1920, rect.right);
    EXPECT_EQ(1079, rect.bottom);
    const LONG_PTR ex = GetWindowLongPtrW(window, GWL_EXSTYLE);
    EXPECT_TRUE(ex & WS_EX_LAYERED);
    EXPECT_TRUE(ex & WS_EX_TRANSPARENT);
    EXPECT_TRUE(ex & WS_EX_TOOLWINDOW);
    EXPECT_FALSE(ex & WS_EX_TOPMOST) << "the default placement is on the desktop";
}

} // namespace orvane::test
