#include "effects/Lightning.h"
#include "effects/RecordingCanvas.h"
#include "framework/Random.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace orvane {
namespace {

constexpr int kW = 1920, kH = 1040;

std::vector<RecordingCanvas::Call> Frame(Lightning& lightning) {
    RecordingCanvas canvas(kW, kH);
    lightning.DrawFrame(canvas);
    EXPECT_TRUE(canvas.Smoothing());
    return canvas.Calls();
}

int Alpha(const RecordingCanvas::Call& call) {
    return call.op == "Fill" ? call.colors.at(0).a : call.pen.color.a;
}

TEST(Lightning, StrikesOnTheFiftiethFrameThenEveryThirtyToAHundred) {
    SeedRandom(5);
    Lightning lightning;
    lightning.Begin(kW, kH);
    for (int frame = 1; frame < 50; ++frame) {
        Frame(lightning);
        ASSERT_TRUE(lightning.Bolts().empty()) << "frame " << frame;
    }
    int strikes = 0, last = 0;
    for (int frame = 50; strikes < 20; ++frame) {
        const int interval = lightning.Interval();
        const auto calls = Frame(lightning);
        if (lightning.Counter() != 0) {
            ASSERT_LT(frame - last, interval);
            continue;
        }
        ASSERT_EQ(interval, frame - last) << "strike " << strikes;
        last = frame;
        ++strikes;
        EXPECT_GE(lightning.Interval(), 30);
        EXPECT_LE(lightning.Interval(), 100);
        // The new bolts (and any fork they made at once) share one start in the upper half,
        // at least 100 from the sides, and show only their washes this frame, one each.
        std::vector<const LIGHTNING*> fresh;
        for (const LIGHTNING& bolt : lightning.Bolts())
            if (!bolt.grown)
                fresh.push_back(&bolt);
        ASSERT_GE(fresh.size(), 1u);
        for (const LIGHTNING* bolt : fresh) {
            EXPECT_EQ(fresh[0]->x, bolt->x);
            EXPECT_EQ(fresh[0]->y, bolt->y);
            EXPECT_EQ(1u, bolt->points.size());
            EXPECT_TRUE(bolt->x >= 100 && bolt->x <= kW - 100 && bolt->y >= 0 && bolt->y <= kH / 2);
        }
        const auto washes = std::count_if(calls.begin(), calls.end(), [](const auto& call) {
            return call.op == "Fill" && Alpha(call) >= 12;
        });
        EXPECT_GE(washes, 1) << "frame " << frame;
        EXPECT_LE(washes, 3) << "frame " << frame;
        EXPECT_LE(washes, static_cast<long>(fresh.size())) << "frame " << frame;
        for (const auto& call : calls)
            if (call.op == "Fill")
                EXPECT_TRUE(Alpha(call) <= 10 ? Alpha(call) >= 3 : Alpha(call) <= 30);
    }
}

TEST(Lightning, ABoltGrowsDownwardsAndGoesWhenItWouldExceedItsMaximum) {
    // The maximum is the third draw of a new bolt: 0 gives 10 points.
    unsigned seed = 1;
    for (;; ++seed) {
        SeedRandom(seed);
        Rand();
        Rand();
        if (Rand() % 26 == 0)
            break;
    }
    SeedRandom(seed);
    Lightning lightning;
    lightning.Begin(kW, kH);
    lightning.AddBolt(600, 50, false);
    ASSERT_EQ(10, lightning.Bolts()[0].maxPoints);
    for (int frame = 1; frame <= 9; ++frame) {
        Frame(lightning);
        ASSERT_EQ(1u, lightning.Bolts().size()) << "frame " << frame;
        const auto& points = lightning.Bolts()[0].points;
        ASSERT_EQ(static_cast<std::size_t>(frame) + 1, points.size());
        ASSERT_GE(points.back().y, points[points.size() - 2].y);
        ASSERT_LE(std::abs(points.back().x - points[points.size() - 2].x),
                  lightning.Bolts()[0].spread / 2 + 1);
    }
    Frame(lightning);
    EXPECT_TRUE(lightning.Bolts().empty()) << "its 11th point removes it";
}

TEST(Lightning, NewBoltsAndGrowthDrawTheirNumbersInOrder) {
    SeedRandom(777);
    int r[16];
    for (int& value : r)
        value = Rand();
    SeedRandom(777);
    Lightning lightning;
    lightning.Begin(kW, kH);
    lightning.AddBolt(500, 100, false);
    const LIGHTNING& bolt = lightning.Bolts()[0];
    EXPECT_EQ(r[0] % 26 + 5, bolt.spread);
    EXPECT_EQ(r[1] % 21 + 5, bolt.step);
    EXPECT_EQ(r[2] % 26 + 10, bolt.maxPoints);

    const auto calls = Frame(lightning);
    // Growth: x, then y.
    const BoltPoint grown = lightning.Bolts()[0].points.back();
    EXPECT_EQ(500 + r[3] % (bolt.spread + 1) - bolt.spread / 2, grown.x);
    EXPECT_EQ(100 + r[4] % (bolt.step + 1), grown.y);
    // Drawing: five width tests, the alpha, and the flicker test (a bolt that may not fork
    // and has grown draws nothing else).
    float width = 1.0f;
    const int odds[] = {31, 61, 91, 121, 151};
    for (int i = 0; i < 5; ++i)
        if (r[5 + i] % odds[i] == 0)
            width = 2.0f + static_cast<float>(i);
    const auto line = std::find_if(calls.begin(), calls.end(),
                                   [](const auto& call) { return call.op == "DrawPolyline"; });
    ASSERT_NE(calls.end(), line);
    EXPECT_EQ(width, line->pen.width);
    EXPECT_EQ(r[10] % 231 + 25, Alpha(*line));
    EXPECT_EQ((std::vector<float>{500, 100, 500, 100, static_cast<float>(grown.x),
                                  static_cast<float>(grown.y)}),
              line->values);
    const bool flicker = r[11] % 31 == 0;
    EXPECT_EQ(flicker ? 2u : 1u, calls.size());
    if (flicker)
        EXPECT_EQ(r[12] % 8 + 3, Alpha(calls[0]));
}

TEST(Lightning, ABoltForksOnceAndAForkNeverForks) {
    int forks = 0;
    for (unsigned seed = 1; seed < 400 && forks < 5; ++seed) {
        SeedRandom(seed);
        Lightning lightning;
        lightning.Begin(kW, kH);
        lightning.AddBolt(900, 0, true);
        for (int frame = 0; frame < 40; ++frame) {
            Frame(lightning);
            const auto& bolts = lightning.Bolts();
            ASSERT_LE(bolts.size(), 2u) << "seed " << seed;
            if (bolts.size() == 2) {
                const LIGHTNING& parent = bolts[0];
                const LIGHTNING& fork = bolts[1];
                EXPECT_FALSE(parent.mayFork);
                EXPECT_FALSE(fork.mayFork);
                const bool fromParent =
                    std::any_of(parent.points.begin(), parent.points.end(),
                                [&](BoltPoint p) { return p.x == fork.x && p.y == fork.y; });
                EXPECT_TRUE(fromParent) << "seed " << seed;
                ++forks;
                break;
            }
        }
    }
    EXPECT_EQ(5, forks) << "forks are common enough to be seen";
}

TEST(Lightning, ARestartClearsTheBoltsButKeepsTheCountdown) {
    SeedRandom(3);
    Lightning lightning;
    lightning.Begin(kW, kH);
    for (int i = 0; i < 60; ++i)
        Frame(lightning);
    lightning.AddBolt(300, 30, true);
    const int counter = lightning.Counter(), interval = lightning.Interval();
    lightning.Stop();
    lightning.Begin(kW, kH);
    EXPECT_TRUE(lightning.Bolts().empty());
    EXPECT_EQ(counter, lightning.Counter());
    EXPECT_EQ(interval, lightning.Interval());

    // An area too narrow for the side margins strikes in its middle.
    Lightning narrow;
    narrow.Begin(150, 400);
    for (int i = 0; i < 50; ++i) {
        RecordingCanvas canvas(150, 400);
        narrow.DrawFrame(canvas);
    }
    ASSERT_FALSE(narrow.Bolts().empty());
    EXPECT_EQ(75, narrow.Bolts().back().x);
}

} // namespace
} // namespace orvane
