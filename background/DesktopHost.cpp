#include "background/DesktopHost.h"

#include "background/HostPlacement.h"

#include <shellapi.h>

namespace orvane {
namespace {

constexpr UINT kSpawnTimeoutMs = 3000;
constexpr UINT_PTR kWatchTimer = 1;
const wchar_t kWatcherClass[] = L"OrvaneBackgroundWatch";

static_assert(sizeof(APPBARDATA) == (sizeof(void*) == 4 ? 36 : 48), "APPBARDATA layout");

HWND FindChild(HWND parent, HWND after, const wchar_t* className) {
    return FindWindowExW(parent, after, className, nullptr);
}

// The layout where the icons and the wallpaper are both children of "Progman".
DesktopHost FindProgmanHost(HWND progman) {
    HWND icons = progman ? FindChild(progman, nullptr, L"SHELLDLL_DefView") : nullptr;
    HWND wallpaper = progman ? FindChild(progman, nullptr, L"WorkerW") : nullptr;
    if (!icons || !wallpaper)
        return {};
    return {progman, icons, wallpaper};
}

} // namespace

bool SystemIsWindows8OrLater() {
    OSVERSIONINFOEXW info = {};
    info.dwOSVersionInfoSize = sizeof info;
    info.dwMajorVersion = 6;
    info.dwMinorVersion = 2;
    DWORDLONG condition = 0;
    VER_SET_CONDITION(condition, VER_MAJORVERSION, VER_GREATER_EQUAL);
    VER_SET_CONDITION(condition, VER_MINORVERSION, VER_GREATER_EQUAL);
    return VerifyVersionInfoW(&info, VER_MAJORVERSION | VER_MINORVERSION, condition) != FALSE;
}

void RepaintWallpaper(HWND shellWindow) {
    if (!shellWindow || !IsWindow(shellWindow))
        return;
    ShowWindow(shellWindow, SW_HIDE);
    ShowWindow(shellWindow, SW_SHOW);
}

DesktopHost FindDesktopHost(bool windows8OrLater) {
    HWND desktop = GetDesktopWindow();
    HWND progman = FindWindowExW(desktop, nullptr, L"Progman", L"Program Manager");
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(progman, kSpawnWorkerMessage, 0, 0, SMTO_NORMAL, kSpawnTimeoutMs, &ignored);

    HWND icons = nullptr;
    for (HWND worker = FindChild(desktop, nullptr, L"WorkerW"); worker;
         worker = FindChild(desktop, worker, L"WorkerW"))
        if (FindChild(worker, nullptr, L"SHELLDLL_DefView")) {
            icons = worker;
            break;
        }
    HWND host = icons ? FindChild(desktop, icons, L"WorkerW") : nullptr;
    if (!host)
        return FindProgmanHost(progman);
    if (!windows8OrLater) {
        ShowWindow(host, SW_HIDE);
        return {progman, nullptr, progman};
    }
    return {host, nullptr, host};
}

CDesktopBackground::CDesktopBackground(UINT templateId) : CDialog(templateId) {}

CDesktopBackground::~CDesktopBackground() {
    if (m_watcher)
        ::DestroyWindow(m_watcher);
}

bool CDesktopBackground::CreateBehindIcons() {
    m_host = FindDesktopHost(Windows8OrLater());
    if (!m_host)
        return false;
    if (!Create(m_host.parent)) {
        m_host = {};
        return false;
    }
    PutBehindIcons();
    return true;
}

void CDesktopBackground::PutBehindIcons() {
    if (!m_host.above)
        return;
    // A child of "Progman" shows only as a layered window (which needs the Windows 8
    // entry of the program's manifest), just beneath the icons.
    SetWindowLongPtrW(m_hWnd, GWL_EXSTYLE, GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE) | WS_EX_LAYERED);
    SetLayeredWindowAttributes(m_hWnd, 0, 255, LWA_ALPHA);
    SetWindowPos(m_hWnd, m_host.above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool CDesktopBackground::Start() {
    if (Running())
        return true;
    if (!CreateBehindIcons())
        return false;
    ShowWindow(m_hWnd, SW_SHOW);
    UpdateWindow(m_hWnd);
    m_wanted = true;
    StartWatching();
    return true;
}

void CDesktopBackground::Stop() {
    RepaintWallpaper(StopWithoutRepaint());
}

HWND CDesktopBackground::StopWithoutRepaint() {
    m_wanted = false;
    if (m_watcher)
        KillTimer(m_watcher, kWatchTimer);
    if (m_hWnd)
        DestroyWindow();
    const HWND repaint = m_host.repaint;
    m_host = {};
    return repaint;
}

bool CDesktopBackground::Running() const {
    return m_hWnd && IsWindow(m_hWnd);
}

void CDesktopBackground::ReturnBehindIcons() {
    if (!Running() || !m_host)
        return;
    SetParent(m_hWnd, m_host.parent);
    PutBehindIcons();
}

BOOL CDesktopBackground::OnInitDialog() {
    PlaceOverWorkArea();
    StartContent();
    // No keyboard focus: a background must not take it from the user's window (nor
    // activate, and so raise, the shell's window it lives in).
    return FALSE;
}

void CDesktopBackground::OnDestroy() {
    StopContent();
}

bool CDesktopBackground::TaskbarAutoHides() const {
    APPBARDATA data = {};
    data.cbSize = sizeof data;
    return SHAppBarMessage(ABM_GETSTATE, &data) == ABS_AUTOHIDE;
}

WorkArea CDesktopBackground::CoveredWorkArea() const {
    if (m_monitor)
        return m_monitor->work;
    RECT work = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return {work.left, work.top, work.right, work.bottom};
}

void CDesktopBackground::PlaceOverWorkArea() {
    const OverlayBox box =
        BackgroundPlacement(TaskbarAutoHides() ? kTaskbarAutoHide : 0, CoveredWorkArea());
    // The work area is in screen coordinates; the host spans the virtual screen and may
    // start left of or above the primary monitor.
    POINT origin = {box.left, box.top};
    MapWindowPoints(nullptr, GetParent(m_hWnd), &origin, 1);
    MoveWindow(m_hWnd, origin.x, origin.y, box.width, box.height, TRUE);
}

void CDesktopBackground::StartWatching() {
    if (!m_watcher) {
        static const ATOM registered = [] {
            WNDCLASSW windowClass = {};
            windowClass.lpfnWndProc = WatcherProc;
            windowClass.hInstance = GetModuleHandleW(nullptr);
            windowClass.lpszClassName = kWatcherClass;
            return RegisterClassW(&windowClass);
        }();
        if (!registered)
            return;
        m_watcher = CreateWindowExW(0, kWatcherClass, nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                    GetModuleHandleW(nullptr), this);
    }
    if (m_watcher)
        SetTimer(m_watcher, kWatchTimer, kWatchIntervalMs, nullptr);
}

LRESULT CALLBACK CDesktopBackground::WatcherProc(HWND window, UINT message, WPARAM wParam,
                                                 LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    } else if (message == WM_TIMER && wParam == kWatchTimer) {
        auto* self =
            reinterpret_cast<CDesktopBackground*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self) {
            try {
                self->CheckHost();
            } catch (...) {
                // A failed restart is tried again at the next tick.
            }
        }
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void CDesktopBackground::CheckHost() {
    if (!m_wanted || (Running() && IsWindow(m_host.parent)))
        return;
    if (Running()) {
        // Lifted out of the host (interactive mode) when the host went: keep the window
        // and remember the new host to return to.
        m_host = FindDesktopHost(Windows8OrLater());
        return;
    }
    // The shell took the window with its host. Destroyed through its parent, the window
    // has stopped its content; one that vanished with another process's windows has not.
    if (m_hWnd) {
        StopContent();
        m_hWnd = nullptr;
    }
    m_host = {};
    if (CreateBehindIcons()) {
        ShowWindow(m_hWnd, SW_SHOW);
        UpdateWindow(m_hWnd);
    }
}

} // namespace orvane
