#pragma once

namespace orvane {

// A window's place on the screen: its top-left corner and size in pixels.
struct OverlayBox {
    int left, top, width, height;
};

// The screen's work area as the shell reports it, edges exclusive on the right and
// bottom.
struct WorkArea {
    int left, top, right, bottom;
};

// The taskbar state the shell reports for an auto-hiding taskbar (ABS_AUTOHIDE).
constexpr unsigned kTaskbarAutoHide = 1;

} // namespace orvane
