#include "BitmapFile.h"
#include "OrvaneProcess.h"
#include "RemoteControls.h"

#include "resources/ids_app.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <shellapi.h>
#include <shlwapi.h>

namespace orvane::test {
namespace {

constexpr UINT kTrayCallback = 0x465;

// Whether the shell holds Orvane's tray icon: modifying an icon that is not there fails.
bool TrayIconPresent(HWND main) {
    NOTIFYICONDATAW data = {};
    data.cbSize = sizeof data;
    data.hWnd = main;
    data.uID = 128;
    data.uFlags = NIF_TIP;
    wcscpy(data.szTip, L"Orvane");
    return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

TEST(MainWindow, HidesIntoTheTrayAndOnlyExitEndsTheProgram) {
    OrvaneProcess orvane;
    ASSERT_TRUE(orvane.Start(L"-auto"));
    HWND main = orvane.MainWindow();
    ASSERT_NE(nullptr, main);
    ASSERT_TRUE(WaitFor([&] { return TrayIconPresent(main); }));
    EXPECT_FALSE(IsWindowVisible(main));

    // A double click on the icon opens the window and takes the icon away.
    PostMessageW(main, kTrayCallback, 128, WM_LBUTTONDBLCLK);
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(main) != FALSE; }));
    EXPECT_TRUE(WaitFor([&] { return !TrayIconPresent(main); }));
    // Opening also activates the window; let that settle before it is closed again.
    EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == main && !IsIconic(main); }));
    // Under a loaded X server the display's answers to that activation come late; one
    // arriving after the close would restore the minimised window before it hides.
    Sleep(1000);

    // The close box hides the window into the tray; the program goes on.
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(main); }));
    EXPECT_TRUE(WaitFor([&] { return TrayIconPresent(main); }));
    Sleep(500);
    EXPECT_TRUE(orvane.Running());

    // Open from the tray menu's command works the same way.
    PostMessageW(main, WM_COMMAND, ID_TRAY_OPEN, 0);
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(main) != FALSE; }));

    orvane.Exit();
    ASSERT_TRUE(orvane.WaitForExit());
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(orvane.SettingsPath().c_str()));
    EXPECT_FALSE(TrayIconPresent(main));
}

TEST(MainWindow, SavesTheSettingsWhenTheUserSignsOut) {
    OrvaneProcess orvane;
    orvane.WriteSettings(L"[Settings]\r\niGarland=3\r\n");
    ASSERT_TRUE(orvane.Start(L"-auto"));
    HWND main = orvane.MainWindow();
    ASSERT_NE(nullptr, main);
    SendMessageW(main, WM_ENDSESSION, TRUE, 0);
    const auto lines = ReadSection(ReadUtf16File(orvane.SettingsPath()), L"Settings");
    EXPECT_EQ(108u, lines.size()) << "the whole table is written at once";
    EXPECT_TRUE(orvane.Running());
    orvane.Exit();
    EXPECT_TRUE(orvane.WaitForExit());
}

TEST(MainWindow, ASignOutThatAnotherProgramCancelsLeavesEverythingRunning) {
    TempFolder pictures;
    const std::wstring picture = pictures / L"object.bmp";
    ASSERT_TRUE(WriteBitmapFile(picture, 40, 30, 200, 60, 40));
    OrvaneProcess orvane;
    orvane.WriteSettings(L"[Settings]\r\nfAutoRun=0\r\n[CEffectsCustomObjects]\r\n0Path=" +
                         picture + L"\r\n0Enable=1\r\n0Top=0\r\n0X=50\r\n0Y=60\r\n");
    ASSERT_TRUE(orvane.Start(L"-auto"));
    HWND main = orvane.MainWindow();
    ASSERT_NE(nullptr, main);
    ASSERT_TRUE(WaitFor([&] { return orvane.Overlays().size() == 1; })) << "the custom object";
    const std::string before = ReadBytes(orvane.SettingsPath());

    // Windows asks; another program refuses, so the session goes on.
    DWORD_PTR mayEnd = 0;
    ASSERT_TRUE(SendMessageTimeoutW(main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL,
                                    5000, &mayEnd));
    EXPECT_TRUE(mayEnd) << "Orvane does not hold a sign-out up";
    SendMessageW(main, WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF);
    Sleep(1500);
    EXPECT_EQ(1u, orvane.Overlays().size()) << "the custom object is still on the desktop";
    EXPECT_EQ(before, ReadBytes(orvane.SettingsPath()))
        << "nothing to save for a session that goes on";

    // The real sign-out stores the object and takes it away.
    SendMessageW(main, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_TRUE(WaitFor([&] { return orvane.Overlays().empty(); }));
    bool placeStored = false;
    for (const auto& [key, value] :
         ReadSection(ReadUtf16File(orvane.SettingsPath()), L"CEffectsCustomObjects"))
        placeStored |= key == L"0X" && value == L"50";
    EXPECT_TRUE(placeStored);
    EXPECT_EQ(108u, orvane.StoredSettings().size()) << "and the settings are saved";
    orvane.Exit();
    EXPECT_TRUE(orvane.WaitForExit());
}

TEST(MainWindow, ShowsTheTabsOfTheSystem) {
    // Wine pretends to be the Windows version its settings name for a program.
    const wchar_t kAppDefaults[] = L"Software\\Wine\\AppDefaults\\Orvane.exe";
    struct Case {
        const wchar_t* version;
        std::size_t tabs;
        const wchar_t* sixth;
    } cases[] = {{L"win7", 10, L"Logon Screen"}, {L"win10", 9, L"Cursor"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(Narrow(c.version));
        SHSetValueW(HKEY_CURRENT_USER, kAppDefaults, L"Version", REG_SZ, c.version,
                    static_cast<DWORD>((wcslen(c.version) + 1) * sizeof(wchar_t)));
        OrvaneProcess orvane;
        ASSERT_TRUE(orvane.Start());
        HWND main = orvane.MainWindow();
        ASSERT_NE(nullptr, main);
        HWND tabs = GetDlgItem(main, IDC_MAIN_TABS);
        // The tabs are inserted while the window initialises, one page at a time.
        const auto tabCount = [&] {
            return static_cast<std::size_t>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
        };
        WaitFor([&] { return tabCount() >= c.tabs; });
        Sleep(500);
        ASSERT_EQ(c.tabs, tabCount());

        HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE,
                                     FALSE, orvane.Id());
        ASSERT_NE(nullptr, process);
        EXPECT_EQ(L"Background Picture", ReadTab(process, tabs, 0).text);
        EXPECT_EQ(0, ReadTab(process, tabs, 0).image);
        const TabItem sixth = ReadTab(process, tabs, 5);
        EXPECT_EQ(c.sixth, sixth.text);
        EXPECT_EQ(c.tabs == 10 ? 5 : 6, sixth.image) << "tabs keep their pictures";
        const TabItem last = ReadTab(process, tabs, static_cast<int>(c.tabs) - 1);
        EXPECT_EQ(L"Night Light", last.text);
        EXPECT_EQ(9, last.image);
        CloseHandle(process);
        orvane.Exit();
        EXPECT_TRUE(orvane.WaitForExit());
    }
    SHDeleteKeyW(HKEY_CURRENT_USER, kAppDefaults);
}

TEST(MainWindow, AboutBoxOpensAndClosesCleanly) {
    OrvaneProcess orvane;
    ASSERT_TRUE(orvane.Start());
    HWND main = orvane.MainWindow();
    ASSERT_NE(nullptr, main);
    for (WPARAM how : {WPARAM(ID_MENU_ABOUT), WPARAM(16)}) {
        if (how == ID_MENU_ABOUT)
            PostMessageW(main, WM_COMMAND, ID_MENU_ABOUT, 0);
        else
            PostMessageW(main, WM_SYSCOMMAND, 16, 0); // the system menu's About item
        HWND about = nullptr;
        // The box has its caption before its controls are made and filled.
        ASSERT_TRUE(WaitFor([&] {
            for (HWND dialog : orvane.Dialogs())
                if (dialog != main && WindowText(dialog) == L"About")
                    about = dialog;
            return about != nullptr && !WindowText(GetDlgItem(about, IDC_ABOUT_VERSION)).empty();
        }));
        EXPECT_EQ(L"Version 1.2", WindowText(GetDlgItem(about, IDC_ABOUT_VERSION)));
        EXPECT_EQ(L"Orvane", WindowText(GetDlgItem(about, IDC_ABOUT_NAME)));
        EXPECT_NE(nullptr, GetDlgItem(about, IDC_ABOUT_CREDITS));
        PostMessageW(about, WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(WaitFor([&] { return !IsWindow(about); }));
    }
    EXPECT_TRUE(orvane.Running());
    orvane.Exit();
    EXPECT_TRUE(orvane.WaitForExit());
}

TEST(MainWindow, ExitFromTheTrayEndsOrvaneWhileTheAboutBoxIsOpen) {
    OrvaneProcess orvane;
    ASSERT_TRUE(orvane.Start());
    HWND main = orvane.MainWindow();
    ASSERT_NE(nullptr, main);
    PostMessageW(main, WM_COMMAND, ID_MENU_ABOUT, 0);
    ASSERT_TRUE(WaitFor([&] {
        for (HWND dialog : orvane.Dialogs())
            if (dialog != main && WindowText(dialog) == L"About")
                return true;
        return false;
    }));
    ASSERT_TRUE(orvane.ExitThroughTheTrayMenu());
    ASSERT_TRUE(orvane.WaitForExit()) << "the About box held the program";
    EXPECT_EQ(0u, orvane.ExitCode());
    EXPECT_FALSE(TrayIconPresent(main));
}

TEST(MainWindow, TrayMenuOpensOnRightClickAndCloses) {
    OrvaneProcess orvane;
    ASSERT_TRUE(orvane.Start(L"-auto"));
    HWND main = orvane.MainWindow();
    ASSERT_NE(nullptr, main);
    PostMessageW(main, kTrayCallback, 128, WM_RBUTTONUP);
    HWND menu = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        menu = FindWindowW(L"#32768", nullptr);
        return menu && IsWindowVisible(menu);
    }));
    // Leaving the menu returns to the tray; the program stays hidden and running.
    PostMessageW(main, WM_CANCELMODE, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(menu); }));
    EXPECT_FALSE(IsWindowVisible(main));
    orvane.Exit();
    EXPECT_TRUE(orvane.WaitForExit());
}

// Explorer restarting takes every tray icon with it and says so by a broadcast; a
// hidden Orvane without its icon could not be reached any more.
TEST(MainWindow, TheTrayIconComesBackWhenTheTaskbarIsCreatedAgain) {
    OrvaneProcess orvane;
    ASSERT_TRUE(orvane.Start(L"-auto"));
    HWND main = orvane.MainWindow();
    ASSERT_NE(nullptr, main);
    ASSERT_TRUE(WaitFor([&] { return TrayIconPresent(main); }));

    NOTIFYICONDATAW data = {};
    data.cbSize = sizeof data;
    data.hWnd = main;
    data.uID = 128;
    ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &data));
    ASSERT_FALSE(TrayIconPresent(main));
    const UINT taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
    SendMessageTimeoutW(HWND_BROADCAST, taskbarCreated, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
    EXPECT_TRUE(WaitFor([&] { return TrayIconPresent(main); }));

    // Shown after an Open the window has no icon, and a new taskbar must not add one.
    PostMessageW(main, kTrayCallback, 128, WM_LBUTTONDBLCLK);
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(main) && !TrayIconPresent(main); }));
    SendMessageTimeoutW(main, taskbarCreated, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
    Sleep(300);
    EXPECT_FALSE(TrayIconPresent(main));
    orvane.Exit();
    EXPECT_TRUE(orvane.WaitForExit());
}

} // namespace
} // namespace orvane::test
