#pragma once

#include "effects/Canvas.h"

#include <cstdint>
#include <vector>

namespace orvane {

// Thousands of faint streaks falling at slightly different slants and speeds; a drop
// that leaves through the right or bottom edge starts again above the top edge.
class Rain {
public:
    struct PARTICLE {
        std::int32_t x, y; // the streak's upper end, overlay pixels
        double length;     // 1 to 2: the streak is the step times this long
        std::int32_t dx;   // −1 to 2 pixels per frame
        std::int32_t dy;   // 11 to 20 pixels per frame
    };
    static constexpr Color kColour = Color::Argb(0x32AEC2E0u);

    void Begin(int width, int height);
    // Here rather than with the drawing, which is built for SSE2: a window stopped on a
    // processor without it still lets its drops go.
    void Stop() {
        m_drops.clear();
        m_drops.shrink_to_fit();
        m_streaks.clear();
        m_streaks.shrink_to_fit();
    }

    // Tops up to the target count above the top edge, then draws and moves every drop.
    void DrawFrame(ICanvas& canvas, int targetCount);

    const std::vector<PARTICLE>& Drops() const { return m_drops; }

private:
    void PlaceAbove(PARTICLE& drop) const;

    std::vector<PARTICLE> m_drops;
    std::vector<LineF> m_streaks; // this frame's, handed to the canvas at once
    int m_width = 0;
    int m_height = 0;
};

} // namespace orvane
