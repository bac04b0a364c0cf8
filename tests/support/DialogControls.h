#pragma once

#include <windows.h>

namespace orvane::test {

// A control of a dialog in this process or another, as a user works it.
// A push button, a check box (toggled) or a radio button.
void Click(HWND dialog, int id);
bool Checked(HWND dialog, int id);
bool Enabled(HWND dialog, int id);

} // namespace orvane::test
