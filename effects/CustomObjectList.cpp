#include "effects/CustomObjectList.h"

#include <algorithm>
#include <climits>
#include <cwchar>

namespace orvane {
namespace {

constexpr std::size_t kPathCapacity = 261; // MAX_PATH characters and the terminator
constexpr unsigned kStillIntervalMs = 1000;
constexpr unsigned kUntimedFrameMs = 100;

// The profile functions read negative numbers as 0, and an unplaced object is stored at
// -10000: positions are read as text and parsed with their sign.
int ReadPosition(IProfileStore& store, const std::wstring& key) {
    const std::wstring text = store.ReadString(kCustomObjectsSection, key, L"", 32);
    if (text.empty())
        return kNotPlaced;
    wchar_t* end = nullptr;
    const long long value = std::wcstoll(text.c_str(), &end, 10);
    if (end == text.c_str() || value < INT_MIN || value > INT_MAX)
        return kNotPlaced;
    return static_cast<int>(value);
}

std::wstring Number(int value) {
    return std::to_wstring(value);
}

} // namespace

const wchar_t kCustomObjectsSection[] = L"CEffectsCustomObjects";

std::wstring CustomObjectKey(const wchar_t* format, std::size_t index) {
    std::wstring key = format;
    const std::size_t at = key.find(L"%u");
    if (at != std::wstring::npos)
        key.replace(at, 2, std::to_wstring(index));
    return key;
}

std::vector<CustomObjectEntry>
LoadCustomObjectEntries(IProfileStore& store,
                        const std::function<bool(const std::wstring&)>& fileExists) {
    std::vector<CustomObjectEntry> entries;
    for (std::size_t n = 0;; ++n) {
        std::wstring path = store.ReadString(kCustomObjectsSection, CustomObjectKey(L"%uPath", n),
                                             L"", kPathCapacity);
        if (path.empty())
            break;
        if (!fileExists(path))
            continue;
        CustomObjectEntry entry;
        entry.path = std::move(path);
        entry.enabled =
            store.ReadInt(kCustomObjectsSection, CustomObjectKey(L"%uEnable", n), 0) != 0;
        entry.top = store.ReadInt(kCustomObjectsSection, CustomObjectKey(L"%uTop", n), 0) != 0;
        entry.x = ReadPosition(store, CustomObjectKey(L"%uX", n));
        entry.y = ReadPosition(store, CustomObjectKey(L"%uY", n));
        entries.push_back(std::move(entry));
    }
    return entries;
}

void SaveCustomObjectEntries(IProfileStore& store, const std::vector<CustomObjectEntry>& entries) {
    for (std::size_t n = 0;; ++n) {
        const std::wstring key = CustomObjectKey(L"%uPath", n);
        if (store.ReadString(kCustomObjectsSection, key, L"", 2).empty())
            break;
        store.WriteString(kCustomObjectsSection, key, L"");
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const CustomObjectEntry& entry = entries[i];
        store.WriteString(kCustomObjectsSection, CustomObjectKey(L"%uPath", i), entry.path);
        store.WriteString(kCustomObjectsSection, CustomObjectKey(L"%uEnable", i),
                          Number(entry.enabled ? 1 : 0));
        store.WriteString(kCustomObjectsSection, CustomObjectKey(L"%uTop", i),
                          Number(entry.top ? 1 : 0));
        SaveCustomObjectPosition(store, i, entry.x, entry.y);
    }
}

void SaveCustomObjectPosition(IProfileStore& store, std::size_t index, int x, int y) {
    store.WriteString(kCustomObjectsSection, CustomObjectKey(L"%uX", index), Number(x));
    store.WriteString(kCustomObjectsSection, CustomObjectKey(L"%uY", index), Number(y));
}

ObjectCorner ObjectStartCorner(const CustomObjectEntry& entry, const MonitorList& monitors,
                               int pictureWidth, int pictureHeight) {
    if (monitors.empty())
        return {entry.x, entry.y};
    if (entry.x == kNotPlaced || entry.y == kNotPlaced) {
        const WorkArea& work = monitors.front().work;
        return {work.right - pictureWidth, work.top};
    }
    // Far-off stored places must not overflow the right and bottom edges.
    const auto edge = [](int start, int length) {
        return static_cast<int>(
            std::clamp<long long>(static_cast<long long>(start) + length, INT_MIN, INT_MAX));
    };
    const WorkArea box = {entry.x, entry.y, edge(entry.x, std::max(pictureWidth, 1)),
                          edge(entry.y, std::max(pictureHeight, 1))};
    const MonitorArea& nearest = monitors[NearestMonitor(monitors, box)];
    const WorkArea& m = nearest.bounds;
    if (box.left < m.right && box.right > m.left && box.top < m.bottom && box.bottom > m.top)
        return {entry.x, entry.y};
    // Its monitor is gone: onto the nearest one's work area, as close to the old place as
    // the picture fits, its top-left corner inside when it is larger.
    const WorkArea& work = nearest.work;
    const auto into = [](int start, int length, int low, int high) {
        return static_cast<int>(std::clamp<long long>(
            start, low, std::max<long long>(low, static_cast<long long>(high) - length)));
    };
    return {into(entry.x, pictureWidth, work.left, work.right),
            into(entry.y, pictureHeight, work.top, work.bottom)};
}

unsigned FrameIntervalMs(unsigned frameCount, const std::vector<std::uint32_t>& delays,
                         unsigned frame) {
    if (frameCount < 2)
        return kStillIntervalMs;
    if (frame >= delays.size() || delays[frame] == 0)
        return kUntimedFrameMs;
    // SetTimer takes at most 0x7FFFFFFF ms.
    constexpr std::uint32_t kLongest = 0x7FFFFFFF / 10;
    return delays[frame] > kLongest ? 0x7FFFFFFF : delays[frame] * 10;
}

} // namespace orvane
