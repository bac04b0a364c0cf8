#include "framework/Random.h"

#include <chrono>

namespace orvane {
namespace {
unsigned int g_state = 1; // the runtime's initial seed
}

void SeedRandom(unsigned int seed) { g_state = seed; }

// The 32-bit program's time_t ends in 2038 (time() then fails, and every start would
// seed alike); this clock's seconds go on. Until then the seed is the same as time()'s.
static_assert(sizeof(std::chrono::seconds::rep) >= 8, "a clock that outlives 2038");

void SeedRandomWithTime() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(now).count();
    SeedRandom(static_cast<unsigned int>(static_cast<unsigned long long>(seconds)));
}

int Rand() {
    g_state = g_state * 214013u + 2531011u;
    return static_cast<int>((g_state >> 16) & 0x7FFF);
}

} // namespace orvane
