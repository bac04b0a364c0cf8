#include "effects/RecordingCanvas.h"
#include "effects/ScaledCanvas.h"
#include "effects/Sprite.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace orvane {
namespace {

Sprite Solid(int width, int height, std::uint32_t pixel) {
    const std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height, pixel);
    return Sprite(width, height, pixels.data());
}

TEST(ScaledCanvas, TheSceneIsTheScreenAt100PercentAndEveryShapeGrowsWithTheScale) {
    RecordingCanvas screen(2880, 1619); // a 1920 x 1080 screen at 150 %, less one row
    ScaledCanvas scene(screen, 1.5f);
    EXPECT_EQ(1920, scene.Width());
    EXPECT_EQ(1080, scene.Height()) << "the last, partly shown row still counts";

    scene.FillRect(10, 20, 30, 40, Color::Argb(0xFF000000));
    const PointF line[] = {{2, 4}, {6, 8}};
    scene.DrawPolyline(line, 2, Pen{Color::Argb(0xFFFFFFFF), 2.0f});
    scene.FillEllipse(-2, -2, 4, 4, Color::Argb(0xFF000000));
    scene.FillRadialGlow(100, 50, 100, 100, Color::Argb(0xFFFFFACD), Color::Argb(0x00FFFF00));
    scene.FillRotatedRect(10, 10, 8, 10, 30, Color::Argb(0xFF102030));

    const auto& calls = screen.Calls();
    ASSERT_EQ(5u, calls.size());
    EXPECT_EQ((std::vector<float>{15, 30, 45, 60}), calls[0].values);
    EXPECT_EQ((std::vector<float>{3, 6, 9, 12}), calls[1].values);
    EXPECT_FLOAT_EQ(3.0f, calls[1].pen.width) << "lines as thick as on a screen at 100 %";
    EXPECT_EQ((std::vector<float>{-3, -3, 6, 6}), calls[2].values);
    EXPECT_EQ((std::vector<float>{150, 75, 150, 150}), calls[3].values);
    EXPECT_EQ((std::vector<float>{15, 15, 12, 15, 30}), calls[4].values) << "angles stay";
}

TEST(ScaledCanvas, SpritesAreDrawnFromOneScaledCopyAboutTheSameCentre) {
    RecordingCanvas screen(3840, 2160);
    ScaledCanvas scene(screen, 1.5f);
    const Sprite leaf = Solid(4, 6, 0xFF336699);
    scene.DrawSprite(leaf, 10, 20, 45);
    scene.DrawSprite(leaf, 0, 0, 0);
    const PixelPoint corners[] = {{2, 2}, {10, 0}};
    scene.DrawSprites(leaf, corners, 2);
    scene.DrawImage(leaf, 1, 2, 4, 6);
    scene.DrawImage(leaf, 1, 2, 40, 60);

    const auto& calls = screen.Calls();
    ASSERT_EQ(6u, calls.size());
    const Sprite* copy = calls[0].sprite;
    ASSERT_NE(nullptr, copy);
    EXPECT_NE(&leaf, copy);
    EXPECT_EQ(6, copy->Width());
    EXPECT_EQ(9, copy->Height());
    // Centre (12, 23) in the scene is (18, 34.5) on the screen.
    EXPECT_EQ((std::vector<float>{15, 30, 45}), calls[0].values);
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_EQ(copy, calls[i].sprite)
            << calls[i].op << ": scaled once, drawn from the same copy";
    EXPECT_EQ((std::vector<float>{3, 3, 0}), calls[2].values);
    EXPECT_EQ((std::vector<float>{15, 0, 0}), calls[3].values);
    EXPECT_EQ((std::vector<float>{1.5f, 3, 6, 9}), calls[4].values);
    EXPECT_EQ(&leaf, calls[5].sprite) << "stretched from the original, sampled once";
    EXPECT_EQ((std::vector<float>{1.5f, 3, 60, 90}), calls[5].values);
}

TEST(ScaledCanvas, APictureMadeAgainAtTheSameAddressGetsACopyOfItsOwn) {
    RecordingCanvas screen(3840, 2160);
    ScaledCanvas scene(screen, 2.0f);
    std::optional<Sprite> petal(Solid(4, 4, 0xFFFF0000));
    scene.DrawSprite(*petal, 0, 0, 0);
    petal.emplace(Solid(10, 5, 0xFF0000FF)); // the colour changed: new pictures
    scene.DrawSprite(*petal, 0, 0, 0);
    ASSERT_EQ(2u, screen.Calls().size());
    const Sprite* copy = screen.Calls()[1].sprite;
    EXPECT_EQ(20, copy->Width());
    EXPECT_EQ(10, copy->Height());
    EXPECT_EQ(0xFF0000FFu, copy->Pixel(10, 5));
}

TEST(ScaledCanvas, AtOneHundredPercentEverythingPassesUnchanged) {
    RecordingCanvas screen(800, 600);
    ScaledCanvas scene(screen, 1.0f);
    const Sprite leaf = Solid(4, 6, 0xFF336699);
    scene.DrawSprite(leaf, 7, 9, 10);
    EXPECT_EQ(800, scene.Width());
    EXPECT_EQ(600, scene.Height());
    ASSERT_EQ(1u, screen.Calls().size());
    EXPECT_EQ(&leaf, screen.Calls()[0].sprite);
    EXPECT_EQ((std::vector<float>{7, 9, 10}), screen.Calls()[0].values);
}

TEST(SpriteScaling, KeepsColoursWhereThePictureIsEvenAndBlendsOnlyAtItsSeams) {
    // Left half red, right half blue, both opaque.
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            pixels.push_back(x < 2 ? 0xFFFF0000u : 0xFF0000FFu);
    const Sprite halves(4, 2, pixels.data());
    const Sprite doubled = halves.Scaled(2.0f);
    ASSERT_EQ(8, doubled.Width());
    ASSERT_EQ(4, doubled.Height());
    for (int y = 1; y < 3; ++y) {
        for (int x = 1; x < 3; ++x)
            EXPECT_EQ(0xFFFF0000u, doubled.Pixel(x, y)) << x << "," << y;
        for (int x = 5; x < 7; ++x)
            EXPECT_EQ(0xFF0000FFu, doubled.Pixel(x, y)) << x << "," << y;
    }
    const std::uint32_t seam = doubled.Pixel(3, 1);
    EXPECT_EQ(0xFFu, seam >> 24) << "opaque pieces stay opaque between them";
    EXPECT_GT((seam >> 16) & 0xFF, seam & 0xFF) << "closer to the red it lies in";

    const Sprite solid = Solid(4, 4, 0xFF336699).Scaled(1.5f);
    ASSERT_EQ(6, solid.Width());
    for (int y = 1; y < 5; ++y)
        for (int x = 1; x < 5; ++x)
            EXPECT_EQ(0xFF336699u, solid.Pixel(x, y)) << x << "," << y;
    EXPECT_LT(solid.Pixel(0, 0) >> 24, 0xFFu) << "the edge fades into the transparent border";
}

} // namespace
} // namespace orvane
