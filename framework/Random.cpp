#include "framework/Random.h"

#include <ctime>

namespace orvane {
namespace {
unsigned int g_state = 1; // the runtime's initial seed
}

void SeedRandom(unsigned int seed) { g_state = seed; }

void SeedRandomWithTime() { SeedRandom(static_cast<unsigned int>(std::time(nullptr))); }

int Rand() {
    g_state = g_state * 214013u + 2531011u;
    return static_cast<int>((g_state >> 16) & 0x7FFF);
}

} // namespace orvane
