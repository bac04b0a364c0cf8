#include "DesktopShellFixture.h"
#include "DialogControls.h"
#include "DialogWatcher.h"
#include "FakeBackgroundPageHost.h"
#include "TempFolder.h"
#include "TestProgramFolder.h"
#include "core/Options.h"
#include "core/SettingsTable.h"
#include "background/DlgTabWallpaperVideo.h"
#include "background/DlgTabWallpaperWeb.h"
#include "background/WallpaperVideo.h"
#include "background/WallpaperWeb.h"
#include "framework/Procedure.h"
#include "resources/ids_videoweb.h"

#include <gtest/gtest.h>

#include <ole2.h>
#include <shlwapi.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace orvane {
namespace {

using test::Checked;
using test::Click;
using test::DesktopShellFixture;
using test::Enabled;
using test::PumpMessages;
using test::ShellLayout;

class LiveBackground : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
        ASSERT_TRUE(shell.Ready());
    }
    void TearDown() override { OleUninitialize(); }

    DesktopShellFixture shell{ShellLayout::Classic};
    COptions options;
};

// Records the MCI commands; the device answers a source size of 640 x 480.
struct MciRecorder {
    std::vector<std::wstring> commands;
    bool testOpenFails = false;
    CVideo::Sender Sender() {
        return [this](const wchar_t* command, wchar_t* reply, UINT length, HWND) -> MCIERROR {
            commands.push_back(command);
            const std::wstring text = command;
            if (reply && length && text.rfind(L"where ", 0) == 0)
                wcsncpy(reply, L"0 0 640 480", length);
            if (testOpenFails && text.find(L"alias video_test") != std::wstring::npos)
                return MCIERR_INVALID_FILE;
            return 0;
        };
    }
};

TEST_F(LiveBackground, TheMciEngineSendsItsCommandsInOrderAndClosesTheDeviceOnStop) {
    options.SetInt(L"iWallaperVideoEngine", CWallpaperVideo::kEngineMci);
    options.SetString(L"strWallaperVideoPath", L"C:\\Videos\\sea.avi");
    CWallpaperVideo video(options);
    MciRecorder mci;
    video.Video().SetSender(mci.Sender());
    ASSERT_TRUE(video.Start());
    HWND window = video.GetSafeHwnd();

    RECT work = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int width = work.right - work.left, height = work.bottom - work.top;
    // 640 x 480 covers the whole work area: full width, cropped equally top and bottom.
    const int videoHeight = static_cast<int>(static_cast<float>(width) / 640.0f * 480.0f);
    const int y = static_cast<int>(-(static_cast<float>(width) / 640.0f * 480.0f - height) * 0.5f);
    const std::vector<std::wstring> expected = {
        L"stop video",
        L"close video",
        L"open \"C:\\Videos\\sea.avi\" type mpegvideo alias video style child parent " +
            std::to_wstring(static_cast<int>(reinterpret_cast<INT_PTR>(window))),
        L"setaudio video off",
        L"play video repeat",
        L"where video source",
        L"put video window at 0 " + std::to_wstring(y) + L" " + std::to_wstring(width) + L" " +
            std::to_wstring(videoHeight)};
    EXPECT_EQ(expected, mci.commands);

    // The player control is out of sight while MCI plays.
    RECT control;
    GetWindowRect(GetDlgItem(window, IDC_WALLPAPER_PLAYER), &control);
    EXPECT_EQ(0, control.right - control.left);
    EXPECT_EQ(nullptr, video.Player());

    mci.commands.clear();
    video.Stop();
    EXPECT_EQ(std::vector<std::wstring>({L"stop video", L"close video"}), mci.commands);
}

TEST_F(LiveBackground, TheMediaPlayerControlCoversTheWindowAndGetsTheFile) {
    options.SetString(L"strWallaperVideoPath", L"C:\\Videos\\none.avi");
    CWallpaperVideo video(options);
    ASSERT_TRUE(video.Start());
    HWND window = video.GetSafeHwnd();
    RECT placed, control;
    GetWindowRect(window, &placed);
    GetWindowRect(GetDlgItem(window, IDC_WALLPAPER_PLAYER), &control);
    EXPECT_EQ(placed.right - placed.left, control.right - control.left);
    EXPECT_EQ(placed.bottom - placed.top, control.bottom - control.top);
    // Wine's player has the newer interface only, which takes the same settings.
    ASSERT_NE(nullptr, video.Player()) << "the control gave no player interface";
    BSTR url = nullptr;
    ASSERT_EQ(S_OK, video.Player()->get_URL(&url));
    EXPECT_STREQ(L"C:\\Videos\\none.avi", url);
    SysFreeString(url);
    video.Stop();
    EXPECT_EQ(nullptr, video.Player()) << "released when the window stops";
}

// The fixture loader beside the test program plays the WebView2 runtime.
class WebBackground : public LiveBackground {
protected:
    void SetUp() override {
        LiveBackground::SetUp();
        SetMode(L"runtime");
        HMODULE loader = LoadLibraryW(L"WebView2Loader.dll");
        ASSERT_NE(nullptr, loader) << "the fixture loader is beside the test program";
        log = GetProcedure<const wchar_t* (*)()>(loader, "WebView2FixtureLog");
        clear = GetProcedure<void (*)()>(loader, "WebView2FixtureClear");
        ASSERT_TRUE(log && clear);
        clear();
    }
    void TearDown() override {
        SetEnvironmentVariableW(L"ORVANE_WEBVIEW2_FIXTURE", nullptr);
        LiveBackground::TearDown();
    }
    static void SetMode(const wchar_t* mode) {
        SetEnvironmentVariableW(L"ORVANE_WEBVIEW2_FIXTURE", mode);
    }
    std::vector<std::wstring> Lines() const {
        std::vector<std::wstring> lines;
        std::wstring all = log();
        for (std::size_t start = 0, end; (end = all.find(L'\n', start)) != std::wstring::npos;
             start = end + 1)
            lines.push_back(all.substr(start, end - start));
        return lines;
    }
    bool Logged(const std::wstring& line) const {
        for (const std::wstring& seen : Lines())
            if (seen == line)
                return true;
        return false;
    }

    const wchar_t* (*log)() = nullptr;
    void (*clear)() = nullptr;
    test::TempFolder folder;
};

TEST_F(WebBackground, WebViewGetsTheNormalisedAddressTheBoundsAndTheSettings) {
    options.SetString(L"strWallaperWebURL", L"time.is/London");
    CWallpaperWeb web(options, L"C:\\Data\\Orvane");
    std::vector<std::wstring> names;
    web.SetEngineNameCallback([&](const std::wstring& name) { names.push_back(name); });
    ASSERT_TRUE(web.Start());
    EXPECT_TRUE(web.WebViewInUse());
    EXPECT_EQ(std::vector<std::wstring>{L"Microsoft Edge"}, names);
    ASSERT_TRUE(test::PumpUntil(
        [&] { return Logged(L"navigate http://time.is/London?from=ov_win"); }, 5000))
        << Lines().size() << " lines";
    EXPECT_EQ(L"environment |C:\\Data\\Orvane", Lines().front()) << "the installed runtime first";
    RECT client;
    GetClientRect(web.GetSafeHwnd(), &client);
    EXPECT_TRUE(Logged(L"bounds 0 0 " + std::to_wstring(client.right) + L" " +
                       std::to_wstring(client.bottom)));
    EXPECT_TRUE(Logged(L"script 1"));
    EXPECT_TRUE(Logged(L"dialogs 1"));
    EXPECT_TRUE(Logged(L"messages 1"));
    EXPECT_EQ(L"http://time.is/London", L"http://" + options.GetString(L"strWallaperWebURL"))
        << "the stored address stays as it was";

    web.Refresh();
    EXPECT_TRUE(Logged(L"reload"));

    // A page registering later learns the engine at once.
    std::wstring late;
    web.SetEngineNameCallback([&](const std::wstring& name) { late = name; });
    EXPECT_EQ(L"Microsoft Edge", late);
    web.Stop();
}

TEST_F(WebBackground, WithoutARuntimeEveryCandidateIsTriedThenTheBrowserControlShows) {
    // A runtime named by its uninstall key and two folders, only one of them a version.
    HKEY key = nullptr;
    const wchar_t* uninstall =
        L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Microsoft EdgeWebView";
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_LOCAL_MACHINE, uninstall, 0, nullptr, 0,
                                             KEY_WRITE, nullptr, &key, nullptr));
    RegSetValueExW(key, L"InstallLocation", 0, REG_SZ,
                   reinterpret_cast<const BYTE*>(L"C:\\FakeEdge"), 24);
    RegSetValueExW(key, L"Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"1.2.3.4"), 16);
    RegCloseKey(key);
    const std::wstring base = L"C:\\Program Files (x86)\\Microsoft\\EdgeCore";
    CreateDirectoryW(L"C:\\Program Files (x86)\\Microsoft", nullptr);
    CreateDirectoryW(base.c_str(), nullptr);
    CreateDirectoryW((base + L"\\9.8.7.6").c_str(), nullptr);
    CreateDirectoryW((base + L"\\Installer").c_str(), nullptr);

    SetMode(L"none");
    options.SetString(L"strWallaperWebURL", L"example.org/page");
    CWallpaperWeb web(options, L"C:\\Data");
    ASSERT_TRUE(web.Start());
    const std::vector<std::wstring> expected = {
        L"environment |C:\\Data", L"environment C:\\FakeEdge\\1.2.3.4|C:\\Data",
        L"environment C:\\Program Files (x86)\\Microsoft\\EdgeCore\\9.8.7.6|C:\\Data"};
    EXPECT_EQ(expected, Lines());
    EXPECT_FALSE(web.WebViewInUse());
    EXPECT_EQ(L"Internet Explorer", web.EngineName());
    RECT window, browser;
    GetWindowRect(web.GetSafeHwnd(), &window);
    GetWindowRect(GetDlgItem(web.GetSafeHwnd(), IDC_WALLPAPER_BROWSER), &browser);
    EXPECT_EQ(window.right - window.left + 18, browser.right - browser.left)
        << "the scroll bar lies outside the window";
    web.Stop();

    RemoveDirectoryW((base + L"\\9.8.7.6").c_str());
    RemoveDirectoryW((base + L"\\Installer").c_str());
    RemoveDirectoryW(base.c_str());
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, uninstall);
}

TEST_F(WebBackground, AMissingLoaderOrAFailureAfterTheStartFallsBackToTheBrowserControl) {
    {
        CWallpaperWeb web(options, L"C:\\Data");
        web.SetLoaderName(L"NoSuchWebView2Loader.dll");
        ASSERT_TRUE(web.Start());
        EXPECT_EQ(L"Internet Explorer", web.EngineName());
        EXPECT_TRUE(Lines().empty());
        web.Stop();
    }
    {
        // A loader only in the current folder is not taken: only the program's own
        // folder is searched.
        wchar_t saved[MAX_PATH];
        const std::wstring fixture = test::TestProgramFolder() + L"\\WebView2Loader.dll";
        ASSERT_TRUE(CopyFileW(fixture.c_str(), (folder / L"StrayLoader.dll").c_str(), FALSE));
        GetCurrentDirectoryW(MAX_PATH, saved);
        ASSERT_TRUE(SetCurrentDirectoryW(folder.Path().c_str()));
        CWallpaperWeb web(options, L"C:\\Data");
        web.SetLoaderName(L"StrayLoader.dll");
        ASSERT_TRUE(web.Start());
        SetCurrentDirectoryW(saved);
        EXPECT_EQ(L"Internet Explorer", web.EngineName());
        EXPECT_EQ(nullptr, GetModuleHandleW(L"StrayLoader.dll"));
        web.Stop();

        // A damaged loader beside the program gives the browser control, with no word.
        const std::wstring damaged = test::TestProgramFolder() + L"\\DamagedLoader.dll";
        ASSERT_TRUE(test::WriteBytes(damaged, "MZ this is not a library"));
        test::DialogWatcher watcher(
            [](const test::SeenDialog& box) { test::PressButton(box.window, IDOK); });
        web.SetLoaderName(L"DamagedLoader.dll");
        ASSERT_TRUE(web.Start());
        EXPECT_EQ(L"Internet Explorer", web.EngineName());
        EXPECT_TRUE(watcher.Seen().empty());
        web.Stop();
        DeleteFileW(damaged.c_str());
    }
    for (const wchar_t* mode : {L"environment-fails", L"controller-fails"}) {
        SetMode(mode);
        CWallpaperWeb web(options, L"C:\\Data");
        std::vector<std::wstring> names;
        web.SetEngineNameCallback([&](const std::wstring& name) { names.push_back(name); });
        ASSERT_TRUE(web.Start());
        ASSERT_TRUE(test::PumpUntil([&] { return names.size() == 2; }, 5000)) << mode;
        EXPECT_EQ(std::vector<std::wstring>({L"Microsoft Edge", L"Internet Explorer"}), names)
            << mode;
        EXPECT_FALSE(web.WebViewInUse()) << mode;
        web.Stop();
    }
}

TEST_F(WebBackground, InteractiveModeLiftsTheWindowOutAndPutsItBack) {
    CWallpaperWeb web(options, L"C:\\Data");
    ASSERT_TRUE(web.Start());
    HWND window = web.GetSafeHwnd();
    HWND host = GetParent(window);
    ASSERT_EQ(web.HostWindow(), host);
    EXPECT_EQ(nullptr, FindWindowExW(host, nullptr, L"SHELLDLL_DefView", nullptr))
        << "not the icons' window";
    web.SetInteractive(true);
    EXPECT_FALSE(IsChild(host, window)) << "out from behind the icons";
    EXPECT_EQ(nullptr, GetAncestor(GetAncestor(window, GA_PARENT), GA_PARENT)) << "on the desktop";
    web.SetInteractive(false);
    EXPECT_EQ(host, GetParent(window));
    web.Stop();
}

// The video and web pages with a program of the test's own.
class BackgroundPage : public LiveBackground {
protected:
    void SetUp() override {
        LiveBackground::SetUp();
        host = std::make_unique<test::FakeBackgroundPageHost>();
        host->video->Video().SetSender(mci.Sender());
        parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 700, 400, nullptr, nullptr,
                                 nullptr, nullptr);
    }
    void TearDown() override {
        host->SetBackground(BackgroundKind::Video, false);
        host->SetBackground(BackgroundKind::Web, false);
        // The backgrounds hold COM objects: they go before COM does.
        host.reset();
        DestroyWindow(parent);
        LiveBackground::TearDown();
    }
    // Shown on the page (the page's own parent stays hidden in the test).
    static bool Shown(HWND page, int id) {
        return (GetWindowLongPtrW(GetDlgItem(page, id), GWL_STYLE) & WS_VISIBLE) != 0;
    }
    static std::wstring Text(HWND page, int id) {
        wchar_t text[512] = L"";
        GetDlgItemTextW(page, id, text, 512);
        return text;
    }
    const std::wstring& Say(unsigned id) const { return host->texts.Text(id); }

    MciRecorder mci;
    std::unique_ptr<test::FakeBackgroundPageHost> host;
    HWND parent = nullptr;
    test::TempFolder folder;
};
using VideoPage = BackgroundPage;
using WebPage = BackgroundPage;

TEST_F(VideoPage, AFileMciCannotOpenStopsTheRunningVideoUnchecksAndSaysSo) {
    const std::wstring good = folder / L"good.avi", bad = folder / L"bad.mkv";
    ASSERT_TRUE(test::WriteBytes(good, "RIFF"));
    ASSERT_TRUE(test::WriteBytes(bad, "data"));
    COptions& settings = host->options;
    settings.SetInt(L"iWallaperVideoEngine", CWallpaperVideo::kEngineMci);
    settings.SetString(L"strWallaperVideoPath", good);
    host->SetBackground(BackgroundKind::Video, true);
    ASSERT_TRUE(host->video->Running());

    CDlgTabWallpaperVideo page(*host);
    HWND window = page.Create(parent);
    ASSERT_NE(nullptr, window);
    EXPECT_TRUE(Checked(window, IDC_LIVE_ENABLE));
    EXPECT_TRUE(Enabled(window, IDC_LIVE_ENABLE));
    EXPECT_FALSE(Shown(window, IDC_VIDEO_STATUS));

    mci.testOpenFails = true;
    page.UseFile(bad);
    EXPECT_FALSE(host->video->Running());
    EXPECT_FALSE(settings.GetBool(L"fWallaperVideoEnable"));
    EXPECT_FALSE(Checked(window, IDC_LIVE_ENABLE));
    EXPECT_FALSE(Enabled(window, IDC_LIVE_ENABLE));
    EXPECT_EQ(Say(159), Text(window, IDC_VIDEO_STATUS));
    EXPECT_EQ(bad, settings.GetString(L"strWallaperVideoPath"));
    EXPECT_EQ(bad, Text(window, IDC_VIDEO_PATH));

    // A missing file is said at the next opening of the page; the box stays usable
    // only to switch a running background off.
    page.DestroyWindow();
    settings.SetString(L"strWallaperVideoPath", folder / L"gone.avi");
    window = page.Create(parent);
    EXPECT_EQ(Say(201), Text(window, IDC_VIDEO_STATUS));
    EXPECT_FALSE(Enabled(window, IDC_LIVE_ENABLE));
    page.DestroyWindow();
}

// "UserPreferencesMask" as a test sets it, and as it was again afterwards.
class PreferencesMaskValue {
public:
    PreferencesMaskValue() {
        m_had = SHGetValueW(HKEY_CURRENT_USER, kKey, kValue, &m_type, m_saved, &m_size) ==
                ERROR_SUCCESS;
    }
    ~PreferencesMaskValue() {
        if (m_had)
            SHSetValueW(HKEY_CURRENT_USER, kKey, kValue, m_type, m_saved, m_size);
        else
            SHDeleteValueW(HKEY_CURRENT_USER, kKey, kValue);
    }
    PreferencesMaskValue(const PreferencesMaskValue&) = delete;
    PreferencesMaskValue& operator=(const PreferencesMaskValue&) = delete;

    static bool Set(const std::vector<BYTE>& bytes) {
        return SHSetValueW(HKEY_CURRENT_USER, kKey, kValue, REG_BINARY, bytes.data(),
                           static_cast<DWORD>(bytes.size())) == ERROR_SUCCESS;
    }
    static std::vector<BYTE> Get() {
        BYTE bytes[16];
        DWORD size = sizeof bytes, type = 0;
        if (SHGetValueW(HKEY_CURRENT_USER, kKey, kValue, &type, bytes, &size) != ERROR_SUCCESS ||
            type != REG_BINARY)
            return {};
        return std::vector<BYTE>(bytes, bytes + size);
    }

private:
    static constexpr const wchar_t* kKey = L"Control Panel\\Desktop";
    static constexpr const wchar_t* kValue = L"UserPreferencesMask";
    bool m_had = false;
    BYTE m_saved[64];
    DWORD m_size = sizeof m_saved, m_type = 0;
};

TEST_F(BackgroundPage, AnimationsOffBlockBothPagesAndEnableTheSettingFixesOnlyItsByte) {
    struct Case {
        const char* name;
        std::function<std::unique_ptr<CLivePage>()> make;
        int enableSetting;
        std::vector<int> disabled;
    };
    const Case cases[] = {{"video",
                           [this] { return std::make_unique<CDlgTabWallpaperVideo>(*host); },
                           IDC_VIDEO_ENABLE_SETTING,
                           {IDC_LIVE_ENABLE, IDC_VIDEO_BROWSE}},
                          {"web",
                           [this] { return std::make_unique<CDlgTabWallpaperWeb>(*host); },
                           IDC_WEB_ENABLE_SETTING,
                           {IDC_LIVE_ENABLE, IDC_WEB_URL, IDC_WEB_REFRESH}}};
    PreferencesMaskValue restore;
    host->options.SetString(L"strWallaperVideoPath", L"");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<BYTE> blocked = {0x9E, 0x1E, 0x07, 0x80, 0x13, 0x00, 0x00, 0x00};
        ASSERT_TRUE(PreferencesMaskValue::Set(blocked));
        const auto page = c.make();
        HWND window = page->Create(parent);
        ASSERT_NE(nullptr, window);
        page->ApplyTexts();
        EXPECT_TRUE(Shown(window, IDC_LIVE_WARNING));
        EXPECT_EQ(Say(161), Text(window, IDC_LIVE_WARNING));
        EXPECT_TRUE(Shown(window, c.enableSetting));
        for (int id : c.disabled)
            EXPECT_FALSE(Enabled(window, id)) << id;

        // "Enable the setting", then No to signing out.
        test::DialogWatcher watcher([](const test::SeenDialog& box) {
            test::PressButton(box.window, box.yesNo ? IDNO : IDOK);
        });
        Click(window, c.enableSetting);
        EXPECT_EQ(std::vector<std::wstring>{Say(163)}, watcher.Messages());
        const std::vector<BYTE> fixed = {0x9E, 0x1E, 0x07, 0x80, 0x12, 0x00, 0x00, 0x00};
        EXPECT_EQ(fixed, PreferencesMaskValue::Get());
        page->DestroyWindow();

        // With the setting on, nothing blocks.
        window = page->Create(parent);
        EXPECT_FALSE(Shown(window, IDC_LIVE_WARNING));
        EXPECT_FALSE(Shown(window, c.enableSetting));
        page->DestroyWindow();
    }
}

TEST_F(BackgroundPage, ASwitchMadeOnOnePageShowsOnTheOtherAndHelpOpensEachPagesOwn) {
    const std::wstring good = folder / L"good.avi";
    ASSERT_TRUE(test::WriteBytes(good, "RIFF"));
    host->options.SetInt(L"iWallaperVideoEngine", CWallpaperVideo::kEngineMci);
    host->options.SetString(L"strWallaperVideoPath", good);
    CDlgTabWallpaperVideo videoPage(*host);
    CDlgTabWallpaperWeb webPage(*host);
    HWND video = videoPage.Create(parent);
    HWND web = webPage.Create(parent);
    ASSERT_TRUE(video && web);

    Click(video, IDC_LIVE_ENABLE);
    ASSERT_TRUE(host->video->Running());
    // The web background takes over: the video stops and its page's box clears.
    Click(web, IDC_LIVE_ENABLE);
    ASSERT_TRUE(host->web->Running());
    EXPECT_FALSE(host->video->Running());
    EXPECT_FALSE(Checked(video, IDC_LIVE_ENABLE));
    // And back: the web page's controls return to editing the address.
    Click(video, IDC_LIVE_ENABLE);
    ASSERT_TRUE(host->video->Running());
    EXPECT_FALSE(host->web->Running());
    EXPECT_FALSE(Checked(web, IDC_LIVE_ENABLE));
    EXPECT_TRUE(Enabled(web, IDC_WEB_URL));
    EXPECT_FALSE(Enabled(web, IDC_WEB_REFRESH));
    EXPECT_EQ(0, host->errors);

    Click(video, IDC_LIVE_HELP);
    Click(web, IDC_LIVE_HELP);
    EXPECT_EQ((std::vector<std::wstring>{L"background-video", L"background-web"}),
              host->helpOpened);
    videoPage.DestroyWindow();
    webPage.DestroyWindow();
}

TEST_F(WebPage, EnablingShowsTheEngineAndTheLiveControlsAndDisablingTakesThemBack) {
    COptions& settings = host->options;
    settings.SetString(L"strWallaperWebURL", L"");
    CDlgTabWallpaperWeb page(*host);
    HWND window = page.Create(parent);
    ASSERT_NE(nullptr, window);
    EXPECT_EQ(kDefaultWebBackgroundUrl, Text(window, IDC_WEB_URL));
    EXPECT_EQ(kDefaultWebBackgroundUrl, settings.GetString(L"strWallaperWebURL"))
        << "an empty address becomes the default one";
    EXPECT_FALSE(Shown(window, IDC_WEB_ENGINE));
    EXPECT_FALSE(Shown(window, IDC_LIVE_WARNING));
    EXPECT_TRUE(Enabled(window, IDC_WEB_URL));
    for (int id : {IDC_WEB_REFRESH, IDC_WEB_INTERACTIVE, IDC_WEB_INTERACTIVE_LABEL})
        EXPECT_FALSE(Enabled(window, id)) << id;

    // Typing writes the key at once.
    SetDlgItemTextW(window, IDC_WEB_URL, L"example.org/clock");
    EXPECT_EQ(L"example.org/clock", settings.GetString(L"strWallaperWebURL"));

    Click(window, IDC_LIVE_ENABLE);
    CWallpaperWeb* web = host->web;
    ASSERT_TRUE(web->Running());
    EXPECT_TRUE(settings.GetBool(L"fWallaperWebEnable"));
    EXPECT_TRUE(Shown(window, IDC_WEB_ENGINE));
    EXPECT_EQ(Say(204) + L":  Microsoft Edge", Text(window, IDC_WEB_ENGINE));
    EXPECT_FALSE(Enabled(window, IDC_WEB_URL));
    for (int id : {IDC_WEB_REFRESH, IDC_WEB_INTERACTIVE, IDC_WEB_INTERACTIVE_LABEL})
        EXPECT_TRUE(Enabled(window, id)) << id;

    Click(window, IDC_WEB_INTERACTIVE);
    HWND background = web->GetSafeHwnd();
    EXPECT_EQ(GetDesktopWindow(), GetAncestor(background, GA_PARENT)) << "lifted out";

    // Off: interactive mode goes too, and the label, and the key.
    Click(window, IDC_LIVE_ENABLE);
    EXPECT_FALSE(web->Running());
    EXPECT_FALSE(settings.GetBool(L"fWallaperWebEnable"));
    EXPECT_FALSE(Checked(window, IDC_WEB_INTERACTIVE));
    EXPECT_FALSE(Shown(window, IDC_WEB_ENGINE));
    EXPECT_TRUE(Enabled(window, IDC_WEB_URL));
    for (int id : {IDC_WEB_REFRESH, IDC_WEB_INTERACTIVE, IDC_WEB_INTERACTIVE_LABEL})
        EXPECT_FALSE(Enabled(window, id)) << id;

    // A page built again (after a change of language) names no engine while none shows
    // the page.
    page.DestroyWindow();
    window = page.Create(parent);
    EXPECT_FALSE(Shown(window, IDC_WEB_ENGINE));
    page.DestroyWindow();
}

} // namespace
} // namespace orvane
