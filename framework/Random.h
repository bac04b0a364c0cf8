#pragma once

// The program's one random source. It reproduces the C runtime's rand() on Windows
// (MSVCRT: a 32-bit linear congruential generator, results 0..32767), so simulations
// and random choices follow exactly the same sequence in native tests as on Windows.
namespace orvane {

constexpr int kRandMax = 32767;

void SeedRandom(unsigned int seed);
// Seeds with the current time in seconds, as srand(time(nullptr)) does.
void SeedRandomWithTime();
int Rand();

} // namespace orvane
