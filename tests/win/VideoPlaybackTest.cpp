#include "DesktopShellFixture.h"
#include "DialogWatcher.h"
#include "MjpegAvi.h"
#include "TempFolder.h"
#include "core/Options.h"
#include "background/WallpaperVideo.h"
#include "resources/ids_videoweb.h"

#include <gtest/gtest.h>

#include <ole2.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace orvane {
namespace {

using test::PumpMessages;

// The frames of the test video, shown a quarter of a second each: six hues far apart.
const std::vector<COLORREF> kFrames = {RGB(220, 30, 30),  RGB(220, 220, 30), RGB(30, 220, 30),
                                       RGB(30, 220, 220), RGB(30, 30, 220),  RGB(220, 30, 220)};
const int kFrameCount = static_cast<int>(kFrames.size());
constexpr int kFramesPerSecond = 4;
constexpr int kVideoWidth = 320, kVideoHeight = 240;

// Which frame a sampled colour shows (JPEG shifts colours a little); -1 for none.
int FrameOf(COLORREF colour) {
    if (colour == CLR_INVALID)
        return -1;
    for (std::size_t i = 0; i < kFrames.size(); ++i)
        if (std::abs(GetRValue(colour) - GetRValue(kFrames[i])) < 40 &&
            std::abs(GetGValue(colour) - GetGValue(kFrames[i])) < 40 &&
            std::abs(GetBValue(colour) - GetBValue(kFrames[i])) < 40)
            return static_cast<int>(i);
    return -1;
}

RECT WindowRect(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

class VideoPlayback : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
        ASSERT_TRUE(
            test::WriteMjpegAvi(video, kVideoWidth, kVideoHeight, kFramesPerSecond, kFrames));
        options.SetString(L"strWallaperVideoPath", video);
    }
    void TearDown() override { OleUninitialize(); }

    test::TempFolder folder;
    const std::wstring video = folder / L"loop.avi";
    COptions options;
};

// The desktop's windows played by this process itself. Wine neither shows nor reads
// back a window that lies inside another process's window (the fixture shell's), so
// the pixels of a playing background are read here, in a host of this process.
class OwnDesktop {
public:
    OwnDesktop() {
        for (const wchar_t* name : {L"Progman", L"WorkerW", L"SHELLDLL_DefView"}) {
            WNDCLASSW windowClass = {};
            windowClass.lpfnWndProc = DefWindowProcW;
            windowClass.hInstance = GetModuleHandleW(nullptr);
            windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
            windowClass.lpszClassName = name;
            RegisterClassW(&windowClass);
        }
        // The icons' WorkerW comes first among the WorkerW windows, the wallpaper's
        // right after it.
        wallpaper = Make(L"WorkerW", nullptr, WS_POPUP | WS_VISIBLE);
        iconsWorker = Make(L"WorkerW", nullptr, WS_POPUP);
        Make(L"SHELLDLL_DefView", iconsWorker, WS_CHILD);
        SetWindowPos(wallpaper, iconsWorker, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        progman = Make(L"Progman", nullptr, WS_POPUP | WS_VISIBLE, L"Program Manager");
    }
    ~OwnDesktop() {
        for (HWND window : {progman, iconsWorker, wallpaper})
            DestroyWindow(window);
        for (const wchar_t* name : {L"Progman", L"WorkerW", L"SHELLDLL_DefView"})
            UnregisterClassW(name, GetModuleHandleW(nullptr));
    }
    OwnDesktop(const OwnDesktop&) = delete;
    OwnDesktop& operator=(const OwnDesktop&) = delete;

    // Where the background goes: before Windows 8 (and in Wine's default set-up),
    // "Progman" hosts it.
    HWND Host() const { return SystemIsWindows8OrLater() ? wallpaper : progman; }

private:
    static HWND Make(const wchar_t* className, HWND parent, DWORD style,
                     const wchar_t* title = L"") {
        return CreateWindowExW(0, className, title, style, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                               GetSystemMetrics(SM_CYSCREEN), parent, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    }

    HWND wallpaper = nullptr;
    HWND iconsWorker = nullptr;
    HWND progman = nullptr;
};

// The window the device plays into: the background's child that is not the player
// control.
HWND DeviceWindow(HWND background) {
    for (HWND child = GetWindow(background, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (GetDlgCtrlID(child) != IDC_WALLPAPER_PLAYER)
            return child;
    return nullptr;
}

TEST_F(VideoPlayback, AMotionJpegFilePlaysThroughMciIntoTheBackgroundAndLoops) {
    OwnDesktop desktop;
    options.SetInt(L"iWallaperVideoEngine", CWallpaperVideo::kEngineMci);
    CWallpaperVideo background(options);
    test::DialogWatcher watcher(
        [](const test::SeenDialog& box) { test::PressButton(box.window, IDOK); });
    ASSERT_TRUE(background.Start());
    ASSERT_EQ(desktop.Host(), GetParent(background.GetSafeHwnd()));
    EXPECT_TRUE(watcher.Messages().empty()) << "the device opened the file";

    wchar_t mode[64] = L"";
    mciSendStringW(L"status video mode", mode, 64, nullptr);
    EXPECT_STREQ(L"playing", mode);
    HWND device = DeviceWindow(background.GetSafeHwnd());
    ASSERT_NE(nullptr, device) << "the device plays in a child of the background";

    // Read back from the background window at the middle of the picture, for more than
    // two loops of the video.
    const RECT picture = WindowRect(device);
    POINT middle = {(picture.left + picture.right) / 2, (picture.top + picture.bottom) / 2};
    ScreenToClient(background.GetSafeHwnd(), &middle);
    std::vector<int> shown;
    for (int sample = 0; sample < 40; ++sample) {
        PumpMessages(100);
        HDC dc = GetDC(background.GetSafeHwnd());
        const int frame = FrameOf(GetPixel(dc, middle.x, middle.y));
        ReleaseDC(background.GetSafeHwnd(), dc);
        if (frame >= 0 && (shown.empty() || shown.back() != frame))
            shown.push_back(frame);
    }
    // The frames follow in the file's order (one may be dropped on a busy machine) and
    // the video starts over at its end.
    std::wstring sequence;
    int wraps = 0;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        sequence += static_cast<wchar_t>(L'0' + shown[i]);
        if (i == 0)
            continue;
        const int step = (shown[i] - shown[i - 1] + kFrameCount) % kFrameCount;
        EXPECT_TRUE(step == 1 || step == 2) << "frames seen: " << test::Narrow(sequence);
        wraps += shown[i] < shown[i - 1];
    }
    EXPECT_GE(wraps, 2) << "frames seen: " << test::Narrow(sequence);
    // Wine's device starts over as the last frame comes up, so that one may never show.
    for (int frame = 0; frame < kFrameCount - 1; ++frame)
        EXPECT_NE(std::wstring::npos, sequence.find(static_cast<wchar_t>(L'0' + frame)))
            << "frame " << frame << " never showed: " << test::Narrow(sequence);

    background.Stop();
    mode[0] = L'\0';
    EXPECT_NE(0u, mciSendStringW(L"status video mode", mode, 64, nullptr))
        << "the device is closed";
}

TEST_F(VideoPlayback, AFailingOpenShowsTheDevicesErrorUnderMciErrorAndTheRestIsStillSent) {
    struct Case {
        MCIERROR error;
        std::wstring text;
    };
    wchar_t known[256] = L"";
    ASSERT_TRUE(mciGetErrorStringW(MCIERR_FILE_NOT_FOUND, known, 256));
    const Case cases[] = {{MCIERR_FILE_NOT_FOUND, known}, {1, L"Unknown Error"}};
    for (const Case& c : cases) {
        std::vector<std::wstring> commands;
        CVideo video;
        video.SetSender([&](const wchar_t* command, wchar_t*, UINT, HWND) -> MCIERROR {
            commands.push_back(command);
            return std::wstring(command).rfind(L"open ", 0) == 0 ? c.error : 0;
        });
        HWND boxOwner = reinterpret_cast<HWND>(1);
        bool exclamation = false;
        test::DialogWatcher watcher([&](const test::SeenDialog& box) {
            boxOwner = GetWindow(box.window, GW_OWNER);
            for (HWND child = GetWindow(box.window, GW_CHILD); child;
                 child = GetWindow(child, GW_HWNDNEXT))
                if ((GetWindowLongPtrW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
                    exclamation = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0)) ==
                                  LoadIconW(nullptr, IDI_EXCLAMATION);
            test::PressButton(box.window, IDOK);
        });
        video.Play(L"C:\\missing.avi", nullptr, L"video", nullptr, true, true);

        const auto seen = watcher.Seen();
        ASSERT_EQ(1u, seen.size()) << c.error;
        EXPECT_EQ(L"MCI Error", seen[0].caption);
        EXPECT_EQ(c.text, seen[0].message);
        EXPECT_EQ(nullptr, boxOwner) << "no owner";
        EXPECT_TRUE(exclamation);
        EXPECT_EQ(nullptr, GetDlgItem(seen[0].window, IDCANCEL)) << "only an OK button";
        ASSERT_EQ(5u, commands.size());
        EXPECT_EQ(L"setaudio video off", commands[3]);
        EXPECT_EQ(L"play video repeat", commands[4]);
    }
}

// Wine's player opens the file and reports it open, but has no picture size to give:
// this background answers the size the player would report on Windows.
class SizedPlayer : public CWallpaperVideo {
public:
    SizedPlayer(COptions& options, long width, long height)
        : CWallpaperVideo(options), m_width(width), m_height(height) {}
    mutable int asked = 0;

protected:
    bool MediaSize(long& width, long& height) const override {
        ++asked;
        width = m_width;
        height = m_height;
        return true;
    }

private:
    long m_width, m_height;
};

TEST_F(VideoPlayback, WhenTheMediaOpensThePlayerControlCoversTheWindowCroppedEqually) {
    test::DesktopShellFixture shell(test::ShellLayout::Classic);
    ASSERT_TRUE(shell.Ready());
    struct Case {
        long width, height;
    } const cases[] = {{4, 3}, {21, 9}, {0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + ":" + std::to_string(c.height));
        SizedPlayer background(options, c.width, c.height);
        ASSERT_TRUE(background.Start());
        ASSERT_TRUE(test::PumpUntil([&] { return background.asked > 0; }, 10000))
            << "the player reported the media open";
        const RECT window = WindowRect(background.GetSafeHwnd());
        const RECT control = WindowRect(GetDlgItem(background.GetSafeHwnd(), IDC_WALLPAPER_PLAYER));
        const float w = static_cast<float>(window.right - window.left);
        const float h = static_cast<float>(window.bottom - window.top);
        RECT expected = window; // no size: the control stays as the start placed it
        if (c.width && w / h >= static_cast<float>(c.width) / c.height) {
            const float height = w / c.width * c.height;
            expected.top = window.top + static_cast<int>(-(height - h) * 0.5f);
            expected.bottom = expected.top + static_cast<int>(height);
        } else if (c.width) {
            const float width = h / c.height * c.width;
            expected.left = window.left + static_cast<int>(-(width - w) * 0.5f);
            expected.right = expected.left + static_cast<int>(width);
        }
        EXPECT_EQ(expected.left, control.left);
        EXPECT_EQ(expected.top, control.top);
        EXPECT_EQ(expected.right, control.right);
        EXPECT_EQ(expected.bottom, control.bottom);
        // The overflow is cropped equally on both sides.
        EXPECT_LE(std::abs((window.top - control.top) - (control.bottom - window.bottom)), 1);
        EXPECT_LE(std::abs((window.left - control.left) - (control.right - window.right)), 1);
        background.Stop();
    }
}

} // namespace
} // namespace orvane
