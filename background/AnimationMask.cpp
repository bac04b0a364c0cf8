#include "background/AnimationMask.h"

namespace orvane {
namespace {
constexpr std::size_t kAnimationByte = 4;
constexpr std::uint8_t kAnimationsOn = 0x12;
} // namespace

bool AnimationsBlocked(const PreferencesMask& mask) {
    if (!mask.read || mask.type != kRegistryBinary)
        return false;
    return mask.bytes.size() <= kAnimationByte || mask.bytes[kAnimationByte] != kAnimationsOn;
}

std::vector<std::uint8_t> WithAnimationsEnabled(const PreferencesMask& mask) {
    if (!mask.read || mask.type != kRegistryBinary)
        return {};
    std::vector<std::uint8_t> bytes = mask.bytes;
    // A value too short to hold the byte grows to hold it, or the write would drop it.
    if (bytes.size() <= kAnimationByte)
        bytes.resize(kAnimationByte + 1, 0);
    bytes[kAnimationByte] = kAnimationsOn;
    return bytes;
}

} // namespace orvane
