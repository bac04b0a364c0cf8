// The garland, fireflies and lightning windows under Wine: placement, timers, the live
// setters of their pages and start-stop cycles.
#include "core/Options.h"
#include "effects/DlgEffectFireflies.h"
#include "effects/DlgEffectLightning.h"
#include "effects/DlgLights.h"
#include "framework/Gdiplus.h"
#include "OverlayChecks.h"
#include "EffectWindowFixture.h"
#include "ProcessCounters.h"

#include <gtest/gtest.h>

#include <functional>

namespace orvane {
namespace {

using GlowEffectWindows = test::EffectWindowFixture;

TEST_F(GlowEffectWindows, TheGarlandFramesTheWorkAreaWithEveryPictureLoaded) {
    options.SetInt(L"iGarland", kMulticolorStrawberryLights);
    options.SetInt(L"iFlash", kSections);
    options.SetBool(L"fGarlandTop", true);
    CDlgLights garland(options);
    EXPECT_EQ(kMulticolorStrawberryLights, garland.Lights().Kind()) << "read when constructed";
    // Keys changed later wait for the next program start; the page sets the object.
    options.SetInt(L"iGarland", kIcicleLights);
    garland.StartEffect();
    HWND window = garland.GetSafeHwnd();
    ASSERT_TRUE(window);
    EXPECT_EQ(kMulticolorStrawberryLights, garland.Lights().Kind());

    RECT work;
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0));
    RECT rect;
    ASSERT_TRUE(GetWindowRect(window, &rect));
    EXPECT_EQ(work.left, rect.left);
    EXPECT_EQ(work.top, rect.top);
    EXPECT_EQ(work.right - work.left, rect.right - rect.left);
    EXPECT_EQ(work.bottom - work.top, rect.bottom - rect.top)
        << "with the taskbar shown the garland keeps the whole work area";
    EXPECT_TRUE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_TRUE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);

    // Its one timer moves the phase; the page's setters act at once.
    const int phase = garland.Lights().Phase();
    Tick(garland);
    EXPECT_EQ((phase + 1) % 4, garland.Lights().Phase());
    garland.SetFlashMode(kFlashTogether);
    garland.SetGarlandKind(kWhiteLights);
    garland.SetFlashSpeed(9);
    const int sectionsPhase = garland.Lights().Phase();
    Tick(garland);
    EXPECT_EQ(kWhiteLights, garland.Lights().Kind());
    EXPECT_EQ(sectionsPhase == 0 ? 1 : 0, garland.Lights().Phase());
    EXPECT_TRUE(garland.StopEffect());
    EXPECT_EQ(kWhiteLights, garland.Lights().Kind()) << "kind and mode outlive the window";
    EXPECT_EQ(kFlashTogether, garland.Lights().Mode());
}

TEST_F(GlowEffectWindows, FirefliesFillTheirTargetOnTheFirstFrameAndFollowThePage) {
    options.SetInt(L"iEffectFirefliesDensity", 4);
    options.SetBool(L"fEffectFirefliesColorful", true);
    CDlgEffectFireflies fireflies(options);
    fireflies.StartEffect();
    ASSERT_TRUE(fireflies.GetSafeHwnd());
    test::ExpectDefaultOverlayPlacement(fireflies.GetSafeHwnd());
    EXPECT_EQ(400, fireflies.targetCount);
    EXPECT_TRUE(fireflies.Simulation().Colourful());
    Tick(fireflies);
    EXPECT_GE(fireflies.Simulation().List().size(), 390u);
    fireflies.SetDensity(9);
    Tick(fireflies);
    EXPECT_GE(fireflies.Simulation().List().size(), 890u);
    fireflies.SetColourful(false);
    EXPECT_TRUE(fireflies.Simulation().List().empty());
    Tick(fireflies);
    for (const FIREFLY& f : fireflies.Simulation().List())
        ASSERT_EQ(0xCDFFFF00u, f.centre);
    fireflies.StopEffect();
    EXPECT_TRUE(fireflies.Simulation().List().empty());
}

TEST_F(GlowEffectWindows, LightningKeepsItsCountdownOverARestart) {
    CDlgEffectLightning lightning(options);
    lightning.StartEffect();
    ASSERT_TRUE(lightning.GetSafeHwnd());
    Tick(lightning, 49);
    EXPECT_TRUE(lightning.Simulation().Bolts().empty());
    Tick(lightning);
    EXPECT_FALSE(lightning.Simulation().Bolts().empty()) << "the first strike, frame 50";
    Tick(lightning, 5);
    const int counter = lightning.Simulation().Counter();
    lightning.StopEffect();
    lightning.StartEffect();
    EXPECT_TRUE(lightning.Simulation().Bolts().empty());
    EXPECT_EQ(counter, lightning.Simulation().Counter());
    lightning.StopEffect();
}

TEST_F(GlowEffectWindows, StartingAndStoppingEachLeaksNoGdiObjectsOrMemory) {
    options.SetInt(L"iEffectFirefliesDensity", 9);
    CDlgLights garland(options);
    CDlgEffectFireflies fireflies(options);
    CDlgEffectLightning lightning(options);
    CDlgEffectOverlay* const effects[] = {&garland, &fireflies, &lightning};
    auto cycle = [&] {
        for (CDlgEffectOverlay* effect : effects) {
            effect->StartEffect();
            Tick(*effect, 3);
            effect->StopEffect();
        }
    };
    for (int i = 0; i < 3; ++i)
        cycle();
    const unsigned long gdiBefore = test::GdiObjectCount();
    const std::size_t memoryBefore = test::CommittedBytes();
    for (int i = 0; i < 40; ++i)
        cycle();
    EXPECT_EQ(gdiBefore, test::GdiObjectCount());
    // The garland decodes 52 pictures per start: a leak of them would show.
    EXPECT_LT(test::CommittedBytes(), memoryBefore + 2 * 1024 * 1024);
}

} // namespace
} // namespace orvane
