// Shapes with coordinates far outside the frame, not numbers, or ending just inside an
// edge. This suite is built with AddressSanitizer and the undefined-behaviour checks
// (float-to-int overflow included): a write before a row of the coverage mask or an
// overflowing conversion stops it, and a guard band around the frame shows any pixel
// written outside it.
#include "effects/Coverage.h"
#include "effects/SoftwareCanvas.h"
#include "effects/Sprite.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace orvane {
namespace {

constexpr int kW = 64, kH = 48, kGuard = 16;
constexpr std::uint32_t kCanary = 0x5A5A5A5Au;
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

// A frame inside a band of canary pixels on every side, the rows kGuard pixels apart.
struct GuardedFrame {
    GuardedFrame()
        : memory(static_cast<std::size_t>(kW + 2 * kGuard) * (kH + 2 * kGuard), kCanary),
          canvas({At(0, 0), kW, kH, kW + 2 * kGuard}) {
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x)
                *At(x, y) = 0;
    }
    std::uint32_t* At(int x, int y) {
        return memory.data() + static_cast<std::size_t>(y + kGuard) * (kW + 2 * kGuard) + x +
               kGuard;
    }
    // Pixels of the guard band that were written.
    int Trampled() {
        int count = 0;
        for (int y = -kGuard; y < kH + kGuard; ++y)
            for (int x = -kGuard; x < kW + kGuard; ++x)
                if ((x < 0 || y < 0 || x >= kW || y >= kH) && *At(x, y) != kCanary)
                    ++count;
        return count;
    }
    int Drawn() {
        int count = 0;
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x)
                count += *At(x, y) != 0;
        return count;
    }
    std::vector<std::uint32_t> memory;
    SoftwareCanvas canvas;
};

struct Shape {
    std::string name;
    std::function<void(ICanvas&)> draw;
    // Pixels that must be drawn (the shape crosses the frame there); none for shapes that
    // lie wholly outside or are not numbers.
    std::vector<std::pair<int, int>> covered;
    bool coverageOpen = false;
};

const Pen kPen{Color::Argb(0xFFFFFFFF), 3.0f};
const Pen kRoundPen{Color::Argb(0xFFFFFFFF), 3.0f, LineCap::Round, LineJoin::Round};
const Pen kSquarePen{Color::Argb(0xFFFFFFFF), 3.0f, LineCap::Square, LineJoin::Bevel};
constexpr Color kWhite = Color::Argb(0xFFFFFFFF);

Sprite Opaque(int w, int h) {
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(w) * h, 0xFFFFFFFFu);
    return Sprite(w, h, pixels.data());
}

std::vector<Shape> Shapes() {
    auto line = [](PointF a, PointF b, const Pen& pen) {
        return [a, b, pen](ICanvas& c) { c.DrawLine(a, b, pen); };
    };
    auto polyline = [](std::vector<PointF> points, const Pen& pen) {
        return [points, pen](ICanvas& c) { c.DrawPolyline(points.data(), points.size(), pen); };
    };
    return {
        {"horizontal line across, ends at ±1e9",
         line({-1e9f, 20}, {1e9f, 20}, kPen),
         {{0, 20}, {32, 20}, {63, 20}}},
        {"vertical line across, ends at ±1e9",
         line({30, -1e9f}, {30, 1e9f}, kSquarePen),
         {{30, 0}, {30, 47}}},
        {"diagonal line through the frame from ±1e9",
         line({-1e9f, -1e9f}, {1e9f, 1e9f}, kPen),
         {{5, 5}, {20, 20}, {40, 40}}},
        {"round-capped line from far away ending inside",
         line({-1e9f, 10}, {40, 10}, kRoundPen),
         {{0, 10}, {40, 10}}},
        {"line wholly outside", line({1e9f, 1e9f}, {2e9f, -3e9f}, kPen), {}},
        {"line far below", line({0, 1e9f}, {64, 1e9f}, kPen), {}},
        {"line at the float limit", line({-3e38f, 24}, {3e38f, 24}, kPen), {{32, 24}}},
        {"line with a point that is not a number", line({10, 10}, {kNaN, 30}, kPen), {}},
        {"line to infinity", line({10, 10}, {kInf, 10}, kPen), {}},
        {"polyline in and out of the frame",
         polyline({{-1e9f, 5}, {30, 5}, {30, 1e9f}, {50, -1e9f}, {1e9f, 40}}, kPen),
         {{10, 5}, {30, 30}}},
        {"polyline with round joins far away",
         polyline({{-1e9f, -1e9f}, {-1e9f, 1e9f}, {1e9f, 1e9f}, {32, 24}}, kRoundPen),
         {{32, 24}}},
        {"polyline with a point that is not a number",
         polyline({{0, 0}, {20, 20}, {kNaN, kNaN}, {40, 0}}, kPen),
         {}},
        {"polyline ending on the top border just inside",
         polyline({{47, -1361.14636f}, {0, 6.3e-6f}, {0, 30}}, kPen),
         {{0, 20}}},
        {"ellipse of radius 1e9 around the frame",
         [](ICanvas& c) { c.FillEllipse(-1e9f, -1e9f, 2e9f, 2e9f, kWhite); },
         {{0, 0}, {63, 47}}},
        {"ellipse far right", [](ICanvas& c) { c.FillEllipse(1e9f, 10, 20, 20, kWhite); }, {}},
        {"ellipse far left", [](ICanvas& c) { c.FillEllipse(-1e9f, 10, 20, 20, kWhite); }, {}},
        {"ellipse at the float limit",
         [](ICanvas& c) { c.FillEllipse(-3e38f, -3e38f, 3.4e38f, 3.4e38f, kWhite); },
         {}},
        {"ellipse outline far away",
         [](ICanvas& c) { c.DrawEllipse(-3e9f, -1e9f, 1e9f, 2e9f, kPen); },
         {}},
        {"ellipse that is not a number",
         [](ICanvas& c) { c.FillEllipse(kNaN, 10, 20, 20, kWhite); },
         {}},
        {"rectangle covering the frame from ±1e9",
         [](ICanvas& c) { c.FillRect(-1e9f, -1e9f, 2e9f, 2e9f, kWhite); },
         {{0, 0}, {63, 47}}},
        {"rectangle far right", [](ICanvas& c) { c.FillRect(1e20f, 0, 10, 10, kWhite); }, {}},
        {"rectangle far left of the frame",
         [](ICanvas& c) { c.FillRect(-1e20f, 0, 10, 10, kWhite); },
         {}},
        {"rectangle that is not a number",
         [](ICanvas& c) { c.FillRect(kNaN, kNaN, 10, 10, kWhite); },
         {}},
        {"rectangle of infinite size",
         [](ICanvas& c) { c.FillRect(-kInf, 0, kInf, 10, kWhite); },
         {}},
        {"turned rectangle from far away crossing the frame",
         [](ICanvas& c) { c.FillRotatedRect(32, 24, 2e4f, 4, 30, kWhite); },
         {{32, 24}}},
        // Its corners a billion pixels away lose the rectangle's height to single
        // precision; what it covers is open, only where it may draw is not.
        {"turned rectangle a billion pixels long",
         [](ICanvas& c) { c.FillRotatedRect(32, 24, 2e9f, 4, 30, kWhite); },
         {},
         true},
        {"turned rectangle far away",
         [](ICanvas& c) { c.FillRotatedRect(1e9f, -1e9f, 10, 10, 45, kWhite); },
         {}},
        {"turned rectangle turned by a number that is not one",
         [](ICanvas& c) { c.FillRotatedRect(32, 24, 10, 10, kNaN, kWhite); },
         {}},
        {"glow far away",
         [](ICanvas& c) {
             c.FillRadialGlow(1e9f, 1e9f, 8, 8, kWhite, Color::Argb(0));
             c.FillRadialGlow(-1e9f, -1e20f, 8, 8, kWhite, Color::Argb(0));
         },
         {}},
        {"glow that is not a number",
         [](ICanvas& c) { c.FillRadialGlow(kNaN, 5, 8, 8, kWhite, Color::Argb(0)); },
         {}},
        {"picture stretched from far away over the frame",
         [](ICanvas& c) { c.DrawImage(Opaque(4, 4), -1e9f, -1e9f, 2e9f, 2e9f); },
         {{0, 0}, {63, 47}}},
        {"picture far away and squeezed to nothing",
         [](ICanvas& c) {
             const Sprite s = Opaque(4, 4);
             c.DrawImage(s, 1e20f, 5, 4, 4);
             c.DrawImage(s, -1e20f, 5, 4, 4);
             c.DrawImage(s, 10.5f, 5, 1e-30f, 1e-30f);
             c.DrawImage(s, kNaN, 5, 4, 4);
         },
         {}},
        {"sprites at the ends of the int range",
         [](ICanvas& c) {
             const Sprite s = Opaque(5, 3);
             for (int angle : {0, 90, 37})
                 for (int v : {std::numeric_limits<int>::max(), std::numeric_limits<int>::min()}) {
                     c.DrawSprite(s, v, 5, angle);
                     c.DrawSprite(s, 5, v, angle);
                 }
         },
         {}},
    };
}

TEST(RasterizerBounds, ShapesFromFarOutsideDrawOnlyInsideTheFrame) {
    for (bool smoothing : {true, false})
        for (const Shape& shape : Shapes()) {
            GuardedFrame frame;
            frame.canvas.SetSmoothing(smoothing);
            frame.canvas.BeginFrame();
            shape.draw(frame.canvas);
            ASSERT_EQ(0, frame.Trampled()) << shape.name;
            for (auto [x, y] : shape.covered)
                EXPECT_NE(0u, *frame.At(x, y)) << shape.name << ": pixel " << x << "," << y;
            if (shape.covered.empty() && !shape.coverageOpen)
                EXPECT_EQ(0, frame.Drawn()) << shape.name;
            // Clearing what the frame drew stays inside it as well and leaves it empty.
            frame.canvas.BeginFrame();
            EXPECT_EQ(0, frame.Trampled()) << shape.name;
            EXPECT_EQ(0, frame.Drawn()) << shape.name;
        }
}

// Coverage of one mask row, each value 0 to 255.
std::vector<int> Row(CoverageMask& mask, int y) {
    std::vector<unsigned char> row(static_cast<std::size_t>(mask.Width()));
    mask.TakeRow(y, row.data());
    return {row.begin(), row.end()};
}

TEST(RasterizerBounds, AnEdgeFromFarAboveEndingJustInsideTheTopStaysInTheRow) {
    // Clipped at the top, this edge's x came out a hair below 0: a cell before the row.
    CoverageMask mask;
    mask.Reset(0, 0, 48, 48);
    const PointF sliver[] = {{47, -1361.14636f}, {0, 6.3e-6f}, {0, -1361.14636f}};
    mask.AddPolygon(sliver, 3);
    for (int y = 0; y < 48; ++y)
        for (int c : Row(mask, y))
            ASSERT_EQ(0, c) << "the sliver lies above the area, row " << y;

    // The same edge as the side of a shape that reaches into the area.
    mask.Reset(0, 0, 48, 48);
    const PointF wedge[] = {
        {47, -1361.14636f}, {0, 6.3e-6f}, {0, 48}, {48, 48}, {48, -1361.14636f}};
    mask.AddPolygon(wedge, 5);
    for (int y = 1; y < 48; ++y) {
        const std::vector<int> row = Row(mask, y);
        for (int x = 0; x < 48; ++x)
            ASSERT_EQ(255, row[static_cast<std::size_t>(x)]) << x << "," << y;
    }
}

TEST(RasterizerBounds, EdgesReachingFarBelowAreKeptWhole) {
    // A quadrilateral whose two left edges end 1e10 below: dropping them filled a wedge
    // from x = 30 to the right border.
    for (float far : {1e10f, 3e38f}) {
        CoverageMask mask;
        mask.Reset(0, 0, 48, 48);
        const PointF quad[] = {{10, 0}, {30, 0}, {30, 40}, {10, far}};
        mask.AddPolygon(quad, 4);
        for (int y = 0; y < 48; ++y) {
            const std::vector<int> row = Row(mask, y);
            for (int x = 0; x < 48; ++x) {
                const int expected = x >= 10 && x < 30 ? 255 : 0;
                ASSERT_NEAR(expected, row[static_cast<std::size_t>(x)], 1)
                    << far << ": " << x << "," << y;
            }
        }
    }
}

TEST(RasterizerBounds, AMaskNextToTheFrameIsClippedToItsOwnCells) {
    // A mask offset inside the canvas: shapes beyond each of its sides add nothing, and
    // one crossing it covers exactly its cells.
    CoverageMask mask;
    mask.Reset(100, 200, 16, 8);
    const PointF outside[][4] = {{{-1e9f, 0}, {99, 0}, {99, 1e9f}, {-1e9f, 1e9f}},
                                 {{117, -1e9f}, {1e9f, -1e9f}, {1e9f, 1e9f}, {117, 1e9f}},
                                 {{0, 150}, {300, 150}, {300, 199}, {0, 199}},
                                 {{0, 208.5f}, {300, 208.5f}, {300, 1e9f}, {0, 1e9f}}};
    for (const auto& quad : outside)
        mask.AddPolygon(quad, 4);
    const PointF across[] = {{-1e9f, 203}, {1e9f, 203}, {1e9f, 205}, {-1e9f, 205}};
    mask.AddPolygon(across, 4);
    for (int y = 0; y < 8; ++y)
        for (int c : Row(mask, y))
            ASSERT_EQ(y == 3 || y == 4 ? 255 : 0, c) << "row " << y;
}

} // namespace
} // namespace orvane
