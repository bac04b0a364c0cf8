#include "effects/CursorEffect.h"
#include "effects/RecordingCanvas.h"
#include "framework/Random.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvane {
namespace {

std::vector<Sprite> Pictures(std::size_t count, int w, int h) {
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(w) * h, 0xFF808080u);
    std::vector<Sprite> sprites;
    for (std::size_t i = 0; i < count; ++i)
        sprites.emplace_back(w, h, pixels.data());
    return sprites;
}

// The pointer and the left button, as a test moves and presses them.
struct Mouse {
    int x = 0, y = 0;
    bool down = false;
    PointerState State() const {
        PointerState state;
        state.x = x;
        state.y = y;
        state.screenWidth = 1920;
        state.screenHeight = 1080;
        state.leftButtonDown = [this] { return down; };
        return state;
    }
};

std::vector<RecordingCanvas::Call> Frame(CursorEffect& effect, const Mouse& mouse) {
    RecordingCanvas canvas(1920, 1080);
    effect.DrawFrame(canvas, mouse.State());
    return canvas.Calls();
}

TEST(CursorEffect, ModesGoByTheirStoredNamesAndAnUnknownNameKeepsTheMode) {
    const wchar_t* names[] = {
        L"BUBBLES",     L"CLICK_EXPLOSION", L"CLICK_FLOWERS", L"DOTS",   L"FAIRY_DUST",
        L"FLASH_LIGHT", L"MARKER_PEN",      L"INTERSECTION",  L"PENCIL", L"TRAIL"};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(i + 1, static_cast<int>(CursorModeByName(names[i]))) << i;

    CursorEffect effect;
    Mouse mouse;
    effect.SetMode(L"bubbles");
    EXPECT_EQ(CursorMode::None, effect.Mode()) << "names are case-sensitive";
    mouse.x = 40;
    EXPECT_TRUE(Frame(effect, mouse).empty()) << "without a mode nothing is drawn";
    effect.SetMode(L"DOTS");
    effect.SetMode(L"SPARKLES");
    EXPECT_EQ(CursorMode::Dots, effect.Mode());
}

TEST(CursorEffect, DotsFollowOnlyMovesOfMoreThanFivePixelsAndLiveThirtyThreeFrames) {
    CursorEffect effect;
    effect.SetMode(L"DOTS");
    Mouse mouse;
    mouse.x = 5, mouse.y = -5; // five pixels from the first recorded position (0, 0)
    EXPECT_TRUE(Frame(effect, mouse).empty());
    mouse.x = 6;
    auto calls = Frame(effect, mouse);
    ASSERT_EQ(1u, calls.size());
    EXPECT_EQ("FillEllipse", calls[0].op);
    EXPECT_EQ((std::vector<float>{4, -7, 4, 4}), calls[0].values);
    EXPECT_EQ(Color::Argb(0xFF000000u), calls[0].colors[0]);
    mouse.x = 11, mouse.y = 0; // 5 and 5 from (6, −5)
    Frame(effect, mouse);
    EXPECT_EQ(1u, effect.Points().size());
    for (int frame = 3; frame <= 33; ++frame)
        ASSERT_EQ(1u, Frame(effect, mouse).size()) << frame;
    EXPECT_TRUE(Frame(effect, mouse).empty()) << "gone in its 34th frame";
    EXPECT_TRUE(effect.Points().empty());
}

TEST(CursorEffect, OnePressGivesOneExplosionOfAsManyFramesAsWereLoaded) {
    CursorEffect effect;
    effect.SetMode(L"CLICK_EXPLOSION");
    Mouse mouse;
    mouse.x = 500, mouse.y = 300;
    mouse.down = true;
    EXPECT_TRUE(Frame(effect, mouse).empty()) << "no frames loaded, no explosion";
    mouse.down = false;
    Frame(effect, mouse);

    effect.SetExplosionFrames(Pictures(48, 100, 100));
    mouse.down = true;
    auto calls = Frame(effect, mouse);
    ASSERT_EQ(1u, calls.size());
    EXPECT_EQ(&effect.ExplosionFrames()[0], calls[0].sprite) << "frame 0 in the frame of the click";
    EXPECT_EQ((std::vector<float>{500 - 50 - 3, 300 - 50 + 9, 0}), calls[0].values);
    // Held down: the same explosion plays on, no second one starts.
    for (int frame = 1; frame < 10; ++frame) {
        calls = Frame(effect, mouse);
        ASSERT_EQ(1u, calls.size());
        ASSERT_EQ(&effect.ExplosionFrames()[static_cast<std::size_t>(frame)], calls[0].sprite);
    }
    mouse.down = false;
    Frame(effect, mouse);
    mouse.down = true;
    EXPECT_EQ(2u, Frame(effect, mouse).size()) << "the next press, a second explosion";
    mouse.down = false;
    for (int frame = 12; frame <= 48; ++frame)
        Frame(effect, mouse);
    EXPECT_EQ(1u, effect.Explosions().size()) << "the first lasted 48 frames";
    effect.SetMode(L"CLICK_EXPLOSION");
    EXPECT_TRUE(effect.Explosions().empty()) << "choosing the mode again starts it afresh";
}

TEST(CursorEffect, AFlowerGrowsFromItsCentreStaysAndShrinksOverNineHundredNinetyNineFrames) {
    CursorEffect effect;
    effect.SetMode(L"CLICK_FLOWERS");
    effect.SetFlowers(Pictures(30, 40, 31));
    Mouse mouse;
    mouse.x = 10, mouse.y = 7; // within half a picture of the top-left corner
    mouse.down = true;
    SeedRandom(1);
    auto calls = Frame(effect, mouse);
    ASSERT_EQ(1u, effect.FlowersShown().size());
    const CursorEffect::FLOWER& flower = effect.FlowersShown()[0];
    EXPECT_EQ(&effect.Flowers()[41 % 30], flower.image);
    EXPECT_EQ(-10, flower.x);
    EXPECT_EQ(-8, flower.y) << "7 − 31 / 2";
    mouse.down = false;
    int frames = 1, largest = 0;
    while (!effect.FlowersShown().empty() && frames < 2000) {
        ASSERT_EQ(1u, calls.size());
        const float width = calls[0].values[2];
        largest = std::max(largest, static_cast<int>(width));
        // Centred on the full-size picture's centre at every size.
        ASSERT_FLOAT_EQ(10.0f, calls[0].values[0] + width / 2) << frames;
        calls = Frame(effect, mouse);
        ++frames;
    }
    EXPECT_EQ(1000, frames) << "drawn in 999 frames, removed in the next";
    EXPECT_EQ(40, largest);
}

TEST(CursorEffect, TrailsAddPointsOnlyWhenThePointerMovesAndShareOnePointList) {
    CursorEffect effect;
    Mouse mouse;
    for (const wchar_t* mode : {L"BUBBLES", L"FAIRY_DUST", L"MARKER_PEN", L"PENCIL", L"TRAIL"}) {
        effect.SetMode(mode);
        auto particles = [&] {
            return effect.Points().size() + effect.Bubbles().size() + effect.FairyDust().size();
        };
        const std::size_t before = particles();
        Frame(effect, mouse);
        Frame(effect, mouse);
        EXPECT_EQ(before, particles()) << "a pointer at rest adds nothing";
        mouse.x += 3;
        Frame(effect, mouse);
        EXPECT_EQ(before + 1, particles()) << "one step of the pointer adds one";
    }
    EXPECT_EQ(1u, effect.Bubbles().size()) << "switching away keeps the bubbles";
    EXPECT_EQ(1u, effect.FairyDust().size());
    EXPECT_EQ(3u, effect.Points().size()) << "MARKER_PEN, PENCIL and TRAIL laid one each";
    effect.SetMode(L"BUBBLES");
    EXPECT_TRUE(effect.Bubbles().empty());
    EXPECT_EQ(1u, effect.FairyDust().size());
}

TEST(CursorEffect, MarkerAndPencilJoinEachPointToTheOneBefore) {
    CursorEffect effect;
    effect.SetMode(L"MARKER_PEN");
    Mouse mouse;
    mouse.x = 10;
    EXPECT_TRUE(Frame(effect, mouse).empty()) << "a single point draws nothing";
    mouse.x = 20, mouse.y = 5;
    auto calls = Frame(effect, mouse);
    ASSERT_EQ(1u, calls.size());
    EXPECT_EQ((std::vector<float>{20, 5, 10, 0}), calls[0].values);
    EXPECT_EQ(Color::Argb(0x80FF0000u), calls[0].pen.color);
    EXPECT_EQ(6.0f, calls[0].pen.width);
    EXPECT_EQ(LineJoin::Round, calls[0].pen.join);
    effect.SetMode(L"PENCIL");
    mouse.x = 30;
    calls = Frame(effect, mouse);
    ASSERT_EQ(2u, calls.size());
    EXPECT_EQ(Color::Argb(0xFF000000u), calls[1].pen.color);
    EXPECT_EQ(1.0f, calls[1].pen.width);
    EXPECT_EQ(LineJoin::Miter, calls[1].pen.join);
}

TEST(CursorEffect, TheTrailsColourRunsOutOfRangeAndWrapsAtBothEndsOfAPointsLife) {
    CursorEffect effect;
    effect.SetMode(L"TRAIL");
    Mouse mouse;
    mouse.x = 100;
    auto calls = Frame(effect, mouse);
    ASSERT_EQ(1u, calls.size());
    // Age 1: red 200 − 255 / 33 = 192.3, green 200 − 255 × 32 / 33 = −47.3, kept as 208.
    EXPECT_EQ(Color::Argb(0xFFC0D0FFu), calls[0].pen.color);
    EXPECT_FLOAT_EQ(5.0f * 32 / 33, calls[0].pen.width);
    EXPECT_EQ(LineCap::Round, calls[0].pen.cap);
    EXPECT_EQ((std::vector<float>{100, 0, 100, 0}), calls[0].values) << "the first: to itself";
    std::vector<Color> colours;
    for (int age = 2; age <= 33; ++age)
        colours.push_back(Frame(effect, mouse)[0].pen.color);
    // Age 26: red 200 − 255 × 26 / 33 = −0.9, so 255, green 145.9; age 33: red −55, so
    // 201, green 200.
    EXPECT_EQ(Color::Argb(0xFFFF91FFu), colours[26 - 2]);
    EXPECT_EQ(Color::Argb(0xFFC9C8FFu), colours[33 - 2]);
    EXPECT_TRUE(Frame(effect, mouse).empty());
}

TEST(CursorEffect, BubblesRiseFromThePointerGrowingFromOneToSixPixels) {
    CursorEffect effect;
    effect.SetMode(L"BUBBLES");
    Mouse mouse;
    mouse.x = 300, mouse.y = 400;
    SeedRandom(1); // rand() gives 41, 18467, 6334
    auto calls = Frame(effect, mouse);
    ASSERT_EQ(2u, calls.size());
    EXPECT_EQ("DrawEllipse", calls[0].op);
    EXPECT_EQ("FillEllipse", calls[1].op);
    const CursorEffect::PARTICLE_BUBBLES& b = effect.Bubbles()[0];
    // 41 / 32767 < 0.5: to the left, by 18467 / 32767 / 10; up by 0.4 + 6334 / 32767 and
    // then a little faster each frame.
    const float vx = -(18467.0f / 32767.0f / 10.0f);
    EXPECT_FLOAT_EQ(vx, b.vx);
    EXPECT_NEAR(-0.4 - 6334.0 / 32767, b.vy, 1.0 / 600 + 1e-6);
    EXPECT_FLOAT_EQ(300 + vx, b.x);
    EXPECT_EQ(249, b.life);
    EXPECT_EQ(1.0f, calls[0].values[2]) << "round((1 / 250 + 0.2) × 5)";
    float lastSize = 0;
    for (int frame = 2; frame <= 250; ++frame) {
        calls = Frame(effect, mouse);
        ASSERT_EQ(2u, calls.size());
        lastSize = calls[0].values[2];
    }
    EXPECT_EQ(6.0f, lastSize);
    EXPECT_TRUE(Frame(effect, mouse).empty()) << "250 frames";
}

TEST(CursorEffect, FairyDustFallsAsAsterisksThatShrinkToNothing) {
    CursorEffect effect;
    effect.SetMode(L"FAIRY_DUST");
    Mouse mouse;
    mouse.x = 50, mouse.y = 60;
    SeedRandom(1); // rand() gives 41, 18467, 6334
    Frame(effect, mouse);
    const CursorEffect::PARTICLE_FAIRY_DUST& g = effect.FairyDust()[0];
    EXPECT_EQ(0xFF00FFFFu, g.colour) << "6334 % 4 = 2: the third colour";
    EXPECT_FLOAT_EQ(-(18467.0f / 32767.0f * 0.5f), g.vx);
    EXPECT_EQ(51.0f, g.y) << "60 − 10, and one pixel down in its first frame";
    int frames = 1;
    while (!effect.FairyDust().empty() && frames < 200) {
        Frame(effect, mouse);
        ++frames;
    }
    EXPECT_EQ(121, frames);
}

TEST(CursorEffect, FlashlightAndCrossHairSitOnThePointer) {
    CursorEffect effect;
    Mouse mouse;
    mouse.x = 700, mouse.y = 200;
    effect.SetMode(L"FLASH_LIGHT");
    auto calls = Frame(effect, mouse);
    ASSERT_EQ(1u, calls.size());
    EXPECT_EQ("FillRadialGlow", calls[0].op);
    EXPECT_EQ((std::vector<float>{650, 150, 100, 100}), calls[0].values);
    EXPECT_EQ(Color::Argb(0xFFFFFACDu), calls[0].colors[0]);
    EXPECT_EQ(Color::Argb(0x00FFFF00u), calls[0].colors[1]);

    effect.SetMode(L"INTERSECTION");
    calls = Frame(effect, mouse);
    ASSERT_EQ(2u, calls.size());
    EXPECT_EQ((std::vector<float>{700.5f, 0, 700.5f, 1080}), calls[0].values);
    EXPECT_EQ((std::vector<float>{0, 200.5f, 1920, 200.5f}), calls[1].values);
    EXPECT_TRUE(effect.Points().empty());
}

} // namespace
} // namespace orvane
