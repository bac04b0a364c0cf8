#include "effects/EffectCatalog.h"
#include "effects/RecordingCanvas.h"
#include "effects/SpriteEffect.h"
#include "framework/Random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace orvane {
namespace {

constexpr int kW = 1920, kH = 1080;

std::vector<Sprite> Sprites(std::size_t count, int w = 48, int h = 48) {
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(w) * h, 0xFFFFFFFFu);
    std::vector<Sprite> sprites;
    for (std::size_t i = 0; i < count; ++i)
        sprites.emplace_back(w, h, pixels.data());
    return sprites;
}

SpriteEffect Started(const SpriteEffectKind& kind, int width = kW, int height = kH,
                     int spriteHeight = 48) {
    SpriteEffect effect(kind.rules);
    effect.SetSprites(Sprites(std::max<std::size_t>(kind.spriteIds.size(), 10), 48, spriteHeight));
    effect.Begin(width, height);
    return effect;
}

std::vector<RecordingCanvas::Call> Frame(SpriteEffect& effect, int target) {
    RecordingCanvas canvas(kW, kH);
    effect.DrawFrame(canvas, target);
    return canvas.Calls();
}

// The seed after which the next Rand() returns value: inverts the runtime's generator.
unsigned SeedGiving(int value) {
    std::uint32_t inverse = 214013u; // Newton's iteration for the inverse modulo 2^32
    for (int i = 0; i < 5; ++i)
        inverse *= 2u - 214013u * inverse;
    return ((static_cast<std::uint32_t>(value) << 16) - 2531011u) * inverse;
}

const SpriteEffectKind* const kAllKinds[] = {
    &LeafFallKind(), &FallingPetalsKind(), &RainFlowersKind(), &SweetsKind(),
    &HeartsKind(),   &BalloonsKind(),      &DandelionsKind(),  &LeavesInTheWindKind()};

TEST(SpriteEffect, DensityGivesTenPerStepUpToFiveThenThirty) {
    const int expected[] = {10, 20, 30, 40, 50, 180, 210, 240, 270};
    for (int density = 1; density <= 9; ++density)
        EXPECT_EQ(expected[density - 1], TargetCountForDensity(density)) << density;
}

TEST(SpriteEffect, TheFirstFrameSpawnsTheWholePopulationOutsideTheScreen) {
    SeedRandom(7);
    for (const SpriteEffectKind* kind : kAllKinds) {
        SpriteEffect effect = Started(*kind);
        const auto calls = Frame(effect, 270);
        ASSERT_EQ(270u, calls.size());
        ASSERT_EQ(270u, effect.Records().size());
        for (const auto& call : calls) {
            const float x = call.values[0], y = call.values[1];
            EXPECT_EQ(0, call.values[2]) << "every sprite starts unturned";
            switch (kind->rules.motion) {
            case Motion::Fall:
                ASSERT_TRUE(x >= 0 && x < kW && y > -kH && y <= 0) << x << "," << y;
                break;
            case Motion::Rise:
                ASSERT_TRUE(x >= 0 && x < kW && y >= kH && y < 2 * kH) << x << "," << y;
                break;
            case Motion::Drift:
                ASSERT_TRUE(x > -kW && x <= 0 && y >= 0 && y < kH) << x << "," << y;
                break;
            }
        }
        // Turning sprites show their angle step on the second frame; the others never turn.
        const auto second = Frame(effect, 270);
        for (std::size_t i = 0; i < second.size(); ++i) {
            const SpriteRecord& r = effect.Records()[i];
            const float angle = second[i].values[2];
            if (kind->rules.spin == Spin::Turn)
                EXPECT_TRUE(angle >= 1 && angle <= 5 && angle == r.angleStep);
            else if (kind->rules.spin != Spin::Rock)
                EXPECT_EQ(0, angle);
        }
    }
}

TEST(SpriteEffect, InWindTheSpritesSpawnOverTwiceTheWidthAndAreBlownTenPixelsAFrame) {
    SeedRandom(11);
    for (const SpriteEffectKind* kind : {&LeafFallKind(), &DandelionsKind()})
        for (bool right : {true, false}) {
            SpriteEffect effect = Started(*kind);
            effect.Wind().active = true;
            effect.Wind().right = right;
            const auto first = Frame(effect, 270);
            for (const auto& call : first) {
                if (right)
                    ASSERT_TRUE(call.values[0] >= -kW && call.values[0] < kW);
                else
                    ASSERT_TRUE(call.values[0] >= 0 && call.values[0] < 2 * kW);
            }
            const auto second = Frame(effect, 270);
            for (std::size_t i = 0; i < second.size(); ++i) {
                // Falling sprites also sway +1 on x for their first hundred frames;
                // drifting ones travel right at their speed.
                const int expected =
                    static_cast<int>(first[i].values[0]) + (right ? 10 : -10) +
                    (kind->rules.motion == Motion::Fall ? 1 : effect.Records()[i].speed);
                if (expected <= kW) // else it has crossed the right edge and come back
                    ASSERT_EQ(expected, second[i].values[0]);
            }
        }
}

struct Snapshot {
    std::vector<SpriteRecord> records;
};

bool WillLeave(const SpriteRecord& r, Motion motion, int height) {
    return motion == Motion::Fall ? r.y + r.speed > height : r.y - r.speed < -r.sprite->Height();
}

TEST(SpriteEffect, ALowerDensityRemovesSpritesOnlyAsTheyLeaveAndAHigherOneTopsUpAtOnce) {
    SeedRandom(3);
    for (const SpriteEffectKind* kind : {&LeafFallKind(), &HeartsKind()}) {
        const Motion motion = kind->rules.motion;
        SpriteEffect effect = Started(*kind, 800, 600);
        for (int i = 0; i < 300; ++i)
            Frame(effect, 270);
        ASSERT_EQ(270u, effect.Records().size());

        bool sawRemoval = false;
        for (int frame = 0; frame < 600; ++frame) {
            const std::vector<SpriteRecord> before = effect.Records();
            const std::size_t leaving =
                std::count_if(before.begin(), before.end(),
                              [&](const SpriteRecord& r) { return WillLeave(r, motion, 600); });
            Frame(effect, 10);
            const auto& after = effect.Records();
            ASSERT_EQ(std::max<std::size_t>(10, before.size() - leaving), after.size());
            sawRemoval |= after.size() < before.size();
            // Every record that stays in the area is still there, in order, moved on.
            std::size_t next = 0;
            for (const SpriteRecord& old : before) {
                if (WillLeave(old, motion, 600)) {
                    if (next < after.size() && after.size() == 10 && after[next].sprite &&
                        (motion == Motion::Fall ? after[next].y <= 0 : after[next].y >= 600) &&
                        after[next].angle == old.angle + old.angleStep)
                        ++next; // re-spawned in place once the count was down to the target
                    continue;
                }
                ASSERT_LT(next, after.size());
                EXPECT_EQ(old.speed, after[next].speed);
                EXPECT_EQ(old.y + (motion == Motion::Fall ? old.speed : -old.speed), after[next].y);
                ++next;
            }
            EXPECT_EQ(after.size(), next);
        }
        EXPECT_TRUE(sawRemoval);
        EXPECT_EQ(10u, effect.Records().size());

        const auto topUp = Frame(effect, 180);
        ASSERT_EQ(180u, effect.Records().size());
        for (std::size_t i = 10; i < topUp.size(); ++i) {
            const float y = topUp[i].values[1];
            EXPECT_TRUE(motion == Motion::Fall ? y <= 0 && y > -600 : y >= 600 && y < 1200) << y;
        }
    }
}

TEST(SpriteEffect, AReSpawnedSpriteKeepsItsAngleAndAngleStep) {
    SeedRandom(5);
    for (const SpriteEffectKind* kind : {&LeafFallKind(), &LeavesInTheWindKind()}) {
        const bool falling = kind->rules.motion == Motion::Fall;
        SpriteEffect effect = Started(*kind, 300, 200);
        Frame(effect, 40);
        int respawns = 0;
        for (int frame = 0; frame < 400; ++frame) {
            const std::vector<SpriteRecord> before = effect.Records();
            Frame(effect, 40);
            for (std::size_t i = 0; i < before.size(); ++i) {
                const SpriteRecord& old = before[i];
                const SpriteRecord& now = effect.Records()[i];
                const bool left = falling ? old.y + old.speed > 200 : old.x + old.speed > 300;
                if (!left)
                    continue;
                ++respawns;
                EXPECT_EQ(old.angle + old.angleStep, now.angle);
                EXPECT_EQ(old.angleStep, now.angleStep);
                EXPECT_EQ(0, now.swayCounter);
                EXPECT_EQ(1, now.swayStep);
                if (falling)
                    EXPECT_TRUE(now.y <= 0 && now.y > -200 && now.x >= 0 && now.x < 300);
                else
                    EXPECT_TRUE(now.x <= 0 && now.x > -300 && now.y >= 0 && now.y < 200);
            }
        }
        EXPECT_GT(respawns, 40);
    }
}

TEST(SpriteEffect, SwayTurnsLeftForTheLowest19661RandomValues) {
    for (const int value : {0, 19660, 19661, 32767}) {
        SeedRandom(1);
        SpriteEffect effect = Started(HeartsKind(), kW, 100000);
        Frame(effect, 1);
        const int startX = effect.Records()[0].x;
        for (int frame = 2; frame < 100; ++frame)
            Frame(effect, 1);
        EXPECT_EQ(startX + 98, effect.Records()[0].x) << "a hundred frames of +1 first";
        // The hundredth frame draws the one random number of this frame: the new step.
        SeedRandom(SeedGiving(value));
        Frame(effect, 1);
        const int step = value <= 19660 ? -1 : 1;
        EXPECT_EQ(startX + 98 + step, effect.Records()[0].x) << value;
        EXPECT_EQ(0, effect.Records()[0].swayCounter);
    }
}

TEST(SpriteEffect, BalloonsWithoutARockStepNeverTiltAndTheOthersRockWithinFiveDegrees) {
    SeedRandom(9);
    SpriteEffect effect = Started(BalloonsKind(), kW, 100000, 109);
    Frame(effect, 270);
    std::vector<bool> still;
    for (const SpriteRecord& r : effect.Records())
        still.push_back(r.angleStep == 0);
    ASSERT_TRUE(std::count(still.begin(), still.end(), true) > 50);
    ASSERT_TRUE(std::count(still.begin(), still.end(), false) > 50);
    int lowest = 0, highest = 0;
    for (int frame = 0; frame < 1500; ++frame) {
        const auto calls = Frame(effect, 270);
        for (std::size_t i = 0; i < calls.size(); ++i) {
            const int angle = static_cast<int>(calls[i].values[2]);
            if (still[i])
                ASSERT_EQ(0, angle);
            ASSERT_TRUE(angle >= -5 && angle <= 5) << angle;
            lowest = std::min(lowest, angle);
            highest = std::max(highest, angle);
        }
    }
    EXPECT_EQ(-5, lowest);
    EXPECT_EQ(5, highest);
}

TEST(SpriteEffect, DriftingSpritesInALeftWindGoLeftAndComeBackOnlyPastTheRightEdge) {
    SeedRandom(4);
    SpriteEffect effect = Started(LeavesInTheWindKind(), 400, 300);
    Frame(effect, 50);
    effect.Wind().active = true;
    effect.Wind().right = false;
    for (int frame = 0; frame < 200; ++frame) {
        const std::vector<SpriteRecord> before = effect.Records();
        Frame(effect, 50);
        for (std::size_t i = 0; i < before.size(); ++i) {
            EXPECT_EQ(before[i].x + before[i].speed - 10, effect.Records()[i].x);
            EXPECT_EQ(before[i].angle + before[i].angleStep, effect.Records()[i].angle);
        }
    }
}

// Wind state after each of many ticks.
std::vector<bool> Blowing(Wind& wind, int ticks) {
    std::vector<bool> states;
    for (int i = 0; i < ticks; ++i) {
        wind.Tick();
        states.push_back(wind.active);
    }
    return states;
}

// Lengths of the runs of one state, leaving out the first and the last (cut) runs.
std::vector<int> Runs(const std::vector<bool>& states, bool of) {
    std::vector<int> runs;
    std::size_t i = 0;
    while (i < states.size() && states[i] == of)
        ++i;
    while (i < states.size()) {
        while (i < states.size() && states[i] != of)
            ++i;
        std::size_t start = i;
        while (i < states.size() && states[i] == of)
            ++i;
        if (i < states.size() && i > start)
            runs.push_back(static_cast<int>(i - start));
    }
    return runs;
}

TEST(Wind, LevelOneNeverBlows) {
    SeedRandom(12);
    for (WindKind kind : {WindKind::Steady, WindKind::Gusty}) {
        Wind wind(kind);
        wind.Start(1);
        const auto states = Blowing(wind, 20000);
        EXPECT_EQ(0, std::count(states.begin(), states.end(), true));
    }
}

TEST(Wind, LeafFallAtNineBlowsOneWayForEver) {
    for (unsigned seed : {1u, 2u, 3u, 4u}) {
        SeedRandom(seed);
        Wind wind(WindKind::Steady);
        wind.Start(9);
        ASSERT_TRUE(wind.active);
        const bool right = wind.right;
        const auto states = Blowing(wind, 20000);
        EXPECT_EQ(20000, std::count(states.begin(), states.end(), true));
        EXPECT_EQ(right, wind.right);
    }
}

TEST(Wind, DandelionsAtNineStartWithWindThenGustMostlyRight) {
    SeedRandom(21);
    Wind wind(WindKind::Gusty);
    wind.Start(9);
    ASSERT_TRUE(wind.active);
    int rightGusts = 0, gusts = 0;
    bool was = true;
    std::vector<bool> states;
    for (int i = 0; i < 40000; ++i) {
        wind.Tick();
        if (i == 0)
            EXPECT_FALSE(wind.active) << "the start's wind ends at the first tick";
        if (wind.active && !was) {
            ++gusts;
            rightGusts += wind.right;
        }
        was = wind.active;
        states.push_back(wind.active);
    }
    EXPECT_GT(gusts, 100);
    EXPECT_NEAR(0.9, static_cast<double>(rightGusts) / gusts, 0.05);
    for (int calm : Runs(states, false))
        ASSERT_GE(calm, 12);
    for (int gust : Runs(states, true))
        ASSERT_LE(gust, 107);
}

TEST(Wind, BetweenGustsTheAirIsCalmForAtLeastTheLevelsPause) {
    SeedRandom(33);
    for (int level = 2; level <= 8; ++level) {
        Wind wind(WindKind::Steady);
        wind.Start(level);
        const auto states = Blowing(wind, 30000);
        const auto calms = Runs(states, false);
        const auto gusts = Runs(states, true);
        ASSERT_GT(gusts.size(), 50u) << level;
        EXPECT_EQ(120 - 12 * level, *std::min_element(calms.begin(), calms.end())) << level;
        EXPECT_LE(*std::max_element(gusts.begin(), gusts.end()), 12 * level - 1) << level;
    }
    Wind broken(WindKind::Gusty);
    broken.Start(0); // a hand-edited level: treated as the slider's lowest
    Blowing(broken, 1000);
    EXPECT_EQ(1, broken.level);
}

TEST(SpriteEffect, PetalColoursArePinkWhiteOrRed) {
    EXPECT_EQ(459, PetalSpriteIds(L"pink").front());
    EXPECT_EQ(478, PetalSpriteIds(L"white").back());
    for (const wchar_t* red : {L"red", L"Pink", L"WHITE", L""}) {
        const auto ids = PetalSpriteIds(red);
        ASSERT_EQ(10u, ids.size());
        EXPECT_EQ(448, ids.front());
        EXPECT_EQ(457, ids.back());
    }
}

} // namespace
} // namespace orvane
