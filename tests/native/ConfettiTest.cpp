#include "effects/Confetti.h"
#include "effects/RecordingCanvas.h"
#include "framework/Random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace orvane {
namespace {

TEST(Confetti, APieceIsFiredFromSevenRandomNumbersAndPushedSidewaysByTwoMore) {
    Confetti confetti;
    confetti.Begin(1920, 1080);
    SeedRandom(1); // rand() gives 41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962
    RecordingCanvas canvas(1920, 1080);
    confetti.DrawFrame(canvas, 1);
    EXPECT_TRUE(canvas.Smoothing());
    ASSERT_EQ(1u, confetti.Pieces().size());
    const Confetti::PARTICLE& p = confetti.Pieces()[0];
    EXPECT_EQ(0xFF00FF00u, p.front) << "colour pair 41 % 8 = 1";
    EXPECT_EQ(0xFF006400u, p.back);
    EXPECT_EQ(18467 % 13 + 8, p.width);
    EXPECT_EQ(6334 % 13 + 10, p.height);
    EXPECT_EQ(19169 % 180, p.rotation);
    // Fired at 15724 % 51 − 25 = −9 across and 11478 % 51 = 3 up, then one frame of drag,
    // gravity and a push to the right (29358 / 32767 > 0.5) of 26962 / 32767.
    const double vx = -9 - -9 * 0.075 + 26962.0 / 32767;
    EXPECT_DOUBLE_EQ(vx, p.vx);
    EXPECT_DOUBLE_EQ(-2.5, p.vy);
    EXPECT_DOUBLE_EQ(26500 % 1920 + vx, p.x);
    EXPECT_DOUBLE_EQ(1079 - 2.5, p.y);
    EXPECT_DOUBLE_EQ(std::cos((1079 - 2.5) * 0.1), p.scaleY);

    // Drawn where it was fired, at its full size, turned about its centre.
    ASSERT_EQ(1u, canvas.Calls().size());
    const auto& call = canvas.Calls()[0];
    EXPECT_EQ("FillRotatedRect", call.op);
    EXPECT_FLOAT_EQ(26500 % 1920 + p.width / 2, call.values[0]);
    EXPECT_FLOAT_EQ(1079 + p.height / 2, call.values[1]);
    EXPECT_FLOAT_EQ(p.width, call.values[2]);
    EXPECT_FLOAT_EQ(p.height, call.values[3]);
    EXPECT_FLOAT_EQ(p.rotation, call.values[4]);
}

TEST(Confetti, ABurstComesOnlyWhenTenOrFewerPiecesAreLeft) {
    Confetti confetti;
    confetti.Begin(800, 600);
    SeedRandom(4);
    RecordingCanvas canvas(800, 600);
    confetti.DrawFrame(canvas, 300);
    EXPECT_EQ(300u, canvas.Calls().size()) << "the first frame fires the whole target";
    int bursts = 0;
    for (int frame = 0; frame < 3000; ++frame) {
        const std::size_t before = confetti.Pieces().size();
        canvas.Clear();
        // The page raises the density in mid-flight: it waits for the next burst.
        confetti.DrawFrame(canvas, frame < 1000 ? 300 : 900);
        if (before <= Confetti::kBurstBelow) {
            ++bursts;
            ASSERT_EQ(frame < 1000 ? 300u : 900u, canvas.Calls().size()) << frame;
        } else {
            ASSERT_EQ(before, canvas.Calls().size()) << frame;
        }
    }
    EXPECT_GE(bursts, 2);
}

TEST(Confetti, ATurnedOverPieceShowsItsBackColour) {
    Confetti confetti;
    confetti.Begin(1920, 1080);
    SeedRandom(8);
    RecordingCanvas canvas(1920, 1080);
    confetti.DrawFrame(canvas, 900);
    // None has fallen out yet, so the pieces and the calls are in step.
    ASSERT_EQ(900u, confetti.Pieces().size());
    int backs = 0;
    for (std::size_t i = 0; i < 900; ++i) {
        const Confetti::PARTICLE& p = confetti.Pieces()[i];
        const bool turned = p.scaleY <= 0;
        backs += turned;
        ASSERT_EQ(Color::Argb(turned ? p.back : p.front), canvas.Calls()[i].colors[0]);
    }
    EXPECT_GT(backs, 100);
    EXPECT_LT(backs, 800);
}

TEST(Confetti, PiecesWrapSidewaysAndComeBackDownFromAboveTheTop) {
    Confetti confetti;
    confetti.Begin(30, 100);
    SeedRandom(12);
    RecordingCanvas canvas(30, 100);
    confetti.DrawFrame(canvas, 200);
    std::size_t slowToReturn = 0; // fired so fast they stay up for over a hundred frames
    for (const Confetti::PARTICLE& p : confetti.Pieces())
        slowToReturn += p.vy <= -30;
    ASSERT_GT(slowToReturn, 20u);
    bool aboveTheTop = false, wrapped = false;
    for (int frame = 0; frame < 60; ++frame) {
        confetti.DrawFrame(canvas, 200);
        for (const Confetti::PARTICLE& p : confetti.Pieces()) {
            ASSERT_TRUE(p.x >= 0 && p.x <= 30) << p.x;
            wrapped |= p.x == 0 || p.x == 30;
            aboveTheTop |= p.y < 0;
        }
    }
    EXPECT_TRUE(wrapped);
    EXPECT_TRUE(aboveTheTop);
    EXPECT_GE(confetti.Pieces().size(), slowToReturn) << "leaving the top removes nothing";
}

} // namespace
} // namespace orvane
