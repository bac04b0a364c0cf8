#include "effects/FrameCanvas.h"
#include "effects/Sprite.h"
#include "framework/Random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace orvane {
namespace {

// The frame canvas and the plain rasterizer, each over its own zeroed pixels.
struct Pair {
    Pair(int w, int h)
        : quickPixels(static_cast<std::size_t>(w) * h, 0), plainPixels(quickPixels),
          quick({quickPixels.data(), w, h, w}), plain({plainPixels.data(), w, h, w}) {}
    std::vector<std::uint32_t> quickPixels, plainPixels;
    FrameCanvas quick;
    SoftwareCanvas plain;
};

bool AllZero(const std::vector<std::uint32_t>& pixels) {
    return std::all_of(pixels.begin(), pixels.end(), [](std::uint32_t p) { return p == 0; });
}

float Between(float low, float high) {
    return low + (high - low) * static_cast<float>(Rand()) / kRandMax;
}

TEST(FrameCanvas, UnsmoothedRectanglesSetExactlyThePixelsTheRasterizerSets) {
    Pair pair(120, 80);
    pair.quick.SetSmoothing(false);
    pair.plain.SetSmoothing(false);
    SeedRandom(5);
    // Stars of one to four pixels anywhere, partly off every edge, opaque and translucent.
    for (int i = 0; i < 3000; ++i) {
        const float x = Between(-6, 124), y = Between(-6, 84), side = Between(0.5f, 4.5f);
        const Color colour = Color::Argb(i % 3 ? 0xFFFFFFFFu : 0x80AEC2E0u);
        pair.quick.FillRect(x, y, side, side, colour);
        pair.plain.FillRect(x, y, side, side, colour);
    }
    pair.quick.DirtyRect(); // the frame is finished
    EXPECT_EQ(pair.plainPixels, pair.quickPixels);
    EXPECT_FALSE(AllZero(pair.quickPixels));
}

TEST(FrameCanvas, UnturnedSpritesBlendAsTheRasterizerBlendsThem) {
    std::vector<std::uint32_t> pixels;
    for (int i = 0; i < 40 * 30; ++i) {
        const std::uint32_t a = static_cast<std::uint32_t>(i * 7 % 256);
        pixels.push_back((a << 24) | ((a / 2) << 16) | ((a / 3) << 8) | (a / 4));
    }
    const Sprite puff(40, 30, pixels.data());
    Pair pair(100, 60);
    for (const int x : {-15, 10, 30, 75})
        for (const int y : {-10, 5, 40}) {
            pair.quick.DrawSprite(puff, x, y, 0);
            pair.plain.DrawSprite(puff, x, y, 0);
            pair.quick.DrawImage(puff, x + 3.0f, y + 2.0f, 40, 30);
            pair.plain.DrawImage(puff, x + 3.0f, y + 2.0f, 40, 30);
        }
    EXPECT_EQ(pair.plainPixels, pair.quickPixels);
}

TEST(FrameCanvas, HairlinesCoverTheAreaAndPixelsTheRasterizerCovers) {
    SeedRandom(11);
    for (int i = 0; i < 200; ++i) {
        Pair pair(64, 64);
        // A rain streak: 11 to 40 pixels down, up to its length's slant sideways.
        const PointF from{Between(-2, 66), Between(-20, 60)};
        const float down = Between(11, 40);
        const PointF to{from.x + Between(-down, down), from.y + down};
        const Pen pen{Color::Argb(0xFFAEC2E0u), 1.0f};
        pair.quick.DrawLine(from, to, pen);
        pair.plain.DrawLine(from, to, pen);
        pair.quick.DirtyRect();
        double quickArea = 0, plainArea = 0, worst = 0;
        for (std::size_t p = 0; p < pair.quickPixels.size(); ++p) {
            const double q = (pair.quickPixels[p] >> 24) / 255.0;
            const double s = (pair.plainPixels[p] >> 24) / 255.0;
            quickArea += q;
            plainArea += s;
            worst = std::max(worst, std::fabs(q - s));
        }
        // Only the ends differ: flat across the row here, square to the line there.
        EXPECT_NEAR(plainArea, quickArea, 0.02 * plainArea + 0.6) << i;
        EXPECT_LT(worst, 0.5) << i;
    }
}

TEST(FrameCanvas, TheNextFrameClearsWhatTheQuickPathsAndTheRasterizerDrew) {
    std::vector<std::uint32_t> pixels(300 * 200, 0);
    FrameCanvas canvas({pixels.data(), 300, 200, 300});
    std::vector<std::uint32_t> opaque(64 * 64, 0xFF102030u);
    const Sprite big(64, 64, opaque.data());

    canvas.BeginFrame();
    canvas.SetSmoothing(false);
    canvas.FillRect(5, 6, 2, 2, Color::Argb(0xFFFFFFFFu));
    canvas.SetSmoothing(true);
    canvas.DrawLine({290, 10}, {292, 40}, {Color::Argb(0x32AEC2E0u), 1.0f});
    canvas.FillEllipse(100, 150, 20, 20, Color::Argb(0xFF00FF00u));
    PixelRect dirty = canvas.DirtyRect();
    EXPECT_EQ(5, dirty.left);
    EXPECT_EQ(6, dirty.top);
    EXPECT_GE(dirty.right, 292);
    EXPECT_GE(dirty.bottom, 170);
    canvas.BeginFrame();
    EXPECT_TRUE(AllZero(pixels));
    dirty = canvas.DirtyRect();
    EXPECT_EQ(5, dirty.left) << "what was cleared changed on screen";

    // Pictures piled over one another are cleared as their common box.
    canvas.BeginFrame();
    for (int i = 0; i < 10; ++i)
        canvas.DrawSprite(big, 100 + i, 50 + i, 0);
    canvas.BeginFrame();
    EXPECT_TRUE(AllZero(pixels));
    canvas.BeginFrame();
    EXPECT_TRUE(canvas.DirtyRect().Empty());
}

} // namespace
} // namespace orvane
