#pragma once

#include <windows.h>

#include <string>

namespace orvane {

// Every message box of the program carries the program's name as its caption.
int ShowMessageBox(HWND owner, const std::wstring& text, UINT type = MB_OK | MB_ICONINFORMATION);

} // namespace orvane
