#pragma once

#include <string>

namespace orvane {

// The lowest temperature Windows accepts while its limit on gamma ramps is in force.
constexpr int kLimitedMinimumTemperature = 3400;

// An entry of the page's preset list; "Custom" has no temperature of its own (0).
struct TemperaturePreset {
    int kelvin;
    unsigned textId;
};
constexpr int kTemperaturePresetCount = 9;
extern const TemperaturePreset kTemperaturePresets[kTemperaturePresetCount];

// The entry that shows a temperature: the first preset of exactly that temperature,
// otherwise "Custom" (0).
int PresetIndexOf(int kelvin);
// "1900K - Candle" for a preset, the bare name for "Custom".
std::wstring PresetLabel(const TemperaturePreset& preset, const std::wstring& name);

} // namespace orvane
