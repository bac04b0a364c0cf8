#include "framework/Monitors.h"

#include "framework/Dpi.h"

#include <windows.h>

namespace orvane {
namespace {

// GetDpiForMonitor lives in shcore.dll from Windows 8.1 on; looked up so that the
// program starts on Windows 7.
UINT MonitorDpi(HMONITOR monitor) {
    using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    static const auto getDpiForMonitor = [] {
        HMODULE shcore = LoadLibraryW(L"shcore.dll");
        return shcore ? reinterpret_cast<GetDpiForMonitorFunction>(reinterpret_cast<void (*)()>(
                            GetProcAddress(shcore, "GetDpiForMonitor")))
                      : nullptr;
    }();
    constexpr int kEffectiveDpi = 0; // MDT_EFFECTIVE_DPI
    UINT x = 0, y = 0;
    if (getDpiForMonitor && SUCCEEDED(getDpiForMonitor(monitor, kEffectiveDpi, &x, &y)) && x > 0)
        return x;
    return WindowDpi(nullptr);
}

WorkArea Area(const RECT& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(monitor, &info))
        return TRUE;
    MonitorArea area;
    area.bounds = Area(info.rcMonitor);
    area.work = Area(info.rcWork);
    area.dpi = MonitorDpi(monitor);
    area.primary = (info.dwFlags & MONITORINFOF_PRIMARY) != 0;
    auto& monitors = *reinterpret_cast<MonitorList*>(list);
    if (area.primary)
        monitors.insert(monitors.begin(), area);
    else
        monitors.push_back(area);
    return TRUE;
}

} // namespace

MonitorList SystemMonitors() {
    MonitorList monitors;
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    if (monitors.empty()) {
        // No answer (a session without a display): the primary screen as the metrics say.
        MonitorArea primary;
        primary.bounds = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        RECT work = {};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        primary.work = Area(work);
        primary.dpi = WindowDpi(nullptr);
        primary.primary = true;
        monitors.push_back(primary);
    }
    return monitors;
}

} // namespace orvane
