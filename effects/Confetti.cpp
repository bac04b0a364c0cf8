#include "effects/Confetti.h"

#include "effects/ParticleList.h"
#include "framework/Random.h"

#include <algorithm>
#include <cmath>

namespace orvane {
namespace {

constexpr double kDrag = 0.075;
constexpr double kGravity = 0.5;
constexpr double kFastestFall = 5.0;

double Unit() {
    return static_cast<double>(Rand()) / kRandMax;
}

} // namespace

const Confetti::CONFETTI_COLORS Confetti::kColours[kColourCount] = {
    {0xFFFF0000u, 0xFF8B0000u}, {0xFF00FF00u, 0xFF006400u}, {0xFF0000FFu, 0xFF00008Bu},
    {0xFFFFFF00u, 0xFFCCCC00u}, {0xFFFFA500u, 0xFFFF8C00u}, {0xFFFFC0CBu, 0xFFE75480u},
    {0xFF800080u, 0xFF301934u}, {0xFF40E0D0u, 0xFF00CED1u},
};

void Confetti::Begin(int width, int height) {
    m_width = width;
    m_height = height;
    m_pieces.clear();
}

void Confetti::Stop() {
    m_pieces.clear();
    m_pieces.shrink_to_fit();
}

Confetti::PARTICLE Confetti::Fire() const {
    PARTICLE p{};
    const CONFETTI_COLORS& colours = kColours[Rand() % kColourCount];
    p.front = colours.front;
    p.back = colours.back;
    p.width = Rand() % 13 + 8;
    p.height = Rand() % 13 + 10;
    p.x = Rand() % m_width;
    p.y = m_height - 1;
    p.rotation = Rand() % 180;
    p.scaleX = p.scaleY = 1;
    p.vx = Rand() % 51 - 25;
    p.vy = -(Rand() % 51);
    return p;
}

bool Confetti::Step(ICanvas& canvas, PARTICLE& p) const {
    const double w = p.scaleX * p.width, h = p.scaleY * p.height;
    const double x0 = p.x, y0 = p.y;
    p.vx -= p.vx * kDrag;
    p.vy = std::min(p.vy + kGravity, kFastestFall);
    // A push to one side: the first number picks the side, a second one the strength.
    const double push = Unit() > 0.5 ? Unit() : -Unit();
    p.vx += push;
    p.x += p.vx;
    p.y += p.vy;
    p.scaleY = std::cos(p.y * 0.1);

    // Turned about the centre of the rectangle as it was before this move; a negative
    // height flips it about the same centre.
    const float fw = static_cast<float>(w), fh = static_cast<float>(h);
    canvas.FillRotatedRect(static_cast<float>(x0) + fw / 2, static_cast<float>(y0) + fh / 2, fw,
                           std::fabs(fh), static_cast<float>(p.rotation),
                           Color::Argb(p.scaleY > 0 ? p.front : p.back));

    if (p.y > m_height)
        return false;
    if (p.x > m_width)
        p.x = 0;
    else if (p.x < 0)
        p.x = m_width;
    return true;
}

void Confetti::DrawFrame(ICanvas& canvas, int targetCount) {
    if (m_width <= 0 || m_height <= 0)
        return;
    const std::size_t target = static_cast<std::size_t>(std::max(targetCount, 0));
    if (m_pieces.size() <= kBurstBelow)
        while (m_pieces.size() < target)
            m_pieces.push_back(Fire());
    canvas.SetSmoothing(true);
    WalkParticles(m_pieces, [&](PARTICLE& p, std::size_t) { return Step(canvas, p); });
}

} // namespace orvane
