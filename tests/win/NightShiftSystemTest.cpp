#include "MessagePump.h"
#include "core/Options.h"
#include "core/SystemAccess.h"
#include "nightlight/GammaLimit.h"
#include "nightlight/NightShiftSystem.h"

#include <gtest/gtest.h>

#include <wtsapi32.h>

#include <functional>
#include <vector>

namespace orvane {
namespace {

using test::PumpMessages;
using test::PumpUntil;

// Under Wine on Xvfb the real gamma calls fail (no X extension for them), so the ramps
// are taken where they would reach a display.
struct RampCall {
    HDC dc;
    int technology;
    GammaRamp ramp;
};
std::vector<RampCall> g_calls;
BOOL g_displaysAnswer = TRUE;

BOOL WINAPI RecordRamp(HDC dc, LPVOID ramp) {
    g_calls.push_back({dc, GetDeviceCaps(dc, TECHNOLOGY), *static_cast<const GammaRamp*>(ramp)});
    return g_displaysAnswer;
}

std::size_t AttachedDisplays() {
    std::size_t count = 0;
    DISPLAY_DEVICEW device = {};
    device.cb = sizeof device;
    for (DWORD i = 0; EnumDisplayDevicesW(nullptr, i, &device, 0); ++i, device.cb = sizeof device)
        if (device.StateFlags & DISPLAY_DEVICE_ATTACHED_TO_DESKTOP)
            ++count;
    return count ? count : 1; // without a list the screen's DC stands for them
}

class NightShiftSystemTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_calls.clear();
        g_displaysAnswer = TRUE;
        displays = AttachedDisplays();
    }

    // The calls since the mark all carry this ramp, once per display, to display DCs.
    void ExpectEveryDisplayGot(const GammaRamp& ramp, std::size_t mark) {
        ASSERT_EQ(mark + displays, g_calls.size());
        for (std::size_t i = mark; i < g_calls.size(); ++i) {
            EXPECT_EQ(ramp, g_calls[i].ramp) << "call " << i;
            EXPECT_EQ(DT_RASDISPLAY, g_calls[i].technology) << "call " << i;
        }
    }

    COptions options;
    std::size_t displays = 0;
};

TEST_F(NightShiftSystemTest, AScheduleOverTheCurrentTimeWarmsTheDisplayWithinTwoSeconds) {
    options.SetBool(L"fNightShiftSchedule", true);
    CNightShiftSystem system(options, RecordRamp);
    int activeChanges = 0;
    system.SetActiveChangedHandler([&] { ++activeChanges; });
    CNightShift& light = system.Controller();
    const int now = LocalMinuteOfDay();
    const int from = (now + 24 * 60 - 90) % (24 * 60), to = (now + 90) % (24 * 60);
    light.SetStartTime(from / 60, from % 60);
    light.SetEndTime(to / 60, to % 60);
    light.SetTransition(0);
    light.SetTemperature(3400);
    light.UpdateSchedule();
    EXPECT_TRUE(g_calls.empty()) << "nothing before the first tick";

    const DWORD start = GetTickCount();
    ASSERT_TRUE(PumpUntil([] { return !g_calls.empty(); }, 2000)) << "no ramp within 2 s";
    EXPECT_LE(GetTickCount() - start, 2000u);
    PumpMessages(50);
    ExpectEveryDisplayGot(TemperatureRamp(3400), 0);
    EXPECT_TRUE(light.Active());
    EXPECT_TRUE(light.Applied());
    EXPECT_EQ(1, activeChanges);

    // Further ticks hold the display as it is.
    PumpMessages(1500);
    EXPECT_EQ(displays, g_calls.size());

    options.SetBool(L"fNightShiftSchedule", false);
    light.UpdateSchedule();
    ExpectEveryDisplayGot(IdentityRamp(), displays);
    EXPECT_EQ(2, activeChanges);
    const std::size_t afterStop = g_calls.size();
    PumpMessages(1500);
    EXPECT_EQ(afterStop, g_calls.size()) << "the timer is gone";
}

TEST_F(NightShiftSystemTest, TheWayOutHandsTheIdentityRampToEveryDisplay) {
    CNightShiftSystem system(options, RecordRamp);
    CNightShift& light = system.Controller();
    light.SwitchOff();
    EXPECT_TRUE(g_calls.empty()) << "a light that is off leaves the calibration alone";

    light.SetTemperature(2700);
    light.SetManual(true);
    ExpectEveryDisplayGot(TemperatureRamp(2700), 0);
    light.SwitchOff(); // what Exit, sign-out and shut-down do
    ExpectEveryDisplayGot(IdentityRamp(), displays);
    EXPECT_FALSE(light.LightOn());
    light.SwitchOff();
    EXPECT_EQ(2 * displays, g_calls.size()) << "only once";
}

TEST_F(NightShiftSystemTest, WindowsResettingTheRampGetsTheWarmRampBack) {
    CNightShiftSystem system(options, RecordRamp);
    HWND window = system.NotificationWindow();
    ASSERT_TRUE(window);
    // A top-level window, which the system's broadcasts reach.
    EXPECT_EQ(GetDesktopWindow(), GetAncestor(window, GA_PARENT));
    EXPECT_FALSE(IsWindowVisible(window));

    SendMessageW(window, WM_DISPLAYCHANGE, 32, MAKELPARAM(1920, 1080));
    EXPECT_TRUE(g_calls.empty()) << "the light is off: the displays keep their own ramps";

    CNightShift& light = system.Controller();
    light.SetTemperature(3000);
    light.SetManual(true);
    const GammaRamp warm = TemperatureRamp(3000);

    struct Reset {
        UINT message;
        WPARAM code;
    } resets[] = {{WM_DISPLAYCHANGE, 32},
                  {WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC},
                  {WM_POWERBROADCAST, PBT_APMRESUMESUSPEND},
                  {WM_WTSSESSION_CHANGE, WTS_SESSION_UNLOCK},
                  {WM_WTSSESSION_CHANGE, WTS_CONSOLE_CONNECT}};
    for (const Reset& reset : resets) {
        SCOPED_TRACE(testing::Message() << "message " << reset.message << ", " << reset.code);
        g_calls.clear();
        SendMessageW(window, reset.message, reset.code, 0);
        ASSERT_EQ(2 * displays, g_calls.size());
        // First a ramp one unit off in one entry, so that a driver that ignores a ramp equal
        // to its last one takes the real one after it.
        int differences = 0;
        for (int row = 0; row < 3; ++row)
            for (int i = 0; i < GammaRamp::kEntries; ++i) {
                const int delta = g_calls[0].ramp.rows[row][i] - warm.rows[row][i];
                EXPECT_LE(std::abs(delta), 1);
                differences += delta != 0;
            }
        EXPECT_EQ(1, differences);
        ExpectEveryDisplayGot(warm, displays);
    }

    // Lock and sign-in notices that reset nothing leave the displays alone.
    g_calls.clear();
    SendMessageW(window, WM_WTSSESSION_CHANGE, WTS_SESSION_LOCK, 0);
    SendMessageW(window, WM_POWERBROADCAST, PBT_APMSUSPEND, 0);
    EXPECT_TRUE(g_calls.empty());

    // A driver may reset the ramp a moment after the notice: it is loaded once more.
    SendMessageW(window, WM_DISPLAYCHANGE, 32, 0);
    g_calls.clear();
    EXPECT_TRUE(PumpUntil([&] { return g_calls.size() == 2 * displays; }, 3000));
    PumpMessages(2500);
    EXPECT_EQ(2 * displays, g_calls.size()) << "once, not again and again";

    light.SetManual(false);
    g_calls.clear();
    SendMessageW(window, WM_DISPLAYCHANGE, 32, 0);
    EXPECT_TRUE(g_calls.empty()) << "switched off: nothing to put back";
}

TEST_F(NightShiftSystemTest, FailingGammaCallsChangeNoFlagAndBreakNothing) {
    g_displaysAnswer = FALSE;
    options.SetBool(L"fNightShiftSchedule", true);
    // A whole-day window with its transition, at any hour of the day: it never closes,
    // so the light is on all day, the last hour before midnight included.
    for (int now : {12 * 60, 23 * 60 + 30, 30}) {
        SCOPED_TRACE(testing::Message() << "at minute " << now);
        CNightShiftSystem system(options, RecordRamp);
        system.SetClock([now] { return now; });
        CNightShift& light = system.Controller();
        light.SetStartTime(0, 0);
        light.SetEndTime(0, 0);
        light.SetTransition(60);
        light.UpdateSchedule();
        ASSERT_TRUE(PumpUntil([&] { return light.Applied(); }, 2500));
        EXPECT_TRUE(light.Active());
        EXPECT_FALSE(light.InTransition());
        EXPECT_EQ(light.Temperature(), light.ShownTemperature());

        light.SetManual(true);
        EXPECT_TRUE(light.Manual());
        SendMessageW(system.NotificationWindow(), WM_DISPLAYCHANGE, 32, 0);
        light.SwitchOff();
        EXPECT_FALSE(light.LightOn());
        EXPECT_EQ(IdentityRamp(), light.Ramp());
    }

    // And the platform's own call, whatever it answers here.
    CNightShiftSystem real(options);
    real.Controller().SetManual(true);
    EXPECT_TRUE(real.Controller().Manual());
    real.Controller().SwitchOff();
    EXPECT_FALSE(real.Controller().LightOn());
}

TEST(GammaLimit, LiftingWritesTheValueAndRestoringDeletesIt) {
    const wchar_t kKey[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\ICM";
    DWORD saved = 0, size = sizeof saved;
    const bool hadValue =
        ReadRegValue(HKEY_LOCAL_MACHINE, kKey, L"GdiICMGammaRange", REG_DWORD, &saved, &size);

    ASSERT_TRUE(LiftGammaLimit());
    EXPECT_TRUE(GammaLimitLifted());
    DWORD value = 0;
    size = sizeof value;
    EXPECT_TRUE(
        ReadRegValue(HKEY_LOCAL_MACHINE, kKey, L"GdiICMGammaRange", REG_DWORD, &value, &size));
    EXPECT_EQ(256u, value);

    const DWORD other = 255;
    ASSERT_TRUE(WriteRegValue(HKEY_LOCAL_MACHINE, kKey, L"GdiICMGammaRange", REG_DWORD, &other,
                              sizeof other));
    EXPECT_FALSE(GammaLimitLifted()) << "only 256 lifts the limit";

    EXPECT_TRUE(RestoreGammaLimit());
    EXPECT_FALSE(GammaLimitLifted());
    EXPECT_FALSE(RestoreGammaLimit()) << "nothing left to delete";

    if (hadValue)
        WriteRegValue(HKEY_LOCAL_MACHINE, kKey, L"GdiICMGammaRange", REG_DWORD, &saved,
                      sizeof saved);
}

} // namespace
} // namespace orvane
