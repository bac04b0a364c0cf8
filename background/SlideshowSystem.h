#pragma once

#include "background/WallpaperSlideshow.h"
#include "framework/ProfileFile.h"

#include <windows.h>

namespace orvane {

// The slideshow's view of Windows: FindFirstFile, the desktop's values under
// HKEY_CURRENT_USER\Control Panel\Desktop, SPI_SETDESKWALLPAPER and a thread timer
// whose ticks change the picture and refresh the main window's background pages.
class SlideshowSystem : public ISlideshowSystem {
public:
    std::vector<FolderEntry> ListFolder(const std::wstring& folder) override;
    bool FileExists(const std::wstring& path) override;
    bool ReadDesktopValue(const wchar_t* name, std::wstring& value) override;
    long ApplyWallpaper(const std::wstring& path, const WallpaperPosition& position) override;
    bool SameIgnoringCase(const std::wstring& a, const std::wstring& b) override;
    std::uintptr_t StartTimer(std::uintptr_t id, unsigned milliseconds) override;
    void StopTimer(std::uintptr_t id) override;
};

// Whether two paths are the same but for letter case, the way the file system
// compares names (whatever the C runtime's locale).
bool SamePathIgnoringCase(const std::wstring& a, const std::wstring& b);

// settings.ini for the slideshow's lists. They are written while the program runs,
// possibly before the settings were ever saved, so the file is made UTF-16 first:
// otherwise Windows would create it in the ANSI code page and lose characters of paths.
class SlideshowSettingsFile : public ProfileFile {
public:
    using ProfileFile::ProfileFile;
    bool WriteString(const std::wstring& section, const std::wstring& key,
                     const std::wstring& value) override;

private:
    bool m_unicode = false;
};

} // namespace orvane
