#pragma once

#include "background/SlideshowTables.h"

#include <map>
#include <string>
#include <vector>

namespace orvane::test {

// The desktop's registry values in memory, as the system's wallpaper call leaves them,
// and the pictures it was given, in order.
struct DesktopValues {
    bool Read(const wchar_t* name, std::wstring& value) const {
        const auto found = values.find(name);
        if (found == values.end())
            return false;
        value = found->second;
        return true;
    }
    void Apply(const std::wstring& path, const WallpaperPosition& position) {
        values[L"Wallpaper"] = path;
        values[L"WallpaperStyle"] = position.wallpaperStyle;
        values[L"TileWallpaper"] = position.tileWallpaper;
        applied.push_back(path);
    }

    std::map<std::wstring, std::wstring> values;
    std::vector<std::wstring> applied;
};

} // namespace orvane::test
