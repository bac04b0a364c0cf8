#include "DesktopShellFixture.h"
#include "PlainBackground.h"
#include "ProcessCounters.h"
#include "background/Backgrounds.h"
#include "background/WallpaperVideo.h"
#include "core/Options.h"

#include <gtest/gtest.h>

#include <ole2.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace orvane {
namespace {

using test::DesktopShellFixture;
using test::PlainBackground;
using test::ShellLayout;

MonitorArea Monitor(WorkArea bounds, int taskbarHeight, unsigned dpi, bool primary = false) {
    MonitorArea monitor;
    monitor.bounds = bounds;
    monitor.work = {bounds.left, bounds.top, bounds.right, bounds.bottom - taskbarHeight};
    monitor.dpi = dpi;
    monitor.primary = primary;
    return monitor;
}

// 1920 x 1080 at 100 % as the primary, 2560 x 1440 at 150 % to its right and
// 1280 x 1024 at 100 % to its left, at negative coordinates.
const MonitorArea kPrimary = Monitor({0, 0, 1920, 1080}, 40, 96, true);
const MonitorArea kRight = Monitor({1920, 0, 4480, 1440}, 60, 144);
const MonitorArea kLeft = Monitor({-1280, 0, 0, 1024}, 0, 96);
// The virtual screen the three make.
const RECT kVirtualScreen = {-1280, 0, 4480, 1440};

// Where a background over a monitor's work area lies on the screen: one pixel short.
RECT Expected(const MonitorArea& monitor) {
    return {monitor.work.left, monitor.work.top, monitor.work.right, monitor.work.bottom - 1};
}

std::string Describe(const RECT& rect) {
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + " - " +
           std::to_string(rect.right) + "," + std::to_string(rect.bottom);
}

class BackgroundMonitors : public ::testing::TestWithParam<ShellLayout> {
protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
        ASSERT_TRUE(shell.Ready());
        backgrounds.Install(BackgroundKind::Web, [this] {
            auto background =
                std::make_unique<PlainBackground>(GetParam() != ShellLayout::Windows7);
            made.push_back(background.get());
            return background;
        });
        // The host spans the virtual screen, which starts left of the primary monitor.
        host = FindDesktopHost(GetParam() != ShellLayout::Windows7).parent;
        ASSERT_NE(nullptr, host);
        MoveWindow(host, kVirtualScreen.left, kVirtualScreen.top,
                   kVirtualScreen.right - kVirtualScreen.left,
                   kVirtualScreen.bottom - kVirtualScreen.top, FALSE);
        RECT placed = {};
        GetWindowRect(host, &placed);
        ASSERT_EQ(kVirtualScreen.left, placed.left) << "the host moved to negative coordinates";
    }
    void TearDown() override {
        backgrounds.ReleaseAll();
        OleUninitialize();
    }

    // The background windows in the host, by their place on the screen.
    std::map<std::string, HWND> Windows() const {
        std::map<std::string, HWND> windows;
        for (HWND window = FindWindowExW(host, nullptr, L"#32770", nullptr); window;
             window = FindWindowExW(host, window, L"#32770", nullptr)) {
            RECT rect = {};
            GetWindowRect(window, &rect);
            windows[Describe(rect)] = window;
        }
        return windows;
    }
    // Each monitor has exactly one window, over its work area; none is elsewhere.
    void ExpectOnePerMonitor(const MonitorList& expected) const {
        const std::map<std::string, HWND> windows = Windows();
        EXPECT_EQ(expected.size(), windows.size());
        for (const MonitorArea& monitor : expected)
            EXPECT_EQ(1u, windows.count(Describe(Expected(monitor))))
                << "no window over " << Describe(Expected(monitor));
    }
    // The window the shell repaints the wallpaper with after a stop.
    HWND RepaintWindow() const {
        return GetParam() == ShellLayout::Windows7 ? shell.Progman() : shell.WallpaperWorker();
    }
    // Every background window is visible, beneath the icons and above the wallpaper.
    void ExpectBehindTheIcons() const {
        const std::map<std::string, HWND> windows = Windows();
        for (const auto& [place, window] : windows) {
            EXPECT_TRUE(IsWindowVisible(window)) << place;
            if (GetParam() == ShellLayout::Classic)
                EXPECT_EQ(shell.WallpaperWorker(), GetParent(window)) << place;
            else
                EXPECT_EQ(shell.Progman(), GetParent(window)) << place;
        }
        if (GetParam() == ShellLayout::Windows7)
            EXPECT_FALSE(IsWindowVisible(shell.WallpaperWorker()));
        if (GetParam() != ShellLayout::Progman24H2)
            return;
        // Among Progman's children the windows lie between the icons and the wallpaper.
        std::size_t between = 0;
        HWND sibling = GetWindow(shell.IconsView(), GW_HWNDNEXT);
        for (; sibling && sibling != shell.WallpaperWorker();
             sibling = GetWindow(sibling, GW_HWNDNEXT))
            ++between;
        EXPECT_EQ(shell.WallpaperWorker(), sibling);
        EXPECT_EQ(windows.size(), between);
    }

    DesktopShellFixture shell{GetParam()};
    HWND host = nullptr;
    COptions options;
    int errors = 0;
    std::vector<PlainBackground*> made; // the primary's object first, then each copy
    MonitorList monitors = {kPrimary, kRight, kLeft};
    CBackgrounds backgrounds{options, [] {}, [this] { ++errors; }, [this] { return monitors; }};
};

TEST_P(BackgroundMonitors, EachMonitorHasItsOwnWindowOverItsWorkAreaAndStopRepaintsOnce) {
    for (const MonitorList& arrangement :
         {MonitorList{kPrimary, kRight}, MonitorList{kPrimary, kRight, kLeft}}) {
        SCOPED_TRACE(arrangement.size());
        monitors = arrangement;
        backgrounds.Set(BackgroundKind::Web, true);
        ASSERT_TRUE(backgrounds.Running(BackgroundKind::Web));
        EXPECT_EQ(0, errors);
        ExpectOnePerMonitor(arrangement);
        ExpectBehindTheIcons();
        RECT primary = {};
        GetWindowRect(backgrounds.Get(BackgroundKind::Web)->GetSafeHwnd(), &primary);
        EXPECT_EQ(Describe(Expected(kPrimary)), Describe(primary))
            << "the pages' object is on the primary monitor";

        const auto before = shell.Counts(RepaintWindow());
        backgrounds.Set(BackgroundKind::Web, false);
        EXPECT_FALSE(backgrounds.Running(BackgroundKind::Web));
        EXPECT_TRUE(Windows().empty()) << "stop leaves no window on any monitor";
        const auto after = shell.Counts(RepaintWindow());
        EXPECT_EQ(before.hidden + 1, after.hidden) << "the shared host repaints once";
        EXPECT_EQ(before.shown + 1, after.shown);
        EXPECT_TRUE(IsWindowVisible(RepaintWindow()));
    }
}

TEST_P(BackgroundMonitors, ARefreshReachesTheCopyOnEveryMonitor) {
    ASSERT_TRUE(backgrounds.Start(BackgroundKind::Web));
    ASSERT_EQ(3u, made.size()) << "the primary's object and a copy for each other monitor";
    backgrounds.Refresh(BackgroundKind::Web);
    for (std::size_t i = 0; i < made.size(); ++i)
        EXPECT_EQ(1, made[i]->refreshes) << i;
    backgrounds.Stop(BackgroundKind::Web);
    backgrounds.Refresh(BackgroundKind::Web);
    EXPECT_EQ(1, made.front()->refreshes) << "a stopped background has nothing to reload";
}

TEST_P(BackgroundMonitors, RunningCopiesFollowMonitorsThatGoComeOrChange) {
    // The windows a run keeps are measured after a first run, which registers classes
    // and makes the primary object's host watcher.
    backgrounds.Start(BackgroundKind::Web);
    backgrounds.Stop(BackgroundKind::Web);
    const long long baseline = test::UserObjectCount(GetCurrentProcess());

    ASSERT_TRUE(backgrounds.Start(BackgroundKind::Web));
    std::map<std::string, HWND> first = Windows();
    ASSERT_EQ(3u, first.size());
    const HWND primary = first[Describe(Expected(kPrimary))];
    const HWND right = first[Describe(Expected(kRight))];
    const HWND left = first[Describe(Expected(kLeft))];

    backgrounds.FollowMonitors();
    EXPECT_EQ(first, Windows()) << "nothing changed, nothing moves";

    // The left monitor is unplugged: its copy goes, the others stay as they are.
    monitors = {kPrimary, kRight};
    const auto before = shell.Counts(RepaintWindow());
    backgrounds.FollowMonitors();
    EXPECT_FALSE(IsWindow(left));
    ExpectOnePerMonitor(monitors);
    EXPECT_TRUE(IsWindow(primary));
    EXPECT_TRUE(IsWindow(right));
    EXPECT_EQ(before.shown + 1, shell.Counts(RepaintWindow()).shown) << "its place repainted";

    // The right monitor changes resolution and scale; the left one comes back.
    const MonitorArea smallerRight = Monitor({1920, 0, 3840, 1080}, 0, 96);
    monitors = {kPrimary, smallerRight, kLeft};
    backgrounds.FollowMonitors();
    EXPECT_FALSE(IsWindow(right));
    EXPECT_TRUE(IsWindow(primary));
    ExpectOnePerMonitor(monitors);
    ExpectBehindTheIcons();

    // The primary monitor's taskbar moves to the left edge: every copy starts anew.
    const MonitorArea movedTaskbar = [] {
        MonitorArea monitor = kPrimary;
        monitor.work = {60, 0, 1920, 1080};
        return monitor;
    }();
    monitors = {movedTaskbar, smallerRight, kLeft};
    backgrounds.FollowMonitors();
    ExpectOnePerMonitor(monitors);
    ExpectBehindTheIcons();
    RECT placed = {};
    GetWindowRect(backgrounds.Get(BackgroundKind::Web)->GetSafeHwnd(), &placed);
    EXPECT_EQ(Describe(Expected(movedTaskbar)), Describe(placed));

    backgrounds.Stop(BackgroundKind::Web);
    EXPECT_TRUE(Windows().empty());
    EXPECT_EQ(baseline, test::UserObjectCount(GetCurrentProcess())) << "no window left behind";

    // Stopped, nothing follows.
    backgrounds.FollowMonitors();
    EXPECT_TRUE(Windows().empty());
}

INSTANTIATE_TEST_SUITE_P(Layouts, BackgroundMonitors,
                         ::testing::Values(ShellLayout::Classic, ShellLayout::Windows7,
                                           ShellLayout::Progman24H2),
                         [](const ::testing::TestParamInfo<ShellLayout>& info) {
                             switch (info.param) {
                             case ShellLayout::Windows7:
                                 return "Windows7";
                             case ShellLayout::Progman24H2:
                                 return "Progman24H2";
                             default:
                                 return "Windows10";
                             }
                         });

TEST(BackgroundMonitorCopies, EachVideoCopyPlaysItsOwnMutedDeviceCoveringItsMonitor) {
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    {
        DesktopShellFixture shell(ShellLayout::Classic);
        ASSERT_TRUE(shell.Ready());
        COptions options;
        options.SetInt(L"iWallaperVideoEngine", CWallpaperVideo::kEngineMci);
        options.SetString(L"strWallaperVideoPath", L"C:\\Videos\\sea.avi");
        // Every device answers a source size of 640 x 480.
        std::vector<std::wstring> commands;
        const CVideo::Sender record = [&commands](const wchar_t* command, wchar_t* reply,
                                                  UINT length, HWND) -> MCIERROR {
            commands.push_back(command);
            if (reply && length && std::wstring(command).rfind(L"where ", 0) == 0)
                wcsncpy(reply, L"0 0 640 480", length);
            return 0;
        };
        CBackgrounds backgrounds{options, [] {}, [] {},
                                 [] {
                                     return MonitorList{kPrimary, kRight};
                                 }};
        backgrounds.Install(BackgroundKind::Video, [&] {
            auto video = std::make_unique<CWallpaperVideo>(options);
            video->Video().SetSender(record);
            return video;
        });
        ASSERT_TRUE(backgrounds.Start(BackgroundKind::Video));
        const HWND primary = backgrounds.Get(BackgroundKind::Video)->GetSafeHwnd();
        // The host is as the system's version has it.
        const HWND host = backgrounds.Get(BackgroundKind::Video)->HostWindow();
        HWND copy = FindWindowExW(host, nullptr, L"#32770", nullptr);
        if (copy == primary)
            copy = FindWindowExW(host, copy, L"#32770", nullptr);
        ASSERT_NE(nullptr, copy);

        const auto handle = [](HWND window) {
            return std::to_wstring(static_cast<int>(reinterpret_cast<INT_PTR>(window)));
        };
        const std::wstring alias = L"video" + std::to_wstring(reinterpret_cast<UINT_PTR>(copy));
        // 640 x 480 covers 1920 x 1040 at 1920 x 1440, and 2560 x 1380 at 2560 x 1920.
        const std::vector<std::wstring> expected = {
            L"stop video",
            L"close video",
            L"open \"C:\\Videos\\sea.avi\" type mpegvideo alias video style child parent " +
                handle(primary),
            L"setaudio video off",
            L"play video repeat",
            L"where video source",
            L"put video window at 0 -200 1920 1440",
            L"stop " + alias,
            L"close " + alias,
            L"open \"C:\\Videos\\sea.avi\" type mpegvideo alias " + alias +
                L" style child parent " + handle(copy),
            L"setaudio " + alias + L" off",
            L"play " + alias + L" repeat",
            L"where " + alias + L" source",
            L"put " + alias + L" window at 0 -270 2560 1920"};
        EXPECT_EQ(expected, commands);

        commands.clear();
        backgrounds.Stop(BackgroundKind::Video);
        EXPECT_EQ((std::vector<std::wstring>{L"stop " + alias, L"close " + alias, L"stop video",
                                             L"close video"}),
                  commands);
        backgrounds.ReleaseAll();
    }
    OleUninitialize();
}

} // namespace
} // namespace orvane
