#include "DesktopShellFixture.h"
#include "DialogWatcher.h"
#include "PlainBackground.h"
#include "core/Options.h"
#include "background/Backgrounds.h"
#include "background/DesktopHost.h"
#include "framework/Monitors.h"

#include <gtest/gtest.h>

#include <ole2.h>

namespace orvane {
namespace {

using test::DesktopShellFixture;
using test::PlainBackground;
using test::PumpMessages;
using test::ShellLayout;

// One whose window can never be made.
class FailingBackground : public PlainBackground {
public:
    bool CreateBehindIcons() override { return false; }
};

class DesktopHost : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr))); }
    void TearDown() override { OleUninitialize(); }

    static RECT WorkArea() {
        RECT work = {};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        return work;
    }
    static RECT ScreenRect(HWND window) {
        RECT rect = {};
        GetWindowRect(window, &rect);
        return rect;
    }
};

TEST_F(DesktopHost, ClassicLayoutHostsTheBackgroundInTheWorkerWBehindTheIcons) {
    DesktopShellFixture shell(ShellLayout::Classic);
    ASSERT_TRUE(shell.Ready());
    PlainBackground background;
    ASSERT_TRUE(background.Start());
    HWND window = background.GetSafeHwnd();
    HWND host = shell.WallpaperWorker();
    ASSERT_NE(nullptr, host) << "0x052C split the desktop";
    EXPECT_NE(nullptr, shell.IconsWorker());
    EXPECT_EQ(host, GetParent(window));
    EXPECT_EQ(host, background.HostWindow());
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_TRUE(IsWindowVisible(host)) << "on Windows 8 and later the host stays visible";
    EXPECT_EQ(1, background.contentStarts);

    const RECT work = WorkArea(), placed = ScreenRect(window);
    EXPECT_EQ(work.left, placed.left);
    EXPECT_EQ(work.top, placed.top);
    EXPECT_EQ(work.right - work.left, placed.right - placed.left);
    EXPECT_EQ(work.bottom - work.top - 1, placed.bottom - placed.top) << "one pixel short";

    // A second start keeps the one window.
    EXPECT_TRUE(background.Start());
    EXPECT_EQ(window, background.GetSafeHwnd());
    EXPECT_EQ(1, background.contentStarts);

    const auto before = shell.Counts(host);
    background.Stop();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(background.Running());
    EXPECT_EQ(nullptr, background.HostWindow());
    EXPECT_EQ(1, background.contentStops);
    const auto after = shell.Counts(host);
    EXPECT_EQ(before.hidden + 1, after.hidden) << "the host is hidden once";
    EXPECT_EQ(before.shown + 1, after.shown) << "and shown again";
    EXPECT_TRUE(IsWindowVisible(host));

    background.Stop(); // nothing to stop: nothing is hidden or shown
    const auto again = shell.Counts(host);
    EXPECT_EQ(after.hidden, again.hidden);
    EXPECT_EQ(after.shown, again.shown);
}

TEST_F(DesktopHost, AnAutoHidingTaskbarTakesASecondPixel) {
    DesktopShellFixture shell(ShellLayout::Classic);
    ASSERT_TRUE(shell.Ready());
    PlainBackground background(true, true);
    ASSERT_TRUE(background.Start());
    const RECT work = WorkArea(), placed = ScreenRect(background.GetSafeHwnd());
    EXPECT_EQ(work.bottom - work.top - 2, placed.bottom - placed.top);
    EXPECT_EQ(work.right - work.left, placed.right - placed.left);
    background.Stop();
}

TEST_F(DesktopHost, BeforeWindows8ProgmanHostsAndTheEmptyWorkerWIsHidden) {
    DesktopShellFixture shell(ShellLayout::Windows7);
    ASSERT_TRUE(shell.Ready());
    PlainBackground background(false);
    ASSERT_TRUE(background.Start());
    HWND window = background.GetSafeHwnd();
    EXPECT_EQ(shell.Progman(), GetParent(window));
    ASSERT_NE(nullptr, shell.WallpaperWorker());
    EXPECT_FALSE(IsWindowVisible(shell.WallpaperWorker()));

    const auto before = shell.Counts(shell.Progman());
    background.Stop();
    const auto after = shell.Counts(shell.Progman());
    EXPECT_EQ(before.hidden + 1, after.hidden);
    EXPECT_EQ(before.shown + 1, after.shown);
    EXPECT_TRUE(IsWindowVisible(shell.Progman()));
}

TEST_F(DesktopHost, OnTheProgmanLayoutTheBackgroundSitsBetweenWallpaperAndIcons) {
    DesktopShellFixture shell(ShellLayout::Progman24H2);
    ASSERT_TRUE(shell.Ready());
    PlainBackground background;
    ASSERT_TRUE(background.Start());
    HWND window = background.GetSafeHwnd();
    EXPECT_EQ(shell.Progman(), GetParent(window));
    EXPECT_EQ(shell.IconsView(), GetWindow(window, GW_HWNDPREV)) << "just beneath the icons";
    EXPECT_EQ(shell.WallpaperWorker(), GetWindow(window, GW_HWNDNEXT)) << "above the wallpaper";
    EXPECT_TRUE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED);

    // Lifted out and put back, it returns to the same place.
    SetParent(window, GetDesktopWindow());
    background.ReturnBehindIcons();
    EXPECT_EQ(shell.Progman(), GetParent(window));
    EXPECT_EQ(shell.IconsView(), GetWindow(window, GW_HWNDPREV));

    // The wallpaper window is what repaints, so the icons do not blink.
    const auto progman = shell.Counts(shell.Progman());
    const auto wallpaper = shell.Counts(shell.WallpaperWorker());
    background.Stop();
    EXPECT_EQ(wallpaper.hidden + 1, shell.Counts(shell.WallpaperWorker()).hidden);
    EXPECT_EQ(wallpaper.shown + 1, shell.Counts(shell.WallpaperWorker()).shown);
    EXPECT_EQ(progman.hidden, shell.Counts(shell.Progman()).hidden);
}

TEST_F(DesktopHost, WithoutAHostNothingIsCreated) {
    DesktopShellFixture shell(ShellLayout::NoHost);
    ASSERT_TRUE(shell.Ready());
    PlainBackground background;
    EXPECT_FALSE(background.Start());
    EXPECT_FALSE(background.Running());
    EXPECT_EQ(nullptr, background.HostWindow());
    EXPECT_EQ(0, background.contentStarts);
    EXPECT_EQ(nullptr, FindWindowExW(shell.Progman(), nullptr, L"#32770", nullptr));
}

TEST_F(DesktopHost, ABackgroundComesBackWhenTheShellReplacesOrRestartsItsHost) {
    DesktopShellFixture shell(ShellLayout::Classic);
    ASSERT_TRUE(shell.Ready());
    PlainBackground background;
    ASSERT_TRUE(background.Start());
    HWND first = background.GetSafeHwnd();

    shell.DropHost();
    PumpMessages(200);
    EXPECT_FALSE(IsWindow(first)) << "the shell's windows took the background with them";
    ASSERT_TRUE(test::PumpUntil([&] { return background.Running(); }, 5000));
    EXPECT_EQ(shell.WallpaperWorker(), GetParent(background.GetSafeHwnd()));
    EXPECT_TRUE(IsWindowVisible(background.GetSafeHwnd()));
    EXPECT_EQ(1, background.contentStops);
    EXPECT_EQ(2, background.contentStarts);

    ASSERT_TRUE(shell.Restart());
    ASSERT_TRUE(test::PumpUntil(
        [&] {
            return background.Running() &&
                   GetParent(background.GetSafeHwnd()) == shell.WallpaperWorker();
        },
        8000));
    EXPECT_EQ(3, background.contentStarts);

    // Once stopped, it stays stopped whatever the shell does.
    background.Stop();
    shell.DropHost();
    PumpMessages(2500);
    EXPECT_FALSE(background.Running());
}

class Switches : public DesktopHost {
protected:
    void Install(std::unique_ptr<PlainBackground> video, std::unique_ptr<PlainBackground> web) {
        videoBackground = video.get();
        webBackground = web.get();
        backgrounds.Install(BackgroundKind::Video, std::move(video), nullptr);
        backgrounds.Install(BackgroundKind::Web, std::move(web), nullptr);
    }

    COptions options;
    int refreshes = 0;
    int errors = 0;
    // The switches on the primary monitor alone; every monitor has tests of its own.
    CBackgrounds backgrounds{options, [this] { ++refreshes; }, [this] { ++errors; },
                             [] { return MonitorList{SystemMonitors().front()}; }};
    PlainBackground* videoBackground = nullptr;
    PlainBackground* webBackground = nullptr;
};

TEST_F(Switches, StartingOneBackgroundStopsTheOtherAndClearsItsKey) {
    DesktopShellFixture shell(ShellLayout::Classic);
    ASSERT_TRUE(shell.Ready());
    Install(std::make_unique<PlainBackground>(), std::make_unique<PlainBackground>());

    backgrounds.Set(BackgroundKind::Video, true);
    EXPECT_TRUE(videoBackground->Running());
    EXPECT_TRUE(options.GetBool(L"fWallaperVideoEnable"));
    EXPECT_EQ(0, refreshes) << "nothing else ran";

    backgrounds.Set(BackgroundKind::Web, true);
    EXPECT_TRUE(webBackground->Running());
    EXPECT_FALSE(videoBackground->Running());
    EXPECT_FALSE(options.GetBool(L"fWallaperVideoEnable"));
    EXPECT_TRUE(options.GetBool(L"fWallaperWebEnable"));
    EXPECT_EQ(1, refreshes);
    EXPECT_EQ(0, errors);
    EXPECT_EQ(nullptr, videoBackground->GetSafeHwnd()) << "exactly one background window";
    EXPECT_EQ(shell.WallpaperWorker(), GetParent(webBackground->GetSafeHwnd()));

    // Off: the key and the window go, with no page refresh (the page asked).
    backgrounds.Set(BackgroundKind::Web, false);
    EXPECT_FALSE(webBackground->Running());
    EXPECT_FALSE(options.GetBool(L"fWallaperWebEnable"));
    EXPECT_EQ(1, refreshes);
}

TEST_F(Switches, AFailedStartSaysErrorOnceResetsItsKeyAndLeavesThePartnerRunning) {
    DesktopShellFixture shell(ShellLayout::Classic);
    ASSERT_TRUE(shell.Ready());
    Install(std::make_unique<PlainBackground>(), std::make_unique<FailingBackground>());
    backgrounds.Set(BackgroundKind::Video, true);
    ASSERT_TRUE(videoBackground->Running());

    backgrounds.Set(BackgroundKind::Web, true);
    EXPECT_EQ(1, errors);
    EXPECT_EQ(1, refreshes);
    EXPECT_FALSE(options.GetBool(L"fWallaperWebEnable"));
    EXPECT_TRUE(options.GetBool(L"fWallaperVideoEnable"));
    EXPECT_TRUE(videoBackground->Running());

    // The screen-saver background is not installed here: it cannot start either.
    backgrounds.Set(BackgroundKind::Screensaver, true);
    EXPECT_EQ(2, errors);
    EXPECT_FALSE(options.GetBool(L"fWallaperScreensaverEnable"));
    EXPECT_TRUE(videoBackground->Running());
}

TEST_F(Switches, StartUpRunsTheFirstBackgroundThatStartsAndExitKeepsTheKeys) {
    DesktopShellFixture shell(ShellLayout::Classic);
    ASSERT_TRUE(shell.Ready());
    Install(std::make_unique<FailingBackground>(), std::make_unique<PlainBackground>());
    options.SetBool(L"fWallaperVideoEnable", true);
    options.SetBool(L"fWallaperWebEnable", true);
    options.SetBool(L"fWallaperScreensaverEnable", true);
    backgrounds.StartFromSettings();
    // The video fails, the web page starts and clears the screen saver's key.
    EXPECT_EQ(1, errors);
    EXPECT_FALSE(options.GetBool(L"fWallaperVideoEnable"));
    EXPECT_TRUE(options.GetBool(L"fWallaperWebEnable"));
    EXPECT_FALSE(options.GetBool(L"fWallaperScreensaverEnable"));
    EXPECT_TRUE(webBackground->Running());

    const auto before = shell.Counts(shell.WallpaperWorker());
    backgrounds.StopForExit();
    EXPECT_FALSE(webBackground->Running());
    EXPECT_TRUE(options.GetBool(L"fWallaperWebEnable")) << "it starts again next time";
    EXPECT_EQ(before.shown + 1, shell.Counts(shell.WallpaperWorker()).shown);
}

TEST_F(Switches, ChangingTheEngineRestartsARunningVideoAndOtherwiseOnlyWritesTheKey) {
    DesktopShellFixture shell(ShellLayout::Classic);
    ASSERT_TRUE(shell.Ready());
    Install(std::make_unique<PlainBackground>(), std::make_unique<PlainBackground>());
    backgrounds.ChangeVideoEngine(1);
    EXPECT_EQ(1, options.GetInt(L"iWallaperVideoEngine"));
    EXPECT_FALSE(videoBackground->Running());
    EXPECT_EQ(0, videoBackground->contentStarts);

    backgrounds.Set(BackgroundKind::Video, true);
    ASSERT_TRUE(videoBackground->Running());
    backgrounds.ChangeVideoEngine(0);
    EXPECT_EQ(0, errors);
    EXPECT_EQ(0, options.GetInt(L"iWallaperVideoEngine"));
    EXPECT_TRUE(videoBackground->Running());
    EXPECT_TRUE(options.GetBool(L"fWallaperVideoEnable"));
    EXPECT_EQ(2, videoBackground->contentStarts);
    EXPECT_EQ(1, videoBackground->contentStops);
}

} // namespace
} // namespace orvane
