#pragma once

#include "effects/Canvas.h"

#include <cstdint>
#include <vector>

namespace orvane {

// One star of the space flight.
struct STAR {
    float x, y;   // top-left corner, overlay pixels
    float vx, vy; // pixels per frame
    float width, height;
    std::int32_t age; // frames
};

// A star field rushing towards the viewer: stars are born in a square about the middle of
// the screen with a speed in proportion to their distance from it, speed up by 2 % each
// frame, grow from one to four pixels with age and are dropped once off the screen.
class SpaceFlight {
public:
    // A new start over a width × height area: no stars, so the first frame fills it.
    void Begin(int width, int height);
    void Stop();

    // Tops up to the target count, then moves, draws and retires every star.
    void DrawFrame(ICanvas& canvas, int targetCount);

    const std::vector<STAR>& Stars() const { return m_stars; }

private:
    STAR Spawn() const;

    std::vector<STAR> m_stars;
    std::vector<RectF> m_drawn; // this frame's stars, drawn together
    int m_width = 0;
    int m_height = 0;
};

} // namespace orvane
