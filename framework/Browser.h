#pragma once

#include <string>

namespace orvane {

// Opens a web address (a help page, the picture gallery) in the user's browser.
void OpenInBrowser(const std::wstring& address);

} // namespace orvane
