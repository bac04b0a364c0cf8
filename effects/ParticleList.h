#pragma once

#include <cstddef>
#include <vector>

namespace orvane {

// Walks the particles in list order. step(particle, count) moves and draws one particle
// and returns false to remove it; count is the list's length at that moment, as if each
// removed particle had been taken out at once with the rest shifted down. The survivors
// keep their order, but the tail is moved once per walk rather than once per removal,
// which thousands of stars leaving every frame would make the frame's main cost.
template <class Particle, class Step>
void WalkParticles(std::vector<Particle>& particles, Step step) {
    const std::size_t size = particles.size();
    std::size_t kept = 0;
    for (std::size_t i = 0; i < size; ++i) {
        if (!step(particles[i], size - (i - kept)))
            continue;
        if (kept != i)
            particles[kept] = particles[i];
        ++kept;
    }
    particles.resize(kept);
}

} // namespace orvane
