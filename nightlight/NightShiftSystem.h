#pragma once

#include "nightlight/NightShift.h"

#include <windows.h>

#include <functional>
#include <optional>

namespace orvane {

class COptions;

// The display call the ramps go through: SetDeviceGammaRamp, or a test's recorder.
using GammaRampFunction = BOOL(WINAPI*)(HDC dc, LPVOID ramp);

// The night light on Windows: the controller with its one-second thread timer, the
// same ramp on every display attached to the desktop, and a hidden window that puts
// the ramp back when Windows resets it (display changes, resume, unlock, sessions).
class CNightShiftSystem final : private INightShiftHost {
public:
    explicit CNightShiftSystem(const COptions& options,
                               GammaRampFunction setRamp = SetDeviceGammaRamp);
    ~CNightShiftSystem();
    CNightShiftSystem(const CNightShiftSystem&) = delete;
    CNightShiftSystem& operator=(const CNightShiftSystem&) = delete;

    CNightShift& Controller() { return m_controller; }
    // Told whenever the schedule window opens or closes.
    void SetActiveChangedHandler(std::function<void()> handler) {
        m_activeChanged = std::move(handler);
    }
    // The hidden window that hears of display, power and session changes.
    HWND NotificationWindow() const { return m_window; }
    // For tests: the time of day the schedule's ticks see, in minutes after midnight
    // (the local time by default).
    void SetClock(std::function<int()> clock) { m_clock = std::move(clock); }

    // Loads the warm ramp the displays should show again, if any. One entry is moved by
    // a unit first, so that a driver that skips a ramp equal to its last one takes it.
    void Reapply();

private:
    bool LoadRamp(const GammaRamp& ramp) override;
    std::uintptr_t StartTimer(std::uintptr_t running) override;
    void StopTimer(std::uintptr_t id) override;
    void ActiveChanged() override;

    bool LoadOnDisplays(const GammaRamp& ramp);
    void CreateNotificationWindow();
    static bool ResetsGamma(UINT message, WPARAM wParam);
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static void CALLBACK TimerProc(HWND, UINT, UINT_PTR, DWORD);

    GammaRampFunction m_setRamp;
    CNightShift m_controller;
    std::function<void()> m_activeChanged;
    std::function<int()> m_clock;
    std::optional<GammaRamp> m_warmRamp; // the last ramp loaded, unless it was the identity
    UINT_PTR m_timer = 0;
    HWND m_window = nullptr;
    bool m_sessionNotifications = false;
};

// The local time in minutes after midnight, as the schedule counts it.
int LocalMinuteOfDay();

} // namespace orvane
