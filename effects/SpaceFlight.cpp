#include "effects/SpaceFlight.h"

#include "effects/ParticleList.h"
#include "framework/Random.h"

#include <algorithm>

namespace orvane {
namespace {

constexpr Color kWhite = Color::Argb(0xFFFFFFFFu);

float Unit() {
    return static_cast<float>(Rand()) / static_cast<float>(kRandMax);
}

} // namespace

void SpaceFlight::Begin(int width, int height) {
    m_width = width;
    m_height = height;
    m_stars.clear();
}

void SpaceFlight::Stop() {
    m_stars.clear();
    m_stars.shrink_to_fit();
    m_drawn.clear();
    m_drawn.shrink_to_fit();
}

STAR SpaceFlight::Spawn() const {
    const float cx = static_cast<float>(m_width) * 0.5f;
    const float cy = static_cast<float>(m_height) * 0.5f;
    STAR star{};
    star.vx = Unit() * 10.0f - 5.0f;
    star.vy = Unit() * 10.0f - 5.0f;
    // Born anywhere in a square as wide as the screen's longer side, moving away from the
    // middle at a speed in proportion to its distance from it.
    const float side = static_cast<float>(std::max(m_width, m_height));
    star.x = cx + side * star.vx / 10.0f;
    star.y = cy + side * star.vy / 10.0f;
    star.width = star.height = 1.0f;
    star.age = 0;
    return star;
}

void SpaceFlight::DrawFrame(ICanvas& canvas, int targetCount) {
    if (m_width <= 0 || m_height <= 0)
        return;
    const std::size_t target = static_cast<std::size_t>(std::max(targetCount, 0));
    if (m_stars.size() < target) {
        m_stars.reserve(target);
        while (m_stars.size() < target)
            m_stars.push_back(Spawn());
    }
    canvas.SetSmoothing(false);
    const float w = static_cast<float>(m_width), h = static_cast<float>(m_height);
    m_drawn.resize(m_stars.size()); // every star is drawn once
    RectF* drawn = m_drawn.data();
    WalkParticles(m_stars, [&](STAR& s, std::size_t) {
        s.x += s.vx;
        s.y += s.vy;
        s.vx += s.vx / 50.0f;
        s.vy += s.vy / 50.0f;
        ++s.age;
        if (s.age == 50 || s.age == 150 || s.age == 300) {
            s.width += 1.0f;
            s.height += 1.0f;
        }
        *drawn++ = {s.x, s.y, s.width, s.height};
        return !(s.x + s.width < 0 || s.x > w || s.y + s.height < 0 || s.y > h);
    });
    // In one call, in the walk's order: the canvas may keep them by rows.
    canvas.FillRects(m_drawn.data(), static_cast<std::size_t>(drawn - m_drawn.data()), kWhite);
}

} // namespace orvane
