#include "nightlight/NightSchedule.h"

#include "nightlight/ColourTemperature.h"

namespace orvane {

SchedulePosition LocateInSchedule(const ScheduleTimes& times, int now) {
    const int from = times.start;
    const int to = times.end;
    const int phase = times.transition;
    const int eveningStart = from - phase; // may lie before midnight, then negative
    const int eveningStartOfDay = eveningStart < 0 ? eveningStart + kMinutesPerDay : eveningStart;
    int morningEnd = to + phase;
    if (morningEnd > kMinutesPerDay)
        morningEnd -= kMinutesPerDay;

    SchedulePosition position = {};
    // When the night and its two phases fill the day (start = end among them), the
    // window never closes: no transition runs and the night is warm all day.
    const int night = ((to - from) % kMinutesPerDay + kMinutesPerDay) % kMinutesPerDay;
    if (from == to || night + 2 * phase >= kMinutesPerDay) {
        position.active = true;
        return position;
    }

    if (phase > 0) {
        bool warming = false, cooling = false;
        int warmingLeft = 0, coolingLeft = 0;
        if ((eveningStart >= 0 && eveningStart <= now && now < from) ||
            (eveningStart < 0 && now < from)) {
            warming = true;
            warmingLeft = from - now;
        } else if (eveningStart < 0 && now >= eveningStartOfDay) {
            warming = true;
            warmingLeft = from - now + kMinutesPerDay;
        }
        if (morningEnd > to && to < now && now < morningEnd) {
            cooling = true;
            coolingLeft = morningEnd - now;
        } else if (morningEnd < to && now > to) {
            cooling = true;
            coolingLeft = morningEnd - now + kMinutesPerDay;
        } else if (morningEnd < to && now < morningEnd) {
            cooling = true;
            coolingLeft = morningEnd - now;
        }
        position.inTransition = warming || cooling;
        position.warming = warming;
        position.remaining = cooling ? coolingLeft : warmingLeft;
    }

    // The window runs from the evening start to the morning end.
    if (eveningStartOfDay <= morningEnd)
        position.active = eveningStartOfDay <= now && now < morningEnd;
    else
        position.active = now >= eveningStartOfDay || now < morningEnd;
    return position;
}

int TransitionTemperature(int night, int transition, bool warming, int remaining) {
    const int step = (kNeutralTemperature - night) / transition;
    return warming ? night + step * remaining : kNeutralTemperature - step * remaining;
}

} // namespace orvane
