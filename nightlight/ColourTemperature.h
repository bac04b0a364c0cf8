#pragma once

#include <cstdint>

namespace orvane {

// The night light's range of colour temperatures, in kelvin. 6600 K is neutral: its
// ramp is the identity ramp.
constexpr int kMinTemperature = 1850;
constexpr int kNeutralTemperature = 6600;
constexpr int kDefaultTemperature = 4100;

// Channel factors of a colour temperature, each 0 to 1.
struct RgbFactors {
    float red;
    float green;
    float blue;
};

// The factors of a temperature the caller has clamped to 1850..6600. The arithmetic
// mixes single and double precision on purpose: the ramps it yields are the ones the
// program has always loaded, down to the last unit.
RgbFactors TemperatureToRgb(int kelvin);

int ClampTemperature(int kelvin);

// A display gamma ramp: the red row, then the green row, then the blue row, in the
// layout SetDeviceGammaRamp takes.
struct GammaRamp {
    static constexpr int kEntries = 256;
    std::uint16_t rows[3][kEntries];

    bool operator==(const GammaRamp& other) const;
    bool operator!=(const GammaRamp& other) const { return !(*this == other); }
};
static_assert(sizeof(GammaRamp) == 3 * 256 * 2, "SetDeviceGammaRamp takes 3 x 256 WORDs");

// The ramp of a temperature; values outside 1850..6600 are clamped first.
GammaRamp TemperatureRamp(int kelvin);
// Entry i of every row is i x 256.
GammaRamp IdentityRamp();

} // namespace orvane
