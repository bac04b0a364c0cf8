#pragma once

namespace orvane {

struct OverlayBox {
    int left, top, width, height;
};

struct WorkArea {
    int left, top, right, bottom;
};

// The taskbar state the shell reports for an auto-hiding taskbar (ABS_AUTOHIDE).
constexpr unsigned kTaskbarAutoHide = 1;

// Where an effect window goes: over the work area when the taskbar state is exactly
// "auto-hide", else over the whole primary screen; either way one pixel short of the
// bottom.
OverlayBox OverlayPlacement(unsigned taskbarState, const WorkArea& workArea, int screenWidth,
                            int screenHeight);

} // namespace orvane
