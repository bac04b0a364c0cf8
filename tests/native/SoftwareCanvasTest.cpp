#include "effects/SoftwareCanvas.h"
#include "effects/Sprite.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstdint>
#include <vector>

namespace orvane {
namespace {

// A canvas over its own zeroed pixels.
struct Frame {
    Frame(int w, int h)
        : pixels(static_cast<std::size_t>(w) * h, 0), canvas({pixels.data(), w, h, w}) {}
    std::uint32_t At(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * canvas.Width() + x];
    }
    bool AllZero() const {
        for (std::uint32_t p : pixels)
            if (p)
                return false;
        return true;
    }
    // Sum of alpha / 255 over the frame: the covered area in pixels.
    double Area() const {
        double sum = 0;
        for (std::uint32_t p : pixels)
            sum += (p >> 24) / 255.0;
        return sum;
    }
    std::vector<std::uint32_t> pixels;
    SoftwareCanvas canvas;
};

std::uint32_t Alpha(std::uint32_t p) {
    return p >> 24;
}

// Distinct premultiplied pixels, some opaque, some partly and some fully transparent.
Sprite NumberedSprite(int w, int h) {
    std::vector<std::uint32_t> pixels;
    for (int i = 0; i < w * h; ++i) {
        const std::uint32_t a = i % 5 == 4 ? 0 : (i % 3 == 0 ? 255 : 100 + i % 100);
        const std::uint32_t c = (static_cast<std::uint32_t>(i) * 37) % (a + 1);
        pixels.push_back(a ? (a << 24) | (c << 16) | ((a - c) << 8) | (c / 2) : 0);
    }
    return Sprite(w, h, pixels.data());
}

TEST(SoftwareCanvas, AnUnturnedSpriteIsCopiedExactlyAndClippedAtTheEdges) {
    const Sprite sprite = NumberedSprite(7, 5);
    Frame frame(20, 12);
    frame.canvas.DrawSprite(sprite, 3, 4, 0);
    frame.canvas.DrawSprite(sprite, -2, -3, 360); // a full turn is no turn
    frame.canvas.DrawSprite(sprite, 17, 9, 0);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 20; ++x) {
            std::uint32_t expected = 0;
            if (x >= 3 && x < 10 && y >= 4 && y < 9)
                expected = sprite.Pixel(x - 3, y - 4);
            else if (x < 5 && y < 2)
                expected = sprite.Pixel(x + 2, y + 3);
            else if (x >= 17 && y >= 9)
                expected = sprite.Pixel(x - 17, y - 9);
            ASSERT_EQ(expected, frame.At(x, y)) << x << "," << y;
        }
}

// Turning by a quarter about (x + w/2, y + h/2) moves each pixel whole: the pixel whose
// centre lies at (dx, dy) from the pivot goes to (−dy, dx) (clockwise on screen).
void ExpectQuarterTurns(int w, int h, int turns) {
    const Sprite sprite = NumberedSprite(w, h);
    Frame frame(40, 40);
    const int x = 15, y = 16;
    frame.canvas.DrawSprite(sprite, x, y, 90 * turns);
    std::vector<std::uint32_t> expected(40 * 40, 0);
    const double cx = x + w / 2, cy = y + h / 2;
    for (int v = 0; v < h; ++v)
        for (int u = 0; u < w; ++u) {
            double dx = x + u + 0.5 - cx, dy = y + v + 0.5 - cy;
            for (int t = 0; t < turns; ++t) {
                const double turned = -dy;
                dy = dx;
                dx = turned;
            }
            const int tx = static_cast<int>(std::floor(cx + dx)),
                      ty = static_cast<int>(std::floor(cy + dy));
            expected[ty * 40 + tx] = sprite.Pixel(u, v);
        }
    for (int i = 0; i < 40 * 40; ++i)
        ASSERT_EQ(expected[i], frame.pixels[i])
            << w << "x" << h << " turned " << 90 * turns << "°, pixel " << i % 40 << "," << i / 40;
}

TEST(SoftwareCanvas, QuarterTurnsMoveWholePixelsClockwise) {
    ExpectQuarterTurns(6, 4, 1);
    ExpectQuarterTurns(5, 3, 1);
    ExpectQuarterTurns(5, 3, 2);
    ExpectQuarterTurns(4, 7, 3);
}

TEST(SoftwareCanvas, AnyTurnKeepsTheSpritesAreaAndCentre) {
    std::vector<std::uint32_t> opaque(32 * 16, 0xFF204080u);
    const Sprite bar(32, 16, opaque.data());
    for (int angle : {17, 45, 123, 301, -30}) {
        Frame frame(80, 80);
        frame.canvas.DrawSprite(bar, 24, 32, angle);
        EXPECT_NEAR(32 * 16, frame.Area(), 32 * 16 * 0.03) << angle;
        EXPECT_EQ(255u, Alpha(frame.At(40, 40))) << "the pivot stays covered at " << angle;
        // Colour channels never exceed alpha: still valid premultiplied pixels.
        for (std::uint32_t p : frame.pixels)
            for (int shift : {0, 8, 16})
                ASSERT_LE((p >> shift) & 0xFF, Alpha(p));
    }
    // At 90° the 32 × 16 bar stands upright: 16 wide, 32 high.
    Frame upright(80, 80);
    upright.canvas.DrawSprite(bar, 24, 32, 90);
    EXPECT_EQ(255u, Alpha(upright.At(40, 25)));
    EXPECT_EQ(0u, upright.At(40, 23));
    EXPECT_EQ(0u, upright.At(30, 40));
}

// The same pixels inside a transparent border wide enough that the canvas samples the
// picture afresh on every draw instead of keeping its turns; drawn `border` further up and
// left, it turns about the same pivot.
Sprite Bordered(const Sprite& sprite, int border) {
    const int w = sprite.Width() + 2 * border, h = sprite.Height() + 2 * border;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(w) * h, 0);
    for (int y = 0; y < sprite.Height(); ++y)
        for (int x = 0; x < sprite.Width(); ++x)
            pixels[static_cast<std::size_t>(y + border) * w + x + border] = sprite.Pixel(x, y);
    return Sprite(w, h, pixels.data());
}

// Largest difference of one channel between two pixels.
int ChannelDistance(std::uint32_t a, std::uint32_t b) {
    int largest = 0;
    for (int shift = 0; shift < 32; shift += 8)
        largest = std::max(largest, std::abs(static_cast<int>((a >> shift) & 0xFF) -
                                             static_cast<int>((b >> shift) & 0xFF)));
    return largest;
}

TEST(SoftwareCanvas, KeptTurnsDrawWhatSamplingAfreshDraws) {
    const Sprite sprite = NumberedSprite(37, 23);
    constexpr int kBorder = 70;
    const Sprite sampled = Bordered(sprite, kBorder);
    ASSERT_GT(sampled.Width(), 160) << "the reference must be too large to keep its turns";
    const struct { int x, y; } places[] = {{40, 30}, {-15, 10}, {60, -12}, {85, 85}, {-30, 90}};
    for (int angle : {0, 1, 17, 45, 90, 133, 179, 180, 181, 200, 271, 359, -30}) {
        for (const auto& place : places) {
            Frame kept(100, 100), afresh(100, 100);
            // Over a half-transparent ground, so that blending is compared too.
            for (Frame* frame : {&kept, &afresh})
                frame->canvas.Fill(Color::Argb(0x60204060));
            kept.canvas.DrawSprite(sprite, place.x, place.y, angle);
            kept.canvas.DrawSprite(sprite, place.x, place.y, angle); // now from what was kept
            for (int twice = 0; twice < 2; ++twice)
                afresh.canvas.DrawSprite(sampled, place.x - kBorder, place.y - kBorder, angle);
            // Sampling rounds texel coordinates to 1/65536 from where the row starts, so
            // the same turn sampled at another place (or mirrored) may differ by a level or
            // two; a misplaced pixel differs by far more.
            const int tolerance = angle % 90 == 0 ? 0 : 2;
            int worst = 0;
            for (std::size_t i = 0; i < kept.pixels.size(); ++i)
                worst = std::max(worst, ChannelDistance(kept.pixels[i], afresh.pixels[i]));
            EXPECT_LE(worst, tolerance) << angle << "° at " << place.x << "," << place.y;
        }
    }
}

TEST(SoftwareCanvas, TransparentMarginsOfASpriteAreNeitherDrawnNorCleared) {
    // A 6 × 4 patch in the middle of a 30 × 20 picture.
    std::vector<std::uint32_t> pixels(30 * 20, 0);
    for (int y = 8; y < 12; ++y)
        for (int x = 12; x < 18; ++x)
            pixels[y * 30 + x] = 0xFFFFFFFFu;
    const Sprite patch(30, 20, pixels.data());
    Frame frame(100, 100);
    frame.canvas.BeginFrame();
    frame.canvas.DrawSprite(patch, 10, 20, 0);
    PixelRect dirty = frame.canvas.DirtyRect();
    EXPECT_EQ(22, dirty.left);
    EXPECT_EQ(28, dirty.top);
    EXPECT_EQ(28, dirty.right);
    EXPECT_EQ(32, dirty.bottom);
    // Half a turn about the pivot (25, 30) mirrors the patch onto itself.
    frame.canvas.BeginFrame();
    frame.canvas.DrawSprite(patch, 10, 20, 180);
    dirty = frame.canvas.DirtyRect(); // what was cleared is the same box
    EXPECT_EQ(22, dirty.left);
    EXPECT_EQ(28, dirty.top);
    EXPECT_EQ(28, dirty.right);
    EXPECT_EQ(32, dirty.bottom);
    EXPECT_NEAR(24.0, frame.Area(), 1e-9);
}

TEST(SoftwareCanvas, CompositesPremultipliedSourceOver) {
    Frame frame(4, 1);
    frame.canvas.Fill(Color::Argb(0xFF0000FF)); // opaque blue
    // Half-transparent red, premultiplied: alpha 128, red 128.
    const std::uint32_t halfRed = 0x80800000u;
    const Sprite sprite(1, 1, &halfRed);
    frame.canvas.DrawSprite(sprite, 1, 0, 0);
    // d' = s + d × (255 − 128) / 255, rounded per channel.
    EXPECT_EQ(0xFF80007Fu, frame.At(1, 0));
    EXPECT_EQ(0xFF0000FFu, frame.At(0, 0));

    // Over a half-transparent destination alpha adds up too.
    Frame light(1, 1);
    light.canvas.Fill(Color::Argb(0x8000FF00)); // premultiplied 0x80008000
    EXPECT_EQ(0x80008000u, light.At(0, 0));
    light.canvas.DrawSprite(sprite, 0, 0, 0);
    EXPECT_EQ(0xC0804000u, light.At(0, 0));
}

TEST(SoftwareCanvas, NextFrameClearsExactlyWhatThePreviousDrewAndReportsTheChangedArea) {
    std::vector<std::uint32_t> opaque(10 * 10, 0xFFFFFFFFu);
    const Sprite square(10, 10, opaque.data());
    Frame frame(200, 100);
    frame.canvas.BeginFrame();
    frame.canvas.DrawSprite(square, 20, 30, 33);
    frame.canvas.DrawLine({5, 5}, {60, 20}, {Color::Argb(0xFFFF0000), 3, LineCap::Round});
    frame.canvas.FillEllipse(100, 10, 30, 20, Color::Argb(0x80FFFFFF));
    frame.canvas.FillRadialGlow(150, 50, 40, 40, Color::Argb(0xFFFFFF00), Color::Argb(0x00FFFF00));
    frame.canvas.FillRotatedRect(50, 80, 20, 6, 30, Color::Argb(0xFF00FF00));
    frame.canvas.DrawImage(square, 120.5f, 60.25f, 23, 17);
    const PixelRect first = frame.canvas.DirtyRect();
    EXPECT_LE(first.left, 4);
    EXPECT_LE(first.top, 3);
    EXPECT_GE(first.right, 190);
    EXPECT_GE(first.bottom, 90);
    ASSERT_FALSE(frame.AllZero());

    frame.canvas.BeginFrame();
    EXPECT_TRUE(frame.AllZero());
    // The cleared area still counts as changed in the frame that clears it.
    const PixelRect second = frame.canvas.DirtyRect();
    EXPECT_EQ(first.left, second.left);
    EXPECT_EQ(first.bottom, second.bottom);

    frame.canvas.BeginFrame();
    EXPECT_TRUE(frame.canvas.DirtyRect().Empty()) << "nothing drawn, nothing to clear";
    frame.canvas.DrawSprite(square, 0, 0, 0);
    const PixelRect third = frame.canvas.DirtyRect();
    EXPECT_EQ(0, third.left);
    EXPECT_EQ(10, third.right);
    EXPECT_EQ(10, third.bottom);
}

TEST(SoftwareCanvas, ShapesCoverTheirGeometricArea) {
    const Color white = Color::Argb(0xFFFFFFFF);
    {
        Frame frame(10, 4);
        frame.canvas.FillRect(2.5f, 1, 3, 2, white);
        EXPECT_EQ(128u, Alpha(frame.At(2, 1)));
        EXPECT_EQ(255u, Alpha(frame.At(3, 2)));
        EXPECT_EQ(128u, Alpha(frame.At(5, 2)));
        EXPECT_EQ(0u, frame.At(6, 1));
        EXPECT_NEAR(6.0, frame.Area(), 0.01);
    }
    {
        Frame frame(100, 100);
        frame.canvas.FillEllipse(20.3f, 10.7f, 60, 40, white);
        EXPECT_NEAR(3.14159 * 30 * 20, frame.Area(), 3.14159 * 30 * 20 * 0.005);
    }
    {
        Frame frame(100, 100);
        frame.canvas.DrawEllipse(20, 20, 50, 50, {white, 4});
        EXPECT_NEAR(3.14159 * (27 * 27 - 23 * 23), frame.Area(), 3.0);
        EXPECT_EQ(0u, frame.At(45, 45)) << "an outline leaves the inside empty";
    }
    {
        // Caps: flat adds nothing, square half the width at each end, round a circle.
        const struct {
            LineCap cap;
            double area;
        } cases[] = {{LineCap::Flat, 40 * 4},
                     {LineCap::Square, 44 * 4},
                     {LineCap::Round, 40 * 4 + 3.14159 * 4}};
        for (const auto& c : cases) {
            Frame frame(80, 30);
            frame.canvas.DrawLine({20, 15.3f}, {60, 15.3f}, {white, 4, c.cap});
            EXPECT_NEAR(c.area, frame.Area(), 1.0) << static_cast<int>(c.cap);
        }
    }
    {
        // A right-angled corner of width 4: two 20-long arms that overlap in a 2 × 2
        // square (156 pixels), plus the outer corner the join fills.
        const PointF corner[] = {{10, 10}, {30, 10}, {30, 30}};
        const struct {
            LineJoin join;
            double area;
        } cases[] = {{LineJoin::Miter, 156 + 4},
                     {LineJoin::Bevel, 156 + 2},
                     {LineJoin::Round, 156 + 3.14159}};
        for (const auto& c : cases) {
            Frame frame(50, 50);
            Pen pen{white, 4};
            pen.join = c.join;
            frame.canvas.DrawPolyline(corner, 3, pen);
            EXPECT_NEAR(c.area, frame.Area(), 1.0) << static_cast<int>(c.join);
        }
    }
    {
        Frame frame(60, 60);
        frame.canvas.FillRotatedRect(30, 30, 30, 10, 45, white);
        EXPECT_NEAR(300, frame.Area(), 2.0);
        EXPECT_EQ(255u, Alpha(frame.At(36, 36))) << "along the turned long side";
        EXPECT_EQ(0u, frame.At(36, 24));
    }
}

TEST(SoftwareCanvas, WithoutSmoothingEdgesAreHardAndLinesKeepTheirWidth) {
    Frame frame(60, 60);
    frame.canvas.SetSmoothing(false);
    frame.canvas.FillEllipse(5.3f, 5.6f, 40, 30, Color::Argb(0xFFFFFFFF));
    frame.canvas.DrawLine({3, 50.2f}, {57, 48.7f}, {Color::Argb(0xFFFF0000), 3});
    frame.canvas.FillRect(50.3f, 2.5f, 4.4f, 2, Color::Argb(0xFF00FF00));
    for (std::uint32_t p : frame.pixels)
        ASSERT_TRUE(Alpha(p) == 0 || Alpha(p) == 255);
    EXPECT_NEAR(3.14159 * 20 * 15, frame.Area() - 54 * 3 - 4 * 2, 20);
}

TEST(SoftwareCanvas, GlowRunsFromTheCentreColourToTheEdgeColour) {
    Frame frame(101, 101);
    frame.canvas.FillRadialGlow(0.5f, 0.5f, 100, 100, Color::Argb(0xFFFFFFFF),
                                Color::Argb(0xFF0000FF));
    EXPECT_EQ(0xFFFFFFFFu, frame.At(50, 50) | 0x00010101u);
    const std::uint32_t half = frame.At(75, 50); // halfway out
    EXPECT_NEAR(128, (half >> 16) & 0xFF, 2);
    EXPECT_EQ(0xFFu, half & 0xFF);
    EXPECT_EQ(0u, frame.At(2, 2)) << "outside the ellipse";
    Frame fading(101, 101);
    fading.canvas.FillRadialGlow(0.5f, 0.5f, 100, 100, Color::Argb(0xFFFFFFFF),
                                 Color::Argb(0x00FFFFFF));
    EXPECT_NEAR(3.14159 * 50 * 50 / 3, fading.Area(), 60) << "alpha falls off linearly: a cone";
}

TEST(SoftwareCanvas, AStretchedImageKeepsItsColourInside) {
    std::vector<std::uint32_t> solid(4 * 4, 0xFF336699u);
    const Sprite sprite(4, 4, solid.data());
    Frame frame(30, 30);
    frame.canvas.DrawImage(sprite, 5, 5, 16, 12);
    for (int y = 5; y < 17; ++y)
        for (int x = 5; x < 21; ++x)
            ASSERT_EQ(0xFF336699u, frame.At(x, y)) << x << "," << y;
    EXPECT_EQ(0u, frame.At(4, 10));
    EXPECT_EQ(0u, frame.At(22, 10));
    EXPECT_EQ(0u, frame.At(10, 17));
    EXPECT_EQ(16 * 12, frame.Area());
}

} // namespace
} // namespace orvane
