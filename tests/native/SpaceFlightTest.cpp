#include "effects/EffectCatalog.h"
#include "effects/RecordingCanvas.h"
#include "effects/SpaceFlight.h"
#include "framework/Random.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace orvane {
namespace {

float U(int value) {
    return static_cast<float>(value) / 32767.0f;
}

TEST(SpaceFlight, OneStarPerSixtyToFiveHundredFortyPixelsByDensity) {
    EXPECT_EQ(3840, DensityTargetCount(EffectId::SpaceFlight, 1, 1920, 1080));
    EXPECT_EQ(6912, DensityTargetCount(EffectId::SpaceFlight, 5, 1920, 1080));
    EXPECT_EQ(34560, DensityTargetCount(EffectId::SpaceFlight, 9, 1920, 1080));
    EXPECT_EQ(138240, DensityTargetCount(EffectId::SpaceFlight, 9, 3840, 2160));
    // The overlay of a screen with a taskbar at the bottom: the quotient is cut, not rounded.
    EXPECT_EQ(static_cast<int>(1920.0f * 1079.0f / 540.0f),
              DensityTargetCount(EffectId::SpaceFlight, 1, 1920, 1079));
}

// Positions near the middle come from subtracting numbers near 960: the 32-bit program's
// x87 arithmetic, which keeps more digits on the way, ends a few hundred-thousandths of
// a pixel away from SSE's. A thousandth of a pixel is far below what anyone could see.
constexpr float kUnseen = 1e-3f;

TEST(SpaceFlight, StarsAreBornFromTwoRandomNumbersInASquareAboutTheMiddle) {
    SpaceFlight flight;
    flight.Begin(1920, 1080);
    SeedRandom(1); // rand() gives 41, 18467, 6334, 26500, ...
    RecordingCanvas canvas(1920, 1080);
    flight.DrawFrame(canvas, 3);
    EXPECT_FALSE(canvas.Smoothing());
    ASSERT_EQ(3u, canvas.Calls().size()) << "all drawn in the frame they are born";

    // The first star: velocity from 41 and 18467, one step taken.
    const float vx = U(41) * 10.0f - 5.0f, vy = U(18467) * 10.0f - 5.0f;
    const float x = 960.0f + 1920.0f * vx / 10.0f + vx, y = 540.0f + 1920.0f * vy / 10.0f + vy;
    const auto& first = canvas.Calls()[0];
    EXPECT_EQ("FillRect", first.op);
    EXPECT_NEAR(x, first.values[0], kUnseen);
    EXPECT_NEAR(y, first.values[1], kUnseen);
    EXPECT_EQ(1.0f, first.values[2]);
    EXPECT_EQ(Color::Argb(0xFFFFFFFFu), first.colors[0]);
    // It was born 2.4 pixels from the left edge moving 5 pixels a frame left, and the
    // second (6334, 26500) below the bottom edge: both drawn once, then dropped. The
    // third (19169, 15724) stays.
    ASSERT_EQ(1u, flight.Stars().size());
    const STAR& third = flight.Stars()[0];
    const float vx3 = U(19169) * 10.0f - 5.0f, vy3 = U(15724) * 10.0f - 5.0f;
    EXPECT_NEAR(vx3 + vx3 / 50.0f, third.vx, kUnseen);
    EXPECT_NEAR(960.0f + 1920.0f * vx3 / 10.0f + vx3, third.x, kUnseen);
    EXPECT_NEAR(540.0f + 1920.0f * vy3 / 10.0f + vy3, third.y, kUnseen);
    EXPECT_EQ(1, third.age);
}

TEST(SpaceFlight, TheFirstFrameFillsTheFieldAndTheDrawnStarsInsideAreTheOnesKept) {
    SpaceFlight flight;
    flight.Begin(1920, 1080);
    SeedRandom(3);
    for (int frame = 0; frame < 60; ++frame) {
        RecordingCanvas canvas(1920, 1080);
        const std::size_t before = std::max<std::size_t>(flight.Stars().size(), 6912);
        flight.DrawFrame(canvas, 6912);
        ASSERT_EQ(before, canvas.Calls().size()) << "every star is drawn, those leaving too";
        std::size_t inside = 0;
        for (const auto& call : canvas.Calls()) {
            const float x = call.values[0], y = call.values[1], w = call.values[2],
                        h = call.values[3];
            inside += !(x + w < 0 || x > 1920 || y + h < 0 || y > 1080);
        }
        ASSERT_EQ(inside, flight.Stars().size()) << frame;
        ASSERT_GT(inside, 6912u / 4) << "most stars are on the screen";
    }
}

TEST(SpaceFlight, ALowerDensityBringsNoNewStarsUntilTheCountHasFallen) {
    SpaceFlight flight;
    flight.Begin(960, 540);
    SeedRandom(9);
    RecordingCanvas canvas(960, 540);
    flight.DrawFrame(canvas, 8640);
    std::size_t count = flight.Stars().size();
    for (int frame = 0; frame < 20; ++frame) {
        flight.DrawFrame(canvas, 960);
        ASSERT_LE(flight.Stars().size(), count);
        count = flight.Stars().size();
        if (count < 960)
            break;
        for (const STAR& star : flight.Stars())
            ASSERT_GT(star.age, 1) << "no star was born since the first frame";
    }
}

TEST(SpaceFlight, AStarGrowsAtFiftyOneHundredFiftyAndThreeHundredFramesAndLeavesAtLast) {
    // An area so large that a star lives for hundreds of frames.
    SpaceFlight flight;
    flight.Begin(1000000, 1000000);
    SeedRandom(1);
    int frames = 0;
    for (; frames < 5000; ++frames) {
        RecordingCanvas canvas(1, 1);
        flight.DrawFrame(canvas, frames == 0 ? 3 : 0);
        if (flight.Stars().empty())
            break;
        const STAR& star = flight.Stars().back();
        const float expected = star.age < 50 ? 1 : star.age < 150 ? 2 : star.age < 300 ? 3 : 4;
        ASSERT_EQ(expected, star.width) << star.age;
        ASSERT_EQ(expected, star.height) << star.age;
    }
    EXPECT_GT(frames, 300) << "the star lived long enough to reach its full size";
    EXPECT_LT(frames, 5000) << "speeding up, every star leaves";
}

} // namespace
} // namespace orvane
