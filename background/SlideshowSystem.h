#pragma once

#include "background/WallpaperSlideshow.h"
#include "core/SettingsFile.h"
#include "framework/ProfileFile.h"

#include <functional>
#include <memory>

#include <windows.h>

namespace orvane {

// The slideshow's view of Windows: FindFirstFile, the desktop's values under
// HKEY_CURRENT_USER\Control Panel\Desktop, SPI_SETDESKWALLPAPER and a thread timer.
class SlideshowSystem : public ISlideshowSystem {
public:
    // tick runs at each tick of the timer (the program's shows the next picture and tells
    // the pages).
    explicit SlideshowSystem(std::function<void()> tick = {});
    ~SlideshowSystem() override;
    SlideshowSystem(const SlideshowSystem&) = delete;
    SlideshowSystem& operator=(const SlideshowSystem&) = delete;

    std::vector<FolderEntry> ListFolder(const std::wstring& folder) override;
    bool FileExists(const std::wstring& path) override;
    bool ReadDesktopValue(const wchar_t* name, std::wstring& value) override;
    long ApplyWallpaper(const std::wstring& path, const WallpaperPosition& position) override;
    bool SameIgnoringCase(const std::wstring& a, const std::wstring& b) override;
    std::uintptr_t StartTimer(std::uintptr_t id, unsigned milliseconds) override;
    void StopTimer(std::uintptr_t id) override;

private:
    static void CALLBACK Tick(HWND window, UINT message, UINT_PTR id, DWORD time);

    std::function<void()> m_tick;
};

// Whether two paths are the same but for letter case, the way the file system
// compares names (whatever the C runtime's locale).
bool SamePathIgnoringCase(const std::wstring& a, const std::wstring& b);

// settings.ini for the slideshow's lists, which are saved while the program runs. A
// list's writes are gathered and go to disk in one piece at Flush, so a crash or a
// full disk never leaves half a list (or half a file) behind.
class SlideshowSettingsFile : public IProfileStore {
public:
    explicit SlideshowSettingsFile(const CSettingsFile& file) : m_file(file) {}

    std::wstring ReadString(const std::wstring& section, const std::wstring& key,
                            const std::wstring& fallback, std::size_t capacity) override;
    int ReadInt(const std::wstring& section, const std::wstring& key, int fallback) override;
    bool WriteString(const std::wstring& section, const std::wstring& key,
                     const std::wstring& value) override;
    bool Flush() override;

private:
    const CSettingsFile& m_file;
    std::unique_ptr<ProfileFileEdit> m_pending;
};

} // namespace orvane
