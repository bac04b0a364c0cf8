#include "core/Options.h"
#include "core/SettingsKeys.h"
#include "effects/EffectFactory.h"
#include "effects/EffectGroup.h"
#include "framework/Gdiplus.h"
#include "resources/ids_effects.h"
#include "ProcessCounters.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvane {
namespace {

MonitorArea Monitor(WorkArea bounds, unsigned dpi, bool primary = false) {
    MonitorArea monitor;
    monitor.bounds = bounds;
    monitor.work = {bounds.left, bounds.top, bounds.right, bounds.bottom - 40};
    monitor.dpi = dpi;
    monitor.primary = primary;
    return monitor;
}

// A 1920 × 1080 primary at 100 %, a 2560 × 1440 monitor at 150 % to its right and a
// 1280 × 1024 one at 100 % to its left, at negative coordinates and a little lower.
const MonitorArea kPrimary = Monitor({0, 0, 1920, 1080}, 96, true);
const MonitorArea kRight = Monitor({1920, 0, 4480, 1440}, 144);
const MonitorArea kLeft = Monitor({-1280, 200, 0, 1224}, 96);

// An overlay that draws a 10 × 10 square in the bottom-right corner of its scene and keeps
// what it hands the window system, so that a test sees each monitor's frame.
class CornerOverlay : public CDlgEffectOverlay {
public:
    explicit CornerOverlay(COptions& options)
        : CDlgEffectOverlay(options, EffectId::Hearts, IDD_EFFECT_OVERLAY) {}

    RECT lastDirty = {};
    SIZE lastSize = {};

protected:
    void DrawFrame(ICanvas& canvas) override {
        canvas.SetSmoothing(false);
        canvas.FillRect(static_cast<float>(Width() - 10), static_cast<float>(Height() - 10), 10, 10,
                        Color::Argb(0xFF20A0E0u));
    }
    BOOL UpdateLayered(const UPDATELAYEREDWINDOWINFO& info) override {
        lastDirty = info.prcDirty ? *info.prcDirty : RECT{};
        lastSize = info.psize ? *info.psize : SIZE{};
        return CDlgEffectOverlay::UpdateLayered(info);
    }
};

class EffectMonitors : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(gdiplus.Ok()); }
    void TearDown() override { group.StopEffect(); }

    static void Tick(CDlgEffectOverlay& overlay) {
        SendMessageW(overlay.GetSafeHwnd(), WM_TIMER, CDlgEffectOverlay::kFrameTimer, 0);
    }
    // The overlays that run, and for each the monitor it was given.
    std::vector<CDlgEffectOverlay*> Running() {
        std::vector<CDlgEffectOverlay*> running;
        for (std::size_t i = 0; i < group.OverlayCount(); ++i)
            if (group.Overlay(i).Running())
                running.push_back(&group.Overlay(i));
        return running;
    }
    // Each running overlay covers its monitor exactly, less the last row, at its scale.
    void ExpectEachMonitorCovered() {
        const std::vector<CDlgEffectOverlay*> running = Running();
        ASSERT_EQ(monitors.size(), running.size());
        for (std::size_t i = 0; i < monitors.size(); ++i) {
            const WorkArea& m = monitors[i].bounds;
            RECT rect = {};
            ASSERT_TRUE(GetWindowRect(running[i]->GetSafeHwnd(), &rect));
            EXPECT_EQ(m.left, rect.left) << i;
            EXPECT_EQ(m.top, rect.top) << i;
            EXPECT_EQ(m.right, rect.right) << i;
            EXPECT_EQ(m.bottom - 1, rect.bottom) << i;
            EXPECT_FLOAT_EQ(monitors[i].dpi / 96.0f, running[i]->SceneScale()) << i;
        }
    }

    GdiplusSession gdiplus;
    COptions options;
    MonitorList monitors{kPrimary, kRight, kLeft};
    CEffectGroup group{options, [this] { return std::make_unique<CornerOverlay>(options); },
                       [this] { return monitors; }};
};

TEST_F(EffectMonitors, AnOverlayPerMonitorCoversItAndDrawsAtItsScale) {
    for (const MonitorList& arrangement :
         {MonitorList{kPrimary, kRight}, MonitorList{kPrimary, kRight, kLeft}}) {
        monitors = arrangement;
        group.StartEffect();
        ExpectEachMonitorCovered();
        if (HasFailure())
            return;
        // The corner square lands in each window's own last pixels: the 150 % monitor's
        // frame is drawn at its size, the scene at 100 % scaled up.
        for (std::size_t i = 0; i < group.OverlayCount(); ++i) {
            auto& overlay = static_cast<CornerOverlay&>(group.Overlay(i));
            Tick(overlay); // the first frame goes over the whole window
            Tick(overlay);
            const int width = overlay.PixelWidth(), height = overlay.PixelHeight();
            EXPECT_EQ(width, overlay.lastSize.cx) << i;
            EXPECT_EQ(height, overlay.lastSize.cy) << i;
            const int square = monitors[i].dpi == 144 ? 15 : 10;
            EXPECT_GE(overlay.lastDirty.right, width - 1) << i;
            EXPECT_LE(overlay.lastDirty.left, width - square) << i;
            EXPECT_GT(overlay.lastDirty.left, width - square - 3) << i;
        }
        group.StopEffect();
        EXPECT_TRUE(Running().empty());
    }
}

TEST_F(EffectMonitors, ThePrimaryAloneWhenEveryMonitorIsNotChosen) {
    options.SetBool(key::fEffectsEveryMonitor, false);
    group.StartEffect();
    ASSERT_EQ(1u, Running().size());
    EXPECT_EQ(kPrimary, *Running().front()->Monitor());

    // Chosen while the effect runs: the other monitors get theirs at the next follow.
    options.SetBool(key::fEffectsEveryMonitor, true);
    group.FollowMonitors();
    ExpectEachMonitorCovered();
    options.SetBool(key::fEffectsEveryMonitor, false);
    group.FollowMonitors();
    EXPECT_EQ(1u, Running().size());
}

TEST_F(EffectMonitors, RealEffectsKeepAPopulationPerMonitor) {
    options.SetInt(key::iEffectSpaceFlightDensity, 9);
    CEffectGroup flight(
        options, [this] { return CreateEffect(EffectId::SpaceFlight, options); },
        [this] { return monitors; });
    flight.StartEffect();
    ASSERT_EQ(3u, flight.OverlayCount());
    // The scene of each is its monitor at 100 %; the count follows from its own area.
    const int primaryCount = flight.Overlay(0).targetCount;
    EXPECT_EQ(1920, flight.Overlay(0).Width());
    EXPECT_EQ(1707, flight.Overlay(1).Width()) << "2560 pixels at 150 %";
    EXPECT_EQ(1280, flight.Overlay(2).Width());
    EXPECT_GT(primaryCount, 0);
    EXPECT_NE(primaryCount, flight.Overlay(2).targetCount);
    flight.SetDensity(1);
    for (std::size_t i = 0; i < flight.OverlayCount(); ++i)
        EXPECT_LT(flight.Overlay(i).targetCount, primaryCount) << "every overlay takes the density";
    flight.StopEffect();
}

TEST_F(EffectMonitors, MonitorsThatComeGoOrChangeAreFollowedWithoutLeaks) {
    group.StartEffect();
    ExpectEachMonitorCovered();
    HWND right = group.Overlay(1).GetSafeHwnd();
    HANDLE self = GetCurrentProcess();

    // The right monitor unplugged: its window goes, the others stay as they were.
    HWND primary = group.Overlay(0).GetSafeHwnd();
    monitors = {kPrimary, kLeft};
    group.FollowMonitors();
    ExpectEachMonitorCovered();
    EXPECT_FALSE(IsWindow(right));
    EXPECT_EQ(primary, group.Overlay(0).GetSafeHwnd()) << "an unchanged monitor keeps its effect";

    const unsigned long gdiBefore = test::GdiObjectCount();
    const long long userBefore = test::UserObjectCount(self);
    for (int round = 0; round < 5; ++round) {
        monitors = {kPrimary, kLeft, kRight};
        group.FollowMonitors();
        monitors = {kPrimary, kLeft};
        group.FollowMonitors();
    }
    EXPECT_EQ(2u, Running().size());
    EXPECT_EQ(gdiBefore, test::GdiObjectCount()) << "GDI objects";
    EXPECT_EQ(userBefore, test::UserObjectCount(self)) << "USER objects";

    // A laptop docked: the primary changes resolution; its window follows.
    monitors = {Monitor({0, 0, 2560, 1440}, 96, true), kLeft};
    group.FollowMonitors();
    ExpectEachMonitorCovered();
}

TEST_F(EffectMonitors, AFullScreenProgramPausesTheEffectOnItsMonitorOnly) {
    group.StartEffect();
    ASSERT_EQ(3u, Running().size());
    group.PauseOnMonitor(kRight.bounds);
    EXPECT_FALSE(group.Overlay(1).Running());
    EXPECT_TRUE(group.Overlay(0).Running() && group.Overlay(2).Running());
    EXPECT_TRUE(group.Running());
    group.FollowMonitors();
    EXPECT_FALSE(group.Overlay(1).Running()) << "following the monitors keeps the pause";

    group.PauseOnMonitor(std::nullopt);
    ExpectEachMonitorCovered();

    // Stopped and started during the pause, the effect still keeps off that monitor.
    group.PauseOnMonitor(kLeft.bounds);
    group.StopEffect();
    group.StartEffect();
    EXPECT_EQ(2u, Running().size());
    EXPECT_FALSE(group.Overlay(2).Running());
}

} // namespace
} // namespace orvane
