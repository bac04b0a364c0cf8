#include "DialogControls.h"
#include "OrvaneProcess.h"

#include "resources/ids_app.h"
#include "resources/ids_nightlight.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace orvane::test {
namespace {

const wchar_t kBelowLimitText[] =
    L"You have selected a colour temperature below 3400K. To set colour temperature below "
    L"this value, you must disable the Windows limitation on the value of colour temperature. "
    L"To do this, use the appropriate setting located below on this tab.";

std::wstring StoredValue(const OrvaneProcess& orvane, const std::wstring& key) {
    for (const auto& [name, value] : orvane.StoredSettings())
        if (name == key)
            return value;
    return L"(missing)";
}

// Signing out saves the settings: the way to read the keys as they are in memory.
// (A sign-out that another program cancels, WM_ENDSESSION with FALSE, saves nothing.)
std::wstring KeyNow(const OrvaneProcess& orvane, HWND main, const std::wstring& key) {
    SendMessageW(main, WM_ENDSESSION, TRUE, 0);
    return StoredValue(orvane, key);
}

BOOL CALLBACK FindNightPage(HWND child, LPARAM found) {
    if (GetDlgItem(child, IDC_NIGHT_SLIDER)) {
        *reinterpret_cast<HWND*>(found) = child;
        return FALSE;
    }
    return TRUE;
}

// Steps the tab control to its last tab, Night Light, the way the arrow keys do, and
// returns that page once it shows.
HWND ShowNightLightPage(HWND main) {
    HWND tabs = GetDlgItem(main, IDC_MAIN_TABS);
    const int count = static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        PostMessageW(tabs, WM_KEYDOWN, VK_RIGHT, 0);
        PostMessageW(tabs, WM_KEYUP, VK_RIGHT, 0xC0000000);
    }
    HWND page = nullptr;
    WaitFor([&] {
        page = nullptr;
        EnumChildWindows(tabs, FindNightPage, reinterpret_cast<LPARAM>(&page));
        return page && IsWindowVisible(page);
    });
    return page;
}

// A rectangle a control of the other process reports into its own memory.
RECT RemoteRect(DWORD pid, HWND control, UINT message) {
    RECT rect = {};
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ, FALSE, pid);
    if (!process)
        return rect;
    void* remote = VirtualAllocEx(process, nullptr, sizeof rect, MEM_COMMIT, PAGE_READWRITE);
    if (remote) {
        SendMessageW(control, message, 0, reinterpret_cast<LPARAM>(remote));
        ReadProcessMemory(process, remote, &rect, sizeof rect, nullptr);
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    return rect;
}

void Mouse(DWORD flags) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

// An edit control's text; GetWindowText does not ask a control of another process.
std::wstring ControlText(HWND control) {
    wchar_t text[64] = L"";
    SendMessageW(control, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(text));
    return text;
}

TEST(NightLight, WithTheScheduleOnTheProgramRunsAndExitsCleanlyThoughGammaCallsFail) {
    OrvaneProcess orvane;
    // Start equal to end: the window covers the day, so the first tick applies the light.
    orvane.WriteSettings(L"[Settings]\r\nfAutoRun=0\r\nfNightShiftSchedule=1\r\n"
                         L"iNightShiftTimeFromHour=3\r\niNightShiftTimeToHour=3\r\n"
                         L"iNightShiftColourTemperature=900\r\n");
    ASSERT_TRUE(orvane.Start(L"-auto"));
    HWND main = orvane.MainWindow();
    ASSERT_NE(nullptr, main);
    Sleep(2500); // a couple of schedule ticks, each loading or holding the ramp

    SendMessageW(main, WM_ENDSESSION, TRUE, 0);
    EXPECT_TRUE(orvane.Running()) << "signing out saves and restores, the window stays";
    EXPECT_EQ(L"1", StoredValue(orvane, L"fNightShiftSchedule"));
    EXPECT_EQ(L"900", StoredValue(orvane, L"iNightShiftColourTemperature"))
        << "the file keeps what the user wrote; only the display sees it clamped";
    Sleep(1500);
    EXPECT_TRUE(orvane.Running());

    orvane.Exit();
    ASSERT_TRUE(orvane.WaitForExit());
    EXPECT_EQ(0u, orvane.ExitCode());
    EXPECT_EQ(L"1", StoredValue(orvane, L"fNightShiftSchedule"));
}

TEST(NightLight, DraggingTheSliderSuspendsTheScheduleUntilRelease) {
    OrvaneProcess orvane;
    orvane.WriteSettings(L"[Settings]\r\nfAutoRun=0\r\nfNightShiftSchedule=1\r\n");
    ASSERT_TRUE(orvane.Start());
    HWND main = orvane.MainWindow();
    ASSERT_NE(nullptr, main);
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(main) != FALSE; }));
    HWND page = ShowNightLightPage(main);
    ASSERT_NE(nullptr, page);
    HWND slider = GetDlgItem(page, IDC_NIGHT_SLIDER);
    EXPECT_EQ(4100, SendMessageW(slider, TBM_GETPOS, 0, 0));

    RECT thumb = RemoteRect(orvane.Id(), slider, TBM_GETTHUMBRECT);
    ASSERT_LT(thumb.left, thumb.right);
    POINT grip = {(thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2};
    ClientToScreen(slider, &grip);
    SetForegroundWindow(main);
    SetCursorPos(grip.x, grip.y);
    Sleep(200);
    Mouse(MOUSEEVENTF_LEFTDOWN);
    for (int step = 1; step <= 10; ++step) {
        SetCursorPos(grip.x + 8 * step, grip.y);
        Mouse(MOUSEEVENTF_MOVE);
        Sleep(30);
    }
    ASSERT_TRUE(WaitFor([&] { return SendMessageW(slider, TBM_GETPOS, 0, 0) > 4100; }))
        << "the thumb did not follow the mouse";
    EXPECT_EQ(L"0", KeyNow(orvane, main, L"fNightShiftSchedule")) << "during the drag";

    Mouse(MOUSEEVENTF_LEFTUP);
    const LRESULT released = [&] {
        LRESULT position = 0;
        WaitFor(
            [&] {
                position = SendMessageW(slider, TBM_GETPOS, 0, 0);
                return KeyNow(orvane, main, L"fNightShiftSchedule") == L"1";
            },
            3000);
        return position;
    }();
    EXPECT_EQ(L"1", StoredValue(orvane, L"fNightShiftSchedule")) << "after the release";
    EXPECT_EQ(std::to_wstring(released), StoredValue(orvane, L"iNightShiftColourTemperature"));
    EXPECT_TRUE(Enabled(page, IDC_NIGHT_DEFAULT));
    EXPECT_EQ(nullptr, orvane.WaitForMessageBox(kBelowLimitText, 1000))
        << "a warmer choice is allowed";

    orvane.Exit();
    EXPECT_TRUE(orvane.WaitForExit());
}

TEST(NightLight, APresetBelowTheLimitIsRefusedAndTheListShowsTheSlidersPresetAgain) {
    OrvaneProcess orvane;
    orvane.WriteSettings(L"[Settings]\r\nfAutoRun=0\r\n");
    ASSERT_TRUE(orvane.Start());
    HWND main = orvane.MainWindow();
    ASSERT_NE(nullptr, main);
    HWND page = ShowNightLightPage(main);
    ASSERT_NE(nullptr, page);
    HWND presets = GetDlgItem(page, IDC_NIGHT_PRESETS);
    ASSERT_EQ(9, SendMessageW(presets, CB_GETCOUNT, 0, 0));
    EXPECT_EQ(5, SendMessageW(presets, CB_GETCURSEL, 0, 0)) << "4100K - Moonlight";
    EXPECT_EQ(1900, SendMessageW(presets, CB_GETITEMDATA, 1, 0));

    // The user picks "1900K - Candle" while Windows' limit is in force.
    SendMessageW(presets, CB_SETCURSEL, 1, 0);
    PostMessageW(page, WM_COMMAND, MAKEWPARAM(IDC_NIGHT_PRESETS, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(presets));
    HWND box = orvane.WaitForMessageBox(kBelowLimitText);
    ASSERT_NE(nullptr, box) << "text 205";
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(box); }));
    EXPECT_TRUE(WaitFor([&] { return SendMessageW(presets, CB_GETCURSEL, 0, 0) == 5; }));
    EXPECT_EQ(4100, SendMessageW(GetDlgItem(page, IDC_NIGHT_SLIDER), TBM_GETPOS, 0, 0));
    EXPECT_EQ(L"4100", KeyNow(orvane, main, L"iNightShiftColourTemperature"));

    // A preset above the limit is taken at once; "Custom" changes nothing.
    SendMessageW(presets, CB_SETCURSEL, 7, 0);
    SendMessageW(page, WM_COMMAND, MAKEWPARAM(IDC_NIGHT_PRESETS, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(presets));
    EXPECT_EQ(5500, SendMessageW(GetDlgItem(page, IDC_NIGHT_SLIDER), TBM_GETPOS, 0, 0));
    SendMessageW(presets, CB_SETCURSEL, 0, 0);
    SendMessageW(page, WM_COMMAND, MAKEWPARAM(IDC_NIGHT_PRESETS, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(presets));
    EXPECT_EQ(5500, SendMessageW(GetDlgItem(page, IDC_NIGHT_SLIDER), TBM_GETPOS, 0, 0));
    EXPECT_EQ(L"5500", KeyNow(orvane, main, L"iNightShiftColourTemperature"));
    EXPECT_TRUE(Enabled(page, IDC_NIGHT_DEFAULT));

    orvane.Exit();
    EXPECT_TRUE(orvane.WaitForExit());
}

TEST(NightLight, TheTransitionPhaseStaysWithinNoughtToNinetyNine) {
    OrvaneProcess orvane;
    orvane.WriteSettings(L"[Settings]\r\nfAutoRun=0\r\niNightShiftTransitionPhase=98\r\n");
    ASSERT_TRUE(orvane.Start());
    HWND main = orvane.MainWindow();
    ASSERT_NE(nullptr, main);
    HWND page = ShowNightLightPage(main);
    ASSERT_NE(nullptr, page);
    HWND spin = GetDlgItem(page, IDC_NIGHT_TRANSITION_SPIN);
    auto press = [&](WPARAM key, int times) {
        for (int i = 0; i < times; ++i)
            SendMessageW(spin, WM_KEYDOWN, key, 0); // the up-down's own arrow keys
    };
    press(VK_UP, 3);
    EXPECT_EQ(L"99", KeyNow(orvane, main, L"iNightShiftTransitionPhase"));
    EXPECT_EQ(L"99", ControlText(GetDlgItem(page, IDC_NIGHT_TRANSITION)));
    press(VK_DOWN, 102);
    EXPECT_EQ(L"0", KeyNow(orvane, main, L"iNightShiftTransitionPhase"));
    EXPECT_EQ(L"0", ControlText(GetDlgItem(page, IDC_NIGHT_TRANSITION)));

    orvane.Exit();
    EXPECT_TRUE(orvane.WaitForExit());
}

} // namespace
} // namespace orvane::test
