#pragma once

#include <windows.h>

#include <string>

namespace orvane::test {

// Saves what the screen shows of a window as NAME.bmp in the folder named by the
// environment variable ORVANE_SCREENSHOTS (tools/screenshots/tweak-screenshots.sh sets
// it); does nothing when it is not set.
void SaveScreenshot(HWND window, const std::wstring& name);

} // namespace orvane::test
