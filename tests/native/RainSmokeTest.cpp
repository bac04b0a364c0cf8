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

// The box of a picture's pixels that are not transparent.
PixelRect VisibleBox(const Sprite& picture) {
    PixelRect box{picture.Width(), picture.Height(), 0, 0};
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            if (picture.Pixel(x, y) != 0)
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                       std::max(box.bottom, y + 1)};
    return box;
}

TEST(Smoke, APuffIsPlacedFromFourRandomNumbersAndDrawnFromItsPicturesHalfSize) {
    for (const int width : {1920, 1919}) {
        Smoke smoke;
        smoke.SetSprite(Picture(256));
        smoke.Begin(width, 1080);
        SeedRandom(1); // rand() gives 41, 18467, 6334, 26500
        RecordingCanvas canvas(width, 1080);
        smoke.DrawFrame(canvas, 1);
        ASSERT_EQ(1u, smoke.Puffs().size());
        const Smoke::PARTICLE& puff = smoke.Puffs()[0];
        EXPECT_EQ(6334 % 5 - 2, puff.dx);
        EXPECT_EQ(26500 % 5 - 2, puff.dy);
        EXPECT_EQ(41 + puff.dx, puff.x);
        EXPECT_EQ(18467 % 1080 + puff.dy, puff.y);
        ASSERT_EQ(1u, smoke.DrawnCorners().size());
        EXPECT_EQ(puff.x - 128, smoke.DrawnCorners()[0].x);
        EXPECT_EQ(puff.y - 128, smoke.DrawnCorners()[0].y);

        // One layer over the whole area, four times magnified, in which the puff covers
        // its drawn square: 1024 × 1024 on an area 1920 wide or more, else 512 × 512.
        ASSERT_EQ(1u, canvas.Calls().size());
        const auto& call = canvas.Calls()[0];
        ASSERT_TRUE(call.sprite);
        const Sprite& layer = *call.sprite;
        EXPECT_EQ((std::vector<float>{-6, -6, 4.0f * layer.Width(), 4.0f * layer.Height()}),
                  call.values);
        EXPECT_GE(call.values[0] + call.values[2], width);
        EXPECT_GE(call.values[1] + call.values[3], 1080);
        const int side = width >= 1920 ? 1024 : 512;
        EXPECT_EQ(side, smoke.DrawnSide());
        const PixelRect box = VisibleBox(layer);
        // Layer pixel i stands for the area's pixels from 4i − 6; the outer ring stays clear.
        const PixelRect square{std::max(1, (puff.x - 128 + 6) / 4),
                               std::max(1, (puff.y - 128 + 6) / 4), (puff.x - 128 + side + 6) / 4,
                               (puff.y - 128 + side + 6) / 4};
        EXPECT_NEAR(square.left, box.left, 1) << width;
        EXPECT_NEAR(square.top, box.top, 1) << width;
        EXPECT_NEAR(square.right, box.right, 1) << width;
        EXPECT_NEAR(square.bottom, box.bottom, 1) << width;
    }
}

// A round puff fading to nothing over its outer four pixels.
Sprite SoftPuff(int side) {
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const double dx = x + 0.5 - side / 2.0, dy = y + 0.5 - side / 2.0;
            const double fade =
                std::clamp((side * 0.45 - std::sqrt(dx * dx + dy * dy)) / 4, 0.0, 1.0);
            const auto a = static_cast<std::uint32_t>(200 * fade);
            pixels.push_back(a << 24 | (a * 9 / 10) << 16 | (a * 9 / 10) << 8 | a);
        }
    return Sprite(side, side, pixels.data());
}

TEST(Smoke, PuffsPiledAtAQuarterOfTheResolutionLookAsDrawnAtFullSize) {
    const Sprite picture = SoftPuff(64);
    Smoke smoke;
    smoke.SetSprite(SoftPuff(64));
    smoke.Begin(1000, 600);
    SeedRandom(3);
    std::vector<std::uint32_t> quick(1000 * 600, 0), plain(quick);
    FrameCanvas frame({quick.data(), 1000, 600, 1000});
    SoftwareCanvas reference({plain.data(), 1000, 600, 1000});
    for (int i = 0; i < 3; ++i) {
        frame.BeginFrame();
        reference.BeginFrame();
        smoke.DrawFrame(frame, 12);
        frame.DirtyRect();
        for (const PixelPoint& corner : smoke.DrawnCorners())
            reference.DrawImage(picture, static_cast<float>(corner.x), static_cast<float>(corner.y),
                                512, 512);
    }
    int largest = 0;
    double total = 0;
    for (std::size_t i = 0; i < quick.size(); ++i)
        for (int shift = 0; shift < 32; shift += 8) {
            const int difference = std::abs(static_cast<int>((quick[i] >> shift) & 0xFF) -
                                            static_cast<int>((plain[i] >> shift) & 0xFF));
            largest = std::max(largest, difference);
            total += difference;
        }
    // Rounding and the order of blending and magnifying: a few steps at the puffs' steep
    // edges, little on average. A puff misplaced by one pixel differs by 12, by one layer
    // pixel by 43.
    EXPECT_LE(largest, 10);
    EXPECT_LT(total / (4.0 * quick.size()), 0.38);
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
    smoke.DrawFrame(canvas, 20);
    const std::vector<PixelPoint>& drawn = smoke.DrawnCorners();
    ASSERT_EQ(90u, drawn.size());
    ASSERT_EQ(20u, smoke.Puffs().size());
    // Every puff took its one step (at most 2 pixels each way) and was drawn; the last
    // twenty stay.
    for (std::size_t i = 0; i < 90; ++i) {
        EXPECT_LE(std::abs(drawn[i].x + 128 - before[i].x), 2) << i;
        EXPECT_LE(std::abs(drawn[i].y + 128 - before[i].y), 2) << i;
        if (i >= 70) {
            EXPECT_EQ(drawn[i].x, smoke.Puffs()[i - 70].x - 128) << i;
            EXPECT_EQ(drawn[i].y, smoke.Puffs()[i - 70].y - 128) << i;
        }
    }
}

} // namespace
} // namespace orvane
