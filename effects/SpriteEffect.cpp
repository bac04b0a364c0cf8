#include "effects/SpriteEffect.h"

#include "framework/Random.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace orvane {
namespace {

constexpr int kSwayPeriod = 100;
// rand() × 10 below this turns the sway left: 19661 of 32768 values, about 60 %.
constexpr int kSwayLeftBelow = 196602;
constexpr int kRockLimit = 5;

} // namespace

int TargetCountForDensity(int density) {
    density = std::clamp(density, 1, 9);
    return density <= 5 ? 10 * density : 30 * density;
}

void SpriteEffect::SetSprites(std::vector<Sprite> sprites) {
    m_records.clear();
    m_sprites = std::move(sprites);
}

void SpriteEffect::Begin(int width, int height) {
    m_width = width;
    m_height = height;
    m_records.clear();
}

void SpriteEffect::Stop() {
    m_records.clear();
    m_sprites.clear();
}

// Everything of a new record but its angle and angle step, which a re-spawned record
// keeps.
void SpriteEffect::Spawn(SpriteRecord& r) const {
    const int w = m_width, h = m_height;
    r.sprite = &m_sprites[Rand() % static_cast<int>(m_sprites.size())];
    if (m_wind.active)
        r.x = m_wind.right ? Rand() % (2 * w) - w : Rand() % (2 * w);
    else
        r.x = m_rules.motion == Motion::Drift ? -(Rand() % w) : Rand() % w;
    r.swayCounter = 0;
    r.swayStep = 1;
    switch (m_rules.motion) {
    case Motion::Fall:
        r.y = -(Rand() % h);
        break;
    case Motion::Rise:
        r.y = h + Rand() % h;
        break;
    case Motion::Drift:
        r.y = Rand() % h;
        break;
    }
    r.speed = Rand() % m_rules.speedRange + m_rules.speedBase;
}

void SpriteEffect::Draw(ICanvas& canvas, const SpriteRecord& r) const {
    switch (m_rules.spin) {
    case Spin::Turn:
        canvas.DrawSprite(*r.sprite, r.x, r.y, static_cast<int>(r.angle % 360));
        break;
    case Spin::Rock:
        canvas.DrawSprite(*r.sprite, r.x, r.y, static_cast<std::int32_t>(r.angle));
        break;
    case Spin::None:
    case Spin::Still:
        canvas.DrawSprite(*r.sprite, r.x, r.y, 0);
        break;
    }
}

void SpriteEffect::Advance(SpriteRecord& r) const {
    if (m_rules.spin == Spin::Turn) {
        r.angle = r.angle == UINT_MAX ? 0 : r.angle + static_cast<std::uint32_t>(r.angleStep);
    } else if (m_rules.spin == Spin::Rock) {
        auto angle = static_cast<std::int32_t>(r.angle);
        if (std::abs(angle) >= kRockLimit)
            r.angleStep = angle > 0 ? -(Rand() % 2) : Rand() % 2;
        if (Rand() % 3 == 0)
            r.angle = static_cast<std::uint32_t>(angle + r.angleStep);
    }

    switch (m_rules.motion) {
    case Motion::Fall:
        r.y += r.speed;
        break;
    case Motion::Rise:
        r.y -= r.speed;
        break;
    case Motion::Drift:
        r.x += r.speed;
        break;
    }
    if (m_rules.sway) {
        if (++r.swayCounter >= kSwayPeriod) {
            r.swayStep = Rand() * 10 < kSwayLeftBelow ? -1 : 1;
            r.swayCounter = 0;
        }
        (m_rules.motion == Motion::Drift ? r.y : r.x) += r.swayStep;
    }
    r.x += m_wind.Drift();
}

bool SpriteEffect::HasLeft(const SpriteRecord& r) const {
    switch (m_rules.motion) {
    case Motion::Fall:
        return r.y > m_height;
    case Motion::Rise:
        return r.y < -r.sprite->Height();
    case Motion::Drift:
        return r.x > m_width;
    }
    return false;
}

void SpriteEffect::DrawFrame(ICanvas& canvas, int targetCount) {
    if (m_sprites.empty() || m_width <= 0 || m_height <= 0)
        return;
    const std::size_t target = static_cast<std::size_t>(std::max(targetCount, 0));
    while (m_records.size() < target) {
        SpriteRecord r{};
        Spawn(r);
        r.angle = 0;
        switch (m_rules.spin) {
        case Spin::None:
            r.angleStep = 0;
            break;
        case Spin::Still:
        case Spin::Turn:
            r.angleStep = Rand() % 5 + 1;
            break;
        case Spin::Rock:
            r.angleStep = Rand() % 2;
            break;
        }
        m_records.push_back(r);
    }
    for (std::size_t i = 0; i < m_records.size();) {
        SpriteRecord& r = m_records[i];
        Draw(canvas, r);
        Advance(r);
        if (HasLeft(r)) {
            if (m_records.size() > target) {
                m_records.erase(m_records.begin() + static_cast<std::ptrdiff_t>(i));
                continue;
            }
            Spawn(r);
        }
        ++i;
    }
}

} // namespace orvane
