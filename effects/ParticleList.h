#pragma once

#include <cstddef>
#include <vector>

namespace orvane {

// Walks the particles in list order. step(particle, count) moves and draws one particle
// and returns false to remove it; count is the list's length at that moment, as if each
// removed particle had been taken out at once with the rest shifted down. The survivors
// keep their order, but the tail is moved once per walk rather than once per removal,
// which thousands of stars leaving every frame would make the frame's main cost.
// Each particle is stepped in a copy and stored once to its place: moved whole right
// after its fields were written one by one, it would wait for those writes to land.
template <class Particle, class Step>
void WalkParticles(std::vector<Particle>& particles, Step step) {
    const std::size_t size = particles.size();
    std::size_t kept = 0;
    for (std::size_t i = 0; i < size; ++i) {
        Particle particle = particles[i];
        if (step(particle, size - (i - kept)))
            particles[kept++] = particle;
    }
    particles.resize(kept);
}

} // namespace orvane
