#include "nightlight/ColourTemperature.h"
#include "nightlight/TemperaturePresets.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

struct RampEntries {
    int kelvin;
    std::uint16_t at128[3];
    std::uint16_t at255[3];
};

// The ramps the night light has always loaded, entry for entry.
TEST(ColourTemperature, RampsMatchTheWorkedValuesExactly) {
    const RampEntries cases[] = {
        {4100, {32768, 26763, 21925}, {65280, 53317, 43679}},
        {3400, {32768, 24370, 17369}, {65280, 48550, 34604}},
        {1850, {32768, 16241, 0}, {65280, 32355, 0}},
        {6600, {32768, 32768, 32768}, {65280, 65280, 65280}},
        {9000, {32768, 32768, 32768}, {65280, 65280, 65280}},
    };
    for (const RampEntries& c : cases) {
        SCOPED_TRACE(c.kelvin);
        const GammaRamp ramp = TemperatureRamp(c.kelvin);
        for (int row = 0; row < 3; ++row) {
            EXPECT_EQ(c.at128[row], ramp.rows[row][128]) << "row " << row;
            EXPECT_EQ(c.at255[row], ramp.rows[row][255]) << "row " << row;
        }
    }
}

TEST(ColourTemperature, FactorsOfTheNamedTemperatures) {
    const RgbFactors warm = TemperatureToRgb(4100);
    EXPECT_FLOAT_EQ(1.0f, warm.red);
    EXPECT_NEAR(0.816755, warm.green, 1e-6);
    EXPECT_NEAR(0.669111, warm.blue, 1e-6);

    const RgbFactors candle = TemperatureToRgb(1850);
    EXPECT_NEAR(0.495639, candle.green, 1e-6);
    EXPECT_EQ(0.0f, candle.blue);

    // 66 hundred kelvin takes the low green formula, which overshoots and is clamped.
    const RgbFactors neutral = TemperatureToRgb(6600);
    EXPECT_EQ(1.0f, neutral.red);
    EXPECT_EQ(1.0f, neutral.green);
    EXPECT_EQ(1.0f, neutral.blue);
}

TEST(ColourTemperature, NeutralIsTheIdentityAndEveryRampRisesSteadily) {
    const GammaRamp identity = IdentityRamp();
    EXPECT_EQ(0, identity.rows[2][0]);
    EXPECT_EQ(256, identity.rows[1][1]);
    EXPECT_EQ(65280, identity.rows[0][255]);
    EXPECT_EQ(identity, TemperatureRamp(kNeutralTemperature));

    for (int kelvin = kMinTemperature; kelvin <= kNeutralTemperature; kelvin += 50) {
        const GammaRamp ramp = TemperatureRamp(kelvin);
        for (int row = 0; row < 3; ++row)
            for (int i = 1; i < GammaRamp::kEntries; ++i)
                ASSERT_LE(ramp.rows[row][i - 1], ramp.rows[row][i])
                    << kelvin << " K, row " << row << ", entry " << i;
        // Warmer never means bluer: each row stays at or below the neutral one.
        for (int row = 0; row < 3; ++row)
            ASSERT_LE(ramp.rows[row][255], identity.rows[row][255]) << kelvin << " K";
    }
    const GammaRamp candle = TemperatureRamp(kMinTemperature);
    for (int i = 0; i < GammaRamp::kEntries; ++i)
        ASSERT_EQ(0, candle.rows[2][i]) << "entry " << i;
}

TEST(ColourTemperature, StoredTemperaturesOutsideTheRangeAreClamped) {
    EXPECT_EQ(kMinTemperature, ClampTemperature(-40));
    EXPECT_EQ(kMinTemperature, ClampTemperature(1849));
    EXPECT_EQ(1850, ClampTemperature(1850));
    EXPECT_EQ(6600, ClampTemperature(6600));
    EXPECT_EQ(kNeutralTemperature, ClampTemperature(6601));
    EXPECT_EQ(TemperatureRamp(1850), TemperatureRamp(100));
    EXPECT_EQ(TemperatureRamp(1850), TemperatureRamp(-2147483647));
    EXPECT_EQ(IdentityRamp(), TemperatureRamp(2147483647));
}

TEST(TemperaturePresets, ATemperatureSelectsItsFirstPresetOrCustom) {
    EXPECT_EQ(1, PresetIndexOf(1900));
    EXPECT_EQ(4, PresetIndexOf(kLimitedMinimumTemperature));
    EXPECT_EQ(5, PresetIndexOf(kDefaultTemperature));
    EXPECT_EQ(8, PresetIndexOf(6500));
    EXPECT_EQ(0, PresetIndexOf(4150));
    EXPECT_EQ(0, PresetIndexOf(6600));
    EXPECT_EQ(L"2300K - Dim Incandescent",
              PresetLabel(kTemperaturePresets[2], L"Dim Incandescent"));
    EXPECT_EQ(L"Custom", PresetLabel(kTemperaturePresets[0], L"Custom"));
}

} // namespace
} // namespace orvane
