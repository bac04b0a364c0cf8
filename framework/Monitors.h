#pragma once

#include "framework/MonitorLayout.h"

namespace orvane {

// The system's monitors as they are now, the primary first and the others in the
// system's order; each with its own DPI where the system tells it (Windows 8.1 on), else
// the system's.
MonitorList SystemMonitors();

} // namespace orvane
