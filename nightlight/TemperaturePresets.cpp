#include "nightlight/TemperaturePresets.h"

namespace orvane {

const TemperaturePreset kTemperaturePresets[kTemperaturePresetCount] = {
    {0, 79},     {1900, 115}, {2300, 116}, {2700, 117}, {3400, 118},
    {4100, 119}, {5000, 120}, {5500, 121}, {6500, 122},
};

int PresetIndexOf(int kelvin) {
    for (int i = 1; i < kTemperaturePresetCount; ++i)
        if (kTemperaturePresets[i].kelvin == kelvin)
            return i;
    return 0;
}

std::wstring PresetLabel(const TemperaturePreset& preset, const std::wstring& name) {
    if (preset.kelvin == 0)
        return name;
    return std::to_wstring(preset.kelvin) + L"K - " + name;
}

} // namespace orvane
