#include "effects/Rain.h"

#include "effects/ParticleList.h"
#include "framework/Random.h"

#include <algorithm>

namespace orvane {

void Rain::Begin(int width, int height) {
    m_width = width;
    m_height = height;
    m_drops.clear();
}

// Anywhere across, up to one area height above the top edge.
void Rain::PlaceAbove(PARTICLE& drop) const {
    drop.x = Rand() % m_width;
    drop.y = -(Rand() % m_height);
}

void Rain::DrawFrame(ICanvas& canvas, int targetCount) {
    if (m_width <= 0 || m_height <= 0)
        return;
    const std::size_t target = static_cast<std::size_t>(std::max(targetCount, 0));
    if (m_drops.size() < target) {
        m_drops.reserve(target);
        while (m_drops.size() < target) {
            PARTICLE drop{};
            PlaceAbove(drop);
            drop.length = static_cast<double>(Rand()) / kRandMax + 1;
            drop.dx = Rand() % 4 - 1;
            drop.dy = Rand() % 10 + 11;
            m_drops.push_back(drop);
        }
    }
    canvas.SetSmoothing(true);
    m_streaks.clear();
    WalkParticles(m_drops, [&](PARTICLE& d, std::size_t count) {
        const auto endX = static_cast<std::int32_t>(d.x + d.dx * d.length);
        const auto endY = static_cast<std::int32_t>(d.y + d.dy * d.length);
        m_streaks.push_back({{static_cast<float>(d.x), static_cast<float>(d.y)},
                             {static_cast<float>(endX), static_cast<float>(endY)}});
        d.x += d.dx;
        d.y += d.dy;
        if (d.x > m_width || d.y > m_height) {
            // Past the edge: drops beyond a lowered target go, the others start again.
            if (count > target)
                return false;
            PlaceAbove(d);
        }
        return true;
    });
    canvas.DrawLines(m_streaks.data(), m_streaks.size(), {kColour, 1.0f});
}

} // namespace orvane
