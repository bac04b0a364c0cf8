#include "OrvaneProcess.h"
#include "ShellWindowsFixture.h"

#include <gtest/gtest.h>

namespace orvane::test {
namespace {

int AlphaOf(HWND window) {
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    if (!(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED) ||
        !GetLayeredWindowAttributes(window, &key, &alpha, &flags) || !(flags & LWA_ALPHA))
        return -1;
    return alpha;
}

TEST(TransparencyStartup, TheStoredOptionsComeBackAtStartAndGoAtExit) {
    ShellWindowsFixture shell({L"taskbar", L"app:Document"});
    ASSERT_TRUE(shell.Ready());
    OrvaneProcess orvane;
    orvane.WriteSettings(L"[Settings]\r\nfTweaksTransparencyTaskbar=1\r\n"
                         L"iTweaksTransparencyTaskbarValue=50\r\n"
                         L"fTweaksTransparencyVisibleWindows=1\r\n"
                         L"iTweaksTransparencyVisibleWindowsValue=300\r\n");
    ASSERT_TRUE(orvane.Start(L"-auto"));
    HWND document = shell.App(L"Document");
    EXPECT_TRUE(WaitFor([&] { return AlphaOf(shell.Taskbar()) == 127; }));
    EXPECT_TRUE(WaitFor([&] { return AlphaOf(document) == 255; })) << "300 is used as 100";

    orvane.Exit();
    ASSERT_TRUE(orvane.WaitForExit());
    EXPECT_EQ(-1, AlphaOf(shell.Taskbar()));
    EXPECT_EQ(-1, AlphaOf(document));
    for (const auto& [key, value] : orvane.StoredSettings())
        if (key == L"iTweaksTransparencyVisibleWindowsValue")
            EXPECT_EQ(L"300", value) << "kept as stored";
}

} // namespace
} // namespace orvane::test
