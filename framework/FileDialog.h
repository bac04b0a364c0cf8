#pragma once

#include <windows.h>

#include <string>

namespace orvane {

// The pictures the wallpaper and the logon image take; the description names the
// patterns, as the filter's own text.
extern const wchar_t kWallpaperPictureFilter[];

// The system's Open dialog for one existing file, with `filter` (pairs of description
// and patterns, or null for every file). False when the user cancels.
bool AskForFile(HWND owner, const std::wstring& title, const wchar_t* filter, std::wstring& path);

} // namespace orvane
