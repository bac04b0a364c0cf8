#pragma once

#include "framework/ScreenBoxes.h"

namespace orvane {

// Where a background window goes in the desktop host: over the work area, one pixel
// shorter, or two when the taskbar state is exactly "auto-hide".
OverlayBox BackgroundPlacement(unsigned taskbarState, const WorkArea& workArea);

} // namespace orvane
