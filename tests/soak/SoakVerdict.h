#pragma once

#include <string>
#include <vector>

namespace orvane::soak {

// One reading of the soaked process's resources.
struct Sample {
    double seconds = 0; // since the program started
    long long gdiObjects = 0;
    long long userObjects = 0;
    long long handles = 0;
    long long privateBytes = 0;
};

// How much a counter may rise between the start and the end of a run before it counts
// as a leak: GDI and USER objects and handles by a number, private bytes by a share.
struct GrowthLimits {
    long long gdiObjects = 50;
    long long userObjects = 50;
    long long handles = 100;
    double privateBytesShare = 0.20;
};

// The median of one counter over the first and the last fifth of the samples taken
// after the warm-up.
struct CounterTrend {
    const char* name;
    long long first;
    long long last;
    bool grewTooMuch;
};

struct Verdict {
    std::vector<CounterTrend> trends; // GDI, USER, handles, private bytes
    std::string problem;              // empty when the run was long enough to judge
    bool Passed() const;
};

// Judges a run: the samples after warmupSeconds are split in fifths; a counter whose
// median in the last fifth exceeds that of the first by more than its limit grew.
// Fewer than ten samples after the warm-up cannot be judged.
Verdict JudgeGrowth(const std::vector<Sample>& samples, double warmupSeconds,
                    const GrowthLimits& limits = GrowthLimits());

} // namespace orvane::soak
