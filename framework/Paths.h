#pragma once

#include <string>

namespace orvane {

// Full path of the running executable.
std::wstring ProgramPath();
// The folder of the running executable, without a trailing backslash.
std::wstring ProgramFolder();
// The folder part of a path: everything before its last backslash.
std::wstring FolderOf(const std::wstring& path);
// ExpandEnvironmentStrings of a text such as "%APPDATA%".
std::wstring ExpandEnvironment(const std::wstring& text);

} // namespace orvane
