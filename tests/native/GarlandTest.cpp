#include "effects/Garland.h"
#include "effects/RecordingCanvas.h"
#include "framework/Random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

namespace orvane {
namespace {

constexpr PictureSize kBulb{48, 48}, kWhite{32, 32}, kStrand{100, 310};

struct Edge {
    std::size_t first; // index of the edge's first bulb
    int x, y, quarterTurns;
};

struct LayoutCase {
    int kind;
    int width, height;
    std::size_t count;
    std::vector<Edge> edges;
};

TEST(GarlandLayout, CountsAndFirstPositionsOnCommonWorkAreas) {
    const LayoutCase cases[] = {
        // 38 bulbs a side, 19 down, 32 spare pixels split above and below.
        {kMulticolorLights,
         1920,
         1040,
         118,
         {{0, 0, 0, 1},
          {1, 48, 0, 2},
          {39, 1872, 0, 2},
          {40, 1872, 64, 3},
          {59, 1872, 992, 3},
          {60, 1824, 992, 0},
          {98, 0, 992, 0},
          {99, 0, 928, 1}}},
        {kBlueStrawberryLights,
         1366,
         728,
         82,
         {{0, 0, 0, 1},
          {1, 59, 0, 2},
          {27, 1318, 0, 2},
          {28, 1318, 52, 3},
          {41, 1318, 680, 3},
          {42, 1259, 680, 0},
          {68, 0, 680, 0},
          {69, 0, 628, 1}}},
        // White bulbs have no corners: the top and bottom run the whole width.
        {kWhiteLights,
         1920,
         1040,
         180,
         {{0, 0, 0, 2}, {60, 1888, 40, 3}, {90, 1888, 1008, 0}, {150, 0, 968, 1}}},
        {kWhiteLights,
         1366,
         728,
         124,
         {{0, 11, 0, 2}, {42, 1334, 44, 3}, {62, 1323, 696, 0}, {104, 0, 652, 1}}},
        {kIcicleLights, 1920, 1040, 23, {{0, 20, 0, 0}, {1, 100, 0, 0}}},
        {kIcicleLights, 1366, 728, 16, {{0, 23, 0, 0}}},
        // Strands that fill the width exactly start 20 pixels left of it.
        {kIcicleLights, 1600, 900, 20, {{0, -20, 0, 0}, {19, 1500, 0, 0}}},
    };
    for (const LayoutCase& c : cases) {
        const PictureSize upright = c.kind == kWhiteLights    ? kWhite
                                    : c.kind == kIcicleLights ? kStrand
                                                              : kBulb;
        const auto bulbs = GarlandLayout(c.kind, c.width, c.height, upright, kBulb);
        ASSERT_EQ(c.count, bulbs.size()) << c.kind << " on " << c.width << "x" << c.height;
        for (const Edge& e : c.edges) {
            const GarlandBulb& b = bulbs[e.first];
            EXPECT_EQ(e.x, b.x) << c.kind << " " << c.width << ", bulb " << e.first;
            EXPECT_EQ(e.y, b.y) << c.kind << " " << c.width << ", bulb " << e.first;
            EXPECT_EQ(e.quarterTurns, b.quarterTurns) << c.kind << ", bulb " << e.first;
        }
        for (std::size_t i = 0; i < bulbs.size(); ++i) {
            ASSERT_EQ(static_cast<int>(i) + 1, bulbs[i].number);
            // Every picture lies inside the window, but the strands at the ends.
            if (c.kind != kIcicleLights)
                ASSERT_TRUE(bulbs[i].x >= 0 && bulbs[i].y >= 0 &&
                            bulbs[i].x + upright.width <= c.width &&
                            bulbs[i].y + upright.height <= c.height)
                    << c.kind << ", bulb " << i;
        }
    }
}

TEST(GarlandLayout, BottomBulbsStandUnderTheTopOnesAndCornersAreTilted) {
    for (int width : {1920, 1366, 1000}) {
        const auto bulbs = GarlandLayout(kMulticolorLights, width, 700, kBulb, kBulb);
        std::vector<int> top, bottom;
        for (const GarlandBulb& b : bulbs) {
            if (b.tilted)
                continue;
            if (b.y == 0)
                top.push_back(b.x);
            else if (b.y == 700 - 48)
                bottom.push_back(b.x);
        }
        std::reverse(bottom.begin(), bottom.end());
        EXPECT_EQ(top, bottom) << width;
        const std::size_t count = bulbs.size();
        const std::size_t corners[] = {0, 1 + top.size(), count / 2, count / 2 + 1 + top.size()};
        for (std::size_t i = 0; i < count; ++i) {
            const bool corner =
                std::find(std::begin(corners), std::end(corners), i) != std::end(corners);
            EXPECT_EQ(corner, bulbs[i].tilted) << width << ", bulb " << i;
        }
    }
}

TEST(GarlandLayout, KindsOutsideTheRangeAndMissingPicturesHaveNoBulbs) {
    EXPECT_TRUE(GarlandLayout(-1, 1920, 1040, kBulb, kBulb).empty());
    EXPECT_TRUE(GarlandLayout(6, 1920, 1040, kBulb, kBulb).empty());
    EXPECT_TRUE(GarlandLayout(kBlueLights, 1920, 1040, {0, 0}, kBulb).empty());
    EXPECT_TRUE(GarlandLayout(kBlueLights, 1920, 1040, kBulb, {0, 0}).empty());
    EXPECT_TRUE(GarlandLayout(kIcicleLights, 1920, 1040, {20, 310}, kBulb).empty());
    EXPECT_EQ(-1, GarlandSpriteSlot(6, false, 1, true));
    EXPECT_EQ(-1, GarlandSpriteSlot(kWhiteLights, false, 2, true));
    EXPECT_EQ(-1, GarlandSpriteSlot(kIcicleLights, true, 1, true));
}

TEST(GarlandLayout, EveryPictureServesOneKindSetColourAndState) {
    std::set<int> slots;
    for (int kind = 0; kind < kGarlandKindCount; ++kind)
        for (bool tilted : {false, true})
            for (int colour = 1; colour <= 5; ++colour)
                for (bool lit : {false, true}) {
                    const int slot = GarlandSpriteSlot(kind, tilted, colour, lit);
                    if (slot >= 0)
                        slots.insert(slot);
                }
    EXPECT_EQ(kGarlandSpriteCount, slots.size());
    EXPECT_EQ(51, *slots.rbegin());
    // Orange and red bulbs: their ids are not in sequence.
    EXPECT_EQ(165, kGarlandSpriteIds[GarlandSpriteSlot(kMulticolorLights, false, 3, false)]);
    EXPECT_EQ(168, kGarlandSpriteIds[GarlandSpriteSlot(kMulticolorLights, false, 3, true)]);
    EXPECT_EQ(171, kGarlandSpriteIds[GarlandSpriteSlot(kBlueLights, false, 4, true)]);
    EXPECT_EQ(179, kGarlandSpriteIds[GarlandSpriteSlot(kMulticolorLights, true, 3, false)]);
    EXPECT_EQ(186, kGarlandSpriteIds[GarlandSpriteSlot(kWhiteLights, false, 1, true)]);
    EXPECT_EQ(205, kGarlandSpriteIds[GarlandSpriteSlot(kBlueStrawberryLights, true, 5, false)]);
    EXPECT_EQ(216, kGarlandSpriteIds[GarlandSpriteSlot(kIcicleLights, false, 5, true)]);
}

TEST(GarlandFlash, TimerPeriodAndPhases) {
    EXPECT_EQ(540, FlashIntervalMs(1));
    EXPECT_EQ(300, FlashIntervalMs(5));
    EXPECT_EQ(60, FlashIntervalMs(9));
    EXPECT_EQ(540, FlashIntervalMs(0)) << "a hand-edited speed keeps the timer running";
    EXPECT_EQ(60, FlashIntervalMs(12));

    std::vector<int> phases;
    for (int phase = 0, i = 0; i < 6; ++i)
        phases.push_back(phase = NextFlashPhase(kSections, phase));
    EXPECT_EQ((std::vector<int>{1, 2, 3, 0, 1, 2}), phases);
    EXPECT_EQ(0, NextFlashPhase(kFlashTogether, 2)) << "from Sections in phase 2";
    EXPECT_EQ(1, NextFlashPhase(kChasing, 0));
    EXPECT_EQ(3, NextFlashPhase(kSteadyOn, 3));
    EXPECT_EQ(2, NextFlashPhase(kRandomFlash, 2));
    EXPECT_EQ(2, NextFlashPhase(9, 2));
}

TEST(GarlandFlash, PlacementFramesTheWorkArea) {
    const WorkArea work{0, 0, 1920, 1040};
    const OverlayBox shown = GarlandPlacement(0, work);
    EXPECT_EQ(1040, shown.height) << "the bottom row stands just above the taskbar";
    EXPECT_EQ(1920, shown.width);
    const OverlayBox hidden = GarlandPlacement(kTaskbarAutoHide, {0, 40, 1366, 768});
    EXPECT_EQ(40, hidden.top);
    EXPECT_EQ(727, hidden.height);
}

// A garland with every picture: each slot a distinct 48 × 48 (32 × 32 white, 100 × 310
// strand) picture, so the drawn picture tells the slot.
class GarlandDrawing : public ::testing::Test {
protected:
    GarlandDrawing() {
        std::vector<std::optional<Sprite>> sprites;
        for (std::size_t slot = 0; slot < kGarlandSpriteCount; ++slot) {
            const int side = slot == 20 || slot == 21 ? 32 : 48;
            const int w = slot >= 42 ? 100 : side, h = slot >= 42 ? 310 : side;
            std::vector<std::uint32_t> pixels(static_cast<std::size_t>(w) * h,
                                              0xFF000000u | static_cast<std::uint32_t>(slot));
            sprites.emplace_back(Sprite(w, h, pixels.data()));
        }
        garland.SetSprites(std::move(sprites));
    }

    // For each picture drawn: whether it is a lit one, by its slot's parity.
    std::vector<bool> Lit(int width = 1920, int height = 1040) {
        RecordingCanvas canvas(width, height);
        garland.DrawFrame(canvas);
        std::vector<bool> lit;
        for (const auto& call : canvas.Calls())
            lit.push_back((call.sprite->Pixel(0, 0) & 1) != 0);
        return lit;
    }
    std::vector<GarlandBulb> Bulbs(int width = 1920, int height = 1040) const {
        const PictureSize upright = garland.Kind() == kWhiteLights    ? kWhite
                                    : garland.Kind() == kIcicleLights ? kStrand
                                                                      : kBulb;
        return GarlandLayout(garland.Kind(), width, height, upright, kBulb);
    }

    Garland garland{kMulticolorLights, kSteadyOn};
};

TEST_F(GarlandDrawing, SectionsLightOneQuarterAtATimeClockwise) {
    for (int kind : {kMulticolorLights, kWhiteLights, kIcicleLights}) {
        garland.SetKind(kind);
        garland.SetMode(kSections);
        const auto bulbs = Bulbs();
        std::vector<int> seen;
        for (int tick = 0; tick < 4; ++tick) {
            const std::vector<bool> lit = Lit();
            ASSERT_EQ(bulbs.size(), lit.size());
            for (std::size_t i = 0; i < lit.size(); ++i)
                ASSERT_EQ(bulbs[i].section == garland.Phase() + 1, lit[i])
                    << kind << ", phase " << garland.Phase() << ", bulb " << i;
            seen.push_back(garland.Phase());
            garland.Tick();
        }
        EXPECT_EQ((std::vector<int>{0, 1, 2, 3}), seen) << kind;
    }
    // On the frame, a quarter is a corner and the edge after it, clockwise from the top.
    garland.SetKind(kBlueLights);
    const auto bulbs = Bulbs();
    const int expected[] = {1 + 38, 1 + 19, 1 + 38, 1 + 19};
    for (int section = 1; section <= 4; ++section)
        EXPECT_EQ(expected[section - 1],
                  std::count_if(bulbs.begin(), bulbs.end(),
                                [&](const GarlandBulb& b) { return b.section == section; }));
    EXPECT_EQ(2, bulbs[39].section) << "the top-right corner opens the right edge";
    EXPECT_EQ(0, bulbs[39].y);
}

TEST_F(GarlandDrawing, ModesChooseLitOrUnlitPictures) {
    garland.SetMode(kChasing);
    std::vector<bool> lit = Lit();
    EXPECT_TRUE(lit[0]) << "the top-left corner in phase 0";
    EXPECT_FALSE(lit[1]);
    garland.Tick();
    lit = Lit();
    EXPECT_FALSE(lit[0]) << "and not in phase 1";
    EXPECT_TRUE(lit[1]);

    garland.SetMode(kFlashTogether); // phase 1
    lit = Lit();
    EXPECT_TRUE(std::all_of(lit.begin(), lit.end(), [](bool b) { return b; }));
    garland.Tick();
    lit = Lit();
    EXPECT_TRUE(std::none_of(lit.begin(), lit.end(), [](bool b) { return b; }));

    garland.SetMode(kSteadyOn);
    lit = Lit();
    EXPECT_TRUE(std::all_of(lit.begin(), lit.end(), [](bool b) { return b; }));

    garland.SetMode(7); // a hand-edited mode: the unlit garland
    lit = Lit();
    ASSERT_EQ(118u, lit.size());
    EXPECT_TRUE(std::none_of(lit.begin(), lit.end(), [](bool b) { return b; }));

    // Random: one rand() per bulb in drawing order, lit when odd.
    garland.SetMode(kRandomFlash);
    SeedRandom(1234);
    std::vector<bool> expected;
    for (int i = 0; i < 118; ++i)
        expected.push_back(Rand() % 2 == 1);
    SeedRandom(1234);
    EXPECT_EQ(expected, Lit());
}

TEST_F(GarlandDrawing, ColoursCycleAndPicturesTurnIntoTheScreen) {
    RecordingCanvas canvas(1366, 728);
    garland.DrawFrame(canvas);
    const auto& calls = canvas.Calls();
    ASSERT_EQ(82u, calls.size());
    for (std::size_t i = 0; i < calls.size(); ++i) {
        const int slot = static_cast<int>(calls[i].sprite->Pixel(0, 0) & 0xFF);
        const bool tilted = i == 0 || i == 27 || i == 41 || i == 68;
        EXPECT_EQ(GarlandSpriteSlot(kMulticolorLights, tilted, static_cast<int>(i % 5) + 1, true),
                  slot)
            << "bulb " << i;
    }
    // Top edge upside down, right edge pointing left, bottom upright, left pointing right.
    EXPECT_EQ(90, calls[0].values[2]);
    EXPECT_EQ(180, calls[1].values[2]);
    EXPECT_EQ(270, calls[28].values[2]);
    EXPECT_EQ(0, calls[42].values[2]);
    EXPECT_EQ(90, calls[69].values[2]);

    garland.SetKind(kBlueStrawberryLights);
    canvas.Clear();
    garland.DrawFrame(canvas);
    for (const auto& call : canvas.Calls()) {
        const int slot = static_cast<int>(call.sprite->Pixel(0, 0) & 0xFF);
        EXPECT_TRUE(slot == GarlandSpriteSlot(kBlueStrawberryLights, false, 1, true) ||
                    slot == GarlandSpriteSlot(kBlueStrawberryLights, true, 1, true));
    }
}

TEST_F(GarlandDrawing, NothingIsDrawnForAnUnknownKindOrFromMissingPictures) {
    garland.SetKind(6);
    EXPECT_TRUE(Lit().empty());
    garland.SetKind(-3);
    EXPECT_TRUE(Lit().empty());

    // Only the lit blue upright bulb is there: the corners and the other colours go.
    std::vector<std::optional<Sprite>> sprites(kGarlandSpriteCount);
    const std::vector<std::uint32_t> pixels(48 * 48, 0xFF0000FFu);
    sprites[1].emplace(48, 48, pixels.data());
    garland.SetSprites(std::move(sprites));
    garland.SetKind(kMulticolorLights);
    EXPECT_TRUE(Lit().empty()) << "without the unlit colour-1 picture there is no size";
    garland.SetKind(kWhiteLights);
    EXPECT_TRUE(Lit().empty());
    garland.ClearSprites();
    garland.SetKind(kIcicleLights);
    EXPECT_TRUE(Lit().empty());
}

} // namespace
} // namespace orvane
