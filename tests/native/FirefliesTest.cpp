#include "effects/EffectCatalog.h"
#include "effects/Fireflies.h"
#include "effects/RecordingCanvas.h"
#include "effects/SoftwareCanvas.h"
#include "framework/Random.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <vector>

namespace orvane {
namespace {

constexpr int kW = 1920, kH = 1040;

// A seed after which the given draw (0 = the next one) of Rand() returns the value.
unsigned SeedWithDraw(int draw, int value) {
    for (unsigned seed = 1;; ++seed) {
        SeedRandom(seed);
        for (int i = 0; i < draw; ++i)
            Rand();
        if (Rand() == value)
            return seed;
    }
}

std::size_t Frame(Fireflies& fireflies, int target) {
    RecordingCanvas canvas(kW, kH);
    fireflies.DrawFrame(canvas, target);
    return canvas.Calls().size();
}

TEST(Fireflies, DensityKeepsAHundredPerStepAndLoweringItOnlyThinsOut) {
    EXPECT_EQ(100, DensityTargetCount(EffectId::Fireflies, 1, kW, kH));
    EXPECT_EQ(900, DensityTargetCount(EffectId::Fireflies, 9, kW, kH));
    SeedRandom(11);
    Fireflies fireflies;
    fireflies.Begin(kW, kH);
    // Every glow of the first frame is drawn, even one that leaves in that frame.
    EXPECT_EQ(900u, Frame(fireflies, 900));
    EXPECT_GE(fireflies.List().size(), 890u);
    std::size_t before = fireflies.List().size();
    for (int i = 0; i < 50; ++i) {
        Frame(fireflies, 100);
        ASSERT_LE(fireflies.List().size(), before) << "no spawn above the target";
        before = fireflies.List().size();
    }
    EXPECT_GT(before, 100u) << "fireflies leave only at the edges";
    for (const FIREFLY& f : fireflies.List())
        ASSERT_TRUE(f.left >= 0 && f.left <= kW && f.top >= 0 && f.top <= kH);
}

TEST(Fireflies, SpawnDrawsPositionSizeHeadingAndColourInThatOrder) {
    SeedRandom(4242);
    const int r[] = {Rand(), Rand(), Rand(), Rand(), Rand()};
    SeedRandom(4242);
    Fireflies fireflies;
    fireflies.SetColourful(true);
    fireflies.Begin(kW, kH);
    Frame(fireflies, 1);
    ASSERT_EQ(1u, fireflies.List().size());
    const FIREFLY& f = fireflies.List()[0];
    const float s = static_cast<float>(r[2]) / 32767.0f * 8.0f;
    EXPECT_FLOAT_EQ(s, f.diameter);
    EXPECT_FLOAT_EQ(s * s / 64.0f, f.speed);
    EXPECT_EQ(kFireflyColours[static_cast<std::size_t>(r[4]) % 4].centre, f.centre);
    // Moved once along the spawn heading (the turn is drawn after the move).
    const float heading = static_cast<float>(r[3]) / 32767.0f * 2.0f * 3.1415927f;
    EXPECT_NEAR(static_cast<float>(r[0]) / 32767.0f * kW + f.speed * std::cos(heading), f.left,
                1e-3);
    EXPECT_NEAR(static_cast<float>(r[1]) / 32767.0f * kH + f.speed * std::sin(heading), f.top,
                1e-3);
}

TEST(Fireflies, SizeSetsSpeedFromStillToOnePixelAFrame) {
    // The size is the third draw: 0 gives a still, invisible firefly that stays.
    SeedRandom(SeedWithDraw(2, 0));
    Fireflies still;
    still.Begin(kW, kH);
    EXPECT_EQ(0u, Frame(still, 1)) << "nothing to draw";
    const FIREFLY first = still.List().at(0);
    for (int i = 0; i < 200; ++i)
        Frame(still, 1);
    ASSERT_EQ(1u, still.List().size());
    EXPECT_EQ(first.left, still.List()[0].left);
    EXPECT_EQ(first.top, still.List()[0].top);
    EXPECT_NE(first.heading, still.List()[0].heading) << "it still turns";

    SeedRandom(SeedWithDraw(2, 32767));
    Fireflies largest;
    largest.Begin(kW, kH);
    Frame(largest, 1);
    ASSERT_EQ(1u, largest.List().size());
    FIREFLY previous = largest.List()[0];
    EXPECT_FLOAT_EQ(8.0f, previous.diameter);
    for (int i = 0; i < 5 && largest.List().size() == 1; ++i) {
        Frame(largest, 0);
        if (largest.List().empty())
            break;
        const FIREFLY& now = largest.List()[0];
        EXPECT_NEAR(1.0, std::hypot(now.left - previous.left, now.top - previous.top), 1e-4);
        previous = now;
    }
}

TEST(Fireflies, ColourfulChoosesAmongFourAndSwitchingStartsAFreshSet) {
    SeedRandom(99);
    Fireflies fireflies;
    fireflies.Begin(kW, kH);
    Frame(fireflies, 900);
    for (const FIREFLY& f : fireflies.List()) {
        ASSERT_EQ(0xCDFFFF00u, f.centre);
        ASSERT_EQ(0x00FFFF00u, f.edge);
    }
    fireflies.SetColourful(true);
    EXPECT_TRUE(fireflies.List().empty()) << "the old set goes at once";
    Frame(fireflies, 900);
    std::map<std::uint32_t, int> counts;
    for (const FIREFLY& f : fireflies.List()) {
        ++counts[f.centre];
        ASSERT_EQ(f.centre & 0x00FFFFFFu, f.edge) << "the rim is the centre's colour, clear";
    }
    ASSERT_EQ(4u, counts.size());
    for (const COLORS& colour : kFireflyColours)
        EXPECT_NEAR(225, counts[colour.centre], 60) << std::hex << colour.centre;
    fireflies.SetColourful(false);
    EXPECT_TRUE(fireflies.List().empty());
    fireflies.Stop();
    EXPECT_EQ(0u, fireflies.List().capacity()) << "stopping releases the list";
}

TEST(Fireflies, AGlowHoldsTheLightOfItsGradientAtAnySizeAndPlace) {
    // A glow fading linearly from alpha 205 to 0 at its rim holds 205 × πr² / 3 of alpha;
    // drawn where the firefly was drawn (after its move), centred on its box.
    int seen = 0;
    for (unsigned seed = 1; seed <= 40; ++seed) {
        SeedRandom(seed * 2654435761u); // small seeds start with small values
        Fireflies fireflies;
        fireflies.Begin(40, 30);
        fireflies.SetColourful(true);
        std::vector<std::uint32_t> pixels(40 * 30, 0);
        SoftwareCanvas canvas({pixels.data(), 40, 30, 40});
        fireflies.DrawFrame(canvas, 1);
        if (fireflies.List().empty())
            continue; // left at once
        const FIREFLY& f = fireflies.List()[0];
        const float r = f.diameter / 2;
        if (f.left < r + 1 || f.left > 40 - f.diameter - 1 || f.top < r + 1 ||
            f.top > 30 - f.diameter - 1)
            continue; // partly outside the area
        ++seen;
        double alpha = 0, x = 0, y = 0;
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            const double a = pixels[i] >> 24;
            const double px = static_cast<double>(i % 40) + 0.5,
                         py = static_cast<double>(i / 40) + 0.5;
            alpha += a;
            x += a * px;
            y += a * py;
            if (px < f.left - 1 || px > f.left + f.diameter + 1 || py < f.top - 1 ||
                py > f.top + f.diameter + 1)
                ASSERT_EQ(0u, pixels[i]) << "nothing beyond the glow, seed " << seed;
            ASSERT_LE((pixels[i] >> 8) & 0xFF, pixels[i] >> 24) << "premultiplied";
        }
        const double expected = 205 * 3.14159265 * r * r / 3;
        EXPECT_NEAR(expected, alpha, expected * 0.15 + 3)
            << "seed " << seed << ", d " << f.diameter;
        if (alpha > 0) {
            EXPECT_NEAR(f.left + r, x / alpha, 0.2) << "seed " << seed;
            EXPECT_NEAR(f.top + r, y / alpha, 0.2) << "seed " << seed;
        }
    }
    EXPECT_GE(seen, 10);
}

} // namespace
} // namespace orvane
