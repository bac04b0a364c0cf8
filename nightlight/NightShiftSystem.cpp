#include "nightlight/NightShiftSystem.h"

#include "framework/Handle.h"

#include <wtsapi32.h>

namespace orvane {
namespace {

const wchar_t kWindowClass[] = L"OrvaneNightShift";
constexpr UINT_PTR kLateReapplyTimer = 1;
// Some drivers reset the ramp a moment after they announce the change.
constexpr UINT kLateReapplyMs = 2000;

// The controller whose schedule timer runs; a thread timer carries no context.
CNightShiftSystem* g_scheduled = nullptr;

} // namespace

int LocalMinuteOfDay() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now.wHour * 60 + now.wMinute;
}

CNightShiftSystem::CNightShiftSystem(const COptions& options, GammaRampFunction setRamp)
    : m_setRamp(setRamp), m_controller(options, *this), m_clock(LocalMinuteOfDay) {
    CreateNotificationWindow();
}

CNightShiftSystem::~CNightShiftSystem() {
    if (m_timer)
        StopTimer(m_timer);
    if (m_window) {
        if (m_sessionNotifications)
            WTSUnRegisterSessionNotification(m_window);
        SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
        DestroyWindow(m_window);
    }
}

void CNightShiftSystem::CreateNotificationWindow() {
    const HINSTANCE module = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = module;
    windowClass.lpszClassName = kWindowClass;
    RegisterClassExW(&windowClass); // fails harmlessly when a previous object registered it
    // A hidden top-level window: broadcasts such as WM_DISPLAYCHANGE skip message-only ones.
    m_window = CreateWindowExW(WS_EX_TOOLWINDOW, kWindowClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                               nullptr, module, this);
    if (m_window)
        m_sessionNotifications =
            WTSRegisterSessionNotification(m_window, NOTIFY_FOR_THIS_SESSION) != FALSE;
}

bool CNightShiftSystem::LoadRamp(const GammaRamp& ramp) {
    if (ramp == IdentityRamp())
        m_warmRamp.reset();
    else
        m_warmRamp = ramp;
    return LoadOnDisplays(ramp);
}

bool CNightShiftSystem::LoadOnDisplays(const GammaRamp& ramp) {
    GammaRamp copy = ramp; // the display call takes a writable buffer
    bool anyDisplay = false, loaded = false;
    DISPLAY_DEVICEW device = {};
    device.cb = sizeof device;
    for (DWORD i = 0; EnumDisplayDevicesW(nullptr, i, &device, 0); ++i, device.cb = sizeof device) {
        if (!(device.StateFlags & DISPLAY_DEVICE_ATTACHED_TO_DESKTOP))
            continue;
        anyDisplay = true;
        UniqueDC dc(CreateDCW(device.DeviceName, device.DeviceName, nullptr, nullptr));
        if (dc && m_setRamp(dc.get(), &copy))
            loaded = true;
    }
    if (!anyDisplay) {
        // No display list (a remote session, say): the screen's DC still reaches one.
        WindowDC screen(nullptr);
        if (screen.get() && m_setRamp(screen.get(), &copy))
            loaded = true;
    }
    return loaded;
}

void CNightShiftSystem::Reapply() {
    if (!m_warmRamp || !m_controller.LightOn())
        return;
    GammaRamp nudged = *m_warmRamp;
    std::uint16_t& top = nudged.rows[0][GammaRamp::kEntries - 1];
    top = top > 0 ? top - 1 : 1;
    LoadOnDisplays(nudged);
    LoadOnDisplays(*m_warmRamp);
}

std::uintptr_t CNightShiftSystem::StartTimer(std::uintptr_t running) {
    g_scheduled = this;
    m_timer = SetTimer(nullptr, running, 1000, TimerProc);
    return m_timer;
}

void CNightShiftSystem::StopTimer(std::uintptr_t id) {
    KillTimer(nullptr, id);
    m_timer = 0;
    if (g_scheduled == this)
        g_scheduled = nullptr;
}

void CNightShiftSystem::ActiveChanged() {
    if (m_activeChanged)
        m_activeChanged();
}

void CALLBACK CNightShiftSystem::TimerProc(HWND, UINT, UINT_PTR, DWORD) {
    // An exception must not unwind through the system's code that called us.
    try {
        if (g_scheduled)
            g_scheduled->m_controller.ScheduleTick(g_scheduled->m_clock());
    } catch (...) {
    }
}

bool CNightShiftSystem::ResetsGamma(UINT message, WPARAM wParam) {
    switch (message) {
    case WM_DISPLAYCHANGE:
        return true;
    case WM_POWERBROADCAST:
        return wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND;
    case WM_WTSSESSION_CHANGE:
        return wParam == WTS_SESSION_UNLOCK || wParam == WTS_CONSOLE_CONNECT ||
               wParam == WTS_REMOTE_CONNECT || wParam == WTS_SESSION_LOGON;
    default:
        return false;
    }
}

LRESULT CALLBACK CNightShiftSystem::WindowProc(HWND window, UINT message, WPARAM wParam,
                                               LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<CNightShiftSystem*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    try {
        if (self && ResetsGamma(message, wParam)) {
            self->Reapply();
            SetTimer(window, kLateReapplyTimer, kLateReapplyMs, nullptr);
        } else if (self && message == WM_TIMER && wParam == kLateReapplyTimer) {
            KillTimer(window, kLateReapplyTimer);
            self->Reapply();
            return 0;
        }
    } catch (...) {
    }
    if (message == WM_POWERBROADCAST)
        return TRUE;
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace orvane
