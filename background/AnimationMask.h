#pragma once

#include <cstdint>
#include <vector>

namespace orvane {

// "UserPreferencesMask" under HKCU\Control Panel\Desktop as it was read. Its fifth byte
// holds "Animate controls and elements inside windows", which the video and web
// backgrounds need.
struct PreferencesMask {
    bool read = false; // the value exists and fitted the buffer
    unsigned long type = 0;
    std::vector<std::uint8_t> bytes;
};

constexpr unsigned long kRegistryBinary = 3; // REG_BINARY
constexpr std::size_t kPreferencesMaskCapacity = 10;

// Blocked when a binary value was read whose fifth byte is not 0x12; a missing value or
// one of another type does not block.
bool AnimationsBlocked(const PreferencesMask& mask);

// The bytes to write back to turn the setting on: the fifth byte set to 0x12, every
// other byte as it was. Empty when the value is not binary (nothing is written then).
std::vector<std::uint8_t> WithAnimationsEnabled(const PreferencesMask& mask);

} // namespace orvane
