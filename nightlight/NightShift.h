#pragma once

#include "nightlight/ColourTemperature.h"
#include "nightlight/NightSchedule.h"

#include <cstdint>

namespace orvane {

class COptions;

// What the night light needs of the system: a way to load a ramp on the displays, the
// one-second schedule timer, and someone to tell when the schedule window opens or
// closes (the main window's page refresh).
class INightShiftHost {
public:
    // False when no display took the ramp.
    virtual bool LoadRamp(const GammaRamp& ramp) = 0;
    // Starts the schedule timer, replacing the running one (0 for none); returns its id.
    virtual std::uintptr_t StartTimer(std::uintptr_t running) = 0;
    virtual void StopTimer(std::uintptr_t id) = 0;
    virtual void ActiveChanged() = 0;

protected:
    ~INightShiftHost() = default;
};

// The night-light controller, the only writer of the display gamma ramp. It is on by
// hand until shutdown (never stored), by the daily schedule, or both; the schedule
// glides through its transition phases one step a minute.
class CNightShift {
public:
    static constexpr int kTicksPerStep = 60;

    // options supplies "fNightShiftSchedule" to UpdateSchedule.
    CNightShift(const COptions& options, INightShiftHost& host);

    // Loads the ramp of a temperature, or the identity ramp; neither changes a flag.
    void ApplyTemperature(int kelvin);
    void RestoreGammaRamp();

    // Stores the night temperature (clamped to 1850..6600) and shows it while the light
    // is on.
    void SetTemperature(int kelvin);
    void SetManual(bool on);
    // Starts or stops the schedule timer from "fNightShiftSchedule".
    void UpdateSchedule();
    // One second of the schedule; now is the local time in minutes after midnight.
    void ScheduleTick(int now);
    // The way out (Exit, sign-out, shut-down): a light that is on goes off and the
    // identity ramp returns. A light that is off leaves the displays alone.
    void SwitchOff();

    // Times as the settings hold them; out-of-range parts are brought into the day.
    void SetStartTime(int hour, int minute);
    void SetEndTime(int hour, int minute);
    // Minutes, kept to 0..99.
    void SetTransition(int minutes);

    bool LightOn() const { return m_manual || m_applied || m_inTransition; }
    bool Manual() const { return m_manual; }
    bool Applied() const { return m_applied; }
    bool Active() const { return m_active; }
    bool InTransition() const { return m_inTransition; }
    bool ScheduleRunning() const { return m_timer != 0; }
    int Temperature() const { return m_temperature; }
    const ScheduleTimes& Times() const { return m_times; }
    // The ramp last handed to the displays (the identity ramp before the first), and the
    // temperature it shows.
    const GammaRamp& Ramp() const { return m_ramp; }
    int ShownTemperature() const { return m_shown; }

private:
    void LoadRamp(int kelvin, const GammaRamp& ramp);

    const COptions& m_options;
    INightShiftHost& m_host;
    bool m_manual = false;
    bool m_applied = false;
    int m_temperature = kDefaultTemperature;
    std::uintptr_t m_timer = 0;
    GammaRamp m_ramp;
    int m_shown = kNeutralTemperature;
    ScheduleTimes m_times = {22 * 60, 6 * 60, 60};
    bool m_active = false;
    bool m_inTransition = false;
    int m_tickCounter = kTicksPerStep;
};

} // namespace orvane
