// The user's pictures on the desktop as the settings file lists them, some of whose
// files are gone.
#include "FuzzInput.h"

#include "effects/CustomObjectList.h"
#include "framework/ProfileText.h"

namespace orvane::fuzz {
namespace {

// Which files are there: a fixed choice by the path, so that both kinds occur.
bool SomeExist(const std::wstring& path) {
    unsigned sum = 0;
    for (wchar_t c : path)
        sum += static_cast<unsigned>(c);
    return sum % 3 != 0;
}

// Windows drops the blanks at the end of a file name; a path cut to its buffer may end
// in one, which the file then keeps no more than the file system does.
std::wstring WithoutTrailingBlanks(std::wstring path) {
    path.erase(path.find_last_not_of(L" \t") + 1);
    return path;
}

// A 1920 × 1080 primary and a taller monitor to its left, at negative coordinates.
MonitorList Monitors() {
    MonitorList monitors(2);
    monitors[0].bounds = monitors[0].work = {0, 0, 1920, 1080};
    monitors[0].primary = true;
    monitors[1].bounds = monitors[1].work = {-2560, -360, 0, 1080};
    return monitors;
}

// Whether a 64 × 48 picture at (x, y) shows at least in part on one of the monitors.
bool OnAMonitor(const MonitorList& monitors, long long x, long long y) {
    for (const MonitorArea& m : monitors)
        if (x < m.bounds.right && x + 64 > m.bounds.left && y < m.bounds.bottom &&
            y + 48 > m.bounds.top)
            return true;
    return false;
}

bool SameEntry(const CustomObjectEntry& a, const CustomObjectEntry& b) {
    return WithoutTrailingBlanks(a.path) == WithoutTrailingBlanks(b.path) &&
           a.enabled == b.enabled && a.top == b.top && a.x == b.x && a.y == b.y;
}

} // namespace
} // namespace orvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvane;
    using namespace orvane::fuzz;
    ProfileTextStore store(WideText(data, size));

    const std::vector<CustomObjectEntry> loaded = LoadCustomObjectEntries(store, SomeExist);
    for (const CustomObjectEntry& entry : loaded) {
        Require(!entry.path.empty() && entry.path.size() <= 260);
        Require(SomeExist(entry.path));
        // Wherever it was stored, the picture starts with a part on a monitor, and one
        // stored on a monitor starts where it was.
        const MonitorList monitors = Monitors();
        const ObjectCorner corner = ObjectStartCorner(entry, monitors, 64, 48);
        const bool placed = entry.x != kNotPlaced && entry.y != kNotPlaced;
        Require(!placed || !OnAMonitor(monitors, entry.x, entry.y) ||
                (corner.x == entry.x && corner.y == entry.y));
        Require(OnAMonitor(monitors, corner.x, corner.y));
    }

    // Saved back over the old list, the file holds exactly the entries that were found:
    // neither the missing ones nor the tail of a longer list come back.
    SaveCustomObjectEntries(store, loaded);
    const auto always = [](const std::wstring&) { return true; };
    const std::vector<CustomObjectEntry> reloaded = LoadCustomObjectEntries(store, always);
    Require(reloaded.size() == loaded.size());
    for (std::size_t i = 0; i < loaded.size(); ++i)
        Require(SameEntry(loaded[i], reloaded[i]));

    // A move of the last one is what the next start finds.
    if (!reloaded.empty()) {
        const std::size_t last = reloaded.size() - 1;
        const int x = size > 0 ? static_cast<int>(data[0]) * -97 : 0;
        SaveCustomObjectPosition(store, last, x, -x);
        const CustomObjectEntry moved = LoadCustomObjectEntries(store, always).at(last);
        Require(moved.x == x && moved.y == -x);
    }
    return 0;
}
