#pragma once

#include <string>

namespace orvane {

// The arguments part of a full Windows command line: the program name (quoted or not)
// and the blanks after it are skipped, as the C runtime does for WinMain.
std::wstring ArgumentsOf(const std::wstring& commandLine);

// The sign-in start passes "-auto" and nothing else; any other spelling or any further
// argument means a normal start.
bool IsAutoStart(const std::wstring& arguments);

} // namespace orvane
