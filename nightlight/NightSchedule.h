#pragma once

namespace orvane {

constexpr int kMinutesPerDay = 24 * 60;
// The page's range for the transition phase; longer ones are cut to it.
constexpr int kMaxTransition = 99;

// The daily night window: it starts at start, ends at end (both in minutes after local
// midnight) and has a transition phase of that many minutes before the start (warming)
// and after the end (cooling).
struct ScheduleTimes {
    int start;
    int end;
    int transition;
};

// Where a moment of the day lies in the night window.
struct SchedulePosition {
    bool active;       // inside the window, transitions included
    bool inTransition; // in one of the two transition phases
    bool warming;      // the evening direction; also where the two phases overlap
    int remaining;     // minutes left of the transition phase
};

SchedulePosition LocateInSchedule(const ScheduleTimes& times, int now);

// The temperature a transition shows with that many minutes left of it: one step of
// (6600 - night) / transition kelvin per minute, away from neutral while warming.
int TransitionTemperature(int night, int transition, bool warming, int remaining);

} // namespace orvane
