#include "effects/Fireflies.h"

#include "effects/SoftwareCanvas.h"
#include "framework/Random.h"

#include <cmath>

namespace orvane {
namespace {

constexpr float kPi = 3.1415927f;
constexpr float kLargestDiameter = 8.0f;
constexpr int kGlowSupersampling = 8;

// A random value from 0 to 1 inclusive, in single precision.
float Unit() {
    return static_cast<float>(Rand()) / static_cast<float>(kRandMax);
}

} // namespace

const std::array<COLORS, 4> kFireflyColours = {{
    {0xCD00FF00u, 0x0000FF00u},
    {0xCD00FFFFu, 0x0000FFFFu},
    {0xCDFFFF00u, 0x00FFFF00u},
    {0xCD800080u, 0x00800080u},
}};

void Fireflies::Begin(int width, int height) {
    m_width = width;
    m_height = height;
    m_list.clear();
}

void Fireflies::SetColourful(bool colourful) {
    std::vector<FIREFLY>().swap(m_list);
    m_colourful = colourful;
}

void Fireflies::Stop() {
    std::vector<FIREFLY>().swap(m_list);
}

// The random values are drawn in this order: left, top, size, heading, colour.
FIREFLY Fireflies::Spawn() const {
    FIREFLY f;
    f.left = Unit() * static_cast<float>(m_width);
    f.top = Unit() * static_cast<float>(m_height);
    const float s = Unit() * kLargestDiameter;
    f.diameter = s;
    f.speed = s * 0.25f * s * 0.0625f; // s² / 64: larger glows move faster
    f.heading = Unit() * 2.0f * kPi;
    const COLORS& colours =
        m_colourful ? kFireflyColours[static_cast<std::size_t>(Rand()) % kFireflyColours.size()]
                    : kFireflyColours[kYellowFirefly];
    f.centre = colours.centre;
    f.edge = colours.edge;
    return f;
}

void Fireflies::DrawFrame(ICanvas& canvas, int targetCount) {
    while (static_cast<int>(m_list.size()) < targetCount)
        m_list.push_back(Spawn());
    const float width = static_cast<float>(m_width), height = static_cast<float>(m_height);
    for (std::size_t i = 0; i < m_list.size();) {
        FIREFLY& f = m_list[i];
        f.left += f.speed * static_cast<float>(std::cos(static_cast<double>(f.heading)));
        f.top += f.speed * static_cast<float>(std::sin(static_cast<double>(f.heading)));
        // A turn of −10° to +10°.
        f.heading += Unit() * 20.0f * kPi / 180.0f - 0.17453294f;
        DrawGlow(canvas, f);
        // Drawn in this frame still; gone once its corner has left the area.
        if (f.left < 0 || f.left > width || f.top < 0 || f.top > height)
            m_list.erase(m_list.begin() + static_cast<std::ptrdiff_t>(i));
        else
            ++i;
    }
}

void Fireflies::DrawGlow(ICanvas& canvas, const FIREFLY& f) {
    if (!(f.diameter > 0))
        return;
    for (std::size_t colour = 0; colour < kFireflyColours.size(); ++colour) {
        if (kFireflyColours[colour].centre != f.centre || kFireflyColours[colour].edge != f.edge)
            continue;
        float inset = 0;
        if (const Sprite* glow = Glow(colour, f.diameter, inset)) {
            canvas.DrawImage(*glow, f.left - inset, f.top - inset,
                             static_cast<float>(glow->Width()), static_cast<float>(glow->Height()));
            return;
        }
    }
    canvas.FillRadialGlow(f.left, f.top, f.diameter, f.diameter, Color::Argb(f.centre),
                          Color::Argb(f.edge));
}

// The glow of the colour at the diameter rounded to a quarter pixel, on a square with a
// pixel of room on each side; inset is how far the glow's box lies inside the square.
const Sprite* Fireflies::Glow(std::size_t colour, float diameter, float& inset) {
    const long step = std::lround(diameter * 4.0f);
    if (step <= 0 || step >= kGlowSteps)
        return nullptr;
    std::optional<Sprite>& glow = m_glows[colour][static_cast<std::size_t>(step)];
    const float size = static_cast<float>(step) / 4.0f;
    const int side = static_cast<int>(std::ceil(size)) + 2;
    inset = (static_cast<float>(side) - size) / 2.0f;
    if (!glow) {
        // Drawn eight times larger and averaged down, so that even a glow of a pixel or two
        // holds the light its gradient spreads over it, wherever it falls on the pixels.
        const int fine = side * kGlowSupersampling;
        std::vector<std::uint32_t> large(static_cast<std::size_t>(fine) * fine, 0);
        SoftwareCanvas scratch({large.data(), fine, fine, fine});
        const float scale = static_cast<float>(kGlowSupersampling);
        scratch.FillRadialGlow(inset * scale, inset * scale, size * scale, size * scale,
                               Color::Argb(kFireflyColours[colour].centre),
                               Color::Argb(kFireflyColours[colour].edge));
        std::vector<std::uint32_t> pixels(static_cast<std::size_t>(side) * side, 0);
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x) {
                unsigned sums[4] = {};
                for (int v = 0; v < kGlowSupersampling; ++v)
                    for (int u = 0; u < kGlowSupersampling; ++u) {
                        const std::uint32_t p =
                            large[static_cast<std::size_t>(y * kGlowSupersampling + v) * fine +
                                  x * kGlowSupersampling + u];
                        for (int c = 0; c < 4; ++c)
                            sums[c] += (p >> (8 * c)) & 0xFFu;
                    }
                std::uint32_t averaged = 0;
                constexpr unsigned samples = kGlowSupersampling * kGlowSupersampling;
                for (int c = 0; c < 4; ++c)
                    averaged |= ((sums[c] + samples / 2) / samples) << (8 * c);
                pixels[static_cast<std::size_t>(y) * side + x] = averaged;
            }
        glow.emplace(side, side, pixels.data());
    }
    return &*glow;
}

} // namespace orvane
