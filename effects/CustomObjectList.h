#pragma once

#include "framework/MonitorLayout.h"
#include "framework/ProfileStore.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace orvane {

// One picture of the user's on the desktop, as the settings file keeps it.
struct CustomObjectEntry {
    std::wstring path;
    bool enabled = false;
    bool top = false; // "On top"; otherwise "On desktop"
    int x = -10000;   // screen pixels; kNotPlaced until the object was first shown
    int y = -10000;
};

constexpr int kNotPlaced = -10000;
extern const wchar_t kCustomObjectsSection[];

// The key of an entry: the format ("%uPath", "%uX", ...) with the index in decimal.
std::wstring CustomObjectKey(const wchar_t* format, std::size_t index);

// The list as stored: entries 0, 1, 2 ... up to the first missing or empty path. Entries
// whose file is gone are left out, so the indexes close up; the file keeps them until
// the next save.
std::vector<CustomObjectEntry>
LoadCustomObjectEntries(IProfileStore& store,
                        const std::function<bool(const std::wstring&)>& fileExists);

// Writes every entry after emptying the paths of the old list, so a shorter list ends
// at its own end for the loader.
void SaveCustomObjectEntries(IProfileStore& store, const std::vector<CustomObjectEntry>& entries);

// Writes the two position keys of one entry.
void SaveCustomObjectPosition(IProfileStore& store, std::size_t index, int x, int y);

// Where a picture shows when its window starts: where it was put, while any of it is on a
// monitor; when its monitor is gone, brought onto the nearest monitor's work area. Never
// placed: the top-right corner of the primary monitor's work area.
struct ObjectCorner {
    int x, y;
};
ObjectCorner ObjectStartCorner(const CustomObjectEntry& entry, const MonitorList& monitors,
                               int pictureWidth, int pictureHeight);

// How long frame `frame` of a picture shows, in milliseconds. Still pictures repaint
// once a second. An animation's delays are in hundredths of a second; a frame without a
// delay, or with a delay of 0, shows for 100 ms, as web browsers play such pictures (a
// timer of 0 would spin at the system's minimum and load the processor for nothing).
unsigned FrameIntervalMs(unsigned frameCount, const std::vector<std::uint32_t>& delays,
                         unsigned frame);

} // namespace orvane
