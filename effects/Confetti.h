#pragma once

#include "effects/Canvas.h"

#include <cstdint>
#include <vector>

namespace orvane {

// Bursts of coloured paper fired up from the bottom edge: the pieces slow down, drift,
// flutter (showing their darker back while turned over) and fall out at the bottom; the
// next burst comes when ten or fewer are left.
class Confetti {
public:
    // One paper piece.
    struct PARTICLE {
        std::uint32_t front, back; // ARGB
        double width, height;
        double x, y;           // top-left corner, overlay pixels
        double rotation;       // degrees, fixed for the piece's life
        double scaleX, scaleY; // scaleY flutters with the height: cos(0.1 × y)
        double vx, vy;         // pixels per frame; vy < 0 is upwards
    };
    struct CONFETTI_COLORS {
        std::uint32_t front, back;
    };
    static constexpr int kColourCount = 8;
    static const CONFETTI_COLORS kColours[kColourCount];
    // A burst comes only when no more than this many pieces are left.
    static constexpr std::size_t kBurstBelow = 10;

    void Begin(int width, int height);
    void Stop();

    // Fires a burst of the target count if due, then moves, draws and retires each piece.
    void DrawFrame(ICanvas& canvas, int targetCount);

    const std::vector<PARTICLE>& Pieces() const { return m_pieces; }

private:
    PARTICLE Fire() const;
    // Moves and draws one piece; false when it has fallen out.
    bool Step(ICanvas& canvas, PARTICLE& piece) const;

    std::vector<PARTICLE> m_pieces;
    int m_width = 0;
    int m_height = 0;
};

} // namespace orvane
