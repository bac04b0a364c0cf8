#pragma once

#include "framework/ScreenBoxes.h"

namespace orvane {

// Where an effect window goes: over the work area when the taskbar state is exactly
// "auto-hide", else over the whole primary screen; either way one pixel short of the
// bottom.
OverlayBox OverlayPlacement(unsigned taskbarState, const WorkArea& workArea, int screenWidth,
                            int screenHeight);

} // namespace orvane
