#include "nightlight/NightShift.h"

#include "core/Options.h"
#include "core/SettingsKeys.h"

#include <algorithm>

namespace orvane {
namespace {

int MinuteOfDay(int hour, int minute) {
    return std::clamp(hour, 0, 23) * 60 + std::clamp(minute, 0, 59);
}

} // namespace

CNightShift::CNightShift(const COptions& options, INightShiftHost& host)
    : m_options(options), m_host(host), m_ramp(IdentityRamp()) {}

// A display that refuses the ramp changes nothing here: the flags follow the user's
// choices, and the next load tries again.
void CNightShift::LoadRamp(int kelvin, const GammaRamp& ramp) {
    m_shown = kelvin;
    m_ramp = ramp;
    m_host.LoadRamp(m_ramp);
}

void CNightShift::ApplyTemperature(int kelvin) {
    const int shown = ClampTemperature(kelvin);
    LoadRamp(shown, TemperatureRamp(shown));
}

void CNightShift::RestoreGammaRamp() {
    LoadRamp(kNeutralTemperature, IdentityRamp());
}

void CNightShift::SetTemperature(int kelvin) {
    m_temperature = ClampTemperature(kelvin);
    if (LightOn())
        ApplyTemperature(m_temperature);
}

void CNightShift::SetManual(bool on) {
    if (on) {
        if (!m_manual) {
            m_manual = true;
            ApplyTemperature(m_temperature);
        }
    } else if (LightOn()) {
        m_manual = m_applied = m_inTransition = false;
        RestoreGammaRamp();
    }
}

void CNightShift::UpdateSchedule() {
    if (m_options.GetBool(key::fNightShiftSchedule)) {
        m_timer = m_host.StartTimer(m_timer);
        return;
    }
    if (!m_timer)
        return;
    m_host.StopTimer(m_timer);
    m_timer = 0;
    m_active = m_applied = false;
    // The identity ramp even while the light is on by hand: the page previews from here.
    RestoreGammaRamp();
    m_inTransition = false;
    m_tickCounter = kTicksPerStep;
    m_host.ActiveChanged();
}

void CNightShift::ScheduleTick(int now) {
    const SchedulePosition position = LocateInSchedule(m_times, now);
    if (!position.active) {
        if (m_active) {
            m_active = m_inTransition = false;
            m_tickCounter = kTicksPerStep;
            if (!m_manual) {
                m_applied = false;
                RestoreGammaRamp();
            }
            m_host.ActiveChanged();
        }
        return;
    }

    if (position.inTransition && !m_manual) {
        m_inTransition = true;
        if (m_tickCounter == kTicksPerStep) {
            m_tickCounter = 0;
            ApplyTemperature(TransitionTemperature(m_temperature, m_times.transition,
                                                   position.warming, position.remaining));
        }
        ++m_tickCounter;
    } else {
        // A transition that ends inside the window leaves the display at its last step:
        // the night temperature takes over from it.
        if (m_inTransition) {
            m_inTransition = false;
            m_tickCounter = kTicksPerStep;
            m_applied = false;
        }
        if (!m_applied) {
            m_applied = true;
            ApplyTemperature(m_temperature);
        }
    }
    if (!m_active) {
        m_active = true;
        m_host.ActiveChanged();
    }
}

void CNightShift::SwitchOff() {
    if (!LightOn())
        return;
    m_manual = m_applied = m_inTransition = false;
    RestoreGammaRamp();
}

void CNightShift::SetStartTime(int hour, int minute) {
    m_times.start = MinuteOfDay(hour, minute);
}

void CNightShift::SetEndTime(int hour, int minute) {
    m_times.end = MinuteOfDay(hour, minute);
}

void CNightShift::SetTransition(int minutes) {
    m_times.transition = std::clamp(minutes, 0, kMaxTransition);
}

} // namespace orvane
