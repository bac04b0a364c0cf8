#include "effects/Smoke.h"

#include "effects/ParticleList.h"
#include "framework/Random.h"

#include <algorithm>

namespace orvane {

void Smoke::SetSprite(std::optional<Sprite> sprite) {
    m_puffs.clear();
    m_pile.Stop();
    m_sprite = std::move(sprite);
}

void Smoke::Begin(int width, int height) {
    m_width = width;
    m_height = height;
    m_puffs.clear();
    m_pile.Stop();
    if (m_sprite)
        m_pile.Begin(*m_sprite, DrawnSide(), width, height);
}

void Smoke::Stop() {
    m_puffs.clear();
    m_puffs.shrink_to_fit();
    m_pile.Stop();
    m_sprite.reset();
}

// At or past an edge the puff sits on it and turns back.
void Smoke::Bounce(std::int32_t& position, std::int32_t& step, int limit) const {
    if (position >= limit) {
        step = -step;
        position = limit;
    } else if (position <= 0) {
        step = -step;
        position = 0;
    }
}

void Smoke::DrawFrame(ICanvas& canvas, int targetCount) {
    if (m_width <= 0 || m_height <= 0)
        return;
    const std::size_t target = static_cast<std::size_t>(std::max(targetCount, 0));
    const Sprite* sprite = m_sprite ? &*m_sprite : nullptr;
    while (m_puffs.size() < target) {
        PARTICLE puff{sprite, 0, 0, 0, 0};
        puff.x = Rand() % m_width;
        puff.y = Rand() % m_height;
        puff.dx = Rand() % 5 - 2;
        puff.dy = Rand() % 5 - 2;
        m_puffs.push_back(puff);
    }
    canvas.SetSmoothing(false);
    m_corners.clear();
    WalkParticles(m_puffs, [&](PARTICLE& p, std::size_t count) {
        p.x += p.dx;
        p.y += p.dy;
        Bounce(p.x, p.dx, m_width);
        Bounce(p.y, p.dy, m_height);
        // The picture's own half size places it, whatever size it is drawn at.
        if (p.sprite && m_pile.Ready())
            m_corners.push_back({p.x - p.sprite->Width() / 2, p.y - p.sprite->Height() / 2});
        return count <= target;
    });
    if (m_pile.Ready())
        m_pile.Draw(canvas, m_corners.data(), m_corners.size());
}

} // namespace orvane
