#include "effects/Wind.h"

#include "framework/Random.h"

#include <algorithm>

namespace orvane {

bool Wind::ChooseRight() const {
    return kind == WindKind::Steady ? (Rand() & 1) != 0 : Rand() % 10 < 9;
}

void Wind::Start(int windLevel) {
    // The page's slider gives 1 to 9; anything else in a hand-edited file would make the
    // gust length below a division by zero.
    level = std::clamp(windLevel, 1, 9);
    if (level == 9) {
        active = true;
        right = ChooseRight();
    } else {
        active = false;
        seconds = 0;
    }
}

void Wind::Tick() {
    if (kind == WindKind::None || level <= 1 || (kind == WindKind::Steady && level == 9))
        return;
    if (active) {
        if (seconds >= gust) {
            active = false;
            seconds = 1;
        } else {
            ++seconds;
        }
        return;
    }
    const unsigned calm = static_cast<unsigned>(120 - 12 * level);
    if (seconds >= calm && (Rand() & 1)) {
        active = true;
        gust = static_cast<unsigned>(Rand() % (12 * level));
        right = ChooseRight();
        seconds = 1;
    } else {
        ++seconds;
    }
}

} // namespace orvane
