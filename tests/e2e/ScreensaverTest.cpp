#include "DesktopShellFixture.h"
#include "FixtureSavers.h"
#include "OrvaneProcess.h"

#include "resources/ids_app.h"
#include "resources/ids_screensaver.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace orvane::test {
namespace {

constexpr UINT kTrayCallback = 0x465;
constexpr int kScreensaverTab = 4;

// Clicks a tab of another process's tab control: its rectangle is read through memory
// of that process.
bool ClickTab(DWORD processId, HWND tabs, int index) {
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                                 processId);
    if (!process)
        return false;
    RECT rect = {};
    auto* remote = static_cast<RECT*>(
        VirtualAllocEx(process, nullptr, sizeof rect, MEM_COMMIT, PAGE_READWRITE));
    const bool read = remote &&
                      SendMessageW(tabs, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(remote)) &&
                      ReadProcessMemory(process, remote, &rect, sizeof rect, nullptr);
    if (remote)
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    if (!read)
        return false;
    const LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    PostMessageW(tabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(tabs, WM_LBUTTONUP, 0, at);
    return true;
}

struct AreaSearch {
    DWORD process;
    HWND area;
};

BOOL CALLBACK FindArea(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<AreaSearch*>(parameter);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search->process || GetDlgCtrlID(window) != IDC_SAVER_AREA)
        return TRUE;
    search->area = window;
    return FALSE;
}

// The one preview process of a screen saver, once it runs.
DWORD WaitForOnePreview(const std::wstring& fileName) {
    DWORD found = 0;
    WaitFor([&] {
        const std::vector<DWORD> running = ProcessesNamed(fileName);
        found = running.size() == 1 ? running.front() : 0;
        return found != 0;
    });
    return found;
}

TEST(Screensaver, ThePagePreviewRunsWhileItShowsStopsWhenMinimisedAndComesBackOnOpen) {
    DesktopValuesGuard desktop;
    SaverLog log;
    const std::wstring ribbons = SystemRootFolder() + L"\\System32\\Ribbons.scr";
    SetDesktopText(L"SCRNSAVE.EXE", ribbons);
    SetDesktopText(L"ScreenSaveActive", L"1");

    OrvaneProcess orvane;
    ASSERT_TRUE(orvane.Start());
    HWND main = orvane.MainWindow();
    ASSERT_NE(nullptr, main);
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(main) != FALSE; }));
    HWND tabs = GetDlgItem(main, IDC_MAIN_TABS);
    EXPECT_TRUE(ProcessesNamed(L"Ribbons.scr").empty()) << "no preview on a page out of sight";

    ASSERT_TRUE(ClickTab(orvane.Id(), tabs, kScreensaverTab));
    const DWORD preview = WaitForOnePreview(L"Ribbons.scr");
    ASSERT_NE(0u, preview);
    AreaSearch search = {orvane.Id(), nullptr};
    EnumChildWindows(main, FindArea, reinterpret_cast<LPARAM>(&search));
    ASSERT_NE(nullptr, search.area);
    std::wstring commandLine;
    ASSERT_TRUE(log.WaitForStart(preview, commandLine));
    // Start-up reads the system's choice in its long form, as the disk spells it.
    wchar_t longForm[MAX_PATH] = L"";
    {
        // The real System32, which a 32-bit process sees only with redirection off.
        PVOID previous = nullptr;
        const bool off = Wow64DisableWow64FsRedirection(&previous) != FALSE;
        GetLongPathNameW(ribbons.c_str(), longForm, MAX_PATH);
        if (off)
            Wow64RevertWow64FsRedirection(previous);
    }
    EXPECT_EQ(longForm + std::wstring(L" /p ") +
                  std::to_wstring(static_cast<int>(reinterpret_cast<INT_PTR>(search.area))),
              commandLine);
    EXPECT_NE(nullptr, WaitForChildOfProcess(search.area, preview));

    ShowWindow(main, SW_MINIMIZE);
    EXPECT_TRUE(WaitForProcessEnd(preview)) << "nobody sees it in the tray";
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(main); }));

    PostMessageW(main, kTrayCallback, 128, WM_LBUTTONDBLCLK);
    const DWORD again = WaitForOnePreview(L"Ribbons.scr");
    EXPECT_NE(0u, again);
    EXPECT_NE(preview, again);

    orvane.Exit();
    ASSERT_TRUE(orvane.WaitForExit());
    EXPECT_TRUE(WaitForProcessEnd(again)) << "the preview ends with the program";
}

TEST(Screensaver, TheBackgroundSetInTheSettingsRunsItsPreviewBehindTheIconsUntilExit) {
    DesktopShellFixture shell(ShellLayout::Classic);
    ASSERT_TRUE(shell.Ready());
    SaverLog log;
    const std::wstring aurora = SystemRootFolder() + L"\\OrvaneAurora.scr";
    OrvaneProcess orvane;
    orvane.WriteSettings(L"[Settings]\r\nfWallaperScreensaverEnable=1\r\nstrWallaperScreensaverPath=" +
                         aurora + L"\r\n");
    ASSERT_TRUE(orvane.Start(L"-auto"));
    ASSERT_NE(nullptr, orvane.MainWindow());

    const DWORD preview = WaitForOnePreview(L"OrvaneAurora.scr");
    ASSERT_NE(0u, preview);
    std::wstring commandLine;
    ASSERT_TRUE(log.WaitForStart(preview, commandLine));
    const std::size_t at = commandLine.rfind(L" /p ");
    ASSERT_NE(std::wstring::npos, at);
    EXPECT_EQ(aurora, commandLine.substr(0, at));
    HWND window = reinterpret_cast<HWND>(
        static_cast<INT_PTR>(std::wcstoll(commandLine.c_str() + at + 4, nullptr, 10)));
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    EXPECT_EQ(orvane.Id(), owner) << "the preview draws in Orvane's window";
    const HWND host = GetParent(window);
    EXPECT_TRUE(host == shell.WallpaperWorker() || host == shell.Progman())
        << "behind the icons";
    EXPECT_NE(nullptr, WaitForChildOfProcess(window, preview));

    orvane.Exit();
    ASSERT_TRUE(orvane.WaitForExit());
    EXPECT_TRUE(WaitForProcessEnd(preview));
    const auto settings = orvane.StoredSettings();
    EXPECT_NE(settings.end(), std::find(settings.begin(), settings.end(),
                                        std::make_pair(std::wstring(L"fWallaperScreensaverEnable"),
                                                       std::wstring(L"1"))))
        << "it starts again next time";
}

} // namespace
} // namespace orvane::test
