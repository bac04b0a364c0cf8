#include "core/Options.h"
#include "effects/SpriteResource.h"
#include "effects/SpriteEffectWindows.h"
#include "framework/Gdiplus.h"
#include "EffectWindowFixture.h"
#include "MessagePump.h"
#include "OverlayChecks.h"
#include "ProcessCounters.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

class EffectWindows : public test::EffectWindowFixture {
protected:
    void SetUp() override {
        EffectWindowFixture::SetUp();
        ASSERT_EQ(1920, GetSystemMetrics(SM_CXSCREEN));
        ASSERT_EQ(1080, GetSystemMetrics(SM_CYSCREEN));
    }

    static bool Topmost(HWND window) {
        return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    }
};

TEST_F(EffectWindows, AnOverlayIsALayeredClickThroughToolWindowOverTheScreenLessItsBottomRow) {
    options.SetInt(L"iEffectsLeafFallDensity", 5);
    CDlgEffectsLeafFall effect(options);
    EXPECT_FALSE(effect.StopEffect()) << "stopping an effect that is not running";
    effect.StartEffect();
    HWND window = effect.GetSafeHwnd();
    ASSERT_TRUE(window);

    test::ExpectDefaultOverlayPlacement(window);
    EXPECT_EQ(1920, effect.Width());
    EXPECT_EQ(1079, effect.Height());
    EXPECT_TRUE(GetWindowLongPtrW(window, GWL_STYLE) & WS_POPUP);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(nullptr, GetWindow(window, GW_OWNER)) << "no owner, so no taskbar button";

    test::PumpMessages(200); // the effect's timers
    EXPECT_EQ(50, effect.targetCount);
    EXPECT_EQ(50u, effect.Simulation().Records().size()) << "the frame timer runs";
    EXPECT_EQ(7u, effect.Simulation().Sprites().size());

    // A page lowers the density: the count follows only as leaves leave the screen,
    // which takes them at least 1079 / 6 frames.
    effect.targetCount = 10;
    Tick(effect, 20);
    EXPECT_EQ(50u, effect.Simulation().Records().size());

    EXPECT_TRUE(effect.StopEffect());
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(effect.Running());
    EXPECT_TRUE(effect.Simulation().Records().empty());
    EXPECT_TRUE(effect.Simulation().Sprites().empty());
    EXPECT_FALSE(effect.StopEffect());

    effect.StartEffect();
    EXPECT_TRUE(effect.Running());
    Tick(effect);
    EXPECT_EQ(50u, effect.Simulation().Records().size()) << "a new start reads the density again";
}

TEST_F(EffectWindows, ThePlacementKeyDecidesAtStartAndAtEachFocusAndActivation) {
    options.SetBool(L"fEffectHeartsTop", true);
    CDlgEffectHearts effect(options);
    effect.StartEffect();
    HWND window = effect.GetSafeHwnd();
    ASSERT_TRUE(window);
    EXPECT_TRUE(Topmost(window));

    // The page switches to "On desktop" and writes the key.
    effect.SetPlacement(false);
    options.SetBool(L"fEffectHeartsTop", false);
    EXPECT_FALSE(Topmost(window));
    EXPECT_EQ(nullptr, GetWindow(window, GW_HWNDNEXT)) << "at the bottom of the window order";
    SendMessageW(window, WM_ACTIVATEAPP, TRUE, 0);
    EXPECT_FALSE(Topmost(window)) << "activation never raises an on-desktop overlay";

    // Something raised it; focus sends it back down because the key says so.
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    SendMessageW(window, WM_SETFOCUS, 0, 0);
    EXPECT_FALSE(Topmost(window));
    EXPECT_EQ(nullptr, GetWindow(window, GW_HWNDNEXT));

    options.SetBool(L"fEffectHeartsTop", true);
    SendMessageW(window, WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_FALSE(Topmost(window)) << "nothing happens on deactivation";
    SendMessageW(window, WM_ACTIVATEAPP, TRUE, 0);
    EXPECT_TRUE(Topmost(window));
    SendMessageW(window, WM_SETFOCUS, 0, 0);
    EXPECT_TRUE(Topmost(window)) << "focus leaves an on-top overlay alone";

    // While stopped, a placement change does nothing; the key decides the next start.
    effect.StopEffect();
    effect.SetPlacement(true);
    options.SetBool(L"fEffectHeartsTop", false);
    effect.StartEffect();
    ASSERT_TRUE(effect.GetSafeHwnd());
    EXPECT_FALSE(Topmost(effect.GetSafeHwnd()));
}

TEST_F(EffectWindows, WindEffectsStartTheirWindFromTheKeyAndTickItOnTheirOwnTimer) {
    options.SetInt(L"iEffectDandelionsWind", 9);
    CDlgEffectDandelions effect(options);
    effect.StartEffect();
    HWND window = effect.GetSafeHwnd();
    ASSERT_TRUE(window);
    EXPECT_EQ(9, effect.Simulation().Wind().level);
    EXPECT_TRUE(effect.Simulation().Wind().active);
    // The start's wind ends at the first tick of the wind timer (id 2).
    SendMessageW(window, WM_TIMER, CDlgSpriteEffect::kWindTimer, 0);
    EXPECT_FALSE(effect.Simulation().Wind().active);

    // The page's slider restarts the wind.
    effect.StartWind(3);
    EXPECT_EQ(3, effect.Simulation().Wind().level);
    EXPECT_EQ(0u, effect.Simulation().Wind().seconds);

    CDlgEffectSweets sweets(options);
    sweets.StartEffect();
    SendMessageW(sweets.GetSafeHwnd(), WM_TIMER, CDlgSpriteEffect::kWindTimer, 0);
    EXPECT_EQ(0, sweets.Simulation().Wind().level) << "an effect without wind has no wind timer";
    EXPECT_FALSE(sweets.Simulation().Records().empty()) << "an unclaimed timer id draws a frame";
}

TEST_F(EffectWindows, ChangingThePetalColourReplacesEveryPetal) {
    CDlgEffectFallingPetals effect(options);
    effect.SetPetalColour(L"pink");
    EXPECT_EQ(10u, effect.Simulation().Sprites().size()) << "works without a window";

    effect.StartEffect(); // the stored colour, red by default
    Tick(effect);
    ASSERT_EQ(50u, effect.Simulation().Records().size());

    effect.SetPetalColour(L"white");
    EXPECT_TRUE(effect.Simulation().Records().empty());
    ASSERT_EQ(10u, effect.Simulation().Sprites().size());
    Tick(effect);
    ASSERT_EQ(50u, effect.Simulation().Records().size());
    const auto& sprites = effect.Simulation().Sprites();
    for (const SpriteRecord& r : effect.Simulation().Records())
        ASSERT_TRUE(r.sprite >= &sprites.front() && r.sprite <= &sprites.back());
    std::optional<Sprite> firstWhite = LoadSprite(469);
    ASSERT_TRUE(firstWhite);
    EXPECT_EQ(firstWhite->Width(), sprites.front().Width());
    EXPECT_EQ(firstWhite->Pixel(firstWhite->Width() / 2, firstWhite->Height() / 2),
              sprites.front().Pixel(sprites.front().Width() / 2, sprites.front().Height() / 2));
}

TEST_F(EffectWindows, StartingAndStoppingTwoHundredTimesLeaksNoGdiObjectsOrMemory) {
    CDlgEffectsLeafFall effect(options);
    auto cycle = [&] {
        effect.StartEffect();
        Tick(effect, 2);
        effect.StopEffect();
    };
    for (int i = 0; i < 5; ++i)
        cycle();
    const unsigned long gdiBefore = test::GdiObjectCount();
    const std::size_t memoryBefore = test::CommittedBytes();
    for (int i = 0; i < 200; ++i)
        cycle();
    const unsigned long gdiAfter = test::GdiObjectCount();
    const std::size_t memoryAfter = test::CommittedBytes();
    ASSERT_GT(gdiBefore, 0u) << "the counter sees the program's own objects";
    EXPECT_EQ(gdiBefore, gdiAfter);
    // Each start decodes 7 pictures and maps an 8 MB frame: any leak of those shows.
    EXPECT_LT(memoryAfter, memoryBefore + 2 * 1024 * 1024)
        << "before " << memoryBefore << ", after " << memoryAfter;
}

} // namespace
} // namespace orvane
