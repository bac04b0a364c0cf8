#pragma once

#include "background/WallpaperSlideshow.h"
#include "tests/support/DesktopValues.h"

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace orvane::test {

// A file name as Windows opens it: the blanks at its end are dropped.
inline std::wstring WindowsFileName(std::wstring path) {
    path.erase(path.find_last_not_of(L" \t") + 1);
    return path;
}

// The slideshow's system in memory: folders with their entries, single files and the
// desktop's registry values. The wallpaper call writes the values as the real one does
// and is recorded, and so are the timer calls.
class MemorySlideshowSystem : public ISlideshowSystem {
public:
    std::vector<FolderEntry> ListFolder(const std::wstring& folder) override {
        const auto found = folders.find(folder);
        return found == folders.end() ? std::vector<FolderEntry>() : found->second;
    }
    // A single file, or an entry of a folder.
    bool FileExists(const std::wstring& name) override {
        const std::wstring path = WindowsFileName(name);
        if (files.count(path))
            return true;
        const auto folder = folders.find(FolderPart(path));
        if (folder == folders.end())
            return false;
        for (const FolderEntry& entry : folder->second)
            if (folder->first + L"\\" + entry.name == path)
                return true;
        return false;
    }
    bool ReadDesktopValue(const wchar_t* name, std::wstring& value) override {
        return desktop.Read(name, value);
    }
    long ApplyWallpaper(const std::wstring& path, const WallpaperPosition& position) override {
        desktop.Apply(path, position);
        return 0;
    }
    // Letter case of A to Z only, whatever the C runtime's locale.
    bool SameIgnoringCase(const std::wstring& a, const std::wstring& b) override {
        auto lower = [](std::wstring text) {
            for (wchar_t& c : text)
                if (c >= L'A' && c <= L'Z')
                    c = static_cast<wchar_t>(c + 32);
            return text;
        };
        return lower(a) == lower(b);
    }
    // A new timer gets the id 77.
    std::uintptr_t StartTimer(std::uintptr_t id, unsigned milliseconds) override {
        timerMs = milliseconds;
        startedWith.push_back(id);
        return id ? id : 77;
    }
    void StopTimer(std::uintptr_t id) override { stopped.push_back(id); }

    std::map<std::wstring, std::vector<FolderEntry>> folders;
    std::set<std::wstring> files;
    DesktopValues desktop;
    unsigned timerMs = 0;
    std::vector<std::uintptr_t> startedWith, stopped;
};

} // namespace orvane::test
