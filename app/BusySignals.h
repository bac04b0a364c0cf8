#pragma once

#include "app/BusyState.h"

namespace orvane {

// Asks the shell what the user is doing, and looks at the foreground window and the
// power settings, for one tick of the busy-state monitor.
BusySignals ReadBusySignals();

} // namespace orvane
