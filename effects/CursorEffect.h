#pragma once

#include "effects/Canvas.h"
#include "effects/Sprite.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace orvane {

// What follows the mouse pointer; the numbers are the stored modes' own.
enum class CursorMode {
    None = 0,
    Bubbles = 1,
    ClickExplosion = 2,
    ClickFlowers = 3,
    Dots = 4,
    FairyDust = 5,
    FlashLight = 6,
    MarkerPen = 7,
    Intersection = 8,
    Pencil = 9,
    Trail = 10,
};

// The mode of a stored name ("BUBBLES" to "TRAIL", exact case); None for any other.
CursorMode CursorModeByName(const std::wstring& name);

// The pointer as one frame sees it.
struct PointerState {
    int x = 0, y = 0; // in the overlay's client coordinates
    int screenWidth = 0, screenHeight = 0;
    // Whether the left button is down now; asked afresh on every call.
    std::function<bool()> leftButtonDown;
};

// Trails, lights and click effects about the mouse pointer: one mode at a time adds,
// ages and retires its particles each frame and draws them.
class CursorEffect {
public:
    // Point list shared by DOTS, MARKER_PEN, PENCIL and TRAIL.
    struct PARTICLE {
        std::int32_t x, y, age;
    };
    struct PARTICLE_BUBBLES {
        float x, y;   // centre
        float vx, vy; // pixels per frame
        std::int32_t life;
    };
    struct PARTICLE_FAIRY_DUST {
        float x, y; // top-left of the glyph's layout box
        float vx, vy;
        std::int32_t life;
        std::uint32_t colour; // ARGB
    };
    struct ANIMATION {
        std::int32_t x, y;
        std::int32_t frame; // −1 until the first frame is drawn
    };
    struct FLOWER {
        const Sprite* image; // one of the flower pictures, not owned
        float x, y;          // top-left of the full-size picture
        std::int32_t scale;  // 0 to 150
        std::int32_t life;   // frames left
    };

    static constexpr std::int32_t kBubbleLife = 250;
    static constexpr std::int32_t kFairyDustLife = 120;
    static constexpr std::int32_t kFlowerLife = 1000;
    static constexpr std::int32_t kFullScale = 150;
    static constexpr std::int32_t kPointLife = 33;
    static constexpr int kDotMove = 5;

    // Forgets a press in progress and switches to the named mode, emptying the new mode's
    // own list; an unknown name keeps the mode.
    void SetMode(const std::wstring& name);
    CursorMode Mode() const { return m_mode; }

    // The 48 explosion frames and the flower pictures, loaded by the window when a mode
    // first needs them; they stay until Stop.
    void SetExplosionFrames(std::vector<Sprite> frames) { m_explosionFrames = std::move(frames); }
    void SetFlowers(std::vector<Sprite> flowers) { m_flowers = std::move(flowers); }
    const std::vector<Sprite>& ExplosionFrames() const { return m_explosionFrames; }
    const std::vector<Sprite>& Flowers() const { return m_flowers; }

    // Every particle and picture goes; the mode and the last position stay.
    void Stop();

    void DrawFrame(ICanvas& canvas, const PointerState& pointer);

    const std::vector<PARTICLE>& Points() const { return m_points; }
    const std::vector<PARTICLE_BUBBLES>& Bubbles() const { return m_bubbles; }
    const std::vector<PARTICLE_FAIRY_DUST>& FairyDust() const { return m_dust; }
    const std::vector<ANIMATION>& Explosions() const { return m_explosions; }
    const std::vector<FLOWER>& FlowersShown() const { return m_flowersShown; }

private:
    bool Moved(const PointerState& pointer) const;
    void Record(const PointerState& pointer);
    // True once per press of the left button.
    bool Clicked(const PointerState& pointer);

    void Bubbles(ICanvas& canvas, const PointerState& pointer);
    void Explosions(ICanvas& canvas, const PointerState& pointer);
    void Flowers(ICanvas& canvas, const PointerState& pointer);
    void Dots(ICanvas& canvas, const PointerState& pointer);
    void FairyDust(ICanvas& canvas, const PointerState& pointer);
    void FlashLight(ICanvas& canvas, const PointerState& pointer);
    // MARKER_PEN, PENCIL and TRAIL: each point joined to the one before it.
    void Lines(ICanvas& canvas, const PointerState& pointer);
    void Intersection(ICanvas& canvas, const PointerState& pointer);

    CursorMode m_mode = CursorMode::None;
    std::vector<PARTICLE> m_points;
    std::vector<PARTICLE_BUBBLES> m_bubbles;
    std::vector<PARTICLE_FAIRY_DUST> m_dust;
    std::vector<ANIMATION> m_explosions;
    std::vector<FLOWER> m_flowersShown;
    std::vector<Sprite> m_explosionFrames;
    std::vector<Sprite> m_flowers;
    std::int32_t m_lastX = 0, m_lastY = 0;
    bool m_latch = false; // a press was handled and the button is still down
};

// Draws the glyph "*" as Arial shapes it, at the em size, its layout box's top-left at
// (x, y): five arms about a point a third of an em below the top of the box.
void DrawAsterisk(ICanvas& canvas, float x, float y, float emSize, Color colour);

} // namespace orvane
