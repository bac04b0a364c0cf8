#include "framework/Browser.h"

#include <windows.h>

#include <shellapi.h>

namespace orvane {

void OpenInBrowser(const std::wstring& address) {
    ShellExecuteW(nullptr, L"open", address.c_str(), nullptr, nullptr, SW_SHOWMAXIMIZED);
}

} // namespace orvane
