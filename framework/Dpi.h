#pragma once

#include <windows.h>

namespace orvane {

// The program declares itself per-monitor DPI aware: every size and place it works out
// in pixels is given for 100 % (96 DPI) and scaled for the window it is used in.
constexpr UINT kDefaultDpi = 96;

// The DPI a window is shown at: its monitor's where Windows tells it per window
// (Windows 10 1607 and later), else the system's.
UINT WindowDpi(HWND window);

// A length at 100 % scaled to the DPI, rounded to the nearest pixel.
inline int ScaleToDpi(int length, UINT dpi) {
    return MulDiv(length, static_cast<int>(dpi), static_cast<int>(kDefaultDpi));
}

// A place given in pixels for the standard dialog font at 100 % (dialog base units 6 x 13),
// moved with the dialog's own units, so that it keeps its place among the dialog's
// controls with any font or DPI.
POINT ScaleWithDialogUnits(HWND dialog, POINT standard);

// Whether the dialog manager resizes and lays out this thread's dialogs itself when
// their DPI changes (per-monitor v2, Windows 10 1703 and later). Elsewhere a window
// that receives WM_DPICHANGED moves itself to the rectangle it is offered.
bool DialogsFollowDpiChanges();

// An icon resource loaded at a size given for 100 %, scaled to the window's DPI; the
// caller owns it.
HICON LoadIconForWindow(HWND window, UINT iconId, int size);

} // namespace orvane
