#pragma once

#include "framework/MonitorLayout.h"

namespace orvane {

// Where an effect window goes on its monitor: over the monitor's work area when the
// taskbar state is exactly "auto-hide", else over the whole monitor; either way one pixel
// short of the bottom.
OverlayBox OverlayPlacement(unsigned taskbarState, const MonitorArea& monitor);

} // namespace orvane
