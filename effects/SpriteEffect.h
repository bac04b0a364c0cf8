#pragma once

#include "effects/Canvas.h"
#include "effects/Sprite.h"
#include "effects/Wind.h"

#include <cstdint>
#include <vector>

namespace orvane {

// One moving picture. All eight sprite effects keep records of this one layout; each
// effect reads the fields its rules use.
struct SpriteRecord {
    const Sprite* sprite; // into the effect's sprite list, not owned
    int x;                // top-left corner, overlay pixels
    int y;
    int swayCounter;
    int swayStep;        // −1 or +1: on x for falling and rising sprites, on y for drifting ones
    int speed;           // pixels per frame: falling, rising or travelling right
    std::uint32_t angle; // degrees; a balloon's angle is signed
    int angleStep;       // degrees per frame; a balloon's rock step (−1, 0 or +1)
};
using FLAKE = SpriteRecord;     // Leaf fall, Falling petals
using SWEET = SpriteRecord;     // Sweets, Rain of flowers
using DANDELION = SpriteRecord; // Dandelions, Leaves in the wind
using HEART = SpriteRecord;     // Hearts
using BALLOON = SpriteRecord;   // Balloons

enum class Motion {
    Fall,  // spawned above the top edge, leaves past the bottom
    Rise,  // spawned below the bottom edge, leaves past the top
    Drift, // spawned left of the screen, leaves past the right edge
};

enum class Spin {
    None,  // no angle at all
    Still, // an angle step is drawn at spawn, but the sprite never turns
    Turn,  // turns by its angle step every frame
    Rock,  // rocks between about −5° and +5° (balloons)
};

// What sets one sprite effect apart from the others.
struct SpriteRules {
    Motion motion;
    int speedRange; // speed = rand() % speedRange + speedBase
    int speedBase;
    bool sway;
    Spin spin;
    WindKind wind;
};

// Target count for a density from the page's slider (1 to 9).
int TargetCountForDensity(int density);

// The shared simulation of the sprite effects: spawning, drawing, moving and the exit
// and re-spawn rules, with the effect's wind.
class SpriteEffect {
public:
    explicit SpriteEffect(const SpriteRules& rules) : m_rules(rules), m_wind(rules.wind) {}

    // Replaces the sprite list; the records point into the old one and go with it.
    void SetSprites(std::vector<Sprite> sprites);
    const std::vector<Sprite>& Sprites() const { return m_sprites; }
    // A new start over a width × height area; the population fills on the first frame.
    void Begin(int width, int height);
    // Sprites and records gone; the wind stays.
    void Stop();

    // Tops up to the target count, then draws and advances every record by one frame.
    void DrawFrame(ICanvas& canvas, int targetCount);

    ::orvane::Wind& Wind() { return m_wind; }
    const ::orvane::Wind& Wind() const { return m_wind; }
    const std::vector<SpriteRecord>& Records() const { return m_records; }

private:
    void Spawn(SpriteRecord& record) const;
    void Draw(ICanvas& canvas, const SpriteRecord& record) const;
    void Advance(SpriteRecord& record) const;
    bool HasLeft(const SpriteRecord& record) const;

    SpriteRules m_rules;
    ::orvane::Wind m_wind;
    std::vector<Sprite> m_sprites;
    std::vector<SpriteRecord> m_records;
    int m_width = 0;
    int m_height = 0;
};

} // namespace orvane
