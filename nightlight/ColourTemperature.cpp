#include "nightlight/ColourTemperature.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace orvane {
namespace {

// Each intermediate result is assigned to a float, which rounds it to single precision
// even where the compiler computes in wider x87 registers.
float LowGreen(float t) {
    const float logarithm = static_cast<float>(std::log(static_cast<double>(t)));
    const float scaled = 99.4708023071289f * logarithm;
    const float green = scaled - 161.11956787109375f;
    return green;
}

float LowBlue(float t) {
    const float logarithm = static_cast<float>(std::log(static_cast<double>(t - 10.0f)));
    const float scaled = 138.51773071289062f * logarithm;
    const float blue = scaled - 305.0447998046875f;
    return blue;
}

float Power(float t, double scale, double exponent) {
    return static_cast<float>(scale * std::pow(static_cast<double>(t - 60.0f), exponent));
}

float Factor(float channel) {
    const float limited = std::min(255.0f, std::max(0.0f, channel));
    const float factor = limited / 255.0f;
    return factor;
}

} // namespace

RgbFactors TemperatureToRgb(int kelvin) {
    const int t = kelvin / 100;
    const float tf = static_cast<float>(t);
    const float red = t <= 66 ? 255.0f : Power(tf, 329.698727446, -0.1332047592);
    const float green = t <= 66 ? LowGreen(tf) : Power(tf, 288.1221695283, -0.0755148492);
    const float blue = t >= 66 ? 255.0f : LowBlue(tf);
    return {Factor(red), Factor(green), Factor(blue)};
}

int ClampTemperature(int kelvin) {
    return std::min(kNeutralTemperature, std::max(kMinTemperature, kelvin));
}

bool GammaRamp::operator==(const GammaRamp& other) const {
    return std::memcmp(rows, other.rows, sizeof rows) == 0;
}

GammaRamp TemperatureRamp(int kelvin) {
    const RgbFactors rgb = TemperatureToRgb(ClampTemperature(kelvin));
    const float factors[3] = {rgb.red, rgb.green, rgb.blue};
    GammaRamp ramp;
    for (int i = 0; i < GammaRamp::kEntries; ++i) {
        const float x = static_cast<float>(i) * 256.0f;
        for (int row = 0; row < 3; ++row) {
            const float value = x * factors[row];
            const float limited = std::min(65535.0f, std::max(0.0f, value));
            ramp.rows[row][i] = static_cast<std::uint16_t>(limited);
        }
    }
    return ramp;
}

GammaRamp IdentityRamp() {
    GammaRamp ramp;
    for (int i = 0; i < GammaRamp::kEntries; ++i)
        for (auto& row : ramp.rows)
            row[i] = static_cast<std::uint16_t>(i * 256);
    return ramp;
}

} // namespace orvane
