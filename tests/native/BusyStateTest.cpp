#include "app/BusyState.h"

#include <gtest/gtest.h>

#include <set>

namespace orvane {
namespace {

BusySignals Shell(int state) {
    BusySignals signals;
    signals.stateKnown = true;
    signals.state = state;
    return signals;
}

TEST(BusyState, WhatEachAnswerOfTheShellPauses) {
    struct Case {
        int state;
        PauseScope withoutFlag;
        PauseScope withFlag;
    };
    const Case cases[] = {
        {kUserNotPresent, PauseScope::Video, PauseScope::Everything},
        {kUserBusy, PauseScope::None, PauseScope::Everything},
        {kUserD3dFullScreen, PauseScope::None, PauseScope::Everything},
        {kUserPresentation, PauseScope::None, PauseScope::Everything},
        {kUserAcceptsNotifications, PauseScope::None, PauseScope::None},
        {kUserQuietTime, PauseScope::None, PauseScope::None},
        {kUserApp, PauseScope::None, PauseScope::None},
        {0, PauseScope::None, PauseScope::None},
        {8, PauseScope::None, PauseScope::None},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.withoutFlag, WantedPause(Shell(c.state), false)) << c.state;
        EXPECT_EQ(c.withFlag, WantedPause(Shell(c.state), true)) << c.state;
    }
    // A failed query counts as a normal desktop, whatever its leftover state says.
    BusySignals failed = Shell(kUserNotPresent);
    failed.stateKnown = false;
    EXPECT_EQ(PauseScope::None, WantedPause(failed, false));
    EXPECT_EQ(PauseScope::None, WantedPause(failed, true));
}

TEST(BusyState, AFullScreenForegroundCountsOnlyWithPauseAtHighLoad) {
    BusySignals signals = Shell(kUserAcceptsNotifications);
    signals.fullScreenForeground = true;
    EXPECT_EQ(PauseScope::Everything, WantedPause(signals, true));
    EXPECT_EQ(PauseScope::None, WantedPause(signals, false));
    // It holds even when the shell could not be asked.
    signals.stateKnown = false;
    EXPECT_EQ(PauseScope::Everything, WantedPause(signals, true));
}

TEST(BusyState, WithSeveralMonitorsAFullScreenProgramPausesTheEffectsOfItsMonitorAlone) {
    const WorkArea right{1920, 0, 4480, 1440};
    struct Case {
        int state;
        int monitors;
        bool flag;
        PauseScope wanted;
        bool monitorPaused;
        const char* what;
    } const cases[] = {
        {kUserBusy, 2, true, PauseScope::None, true, "the shell's busy is the game's"},
        {kUserD3dFullScreen, 3, true, PauseScope::None, true, "so is Direct3D full screen"},
        {kUserAcceptsNotifications, 2, true, PauseScope::None, true, "found by our own look"},
        {kUserPresentation, 2, true, PauseScope::Everything, true, "presenting pauses all"},
        {kUserNotPresent, 2, true, PauseScope::Everything, true, "nobody looks at any"},
        {kUserBusy, 1, true, PauseScope::Everything, false, "one monitor: all of it"},
        {kUserBusy, 2, false, PauseScope::None, false, "without the flag nothing"},
        {kUserNotPresent, 2, false, PauseScope::Video, false, "without the flag the video"},
    };
    for (const Case& c : cases) {
        BusySignals signals = Shell(c.state);
        signals.fullScreenForeground = true;
        signals.fullScreenMonitor = right;
        signals.monitorCount = c.monitors;
        EXPECT_EQ(c.wanted, WantedPause(signals, c.flag)) << c.what;
        const std::optional<WorkArea> paused = MonitorToPause(signals, c.flag);
        ASSERT_EQ(c.monitorPaused, paused.has_value()) << c.what;
        if (paused)
            EXPECT_EQ(4480, paused->right) << c.what;
    }
    // The shell busy without a full-screen window of ours to blame: everything, as before.
    BusySignals busy = Shell(kUserBusy);
    busy.monitorCount = 2;
    EXPECT_EQ(PauseScope::Everything, WantedPause(busy, true));
    EXPECT_FALSE(MonitorToPause(busy, true));
}

// Ticks through a sequence of wanted scopes, collecting what is stopped and started.
struct PauseRun {
    PauseScope paused = PauseScope::None;
    std::vector<PauseScope> stops, resumes;
    void Tick(PauseScope wanted) {
        const PauseChange change = NextPause(paused, wanted);
        paused = change.paused;
        if (change.stop != PauseScope::None)
            stops.push_back(change.stop);
        if (change.resume != PauseScope::None)
            resumes.push_back(change.resume);
    }
};

TEST(BusyState, APauseStopsOnceAndResumesOnce) {
    PauseRun run;
    run.Tick(PauseScope::None);
    EXPECT_TRUE(run.stops.empty() && run.resumes.empty()) << "start-up changes nothing";
    for (int i = 0; i < 3; ++i)
        run.Tick(PauseScope::Everything);
    for (int i = 0; i < 3; ++i)
        run.Tick(PauseScope::None);
    EXPECT_EQ(std::vector<PauseScope>{PauseScope::Everything}, run.stops);
    EXPECT_EQ(std::vector<PauseScope>{PauseScope::Everything}, run.resumes);
    EXPECT_EQ(PauseScope::None, run.paused);
}

TEST(BusyState, ClearingTheFlagDuringAFullPauseStillResumesEverything) {
    PauseRun run;
    run.Tick(WantedPause(Shell(kUserD3dFullScreen), true));
    // The user clears "pause at high load" while the game runs: the game no longer
    // counts, and what the pause stopped must all come back, not just the video.
    run.Tick(WantedPause(Shell(kUserD3dFullScreen), false));
    EXPECT_EQ(std::vector<PauseScope>{PauseScope::Everything}, run.resumes);
    EXPECT_EQ(PauseScope::None, run.paused);
}

TEST(BusyState, AVideoPauseGrowsButAFullPauseNeverShrinks) {
    PauseRun run;
    run.Tick(WantedPause(Shell(kUserNotPresent), false));
    EXPECT_EQ(PauseScope::Video, run.paused);
    // The flag is set while the workstation is locked: the rest stops too.
    run.Tick(WantedPause(Shell(kUserNotPresent), true));
    EXPECT_EQ(PauseScope::Everything, run.paused);
    // Cleared again while still locked: the user is still away, nothing starts yet.
    run.Tick(WantedPause(Shell(kUserNotPresent), false));
    EXPECT_EQ(PauseScope::Everything, run.paused);
    EXPECT_TRUE(run.resumes.empty());
    run.Tick(WantedPause(Shell(kUserAcceptsNotifications), false));
    EXPECT_EQ((std::vector<PauseScope>{PauseScope::Video, PauseScope::Everything}), run.stops);
    EXPECT_EQ(std::vector<PauseScope>{PauseScope::Everything}, run.resumes);
}

TEST(BusyState, AVideoOnlyPauseResumesOnlyTheVideo) {
    PauseRun run;
    run.Tick(WantedPause(Shell(kUserNotPresent), false));
    run.Tick(WantedPause(Shell(kUserBusy), false)); // a game without the flag: back
    EXPECT_EQ(std::vector<PauseScope>{PauseScope::Video}, run.stops);
    EXPECT_EQ(std::vector<PauseScope>{PauseScope::Video}, run.resumes);
}

TEST(BusyState, FullScreenMeansEveryPixelOfTheMonitor) {
    ForegroundView game;
    game.exists = game.visible = true;
    game.monitor = {1920, 0, 3840, 1080}; // the second monitor
    game.window = {1920, 0, 3840, 1080};
    EXPECT_TRUE(IsFullScreenForeground(game));
    ForegroundView larger = game;
    larger.window = {1910, -10, 3850, 1090};
    EXPECT_TRUE(IsFullScreenForeground(larger));

    struct Case {
        const char* what;
        void (*change)(ForegroundView&);
    };
    const Case notFullScreen[] = {
        {"no window", [](ForegroundView& v) { v.exists = false; }},
        {"hidden", [](ForegroundView& v) { v.visible = false; }},
        {"minimised", [](ForegroundView& v) { v.minimized = true; }},
        {"one of ours", [](ForegroundView& v) { v.ours = true; }},
        {"the shell's", [](ForegroundView& v) { v.shell = true; }},
        {"maximised with a caption", [](ForegroundView& v) { v.captionedMaximized = true; }},
        {"one pixel short", [](ForegroundView& v) { v.window.bottom = 1079; }},
        {"on the other monitor",
         [](ForegroundView& v) {
             v.window = {0, 0, 1920, 1080};
         }},
        {"no monitor",
         [](ForegroundView& v) {
             v.monitor = {};
             v.window = {};
         }},
    };
    for (const Case& c : notFullScreen) {
        ForegroundView view = game;
        c.change(view);
        EXPECT_FALSE(IsFullScreenForeground(view)) << c.what;
    }
}

TEST(BusyState, TheShellsSurfacesAreNotApplications) {
    for (const wchar_t* name : {L"Progman", L"WorkerW", L"Shell_TrayWnd", L"#32769"})
        EXPECT_TRUE(IsShellWindowClass(name));
    for (const wchar_t* name : {L"progman", L"UnityWndClass", L"Chrome_WidgetWin_1", L""})
        EXPECT_FALSE(IsShellWindowClass(name));
}

TEST(BusyState, APauseStopsEveryEffectOnce) {
    const std::set<EffectId> distinct(kEffectPauseOrder.begin(), kEffectPauseOrder.end());
    EXPECT_EQ(kEffectCount, distinct.size());
    // The garland goes after the lightning when pausing, though it starts after hearts.
    EXPECT_EQ(EffectId::Lightning, kEffectPauseOrder[9]);
    EXPECT_EQ(EffectId::Garland, kEffectPauseOrder[10]);
}

} // namespace
} // namespace orvane
