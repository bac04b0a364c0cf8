#include "DesktopShellFixture.h"
#include "DialogControls.h"
#include "DialogWatcher.h"
#include "FakeBackgroundPageHost.h"
#include "FixtureSavers.h"
#include "TempFolder.h"
#include "core/Options.h"
#include "background/DlgTabWallpaperScreensaver.h"
#include "background/WallpaperScreensaver.h"
#include "framework/Gdiplus.h"
#include "resources/ids_screensaver.h"
#include "resources/ids_videoweb.h"

#include <gtest/gtest.h>

#include <ole2.h>

#include <string>

namespace orvane {
namespace {

using test::DesktopShellFixture;
using test::PumpMessages;
using test::ShellLayout;

DWORD PreviewId(const CWallpaperScreensaver& background) {
    return background.PreviewProcess() ? GetProcessId(background.PreviewProcess()) : 0;
}

std::wstring PreviewCommand(const std::wstring& path, HWND window) {
    return path + L" /p " + std::to_wstring(static_cast<int>(reinterpret_cast<INT_PTR>(window)));
}

class ScreensaverBackground : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
        ASSERT_TRUE(shell.Ready());
    }
    void TearDown() override { OleUninitialize(); }

    // The window the background lives in on the system the prefix plays.
    HWND ExpectedHost() const {
        return SystemIsWindows8OrLater() ? shell.WallpaperWorker() : shell.Progman();
    }

    // The running background's preview: asked for "path /p window", and drawing in a
    // child of the window.
    void ExpectPreviewIn(const CWallpaperScreensaver& background, const std::wstring& path) {
        const DWORD id = PreviewId(background);
        ASSERT_NE(0u, id) << "no preview process";
        std::wstring commandLine;
        ASSERT_TRUE(log.WaitForStart(id, commandLine));
        EXPECT_EQ(PreviewCommand(path, background.GetSafeHwnd()), commandLine);
        EXPECT_NE(nullptr, test::WaitForChildOfProcess(background.GetSafeHwnd(), id));
    }

    GdiplusSession gdiplus;
    DesktopShellFixture shell{ShellLayout::Classic};
    test::DesktopValuesGuard desktop;
    test::SaverLog log;
    test::TempFolder folder;
    COptions options;
    const std::wstring root = test::SystemRootFolder();
    const std::wstring aurora = root + L"\\OrvaneAurora.scr";
    const std::wstring twin = root + L"\\System32\\OrvaneTwin.scr";
};

TEST_F(ScreensaverBackground, RunsThePreviewInItsWindowBehindTheIconsUntilAnyEndOfTheWindow) {
    options.SetString(L"strWallaperScreensaverPath", aurora);
    CWallpaperScreensaver background(options);
    ASSERT_TRUE(background.Start());
    EXPECT_EQ(ExpectedHost(), GetParent(background.GetSafeHwnd()));
    ExpectPreviewIn(background, aurora);
    const DWORD first = PreviewId(background);

    // The shell restarts and takes the window with its host: the preview ends with it,
    // and a new one runs in the window made in the next host.
    ASSERT_TRUE(shell.Restart());
    EXPECT_TRUE(test::WaitForProcessEnd(first));
    ASSERT_TRUE(
        test::PumpUntil([&] { return background.Running() && PreviewId(background) != 0; }, 5000));
    ExpectPreviewIn(background, aurora);
    const DWORD second = PreviewId(background);
    EXPECT_NE(first, second);

    background.Stop();
    EXPECT_EQ(nullptr, background.PreviewProcess());
    EXPECT_TRUE(test::WaitForProcessEnd(second));
    EXPECT_TRUE(test::ProcessesNamed(L"OrvaneAurora.scr").empty());
}

TEST_F(ScreensaverBackground, TheWallpaperBackdropFitsWholeAndCentredWhateverItsShape) {
    const std::wstring fourThree = folder / L"four-three.bmp", wide = folder / L"wide.bmp";
    ASSERT_TRUE(test::WriteBmp(fourThree, 400, 300));
    ASSERT_TRUE(test::WriteBmp(wide, 420, 180));
    options.SetString(L"strWallaperScreensaverPath", aurora);
    CWallpaperScreensaver background(options);

    test::SetDesktopText(L"Wallpaper", fourThree);
    ASSERT_TRUE(background.Start());
    RECT client;
    GetClientRect(background.GetSafeHwnd(), &client);
    const float width = static_cast<float>(client.right), height = static_cast<float>(client.bottom);
    ASSERT_TRUE(background.HasBackdrop());
    FitRectF box = background.Backdrop();
    EXPECT_FLOAT_EQ(height, box.height);
    EXPECT_NEAR(height * 4 / 3, box.width, 0.01f);
    EXPECT_NEAR((width - height * 4 / 3) / 2, box.x, 0.01f);
    EXPECT_FLOAT_EQ(0.0f, box.y);
    if (client.right == 1920 && client.bottom == 1079) {
        EXPECT_NEAR(1438.67f, box.width, 0.01f);
        EXPECT_NEAR(240.67f, box.x, 0.01f);
    }
    background.Stop();

    // Started again with a wider picture: the offset moves to the other axis.
    test::SetDesktopText(L"Wallpaper", wide);
    ASSERT_TRUE(background.Start());
    box = background.Backdrop();
    EXPECT_FLOAT_EQ(width, box.width);
    EXPECT_FLOAT_EQ(0.0f, box.x);
    EXPECT_GT(box.y, 0.0f);
    EXPECT_NEAR(height, box.y * 2 + box.height, 0.01f);
    background.Stop();

    // A wallpaper that cannot be loaded: no backdrop, and the preview runs all the same.
    test::SetDesktopText(L"Wallpaper", folder / L"missing.jpg");
    ASSERT_TRUE(background.Start());
    EXPECT_FALSE(background.HasBackdrop());
    ExpectPreviewIn(background, aurora);
    background.Stop();
}

// The page with a program of the test's own.
class ScreensaverBackgroundPage : public ScreensaverBackground {
protected:
    void SetUp() override {
        ScreensaverBackground::SetUp();
        host = std::make_unique<test::FakeBackgroundPageHost>();
        page = std::make_unique<CDlgTabWallpaperScreensaver>(*host);
        parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 700, 400, nullptr, nullptr,
                                 nullptr, nullptr);
        window = page->Create(parent);
        ASSERT_NE(nullptr, window);
        page->ApplyTexts();
    }
    void TearDown() override {
        host->SetBackground(BackgroundKind::Screensaver, false);
        page->DestroyWindow();
        page.reset();
        // The backgrounds go before COM does.
        host.reset();
        DestroyWindow(parent);
        ScreensaverBackground::TearDown();
    }
    void Select(const std::wstring& name) {
        const LRESULT row =
            SendDlgItemMessageW(window, IDC_SAVER_LIST, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                reinterpret_cast<LPARAM>(name.c_str()));
        ASSERT_GE(row, 0) << testing::PrintToString(name);
        SendDlgItemMessageW(window, IDC_SAVER_LIST, CB_SETCURSEL, row, 0);
        SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_SAVER_LIST, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(GetDlgItem(window, IDC_SAVER_LIST)));
    }
    std::wstring SelectedName() const {
        const LRESULT row = SendDlgItemMessageW(window, IDC_SAVER_LIST, CB_GETCURSEL, 0, 0);
        wchar_t text[256] = L"";
        SendDlgItemMessageW(window, IDC_SAVER_LIST, CB_GETLBTEXT, row,
                            reinterpret_cast<LPARAM>(text));
        return text;
    }
    bool Checked() const { return test::Checked(window, IDC_LIVE_ENABLE); }
    bool EnableAvailable() const { return test::Enabled(window, IDC_LIVE_ENABLE); }
    CWallpaperScreensaver& Background() { return *host->screensaver; }
    COptions& Settings() { return host->options; }

    std::unique_ptr<test::FakeBackgroundPageHost> host;
    std::unique_ptr<CDlgTabWallpaperScreensaver> page;
    HWND parent = nullptr;
    HWND window = nullptr;
};

TEST_F(ScreensaverBackgroundPage, EnablingChangingAndNoneDriveTheBackgroundAndItsPreview) {
    EXPECT_EQ(L"None", SelectedName());
    EXPECT_FALSE(EnableAvailable()) << "nothing to run yet";

    Select(L"Aurora Ribbons");
    EXPECT_EQ(aurora, Settings().GetString(L"strWallaperScreensaverPath"));
    EXPECT_TRUE(EnableAvailable());
    EXPECT_FALSE(Background().Running());

    test::Click(window, IDC_LIVE_ENABLE);
    ASSERT_TRUE(Background().Running());
    EXPECT_TRUE(Settings().GetBool(L"fWallaperScreensaverEnable"));
    EXPECT_EQ(ExpectedHost(), GetParent(Background().GetSafeHwnd()));
    ExpectPreviewIn(Background(), aurora);
    const DWORD first = PreviewId(Background());

    // Another screen saver while it runs: the old preview ends, the new one starts.
    Select(L"Twin Lights");
    EXPECT_TRUE(test::WaitForProcessEnd(first));
    ASSERT_TRUE(Background().Running());
    EXPECT_TRUE(Checked());
    EXPECT_TRUE(Settings().GetBool(L"fWallaperScreensaverEnable"));
    ExpectPreviewIn(Background(), twin);
    const DWORD second = PreviewId(Background());
    EXPECT_EQ(std::vector<DWORD>{second}, test::ProcessesNamed(L"OrvaneTwin.scr"));

    // "None": the background stops and its box is cleared.
    Select(L"None");
    EXPECT_FALSE(Background().Running());
    EXPECT_TRUE(test::WaitForProcessEnd(second));
    EXPECT_FALSE(Checked());
    EXPECT_FALSE(EnableAvailable());
    EXPECT_FALSE(Settings().GetBool(L"fWallaperScreensaverEnable"));
    EXPECT_EQ(L"", Settings().GetString(L"strWallaperScreensaverPath"));
}

TEST_F(ScreensaverBackgroundPage, TheListShowsTheChosenPathAndTheBoxFollowsTheKey) {
    Settings().SetString(L"strWallaperScreensaverPath", twin);
    page->RefreshList();
    EXPECT_EQ(L"Twin Lights", SelectedName());
    EXPECT_TRUE(EnableAvailable());

    // A path no longer installed: "None", and the box stays usable only to switch off.
    Settings().SetString(L"strWallaperScreensaverPath", root + L"\\Gone.scr");
    page->RefreshList();
    EXPECT_EQ(L"None", SelectedName());
    EXPECT_FALSE(EnableAvailable());
    Settings().SetBool(L"fWallaperScreensaverEnable", true);
    page->RefreshList();
    EXPECT_TRUE(EnableAvailable());
    host->pageChanges.Raise();
    EXPECT_TRUE(Checked());
}

} // namespace
} // namespace orvane
