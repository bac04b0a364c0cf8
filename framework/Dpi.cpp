#include "framework/Dpi.h"

namespace orvane {
namespace {

// Functions of newer systems, looked up at run time so that the program starts on
// Windows 7.
template <typename Function> Function User32Function(const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

} // namespace

UINT WindowDpi(HWND window) {
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
    if (getDpiForWindow && window)
        if (const UINT dpi = getDpiForWindow(window))
            return dpi;
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 0;
    if (screen)
        ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : kDefaultDpi;
}

POINT ScaleWithDialogUnits(HWND dialog, POINT standard) {
    constexpr int kStandardUnitX = 6, kStandardUnitY = 13;
    RECT units = {0, 0, 4, 8}; // one base unit each way
    MapDialogRect(dialog, &units);
    return {MulDiv(standard.x, units.right, kStandardUnitX),
            MulDiv(standard.y, units.bottom, kStandardUnitY)};
}

bool DialogsFollowDpiChanges() {
    using Context = HANDLE;
    using GetContextFunction = Context(WINAPI*)();
    using EqualFunction = BOOL(WINAPI*)(Context, Context);
    using DialogBehaviourFunction = BOOL(WINAPI*)(HWND, int, int);
    static const auto getContext =
        User32Function<GetContextFunction>("GetThreadDpiAwarenessContext");
    static const auto equal = User32Function<EqualFunction>("AreDpiAwarenessContextsEqual");
    // Dialogs scale themselves where this function exists: Windows 10 1703 on.
    static const auto dialogBehaviour =
        User32Function<DialogBehaviourFunction>("SetDialogDpiChangeBehavior");
    const Context perMonitorV2 = reinterpret_cast<Context>(static_cast<INT_PTR>(-4));
    return getContext && equal && dialogBehaviour && equal(getContext(), perMonitorV2);
}

HICON LoadIconForWindow(HWND window, UINT iconId, int size) {
    const int scaled = ScaleToDpi(size, WindowDpi(window));
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(iconId),
                                         IMAGE_ICON, scaled, scaled, 0));
}

} // namespace orvane
