#pragma once

namespace orvane {

// The two gust machines of the wind effects.
enum class WindKind {
    None,
    // Leaf fall, Falling petals: level 9 blows for ever in the direction chosen at start;
    // a gust blows either way with even odds.
    Steady,
    // Dandelions, Leaves in the wind: level 9 gusts too; gusts blow right nine times in ten.
    Gusty,
};

// The wind of one effect window. It lives with the window object: a stop and start of
// the effect keeps it, and only the start rule refreshes part of it.
struct Wind {
    static constexpr int kDrift = 10; // pixels per frame on x while it blows

    WindKind kind = WindKind::None;
    int level = 0; // 1 (never blows) to 9
    bool active = false;
    unsigned seconds = 0;
    unsigned gust = 0; // seconds the current gust lasts
    bool right = false;

    explicit Wind(WindKind windKind = WindKind::None) : kind(windKind) {}

    // The start rule, at every start and when the page's wind slider is released.
    void Start(int windLevel);
    // The 1000 ms wind timer.
    void Tick();
    int Drift() const { return active ? (right ? kDrift : -kDrift) : 0; }

private:
    bool ChooseRight() const;
};

} // namespace orvane
