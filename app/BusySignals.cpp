#include "app/BusySignals.h"

#include "framework/Handle.h"

#include <windows.h>

#include <shellapi.h>

#include <cwchar>
#include <string>

namespace orvane {
namespace {

// Tests stand in for the shell, whose answer under Wine never changes: the file named
// by this variable holds the state to report, or anything else for a failed query.
const wchar_t kStateFileVariable[] = L"ORVANE_USER_STATE_FILE";

std::wstring StateFile() {
    wchar_t path[MAX_PATH] = L"";
    const DWORD n = GetEnvironmentVariableW(kStateFileVariable, path, MAX_PATH);
    return n > 0 && n < MAX_PATH ? std::wstring(path, n) : std::wstring();
}

bool ReadStateFile(const std::wstring& path, int& state) {
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, 0, nullptr));
    if (!file)
        return false;
    char text[16] = {};
    DWORD read = 0;
    if (!ReadFile(file.get(), text, sizeof text - 1, &read, nullptr) || read == 0)
        return false;
    char* end = nullptr;
    const long value = strtol(text, &end, 10);
    if (end == text)
        return false;
    state = static_cast<int>(value);
    return true;
}

bool QueryUserState(int& state) {
    static const std::wstring stateFile = StateFile();
    if (!stateFile.empty())
        return ReadStateFile(stateFile, state);
    QUERY_USER_NOTIFICATION_STATE answer = QUNS_ACCEPTS_NOTIFICATIONS;
    if (FAILED(SHQueryUserNotificationState(&answer)))
        return false;
    state = static_cast<int>(answer);
    return true;
}

ScreenBox Box(const RECT& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

// Whether the foreground window covers its whole monitor, and that monitor's bounds.
bool ForegroundIsFullScreen(WorkArea& covered) {
    ForegroundView view;
    HWND window = GetForegroundWindow();
    view.exists = window != nullptr;
    if (!view.exists)
        return false;
    view.visible = IsWindowVisible(window) != FALSE;
    view.minimized = IsIconic(window) != FALSE;
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    view.ours = process == GetCurrentProcessId();
    wchar_t className[64] = L"";
    GetClassNameW(window, className, 64);
    view.shell =
        window == GetDesktopWindow() || window == GetShellWindow() || IsShellWindowClass(className);
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    view.captionedMaximized = (style & WS_MAXIMIZE) && (style & WS_CAPTION) == WS_CAPTION;
    RECT rect;
    if (!GetWindowRect(window, &rect))
        return false;
    view.window = Box(rect);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONULL), &monitor))
        return false;
    view.monitor = Box(monitor.rcMonitor);
    covered = {monitor.rcMonitor.left, monitor.rcMonitor.top, monitor.rcMonitor.right,
               monitor.rcMonitor.bottom};
    return IsFullScreenForeground(view);
}

} // namespace

BusySignals ReadBusySignals() {
    BusySignals signals;
    signals.stateKnown = QueryUserState(signals.state);
    signals.fullScreenForeground = ForegroundIsFullScreen(signals.fullScreenMonitor);
    signals.monitorCount = GetSystemMetrics(SM_CMONITORS);
    return signals;
}

} // namespace orvane
