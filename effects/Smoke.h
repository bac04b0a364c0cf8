#pragma once

#include "effects/Canvas.h"
#include "effects/QuarterPile.h"
#include "effects/Sprite.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace orvane {

// A few dozen large soft puffs moving slowly over the area and bouncing off its edges.
class Smoke {
public:
    struct PARTICLE {
        const Sprite* sprite; // the effect's one puff picture, not owned
        std::int32_t x, y;
        std::int32_t dx, dy; // −2 to 2 pixels per frame
    };
    // The puff is drawn this large, or half as large on screens narrower than 1920.
    static constexpr int kLargeSide = 1024;
    static constexpr int kWideScreen = 1920;

    // The puff picture; none draws nothing, though the puffs still move.
    void SetSprite(std::optional<Sprite> sprite);
    bool HasSprite() const { return m_sprite.has_value(); }
    // A new start over a width × height area; the puff is sampled for its size once here.
    void Begin(int width, int height);
    // The puffs and the picture go.
    void Stop();

    // Tops up to the target count, then moves, draws and thins out the puffs.
    void DrawFrame(ICanvas& canvas, int targetCount);

    int DrawnSide() const { return m_width < kWideScreen ? kLargeSide / 2 : kLargeSide; }
    const std::vector<PARTICLE>& Puffs() const { return m_puffs; }
    // Where the last frame drew puffs (their top-left corners, in the walk's order).
    const std::vector<PixelPoint>& DrawnCorners() const { return m_corners; }

private:
    void Bounce(std::int32_t& position, std::int32_t& step, int limit) const;

    std::optional<Sprite> m_sprite;
    // Smoke has no detail finer than a few pixels: the puffs are piled at a quarter of the
    // resolution and the pile magnified over the area.
    QuarterPile m_pile;
    std::vector<PARTICLE> m_puffs;
    std::vector<PixelPoint> m_corners; // where this frame draws the puffs
    int m_width = 0;
    int m_height = 0;
};

} // namespace orvane
