#include "DesktopShellFixture.h"
#include "DialogControls.h"
#include "MjpegAvi.h"
#include "OrvaneProcess.h"

#include "resources/ids_app.h"
#include "resources/ids_videoweb.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace orvane::test {
namespace {

constexpr int kWebTab = 2;

DWORD ProcessOf(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = L"";
    GetClassNameW(window, name, 64);
    return name;
}

// Orvane's background windows among the shell's desktop windows: dialogs of its process
// that are children of "Progman" or of a "WorkerW".
std::vector<HWND> BackgroundWindows(DWORD pid) {
    std::vector<HWND> found;
    for (HWND shellWindow = GetWindow(GetDesktopWindow(), GW_CHILD); shellWindow;
         shellWindow = GetWindow(shellWindow, GW_HWNDNEXT)) {
        const std::wstring name = ClassOf(shellWindow);
        if (name != L"Progman" && name != L"WorkerW")
            continue;
        for (HWND child = GetWindow(shellWindow, GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT))
            if (ProcessOf(child) == pid && ClassOf(child) == L"#32770")
                found.push_back(child);
    }
    return found;
}

bool IsVideo(HWND background) {
    return GetDlgItem(background, IDC_WALLPAPER_PLAYER) != nullptr;
}
bool IsWeb(HWND background) {
    return GetDlgItem(background, IDC_WALLPAPER_BROWSER) != nullptr;
}

// The main window's page that has the control.
HWND PageWith(HWND main, int controlId) {
    HWND tabs = GetDlgItem(main, IDC_MAIN_TABS);
    for (HWND page = GetWindow(tabs, GW_CHILD); page; page = GetWindow(page, GW_HWNDNEXT))
        if (GetDlgItem(page, controlId))
            return page;
    return nullptr;
}

std::wstring Stored(const OrvaneProcess& orvane, const std::wstring& key) {
    for (const auto& [name, value] : orvane.StoredSettings())
        if (name == key)
            return value;
    return L"(missing)";
}

// Orvane runs its video background with the Media Control Interface from a real
// motion-JPEG file, on the fixture's desktop.
class BackgroundSwitch : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(shell.Ready());
        const std::wstring video = folder / L"loop.avi";
        ASSERT_TRUE(WriteMjpegAvi(video, 320, 240, 4,
                                  {RGB(200, 40, 40), RGB(40, 200, 40), RGB(40, 40, 200)}));
        orvane.WriteSettings(L"[Settings]\r\nfAutoRun=0\r\nfWallaperVideoEnable=1\r\n"
                             L"iWallaperVideoEngine=1\r\nstrWallaperVideoPath=" +
                             video + L"\r\n");
        ASSERT_TRUE(orvane.Start());
        // Start-up opens the video (the media framework's first load is slow) before it
        // makes the main window.
        main = orvane.MainWindow(40000);
        ASSERT_NE(nullptr, main);
        // One look at the desktop's windows both counts and takes the background: the
        // shell fixture may be between two layouts for a moment.
        ASSERT_TRUE(WaitFor([&] {
            const std::vector<HWND> found = BackgroundWindows(orvane.Id());
            videoWindow = found.size() == 1 ? found.front() : nullptr;
            return videoWindow != nullptr;
        }));
        for (HWND dialog : orvane.Dialogs())
            ASSERT_NE(L"MCI Error", WindowText(dialog)) << Narrow(MessageBoxText(dialog));
        ASSERT_TRUE(IsVideo(videoWindow));
        // The device plays into a window of its own inside the background.
        EXPECT_TRUE(WaitFor([&] {
            for (HWND child = GetWindow(videoWindow, GW_CHILD); child;
                 child = GetWindow(child, GW_HWNDNEXT))
                if (GetDlgCtrlID(child) != IDC_WALLPAPER_PLAYER)
                    return true;
            return false;
        }));
        // Before Windows 8 (Wine's default) "Progman" hosts, afterwards the WorkerW.
        host = GetParent(videoWindow);
        ASSERT_TRUE(host == shell.Progman() || host == shell.WallpaperWorker());
        // The main window makes its pages as it initialises.
        ASSERT_TRUE(WaitFor([&] {
            videoPage = PageWith(main, IDC_VIDEO_BROWSE);
            webPage = PageWith(main, IDC_WEB_URL);
            return videoPage && webPage;
        }));
        EXPECT_TRUE(Checked(videoPage, IDC_LIVE_ENABLE));
        EXPECT_FALSE(Checked(webPage, IDC_LIVE_ENABLE));
    }

    // What the user does: the web tab, then its "Enable" box.
    void EnableWebBackground() {
        SendMessageW(GetDlgItem(main, IDC_MAIN_TABS), TCM_SETCURFOCUS, kWebTab, 0);
        ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(webPage) != FALSE; }));
        PostMessageW(GetDlgItem(webPage, IDC_LIVE_ENABLE), BM_CLICK, 0, 0);
    }

    void ExitAndWait() {
        orvane.Exit();
        ASSERT_TRUE(orvane.WaitForExit());
    }

    DesktopShellFixture shell{ShellLayout::Classic};
    TempFolder folder;
    OrvaneProcess orvane;
    HWND main = nullptr;
    HWND host = nullptr; // the shell window behind the icons
    HWND videoWindow = nullptr;
    HWND videoPage = nullptr;
    HWND webPage = nullptr;
};

TEST_F(BackgroundSwitch, EnablingTheWebPageStopsTheVideoAndExitKeepsOnlyTheWebKey) {
    EnableWebBackground();
    HWND web = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        const auto windows = BackgroundWindows(orvane.Id());
        web = windows.size() == 1 && IsWeb(windows.front()) ? windows.front() : nullptr;
        return web != nullptr;
    })) << BackgroundWindows(orvane.Id()).size()
        << " background windows";
    EXPECT_FALSE(IsWindow(videoWindow));
    EXPECT_EQ(host, GetParent(web));
    // Found as soon as it is made; it shows once its page has started.
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(web) != FALSE; }));
    EXPECT_TRUE(WaitFor([&] { return !Checked(videoPage, IDC_LIVE_ENABLE); }))
        << "the video page follows";
    EXPECT_TRUE(Checked(webPage, IDC_LIVE_ENABLE));
    // No WebView2 loader lies beside the program: the WebBrowser control shows the page,
    // and the page says so.
    HWND engine = GetDlgItem(webPage, IDC_WEB_ENGINE);
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(engine) != FALSE; }));
    EXPECT_EQ(L"Browser engine:  Internet Explorer", WindowText(engine));

    const auto before = shell.Counts(host);
    ExitAndWait();
    EXPECT_TRUE(BackgroundWindows(orvane.Id()).empty());
    EXPECT_EQ(before.shown + 1, shell.Counts(host).shown) << "Exit shows the wallpaper again";
    EXPECT_EQ(L"0", Stored(orvane, L"fWallaperVideoEnable"));
    EXPECT_EQ(L"1", Stored(orvane, L"fWallaperWebEnable")) << "it starts again next time";
}

TEST_F(BackgroundSwitch, WithoutAHostTheWebPageSaysErrorOnceAndTheVideoPlaysOn) {
    // The shell keeps the video's window but no longer offers a host behind the icons.
    shell.MoveIconsHome();
    EnableWebBackground();
    ASSERT_TRUE(WaitFor([&] { return !orvane.MessageBoxesSaying(L"Error").empty(); }));
    const std::vector<HWND> boxes = orvane.MessageBoxesSaying(L"Error");
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(nullptr, GetDlgItem(boxes.front(), IDCANCEL)) << "only an OK button";
    PostMessageW(boxes.front(), WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(boxes.front()); }));
    Sleep(1500); // time for a second box, which must not come
    EXPECT_TRUE(orvane.MessageBoxesSaying(L"Error").empty());

    EXPECT_FALSE(Checked(webPage, IDC_LIVE_ENABLE)) << "the box goes back to unchecked";
    EXPECT_TRUE(IsWindow(videoWindow)) << "the running video is not stopped";
    EXPECT_EQ(host, GetParent(videoWindow));
    EXPECT_TRUE(Checked(videoPage, IDC_LIVE_ENABLE));
    EXPECT_EQ(std::vector<HWND>{videoWindow}, BackgroundWindows(orvane.Id()));

    ExitAndWait();
    EXPECT_EQ(L"0", Stored(orvane, L"fWallaperWebEnable"));
    EXPECT_EQ(L"1", Stored(orvane, L"fWallaperVideoEnable"));
}

// Windows 11 24H2 keeps the icons and the wallpaper as children of "Progman"; Explorer
// may restart at any time and take the background with its windows.
TEST(BackgroundHost, OnTheProgmanLayoutItSitsUnderTheIconsAndComesBackAfterAShellRestart) {
    DesktopShellFixture shell{ShellLayout::Progman24H2};
    ASSERT_TRUE(shell.Ready());
    OrvaneProcess orvane;
    orvane.WriteSettings(L"[Settings]\r\nfAutoRun=0\r\nfWallaperWebEnable=1\r\n");
    ASSERT_TRUE(orvane.Start());
    ASSERT_NE(nullptr, orvane.MainWindow());

    HWND web = nullptr;
    const auto placedUnderTheIcons = [&] {
        const auto windows = BackgroundWindows(orvane.Id());
        web = windows.size() == 1 ? windows.front() : nullptr;
        return web && IsWeb(web) && GetParent(web) == shell.Progman() && IsWindowVisible(web) &&
               GetWindow(web, GW_HWNDPREV) == shell.IconsView() &&
               GetWindow(web, GW_HWNDNEXT) == shell.WallpaperWorker();
    };
    ASSERT_TRUE(WaitFor(placedUnderTheIcons)) << BackgroundWindows(orvane.Id()).size();
    RECT work = {}, placed = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    GetWindowRect(web, &placed);
    EXPECT_EQ(work.left, placed.left);
    EXPECT_EQ(work.top, placed.top);
    EXPECT_EQ(work.right - work.left, placed.right - placed.left);
    EXPECT_EQ(work.bottom - work.top - 1, placed.bottom - placed.top);

    const HWND oldProgman = shell.Progman();
    ASSERT_TRUE(shell.Restart());
    ASSERT_NE(oldProgman, shell.Progman());
    EXPECT_TRUE(WaitFor(placedUnderTheIcons)) << "the background returns into the new shell";

    orvane.Exit();
    ASSERT_TRUE(orvane.WaitForExit());
    EXPECT_EQ(L"1", Stored(orvane, L"fWallaperWebEnable"));
}

} // namespace
} // namespace orvane::test
