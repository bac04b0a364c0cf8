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
    // Nothing of empty, inside-out, NaN or far-off ones; the edges of those that reach
    // past the frame by any amount.
    const float nan = std::nanf("");
    const RectF odd[] = {
        {10, 10, 0, 3},         {10, 10, 3, -1},        {nan, 5, 2, 2},
        {5, 5, nan, 2},         {1e12f, 5, 2, 2},       {-1e12f, 5, 2, 2},
        {-1e12f, 40, 2e12f, 1}, {60, -1e12f, 1, 2e12f}, {118.6f, 78.6f, 1e12f, 1e12f}};
    for (const RectF& r : odd) {
        pair.quick.FillRect(r.x, r.y, r.width, r.height, Color::Argb(0xFF102030u));
        pair.plain.FillRect(r.x, r.y, r.width, r.height, Color::Argb(0xFF102030u));
    }
    pair.quick.DirtyRect(); // the frame is finished
    EXPECT_EQ(pair.plainPixels, pair.quickPixels);
    EXPECT_FALSE(AllZero(pair.quickPixels));
    EXPECT_EQ(0xFF102030u, pair.quickPixels[40 * 120 + 0]) << "a row across the whole frame";
    EXPECT_EQ(0xFF102030u, pair.quickPixels[79 * 120 + 60]) << "a column down the whole frame";
    EXPECT_EQ(0xFF102030u, pair.quickPixels[79 * 120 + 119]) << "the last pixel";
}

TEST(FrameCanvas, ManyStarsSweptOverTheFrameGiveThePixelsOfDrawingThemOneByOne) {
    const int w = 160, h = 100;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(w) * h, 0);
    FrameCanvas swept({pixels.data(), w, h, w});
    swept.SetSmoothing(false);
    SeedRandom(9);
    // Enough stars to sweep the frame, then few (cleared one by one), then many again,
    // then a band's worth of rows tall ones; opaque and translucent.
    const int counts[] = {4000, 30, 4000, 3000};
    for (int frame = 0; frame < 4; ++frame) {
        std::vector<RectF> stars;
        for (int i = 0; i < counts[frame]; ++i) {
            const float side = Between(0.5f, 4.5f);
            stars.push_back({Between(-6, w + 4), Between(-6, h + 4), side,
                             frame == 3 ? Between(10, 16) : side});
        }
        const Color colour = Color::Argb(frame % 2 ? 0xFFFFFFFFu : 0x80AEC2E0u);
        std::vector<std::uint32_t> freshPixels(pixels.size(), 0);
        SoftwareCanvas fresh({freshPixels.data(), w, h, w});
        fresh.SetSmoothing(false);
        fresh.FillRects(stars.data(), stars.size(), colour);
        swept.BeginFrame();
        swept.FillRects(stars.data(), stars.size(), colour);
        swept.DirtyRect();
        EXPECT_EQ(freshPixels, pixels) << frame;
        EXPECT_FALSE(AllZero(pixels));
    }
    swept.BeginFrame();
    EXPECT_FALSE(swept.DirtyRect().Empty()) << "what was cleared changed on screen";
    EXPECT_TRUE(AllZero(pixels));
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

// A soft picture with transparent rows and columns inside it, and a transparent outer ring
// or none.
Sprite SoftPicture(int width, int height, bool ring) {
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool edge = x == 0 || y == 0 || x == width - 1 || y == height - 1;
            const bool clear = (ring && edge) || x == width / 2 || y == height / 3;
            const auto a = clear ? 0u : static_cast<std::uint32_t>((x * 37 + y * 91) % 256);
            pixels.push_back(a << 24 | (a * 3 / 4) << 16 | (a / 2) << 8 | (a / 5));
        }
    return Sprite(width, height, pixels.data());
}

int LargestChannelDifference(const std::vector<std::uint32_t>& a,
                             const std::vector<std::uint32_t>& b) {
    int largest = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        for (int shift = 0; shift < 32; shift += 8)
            largest = std::max(largest, std::abs(static_cast<int>((a[i] >> shift) & 0xFF) -
                                                 static_cast<int>((b[i] >> shift) & 0xFF)));
    return largest;
}

struct Placement {
    float x, y, width, height;
};

// Frames of the pictures, the first frame all of them and each next one fewer, its first
// picture landing on the last frame's, which is cleared as it goes. Returns each frame's
// largest channel difference.
std::vector<int> DrawFrames(Pair& pair, const Sprite& picture,
                            const std::vector<Placement>& placements) {
    std::vector<int> largest;
    for (std::size_t frame = 0; frame < placements.size(); ++frame) {
        pair.quick.BeginFrame();
        pair.plain.BeginFrame();
        for (std::size_t i = frame; i < placements.size(); ++i) {
            const Placement& p = placements[i];
            pair.quick.DrawImage(picture, p.x, p.y, p.width, p.height);
            pair.plain.DrawImage(picture, p.x, p.y, p.width, p.height);
        }
        const PixelRect quickDirty = pair.quick.DirtyRect();
        const PixelRect plainDirty = pair.plain.DirtyRect();
        largest.push_back(LargestChannelDifference(pair.plainPixels, pair.quickPixels));
        EXPECT_FALSE(AllZero(pair.quickPixels));
        EXPECT_TRUE(quickDirty.left >= plainDirty.left && quickDirty.top >= plainDirty.top &&
                    quickDirty.right <= plainDirty.right && quickDirty.bottom <= plainDirty.bottom)
            << "what changed is within what the rasterizer says changed, " << frame;
    }
    pair.quick.BeginFrame();
    pair.quick.DirtyRect();
    EXPECT_TRUE(AllZero(pair.quickPixels)) << "a frame without them leaves nothing";
    return largest;
}

TEST(FrameCanvas, PicturesMagnifiedAtLeastTwiceBlendAsTheRasterizerBlendsThem) {
    // Whole and fractional factors and positions, partly off every edge, over one another;
    // a picture whose outer texels show is magnified exactly even four times.
    Pair pair(150, 90);
    EXPECT_EQ(std::vector<int>(5, 0), DrawFrames(pair, SoftPicture(23, 17, false),
                                                 {{-4, -4, 92, 68},
                                                  {30, 10, 46, 34},
                                                  {-50.5f, 20.25f, 138, 102},
                                                  {70, -30, 57.5f, 40},
                                                  {5.75f, 33, 161, 119}}));
    Pair ringed(150, 90);
    EXPECT_EQ(std::vector<int>(3, 0),
              DrawFrames(ringed, SoftPicture(23, 17, true),
                         {{-6, -6, 138, 102}, {3, 2, 115, 85}, {-8, 5.5f, 92, 68}}));
}

TEST(FrameCanvas, ASoftLayerMagnifiedFourTimesIsWithinFourStepsOfTheRasterizer) {
    const Sprite layer = SoftPicture(23, 17, true);
    Pair pair(150, 90);
    const std::vector<int> largest =
        DrawFrames(pair, layer, {{-4, -4, 92, 68}, {30, 11, 92, 68}, {-37, 40, 92, 68}});
    // Each rounds by up to two steps, this one up and the rasterizer down; piled, the
    // differences of the pictures below show through.
    EXPECT_LE(largest.back(), 4);
    EXPECT_LE(*std::max_element(largest.begin(), largest.end()), 8);
    // Drawn once more onto a transparent frame: still premultiplied, and transparent
    // wherever its four texels are.
    pair.quick.BeginFrame();
    pair.plain.BeginFrame();
    pair.quick.DrawImage(layer, 9, -3, 92, 68);
    pair.plain.DrawImage(layer, 9, -3, 92, 68);
    pair.quick.DirtyRect();
    for (std::size_t i = 0; i < pair.quickPixels.size(); ++i) {
        const std::uint32_t p = pair.quickPixels[i];
        const std::uint32_t alpha = p >> 24;
        ASSERT_TRUE(((p >> 16) & 0xFF) <= alpha && ((p >> 8) & 0xFF) <= alpha &&
                    (p & 0xFF) <= alpha);
        if (p != 0)
            ASSERT_NE(0u, pair.plainPixels[i] | (alpha <= 2 ? 1u : 0u)) << i;
    }
}

TEST(FrameCanvas, AMagnifiedPictureTouchesOnlyTheColumnsAndRowsItsVisibleTexelsReach) {
    // Visible texels only in columns 10 to 13 and rows 4 to 5 of a 40 × 20 layer.
    std::vector<std::uint32_t> pixels(40 * 20, 0);
    for (int y = 4; y <= 5; ++y)
        for (int x = 10; x <= 13; ++x)
            pixels[static_cast<std::size_t>(y * 40 + x)] = 0x80404040u;
    const Sprite layer(40, 20, pixels.data());
    std::vector<std::uint32_t> frame(160 * 80, 0);
    FrameCanvas canvas({frame.data(), 160, 80, 160});
    canvas.BeginFrame();
    canvas.DrawImage(layer, 0, 0, 160, 80);
    const PixelRect dirty = canvas.DirtyRect();
    // Texel t is centred on pixel 4t + 2; a pixel mixes the two texels about its centre.
    EXPECT_GE(dirty.left, 4 * 9 + 2 - 4);
    EXPECT_LE(dirty.right, 4 * 14 + 2 + 4);
    EXPECT_GE(dirty.top, 4 * 3 + 2 - 4);
    EXPECT_LE(dirty.bottom, 4 * 6 + 2 + 4);
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 160; ++x)
            if (x < dirty.left || x >= dirty.right || y < dirty.top || y >= dirty.bottom)
                ASSERT_EQ(0u, frame[static_cast<std::size_t>(y * 160 + x)]) << x << ", " << y;
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

// Rain: streaks between whole pixel positions, 11 to 40 rows down and up to two columns
// aside, from above the top to below the bottom and past both sides; a few between
// fractional positions.
std::vector<std::pair<PointF, PointF>> Streaks(int count, int width, int height) {
    std::vector<std::pair<PointF, PointF>> streaks;
    for (int i = 0; i < count; ++i) {
        const float x = static_cast<float>(Rand() % (width + 8) - 4);
        const float y = static_cast<float>(Rand() % (height + 60) - 45);
        const float down = static_cast<float>(Rand() % 30 + 11);
        const float aside = static_cast<float>(Rand() % 7 - 2);
        if (i % 50 == 0)
            streaks.push_back({{x + 0.3f, y + 0.6f}, {x + aside + 0.45f, y + down + 0.2f}});
        else
            streaks.push_back({{x, y}, {x + aside, y + down}});
    }
    return streaks;
}

TEST(FrameCanvas, ManyHairlinesSweptOverTheFrameGiveThePixelsOfDrawingThemOneByOne) {
    const int w = 200, h = 150;
    Pair swept(w, h), oneByOne(w, h);
    std::vector<std::uint32_t> freshPixels(static_cast<std::size_t>(w) * h, 0);
    const Pen pen{Color::Argb(0x32AEC2E0u), 1.0f};
    SeedRandom(7);
    for (int frame = 0; frame < 3; ++frame) {
        // Enough streaks to cover the frame several times: the sweep pays for them.
        const auto streaks = Streaks(frame == 1 ? 40 : 3000, w, h);
        std::fill(freshPixels.begin(), freshPixels.end(), 0u);
        FrameCanvas fresh({freshPixels.data(), w, h, w});
        swept.quick.BeginFrame();
        oneByOne.quick.BeginFrame();
        oneByOne.quick.DirtyRect(); // the last frame cleared before anything is drawn
        for (const auto& [from, to] : streaks) {
            swept.quick.DrawLine(from, to, pen);
            oneByOne.quick.DrawLine(from, to, pen);
            fresh.DrawLine(from, to, pen);
        }
        const PixelRect sweptDirty = swept.quick.DirtyRect();
        const PixelRect oneDirty = oneByOne.quick.DirtyRect();
        fresh.DirtyRect();
        EXPECT_EQ(oneByOne.quickPixels, swept.quickPixels) << frame;
        EXPECT_EQ(freshPixels, swept.quickPixels) << "nothing of the last frame is left, " << frame;
        EXPECT_FALSE(AllZero(swept.quickPixels));
        EXPECT_EQ(oneDirty.left, sweptDirty.left);
        EXPECT_EQ(oneDirty.top, sweptDirty.top);
        EXPECT_EQ(oneDirty.right, sweptDirty.right);
        EXPECT_EQ(oneDirty.bottom, sweptDirty.bottom);
    }
    // A frame after them that draws nothing leaves nothing.
    swept.quick.BeginFrame();
    EXPECT_EQ(0, swept.quick.DirtyRect().left);
    EXPECT_TRUE(AllZero(swept.quickPixels));
}

TEST(FrameCanvas, LinesGivenTogetherDrawAsEachDrawnAlone) {
    // Steep streaks (queued), shallow and far-off lines (the rasterizer's), with the
    // hairline pen and with pens that are not, between other shapes.
    const int w = 120, h = 90;
    SeedRandom(11);
    std::vector<LineF> lines;
    for (const auto& [from, to] : Streaks(400, w, h))
        lines.push_back({from, to});
    lines.push_back({{5, 40}, {100, 52}});
    lines.push_back({{-1e12f, 10}, {30, 1e12f}});
    lines.push_back({{60, 20}, {60, 20}});
    const Pen pens[] = {{Color::Argb(0x32AEC2E0u), 1.0f},
                        {Color::Argb(0xFF20C040u), 1.0f, LineCap::Round},
                        {Color::Argb(0x80FF2020u), 2.0f}};
    for (const Pen& pen : pens) {
        std::vector<std::uint32_t> together(static_cast<std::size_t>(w) * h, 0), alone(together);
        FrameCanvas batch({together.data(), w, h, w}), single({alone.data(), w, h, w});
        for (FrameCanvas* canvas : {&batch, &single})
            canvas->FillRect(10, 10, 30, 20, Color::Argb(0xFF102030u));
        batch.DrawLines(lines.data(), lines.size(), pen);
        for (const LineF& line : lines)
            single.DrawLine(line.from, line.to, pen);
        for (FrameCanvas* canvas : {&batch, &single}) {
            canvas->FillEllipse(50, 30, 20, 20, Color::Argb(0x80FFFFFFu));
            canvas->DirtyRect();
        }
        EXPECT_EQ(alone, together) << pen.width;
        EXPECT_FALSE(AllZero(together));
    }
}

TEST(FrameCanvas, StreaksOfSeveralColoursEachBlendTheirOwn) {
    // Streaks in two colours taking turns, each turn a batch of its own, give the pixels of
    // drawing each colour's streaks alone (they do not touch); the next frame takes them
    // the other way round.
    const int w = 90, h = 60;
    const Pen pens[] = {{Color::Argb(0xC0FF4020u), 1.0f}, {Color::Argb(0x602080FFu), 1.0f}};
    const auto draw = [&pens](FrameCanvas& canvas, int i) {
        const float x = 10.0f * i + 5;
        canvas.DrawLine({x, 5}, {x + i % 3, 25.0f + i}, pens[i % 2]);
    };
    std::vector<std::uint32_t> mixed(static_cast<std::size_t>(w) * h, 0);
    FrameCanvas canvas({mixed.data(), w, h, w});
    std::vector<std::uint32_t> alone[2];
    for (int colour = 0; colour < 2; ++colour) {
        alone[colour].assign(mixed.size(), 0);
        FrameCanvas one({alone[colour].data(), w, h, w});
        for (int i = colour; i < 8; i += 2)
            draw(one, i);
        one.DirtyRect();
        EXPECT_FALSE(AllZero(alone[colour]));
    }
    for (int frame = 0; frame < 2; ++frame) {
        canvas.BeginFrame();
        for (int i = 0; i < 8; ++i)
            draw(canvas, frame == 0 ? i : 7 - i);
        canvas.DirtyRect();
        for (std::size_t p = 0; p < mixed.size(); ++p)
            ASSERT_EQ(alone[0][p] | alone[1][p], mixed[p]) << frame << ", pixel " << p;
    }
}

TEST(FrameCanvas, UnturnedSpritesDrawAndClearOnlyTheirVisibleRuns) {
    // A soft disc inside a transparent margin, with a transparent row through the middle.
    const int side = 60;
    std::vector<std::uint32_t> pixels(side * side, 0);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const int dx = x - 30, dy = y - 30;
            const int a = std::max(0, 200 - (dx * dx + dy * dy) / 3);
            if (y != 30)
                pixels[static_cast<std::size_t>(y * side + x)] =
                    static_cast<std::uint32_t>(a) << 24 | static_cast<std::uint32_t>(a / 2) << 8;
        }
    const Sprite puff(side, side, pixels.data());
    Pair pair(100, 80);
    pair.quick.BeginFrame();
    for (const auto& [x, y] : {std::pair{10, 5}, {40, 20}, {-30, 10}}) {
        pair.quick.DrawSprite(puff, x, y, 0);
        pair.plain.DrawSprite(puff, x, y, 0);
    }
    const PixelRect dirty = pair.quick.DirtyRect();
    EXPECT_EQ(pair.plainPixels, pair.quickPixels);
    // The disc reaches 24 pixels from its centre (alpha 200 − 625 / 3 < 0 beyond): the
    // margins are not part of what was drawn.
    EXPECT_EQ(5 + 30 - 24, dirty.top);
    EXPECT_EQ(40 + 30 + 25, dirty.right);
    EXPECT_EQ(20 + 30 + 25, dirty.bottom);
    EXPECT_EQ(0, dirty.left);
    pair.quick.BeginFrame();
    pair.quick.DirtyRect();
    EXPECT_TRUE(AllZero(pair.quickPixels));
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
    dirty = canvas.DirtyRect(); // a frame that draws nothing
    EXPECT_TRUE(AllZero(pixels));
    EXPECT_EQ(5, dirty.left) << "what was cleared changed on screen";

    // Pictures piled over one another are cleared as their common box.
    canvas.BeginFrame();
    for (int i = 0; i < 10; ++i)
        canvas.DrawSprite(big, 100 + i, 50 + i, 0);
    canvas.BeginFrame();
    canvas.DirtyRect();
    EXPECT_TRUE(AllZero(pixels));
    canvas.BeginFrame();
    EXPECT_TRUE(canvas.DirtyRect().Empty());
}

} // namespace
} // namespace orvane
