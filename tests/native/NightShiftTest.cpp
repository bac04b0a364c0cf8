#include "core/Options.h"
#include "nightlight/NightShift.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvane {
namespace {

// Records what the controller asks of the system; its displays can refuse every ramp.
class FakeHost : public INightShiftHost {
public:
    bool displaysWork = true;
    std::vector<GammaRamp> loads;
    std::vector<std::uintptr_t> timersReplaced; // the running id each start was given
    std::vector<std::uintptr_t> timersStopped;
    int activeChanges = 0;

    bool LoadRamp(const GammaRamp& ramp) override {
        loads.push_back(ramp);
        return displaysWork;
    }
    std::uintptr_t StartTimer(std::uintptr_t running) override {
        timersReplaced.push_back(running);
        return running ? running : 7;
    }
    void StopTimer(std::uintptr_t id) override { timersStopped.push_back(id); }
    void ActiveChanged() override { ++activeChanges; }
};

int Minute(int hour, int minute) {
    return hour * 60 + minute;
}

std::string Clock(int minute) {
    char text[8];
    snprintf(text, sizeof text, "%02d:%02d", minute / 60 % 24, minute % 60);
    return text;
}

class NightShiftTest : public ::testing::Test {
protected:
    NightShiftTest() : light(options, host) { options.SetBool(L"fNightShiftSchedule", true); }

    void Schedule(int fromHour, int fromMinute, int toHour, int toMinute, int transition,
                  int kelvin = 4100) {
        light.SetStartTime(fromHour, fromMinute);
        light.SetEndTime(toHour, toMinute);
        light.SetTransition(transition);
        light.SetTemperature(kelvin);
        light.UpdateSchedule();
    }
    // The sixty ticks of one minute of the clock.
    void RunMinute(int minute) {
        for (int second = 0; second < 60; ++second)
            light.ScheduleTick(minute % (24 * 60));
    }
    // Runs the clock from one minute up to (not including) another, across midnight if
    // need be, and returns the temperature shown at the end of each minute.
    std::vector<int> Run(int from, int to) {
        std::vector<int> shown;
        for (int minute = from; minute != to; minute = (minute + 1) % (24 * 60)) {
            RunMinute(minute);
            shown.push_back(light.ShownTemperature());
        }
        return shown;
    }

    COptions options;
    FakeHost host;
    CNightShift light;
};

TEST_F(NightShiftTest, DefaultScheduleWarmsHoldsAndCoolsMinuteByMinute) {
    Schedule(22, 0, 6, 0, 60);
    Run(Minute(12, 0), Minute(21, 0));
    EXPECT_TRUE(host.loads.empty()) << "nothing reaches the display before the window";
    EXPECT_FALSE(light.Active());

    // The step is 2500 / 60 = 41 K a minute, taken at the first tick of every minute.
    RunMinute(Minute(21, 0));
    EXPECT_EQ(6560, light.ShownTemperature());
    EXPECT_TRUE(light.Active());
    EXPECT_TRUE(light.InTransition());
    EXPECT_EQ(1, host.activeChanges);
    const std::size_t loadsAtNine = host.loads.size();
    const std::vector<int> evening = Run(Minute(21, 1), Minute(22, 0));
    EXPECT_EQ(59u, host.loads.size() - loadsAtNine) << "one step a minute";
    for (std::size_t i = 0; i < evening.size(); ++i)
        EXPECT_EQ(4100 + 41 * (59 - static_cast<int>(i)), evening[i]) << Clock(Minute(21, 1) + i);
    EXPECT_EQ(4141, evening.back()) << "21:59";

    const std::vector<int> night = Run(Minute(22, 0), Minute(6, 1));
    for (int shown : night)
        EXPECT_EQ(4100, shown);
    EXPECT_TRUE(light.Applied());
    EXPECT_FALSE(light.InTransition());

    RunMinute(Minute(6, 1));
    EXPECT_EQ(4181, light.ShownTemperature()) << "59 minutes left";
    const std::vector<int> morning = Run(Minute(6, 2), Minute(7, 0));
    EXPECT_EQ(6559, morning.back()) << "06:59";
    EXPECT_EQ(TemperatureRamp(6559), light.Ramp());
    EXPECT_EQ(1, host.activeChanges);

    RunMinute(Minute(7, 0));
    EXPECT_EQ(IdentityRamp(), host.loads.back());
    EXPECT_FALSE(light.Active());
    EXPECT_FALSE(light.Applied());
    EXPECT_FALSE(light.LightOn());
    EXPECT_EQ(2, host.activeChanges);
    const std::size_t loadsAtSeven = host.loads.size();
    Run(Minute(7, 1), Minute(20, 0));
    EXPECT_EQ(loadsAtSeven, host.loads.size()) << "the day leaves the display alone";
}

TEST_F(NightShiftTest, WarmingAcrossMidnightCountsTheMinutesToTheStart) {
    Schedule(0, 30, 6, 0, 60);
    RunMinute(Minute(23, 29));
    EXPECT_FALSE(light.Active());
    RunMinute(Minute(23, 30));
    EXPECT_EQ(4100 + 41 * 60, light.ShownTemperature()) << "R = 60 at 23:30";
    const std::vector<int> shown = Run(Minute(23, 31), Minute(0, 11));
    EXPECT_EQ(4100 + 41 * 20, shown.back()) << "R = 20 at 00:10";
    const SchedulePosition at0010 = LocateInSchedule(light.Times(), Minute(0, 10));
    EXPECT_TRUE(at0010.warming);
    EXPECT_EQ(20, at0010.remaining);
    EXPECT_EQ(4141, Run(Minute(0, 11), Minute(0, 30)).back()) << "R = 1 at 00:29";
    RunMinute(Minute(0, 30));
    EXPECT_EQ(4100, light.ShownTemperature());
    EXPECT_FALSE(light.InTransition());
}

TEST_F(NightShiftTest, WithoutTransitionTheWindowSnapsOnAndOff) {
    Schedule(22, 0, 6, 0, 0);
    RunMinute(Minute(21, 59));
    EXPECT_TRUE(host.loads.empty());
    light.ScheduleTick(Minute(22, 0));
    ASSERT_EQ(1u, host.loads.size()) << "applied at the first tick of the window";
    EXPECT_EQ(TemperatureRamp(4100), host.loads.back());
    Run(Minute(22, 1), Minute(6, 0));
    EXPECT_EQ(1u, host.loads.size());
    EXPECT_TRUE(light.Active()) << "05:59 still inside";
    light.ScheduleTick(Minute(6, 0));
    EXPECT_EQ(IdentityRamp(), host.loads.back());
    EXPECT_FALSE(light.Active());
}

TEST_F(NightShiftTest, AWindowThatNeverClosesHasNoTransitionsAndStaysWarmAllDay) {
    // Start = end, and nights whose window with both phases fills the day, among them
    // ones whose phases would overlap (22:00 to 21:30 with an hour on each side).
    const ScheduleTimes cases[] = {
        {Minute(8, 0), Minute(8, 0), 0},     {Minute(0, 0), Minute(0, 0), 60},
        {Minute(8, 0), Minute(8, 0), 30},    {Minute(22, 0), Minute(21, 0), 60},
        {Minute(22, 0), Minute(21, 30), 60}, {Minute(0, 30), Minute(23, 0), 60},
        {Minute(1, 0), Minute(23, 30), 60},  {Minute(12, 0), Minute(10, 30), 45}};
    for (const ScheduleTimes& times : cases)
        for (int minute = 0; minute < 24 * 60; ++minute) {
            const SchedulePosition position = LocateInSchedule(times, minute);
            ASSERT_TRUE(position.active && !position.inTransition)
                << Clock(times.start) << "-" << Clock(times.end) << " (" << times.transition
                << ") at " << Clock(minute);
        }

    // One minute short of the whole day, the gap shows: the morning ends at 10:59 and
    // the evening starts at 11:00.
    const ScheduleTimes shortNight = {Minute(12, 0), Minute(9, 59), 60};
    EXPECT_FALSE(LocateInSchedule(shortNight, Minute(10, 59)).active);
    EXPECT_TRUE(LocateInSchedule(shortNight, Minute(11, 0)).active);
    EXPECT_TRUE(LocateInSchedule(shortNight, Minute(10, 58)).active);
    EXPECT_TRUE(LocateInSchedule(shortNight, Minute(11, 30)).inTransition);
}

TEST_F(NightShiftTest, AWholeDayScheduleHoldsTheNightTemperatureDayAfterDay) {
    struct Case {
        int fromHour, fromMinute, toHour, toMinute, transition;
    } cases[] = {{0, 0, 0, 0, 60}, {22, 0, 21, 30, 60}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << Clock(Minute(c.fromHour, c.fromMinute)) << "-"
                                        << Clock(Minute(c.toHour, c.toMinute)));
        FakeHost dayHost;
        CNightShift wholeDay(options, dayHost);
        wholeDay.SetStartTime(c.fromHour, c.fromMinute);
        wholeDay.SetEndTime(c.toHour, c.toMinute);
        wholeDay.SetTransition(c.transition);
        wholeDay.SetTemperature(4100);
        wholeDay.UpdateSchedule();
        // Running since noon, for two days and a half.
        for (int minute = Minute(12, 0); minute < Minute(12, 0) + 5 * 12 * 60; ++minute) {
            for (int second = 0; second < 60; ++second)
                wholeDay.ScheduleTick(minute % (24 * 60));
            ASSERT_EQ(4100, wholeDay.ShownTemperature()) << Clock(minute);
        }
        EXPECT_EQ(1u, dayHost.loads.size()) << "applied once, then left alone";
        EXPECT_EQ(1, dayHost.activeChanges);
    }
}

TEST_F(NightShiftTest, ATransitionEndingInsideTheWindowBringsTheNightTemperatureBack) {
    Schedule(22, 0, 6, 0, 60);
    RunMinute(Minute(23, 0));
    ASSERT_TRUE(light.Applied());
    // The user moves the start later: now lies in the new evening phase, which glides
    // from neutral and, at its end, must hand over to the night temperature again.
    light.SetStartTime(23, 30);
    RunMinute(Minute(23, 1));
    EXPECT_TRUE(light.InTransition());
    EXPECT_EQ(4100 + 41 * 29, light.ShownTemperature());
    Run(Minute(23, 2), Minute(23, 30));
    RunMinute(Minute(23, 30));
    EXPECT_FALSE(light.InTransition());
    EXPECT_TRUE(light.Applied());
    EXPECT_EQ(4100, light.ShownTemperature());
    EXPECT_EQ(TemperatureRamp(4100), host.loads.back());
    for (int shown : Run(Minute(23, 31), Minute(6, 0)))
        EXPECT_EQ(4100, shown);
}

TEST_F(NightShiftTest, ALongTransitionAtNeutralStaysNeutral) {
    Schedule(22, 0, 6, 0, 99, 6600);
    EXPECT_EQ(99, light.Times().transition);
    for (int shown : Run(Minute(20, 21), Minute(22, 0)))
        EXPECT_EQ(6600, shown);
    EXPECT_TRUE(light.InTransition());
    ASSERT_FALSE(host.loads.empty());
    for (const GammaRamp& ramp : host.loads)
        EXPECT_EQ(IdentityRamp(), ramp);
}

TEST_F(NightShiftTest, ManualModeOutlastsTheWindow) {
    Schedule(22, 0, 6, 0, 60);
    RunMinute(Minute(20, 0));
    light.SetManual(true);
    EXPECT_EQ(TemperatureRamp(4100), host.loads.back());
    RunMinute(Minute(21, 30));
    EXPECT_FALSE(light.InTransition()) << "manual holds the night temperature";
    EXPECT_EQ(4100, light.ShownTemperature());
    RunMinute(Minute(6, 30));
    RunMinute(Minute(7, 0));
    EXPECT_FALSE(light.Active());
    EXPECT_EQ(2, host.activeChanges);
    EXPECT_TRUE(light.LightOn());
    EXPECT_EQ(TemperatureRamp(4100), host.loads.back()) << "the display stays warm";

    light.SetManual(false);
    EXPECT_EQ(IdentityRamp(), host.loads.back());
    EXPECT_FALSE(light.LightOn());
}

TEST_F(NightShiftTest, SwitchingTheScheduleOffRestoresTheDisplayEvenWhenManual) {
    Schedule(22, 0, 6, 0, 60);
    EXPECT_EQ((std::vector<std::uintptr_t>{0}), host.timersReplaced);
    light.UpdateSchedule(); // a running timer is replaced, not doubled
    EXPECT_EQ((std::vector<std::uintptr_t>{0, 7}), host.timersReplaced);
    RunMinute(Minute(23, 0));
    light.SetManual(true);
    const std::size_t loads = host.loads.size();

    options.SetBool(L"fNightShiftSchedule", false);
    light.UpdateSchedule();
    EXPECT_EQ((std::vector<std::uintptr_t>{7}), host.timersStopped);
    EXPECT_FALSE(light.ScheduleRunning());
    ASSERT_EQ(loads + 1, host.loads.size());
    EXPECT_EQ(IdentityRamp(), host.loads.back());
    EXPECT_FALSE(light.Active());
    EXPECT_FALSE(light.Applied());
    EXPECT_TRUE(light.Manual());
    EXPECT_EQ(2, host.activeChanges);

    light.UpdateSchedule(); // off and no timer: nothing at all
    EXPECT_EQ(loads + 1, host.loads.size());
    EXPECT_EQ(1u, host.timersStopped.size());
    EXPECT_EQ(2, host.activeChanges);
}

TEST_F(NightShiftTest, RefusedRampsChangeNoFlag) {
    COptions otherOptions;
    otherOptions.SetBool(L"fNightShiftSchedule", true);
    FakeHost refusing;
    refusing.displaysWork = false;
    CNightShift blind(otherOptions, refusing);
    Schedule(22, 0, 6, 0, 60);
    blind.SetTemperature(4100);
    blind.UpdateSchedule();

    auto same = [&](const std::string& when) {
        EXPECT_EQ(light.Manual(), blind.Manual()) << when;
        EXPECT_EQ(light.Applied(), blind.Applied()) << when;
        EXPECT_EQ(light.Active(), blind.Active()) << when;
        EXPECT_EQ(light.InTransition(), blind.InTransition()) << when;
        EXPECT_EQ(light.ShownTemperature(), blind.ShownTemperature()) << when;
    };
    for (int minute = Minute(20, 0); minute != Minute(8, 0); minute = (minute + 1) % 1440) {
        for (int second = 0; second < 60; ++second) {
            light.ScheduleTick(minute);
            blind.ScheduleTick(minute);
        }
        if (minute == Minute(3, 0)) {
            light.SetManual(true);
            blind.SetManual(true);
        }
        same(Clock(minute));
    }
    EXPECT_EQ(host.loads.size(), refusing.loads.size()) << "every load is tried";
    blind.SwitchOff();
    EXPECT_FALSE(blind.LightOn());
}

TEST_F(NightShiftTest, TemperatureChangesShowOnlyWhileTheLightIsOn) {
    light.SetTemperature(3000);
    EXPECT_TRUE(host.loads.empty());
    light.SetManual(true);
    light.SetManual(true); // already on: not loaded again
    ASSERT_EQ(1u, host.loads.size());
    EXPECT_EQ(TemperatureRamp(3000), host.loads.back());
    light.SetTemperature(2500);
    EXPECT_EQ(TemperatureRamp(2500), host.loads.back());
    light.SetManual(false);
    light.SetManual(false); // already off: the display is left alone
    EXPECT_EQ(3u, host.loads.size());
    EXPECT_EQ(IdentityRamp(), host.loads.back());
}

TEST_F(NightShiftTest, SwitchingOffAtTheEndTouchesOnlyALightThatIsOn) {
    light.SwitchOff();
    EXPECT_TRUE(host.loads.empty()) << "a display's own calibration stays";
    Schedule(22, 0, 6, 0, 60);
    RunMinute(Minute(21, 30));
    ASSERT_TRUE(light.InTransition());
    light.SwitchOff();
    EXPECT_EQ(IdentityRamp(), host.loads.back());
    EXPECT_FALSE(light.LightOn());
}

TEST_F(NightShiftTest, StoredValuesOutsideTheirRangesAreBroughtIn) {
    light.SetTemperature(100);
    EXPECT_EQ(kMinTemperature, light.Temperature());
    light.SetManual(true);
    EXPECT_EQ(TemperatureRamp(1850), host.loads.back());
    const GammaRamp& ramp = host.loads.back();
    EXPECT_EQ(32355, ramp.rows[1][255]);
    EXPECT_EQ(0, ramp.rows[2][255]);
    light.SetTemperature(25000);
    EXPECT_EQ(kNeutralTemperature, light.Temperature());
    EXPECT_EQ(IdentityRamp(), host.loads.back());

    light.SetTransition(-5);
    EXPECT_EQ(0, light.Times().transition);
    light.SetTransition(500);
    EXPECT_EQ(99, light.Times().transition);
    light.SetStartTime(25, 75);
    EXPECT_EQ(Minute(23, 59), light.Times().start);
    light.SetEndTime(-3, -1);
    EXPECT_EQ(0, light.Times().end);

    // A stored temperature below the range warms smoothly to the clamped one.
    light.SetManual(false);
    Schedule(22, 0, 6, 0, 60, 1000);
    const std::vector<int> evening = Run(Minute(21, 0), Minute(22, 1));
    EXPECT_EQ(1850 + (6600 - 1850) / 60 * 60, evening.front());
    EXPECT_EQ(1850, evening.back());
}

} // namespace
} // namespace orvane
