// How the Background Picture page copes with a large folder, for docs/performance.md.
//   orvane_wine_wallpaper_page FOLDER
//   orvane_wine_wallpaper_page decode PICTURE [TIMES]
// Opens the page on a slideshow of FOLDER's pictures, clicks a thumbnail at once and
// reports: how long the page took to open, when the click was answered (the picture
// applied), the longest time the window's thread went without taking its messages while
// the thumbnails arrived, when the last one arrived, and the memory the process holds
// before, with every thumbnail, and after a rebuild that follows removing one picture.
// The wallpaper itself is not changed: the page runs on a slideshow whose system is in
// memory but for the folder's listing, and whose wallpaper call only records. "decode"
// times the making of one thumbnail cell as the page's worker makes it, TIMES times (5
// unless given).
#include "core/Options.h"
#include "core/Translate.h"
#include "background/DlgTabWallpaper.h"
#include "background/SlideshowSystem.h"
#include "background/ThumbnailDecoder.h"
#include "background/WallpaperSlideshow.h"
#include "framework/Gdiplus.h"
#include "resources/ids_slideshow.h"
#include "ProcessCounters.h"
#include "tests/support/MemorySlideshowSystem.h"

#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>

namespace {

using namespace orvane;

double Now() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Megabytes(std::size_t bytes) {
    return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

// The slideshow's system in memory, noting when the wallpaper call first came.
class TimedSystem : public test::MemorySlideshowSystem {
public:
    long ApplyWallpaper(const std::wstring& path, const WallpaperPosition& position) override {
        if (firstApplied == 0)
            firstApplied = Now();
        return MemorySlideshowSystem::ApplyWallpaper(path, position);
    }
    double firstApplied = 0;
};

// Runs the messages until the condition holds, noting the longest stretch the thread
// spent between two looks at its queue.
double Pump(const std::function<bool()>& done, double& longestStall) {
    double last = Now();
    for (;;) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
            const double now = Now();
            longestStall = std::max(longestStall, now - last);
            last = now;
        }
        if (done())
            return Now();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        last = Now();
    }
}

int MeasureDecode(const wchar_t* picture, int times) {
    double slowest = 0, total = 0;
    for (int i = 0; i < times; ++i) {
        const double start = Now();
        const bool made = !DecodeThumbnail(picture).empty();
        const double ms = Now() - start;
        if (!made) {
            std::fprintf(stderr, "the picture could not be read\n");
            return 1;
        }
        total += ms;
        slowest = std::max(slowest, ms);
    }
    std::printf("decode: %d times, %.0f ms each on average, slowest %.0f ms\n", times,
                total / times, slowest);
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2 || (wcscmp(argv[1], L"decode") == 0 && argc < 3)) {
        std::fprintf(stderr, "usage: orvane_wine_wallpaper_page FOLDER | decode PICTURE [TIMES]\n");
        return 2;
    }
    INITCOMMONCONTROLSEX controls = {sizeof controls, 0xFF};
    InitCommonControlsEx(&controls);
    GdiplusSession gdiplus;
    if (wcscmp(argv[1], L"decode") == 0)
        return MeasureDecode(argv[2], argc > 3 ? _wtoi(argv[3]) : 5);

    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring settingsPath = std::wstring(temp) + L"orvane-page-benchmark.ini";
    DeleteFileW(settingsPath.c_str());
    WritePrivateProfileStringW(L"WallpapersFolders", L"0", argv[1], settingsPath.c_str());

    // The folder as the system lists it; the desktop's values stay in memory.
    TimedSystem system;
    system.folders[argv[1]] = SlideshowSystem().ListFolder(argv[1]);
    COptions options;
    CTranslate texts;
    texts.LoadLanguage(L"English");
    CWallpaperSlideshow slideshow(system, options);
    const CSettingsFile settingsFile(settingsPath);
    SlideshowSettingsFile settings(settingsFile);
    slideshow.Load(settings);
    const std::size_t pictures = slideshow.Playlist().size();
    if (pictures < 2) {
        std::fprintf(stderr, "the folder needs at least two pictures\n");
        return 2;
    }

    HWND host = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 720, 420, nullptr,
                                nullptr, nullptr, nullptr);
    const std::size_t before = test::CommittedBytes();
    CChangeNotice pageChanges;
    CDlgTabWallpaper page(slideshow, options, texts, true, pageChanges);

    const double start = Now();
    HWND window = page.Create(host);
    SetWindowPos(window, nullptr, 0, 0, 699, 396, SWP_NOZORDER | SWP_SHOWWINDOW);
    const double opened = Now();
    // A click on the second thumbnail, queued as the mouse would queue it.
    HWND list = GetDlgItem(window, IDC_WALLPAPER_PICTURES);
    RECT item = {};
    item.left = LVIR_ICON;
    SendMessageW(list, LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(list, WM_LBUTTONUP, 0, at);

    double stall = 0;
    const double answered = Pump([&] { return system.firstApplied != 0; }, stall);
    // The first figures at once: with large pictures the rest takes many minutes.
    std::printf("pictures=%zu open=%.0fms first-click-answered=%.0fms\n", pictures, opened - start,
                answered - start);
    std::fflush(stdout);
    double reported = Now();
    const double last = Pump(
        [&] {
            const std::size_t pending = page.ThumbnailsPending();
            if (pending != 0 && Now() - reported > 60000) {
                reported = Now();
                std::printf("  %.0fs: %zu thumbnails shown, longest stall so far %.0fms\n",
                            (reported - start) / 1000.0, pictures - pending, stall);
                std::fflush(stdout);
            }
            return pending == 0;
        },
        stall);
    const std::size_t loaded = test::CommittedBytes();

    // Remove one picture: the rebuild takes every other thumbnail from what it kept.
    const double removeStart = Now();
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_WALLPAPER_REMOVE, BN_CLICKED), 0);
    double rebuildStall = 0;
    const double rebuilt = Pump([&] { return page.ThumbnailsPending() == 0; }, rebuildStall);
    const std::size_t afterRemove = test::CommittedBytes();

    std::printf("last-thumbnail=%.1fs longest-stall=%.0fms\n", (last - start) / 1000.0, stall);
    std::printf("remove-one-and-rebuild=%.0fms (items now %ld)\n", rebuilt - removeStart,
                static_cast<long>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)));
    std::printf("memory: before=%.1fMB with-thumbnails=%.1fMB (+%.1fMB) after-rebuild=%.1fMB\n",
                Megabytes(before), Megabytes(loaded), Megabytes(loaded - before),
                Megabytes(afterRemove));
    page.DestroyWindow();
    DestroyWindow(host);
    DeleteFileW(settingsPath.c_str());
    return 0;
}
