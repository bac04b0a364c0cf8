#include "effects/FrameCanvas.h"
#include "effects/Rain.h"
#include "effects/RecordingCanvas.h"
#include "effects/Smoke.h"
#include "framework/Random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace orvane {
namespace {

Sprite Picture(int side) {
    std::vector<std::uint32_t> pixels;
    for (int i = 0; i < side * side; ++i) {
        const std::uint32_t a = static_cast<std::uint32_t>((i * 13) % 200);
        pixels.push_back((a << 24) | (a / 2 << 16) | (a / 2 << 8) | (a / 2));
    }
    return Sprite(side, side, pixels.data());
}

TEST(Rain, ADropIsPlacedAboveTheTopFromFiveRandomNumbersAndDrawnAsItsStreak) {
    Rain rain;
    rain.Begin(1920, 1080);
    SeedRandom(1); // rand() gives 41, 18467, 6334, 26500, 19169
    RecordingCanvas canvas(1920, 1080);
    rain.DrawFrame(canvas, 1);
    EXPECT_TRUE(canvas.Smoothing());
    ASSERT_EQ(1u, canvas.Calls().size());
    const auto& line = canvas.Calls()[0];
    const double length = 6334.0 / 32767 + 1;
    const int x = 41, y = -(18467 % 1080), dx = 26500 % 4 - 1, dy = 19169 % 10 + 11;
    ASSERT_EQ(4u, line.values.size());
    EXPECT_EQ(x, line.values[0]);
    EXPECT_EQ(y, line.values[1]);
    EXPECT_EQ(static_cast<int>(x + dx * length), line.values[2]);
    EXPECT_EQ(static_cast<int>(y + dy * length), line.values[3]);
    EXPECT_EQ(Rain::kColour, line.pen.color);
    EXPECT_EQ(1.0f, line.pen.width);
    const Rain::PARTICLE& drop = rain.Drops()[0];
    EXPECT_EQ(x + dx, drop.x);
    EXPECT_EQ(y + dy, drop.y);
}

TEST(Rain, DropsStartAboveTheTopAndRestartUnlessTheDensityWasLowered) {
    Rain rain;
    rain.Begin(1920, 1080);
    SeedRandom(2);
    RecordingCanvas canvas(1920, 1080);
    rain.DrawFrame(canvas, 1000);
    ASSERT_EQ(1000u, canvas.Calls().size());
    for (const auto& line : canvas.Calls())
        ASSERT_TRUE(line.values[1] <= 0 && line.values[0] >= 0 && line.values[0] < 1920);
    // A hundred frames at full density: drops restart, none go.
    for (int frame = 0; frame < 100; ++frame)
        rain.DrawFrame(canvas, 1000);
    EXPECT_EQ(1000u, rain.Drops().size());
    // Lowered: the count falls only as drops pass an edge, never below the target.
    std::size_t count = 1000;
    bool fell = false;
    for (int frame = 0; frame < 200; ++frame) {
        canvas.Clear();
        rain.DrawFrame(canvas, 400);
        ASSERT_EQ(count, canvas.Calls().size());
        ASSERT_GE(rain.Drops().size(), 400u);
        fell |= rain.Drops().size() < count && rain.Drops().size() > 400;
        count = rain.Drops().size();
    }
    EXPECT_TRUE(fell) << "some frames took out only a few drops";
    EXPECT_EQ(400u, count);
    // Raised: the missing drops come at once, above the top.
    canvas.Clear();
    rain.DrawFrame(canvas, 700);
    ASSERT_EQ(700u, canvas.Calls().size());
    for (std::size_t i = 400; i < 700; ++i)
        ASSERT_LE(canvas.Calls()[i].values[1], 0);
}

TEST(Rain, ADropLeavingThroughTheLeftKeepsFallingUntilItPassesTheBottom) {
    Rain rain;
    rain.Begin(3, 400);
    SeedRandom(5);
    RecordingCanvas canvas(3, 400);
    bool leftOut = false;
    for (int frame = 0; frame < 200; ++frame) {
        rain.DrawFrame(canvas, 50);
        for (const Rain::PARTICLE& d : rain.Drops()) {
            ASSERT_LE(d.x, 3) << "past the right edge a drop restarts";
            ASSERT_LE(d.y, 400);
            leftOut |= d.x < 0 && d.y > 0;
        }
    }
    EXPECT_TRUE(leftOut);
}

TEST(Smoke, APuffIsPlacedFromFourRandomNumbersAndDrawnFromItsPicturesHalfSize) {
    Smoke smoke;
    smoke.SetSprite(Picture(256));
    smoke.Begin(1920, 1080);
    SeedRandom(1); // rand() gives 41, 18467, 6334, 26500
    RecordingCanvas canvas(1920, 1080);
    smoke.DrawFrame(canvas, 1);
    ASSERT_EQ(1u, smoke.Puffs().size());
    const Smoke::PARTICLE& puff = smoke.Puffs()[0];
    EXPECT_EQ(6334 % 5 - 2, puff.dx);
    EXPECT_EQ(26500 % 5 - 2, puff.dy);
    EXPECT_EQ(41 + puff.dx, puff.x);
    EXPECT_EQ(18467 % 1080 + puff.dy, puff.y);
    ASSERT_EQ(1u, canvas.Calls().size());
    const auto& call = canvas.Calls()[0];
    EXPECT_EQ(puff.x - 128, call.values[0]);
    EXPECT_EQ(puff.y - 128, call.values[1]);
    ASSERT_TRUE(call.sprite);
    EXPECT_EQ(1024, call.sprite->Width()) << "1920 wide or more: 1024 × 1024";

    Smoke narrow;
    narrow.SetSprite(Picture(256));
    narrow.Begin(1919, 1080);
    canvas.Clear();
    narrow.DrawFrame(canvas, 1);
    ASSERT_EQ(1u, canvas.Calls().size());
    EXPECT_EQ(512, canvas.Calls()[0].sprite->Height());
}

TEST(Smoke, TheMagnifiedPuffBlendsWhatStretchingThePictureWouldBlend) {
    const Sprite picture = Picture(64);
    Smoke smoke;
    smoke.SetSprite(Picture(64));
    smoke.Begin(1000, 600);
    SeedRandom(3);
    std::vector<std::uint32_t> quick(1000 * 600, 0), plain(quick);
    FrameCanvas frame({quick.data(), 1000, 600, 1000});
    SoftwareCanvas reference({plain.data(), 1000, 600, 1000});
    smoke.DrawFrame(frame, 5);
    for (const Smoke::PARTICLE& p : smoke.Puffs())
        reference.DrawImage(picture, static_cast<float>(p.x - 32), static_cast<float>(p.y - 32),
                            512, 512);
    EXPECT_EQ(plain, quick);
}

TEST(Smoke, PuffsBounceOffTheEdgesSittingOnThemForThatFrame) {
    Smoke smoke; // without a picture the puffs still move
    smoke.Begin(9, 7);
    SeedRandom(6);
    RecordingCanvas canvas(9, 7);
    smoke.DrawFrame(canvas, 40);
    EXPECT_TRUE(canvas.Calls().empty());
    int bounces = 0;
    for (int frame = 0; frame < 50; ++frame) {
        std::vector<Smoke::PARTICLE> before = smoke.Puffs();
        smoke.DrawFrame(canvas, 40);
        for (std::size_t i = 0; i < before.size(); ++i) {
            const Smoke::PARTICLE &was = before[i], &now = smoke.Puffs()[i];
            const int x = was.x + was.dx;
            if (x >= 9 || x <= 0) {
                ++bounces;
                ASSERT_EQ(x >= 9 ? 9 : 0, now.x);
                ASSERT_EQ(-was.dx, now.dx);
            } else {
                ASSERT_EQ(x, now.x);
                ASSERT_EQ(was.dx, now.dx);
            }
            ASSERT_TRUE(now.y >= 0 && now.y <= 7);
        }
    }
    EXPECT_GT(bounces, 20);
}

TEST(Smoke, ALowerDensityDrawsTheFirstPuffsOnceMoreAndThenRemovesThem) {
    Smoke smoke;
    smoke.SetSprite(Picture(256));
    smoke.Begin(1920, 1080);
    SeedRandom(7);
    RecordingCanvas canvas(1920, 1080);
    smoke.DrawFrame(canvas, 90);
    const std::vector<Smoke::PARTICLE> before = smoke.Puffs();
    canvas.Clear();
    smoke.DrawFrame(canvas, 20);
    EXPECT_EQ(90u, canvas.Calls().size());
    ASSERT_EQ(20u, smoke.Puffs().size());
    // Every puff took its one step (at most 2 pixels each way) and was drawn; the last
    // twenty stay.
    for (std::size_t i = 0; i < 90; ++i) {
        const auto& call = canvas.Calls()[i];
        EXPECT_LE(std::abs(call.values[0] + 128 - before[i].x), 2) << i;
        EXPECT_LE(std::abs(call.values[1] + 128 - before[i].y), 2) << i;
        if (i >= 70) {
            EXPECT_EQ(call.values[0], smoke.Puffs()[i - 70].x - 128) << i;
            EXPECT_EQ(call.values[1], smoke.Puffs()[i - 70].y - 128) << i;
        }
    }
}

} // namespace
} // namespace orvane
