#pragma once

#include "framework/ComPtr.h"

#include <windows.h>

namespace orvane {

// Registers the system ATL library's ActiveX host window class "AtlAxWin": a window of
// that class whose text is a class id (or a URL) creates that control and keeps it
// sized to the window. False when the library is not there.
bool RegisterActiveXHost();

// The control an "AtlAxWin" window hosts; empty when it created none.
ComPtr<IUnknown> HostedControl(HWND host);

} // namespace orvane
