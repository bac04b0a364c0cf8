#pragma once

#include "effects/Canvas.h"
#include "effects/Sprite.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace orvane {

// One glow: its bounding square's top-left corner, speed in pixels per frame, heading in
// radians (clockwise on screen, never wrapped), diameter, and its colours at the centre
// and at the rim (0xAARRGGBB).
struct FIREFLY {
    float left;
    float top;
    float speed;
    float heading;
    float diameter;
    std::uint32_t centre;
    std::uint32_t edge;
};

struct COLORS {
    std::uint32_t centre;
    std::uint32_t edge;
};

// Green, cyan, yellow, purple; a firefly that is not colourful is yellow.
extern const std::array<COLORS, 4> kFireflyColours;
constexpr std::size_t kYellowFirefly = 2;

// The fireflies' simulation: spawning, wandering, drawing and leaving at the edges.
class Fireflies {
public:
    // A new start over a width × height area, with no fireflies yet.
    void Begin(int width, int height);
    // The list is emptied (and its storage released) and the next frame spawns a whole new
    // set in the colours asked for.
    void SetColourful(bool colourful);
    bool Colourful() const { return m_colourful; }
    void Stop();

    // Tops the list up to the target count, then moves, draws and retires every firefly.
    void DrawFrame(ICanvas& canvas, int targetCount);

    const std::vector<FIREFLY>& List() const { return m_list; }

private:
    FIREFLY Spawn() const;
    void DrawGlow(ICanvas& canvas, const FIREFLY& firefly);
    const Sprite* Glow(std::size_t colour, float diameter, float& inset);

    std::vector<FIREFLY> m_list;
    int m_width = 0;
    int m_height = 0;
    bool m_colourful = false;
    // Glows are drawn once per colour and size (in quarter pixels up to the largest
    // diameter) and then placed with sub-pixel sampling, instead of a gradient per
    // firefly per frame.
    static constexpr int kGlowSteps = 4 * 8 + 1;
    std::array<std::array<std::optional<Sprite>, kGlowSteps>, kFireflyColours.size()> m_glows;
};

} // namespace orvane
