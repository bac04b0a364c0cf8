#include "core/Options.h"
#include "effects/CursorEffectWindow.h"
#include "effects/EffectFactory.h"
#include "effects/ParticleEffectWindows.h"
#include "framework/Gdiplus.h"
#include "EffectWindowFixture.h"
#include "ProcessCounters.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using ParticleWindows = test::EffectWindowFixture;

TEST_F(ParticleWindows, TheFactoryGivesEachEffectItsOwnWindowClass) {
    EXPECT_TRUE(
        dynamic_cast<CDlgEffectSpaceFlight*>(CreateEffect(EffectId::SpaceFlight, options).get()));
    EXPECT_TRUE(dynamic_cast<CDlgEffectConfetti*>(CreateEffect(EffectId::Confetti, options).get()));
    EXPECT_TRUE(dynamic_cast<CDlgEffectRain*>(CreateEffect(EffectId::Rain, options).get()));
    EXPECT_TRUE(dynamic_cast<CDlgEffectSmoke*>(CreateEffect(EffectId::Smoke, options).get()));
    EXPECT_TRUE(dynamic_cast<CDlgEffectCursor*>(CreateEffect(EffectId::Cursor, options).get()));
}

TEST_F(ParticleWindows, SpaceFlightFillsItsFieldAtOnceAndKeepsItsStarsWhenTheDensityFalls) {
    options.SetInt(L"iEffectSpaceFlightDensity", 9);
    CDlgEffectSpaceFlight flight(options);
    flight.StartEffect();
    ASSERT_TRUE(flight.Running());
    const int target =
        DensityTargetCount(EffectId::SpaceFlight, 9, flight.Width(), flight.Height());
    EXPECT_EQ(target, flight.targetCount);
    EXPECT_GT(target, 30000);
    Tick(flight);
    const std::size_t stars = flight.Effect().Stars().size();
    EXPECT_GT(stars, static_cast<std::size_t>(target) / 3) << "spawned all, most on the screen";
    flight.SetDensity(1);
    Tick(flight);
    EXPECT_GT(flight.Effect().Stars().size(), static_cast<std::size_t>(flight.targetCount));
    EXPECT_TRUE(flight.StopEffect());
    EXPECT_TRUE(flight.Effect().Stars().empty());
    EXPECT_EQ(0u, flight.Effect().Stars().capacity()) << "the storage is released";
}

TEST_F(ParticleWindows, ConfettiRainAndSmokeReadTheirDensitiesAtStart) {
    options.SetInt(L"iEffectConfettiDensity", 4);
    options.SetInt(L"iEffectRainDensity", 2);
    options.SetInt(L"iEffectSmokeDensity", 3);
    CDlgEffectConfetti confetti(options);
    CDlgEffectRain rain(options);
    CDlgEffectSmoke smoke(options);
    for (CDlgEffectOverlay* effect :
         {static_cast<CDlgEffectOverlay*>(&confetti), static_cast<CDlgEffectOverlay*>(&rain),
          static_cast<CDlgEffectOverlay*>(&smoke)}) {
        effect->StartEffect();
        ASSERT_TRUE(effect->Running());
        Tick(*effect);
    }
    EXPECT_EQ(400u, confetti.Effect().Pieces().size()) << "a whole burst, none fallen yet";
    EXPECT_EQ(2000u, rain.Effect().Drops().size());
    EXPECT_EQ(30u, smoke.Effect().Puffs().size());
    EXPECT_TRUE(smoke.Effect().HasSprite()) << "picture 542 is in the program";
    EXPECT_EQ(1024, smoke.Effect().DrawnSide()) << "on the 1920 pixel wide test screen";

    rain.SetDensity(5);
    Tick(rain);
    EXPECT_EQ(5000u, rain.Effect().Drops().size());
    smoke.StopEffect();
    EXPECT_FALSE(smoke.Effect().HasSprite());
    EXPECT_TRUE(smoke.Effect().Puffs().empty());
}

TEST_F(ParticleWindows, TheCursorWindowReadsItsModeAndLoadsOnlyThePicturesTheModeNeeds) {
    options.SetString(L"strEffectCursorEffect", L"CLICK_EXPLOSION");
    CDlgEffectCursor cursor(options);
    cursor.StartEffect();
    ASSERT_TRUE(cursor.Running());
    EXPECT_EQ(CursorMode::ClickExplosion, cursor.Effect().Mode());
    ASSERT_EQ(48u, cursor.Effect().ExplosionFrames().size());
    EXPECT_EQ(100, cursor.Effect().ExplosionFrames()[0].Width());
    EXPECT_TRUE(cursor.Effect().Flowers().empty());
    cursor.SetMode(L"CLICK_FLOWERS");
    EXPECT_EQ(30u, cursor.Effect().Flowers().size());
    EXPECT_EQ(48u, cursor.Effect().ExplosionFrames().size()) << "kept until the stop";
    cursor.StopEffect();
    EXPECT_TRUE(cursor.Effect().ExplosionFrames().empty());
    EXPECT_TRUE(cursor.Effect().Flowers().empty());

    options.SetString(L"strEffectCursorEffect", L"Sparkles");
    CDlgEffectCursor unknown(options);
    unknown.StartEffect();
    Tick(unknown, 3);
    EXPECT_EQ(CursorMode::None, unknown.Effect().Mode()) << "an unknown name at start: nothing";
}

TEST_F(ParticleWindows, TheCursorEffectsFollowThePointerInTheOverlaysCoordinates) {
    options.SetString(L"strEffectCursorEffect", L"DOTS");
    CDlgEffectCursor cursor(options);
    cursor.StartEffect();
    ASSERT_TRUE(cursor.Running());
    RECT overlay;
    GetWindowRect(cursor.GetSafeHwnd(), &overlay);
    ASSERT_TRUE(SetCursorPos(overlay.left + 300, overlay.top + 200));
    Tick(cursor);
    ASSERT_EQ(1u, cursor.Effect().Points().size());
    EXPECT_EQ(300, cursor.Effect().Points()[0].x);
    EXPECT_EQ(200, cursor.Effect().Points()[0].y);
    ASSERT_TRUE(SetCursorPos(overlay.left + 304, overlay.top + 196));
    Tick(cursor);
    EXPECT_EQ(1u, cursor.Effect().Points().size()) << "four pixels is too little for a dot";
    ASSERT_TRUE(SetCursorPos(overlay.left + 310, overlay.top + 200));
    Tick(cursor);
    EXPECT_EQ(2u, cursor.Effect().Points().size());
    cursor.StopEffect();
}

TEST_F(ParticleWindows, StartingAndStoppingTheHeaviestEffectsLeaksNoGdiObjectsOrMemory) {
    options.SetInt(L"iEffectSmokeDensity", 9);
    options.SetString(L"strEffectCursorEffect", L"CLICK_FLOWERS");
    CDlgEffectSmoke smoke(options);
    CDlgEffectCursor cursor(options);
    auto cycle = [&] {
        smoke.StartEffect();
        cursor.StartEffect();
        Tick(smoke);
        Tick(cursor);
        smoke.StopEffect();
        cursor.StopEffect();
    };
    for (int i = 0; i < 3; ++i)
        cycle();
    const unsigned long gdiBefore = test::GdiObjectCount();
    const std::size_t memoryBefore = test::CommittedBytes();
    for (int i = 0; i < 30; ++i)
        cycle();
    EXPECT_EQ(gdiBefore, test::GdiObjectCount());
    // Each start magnifies the puff to 4 MB and decodes 30 flowers: a leak of those shows.
    EXPECT_LT(test::CommittedBytes(), memoryBefore + 8 * 1024 * 1024);
}

} // namespace
} // namespace orvane
