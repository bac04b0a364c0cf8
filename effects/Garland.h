#pragma once

#include "effects/Canvas.h"
#include "effects/OverlayPlacement.h"
#include "effects/Sprite.h"

#include <array>
#include <optional>
#include <vector>

namespace orvane {

// The garlands, as the page lists them ("iGarland").
enum GarlandKind {
    kMulticolorLights,
    kBlueLights,
    kWhiteLights,
    kMulticolorStrawberryLights,
    kBlueStrawberryLights,
    kIcicleLights,
    kGarlandKindCount
};

// The flash modes, as the page lists them ("iFlash").
enum FlashMode { kSteadyOn, kFlashTogether, kChasing, kSections, kRandomFlash, kFlashModeCount };

// The garland's pictures in load order: for each set, unlit and lit of colours 1 to 5
// (blue, green, orange, red, yellow): upright bulbs, tilted bulbs, the white bulb (one
// colour), upright and tilted strawberries, icicle strands.
constexpr std::size_t kGarlandSpriteCount = 52;
extern const std::array<int, kGarlandSpriteCount> kGarlandSpriteIds;

// The slot in that order of a kind's picture; −1 for a kind outside the range.
int GarlandSpriteSlot(int kind, bool tilted, int colour, bool lit);

struct GarlandBulb {
    int x; // top-left corner of the picture as it stands on screen
    int y;
    int quarterTurns; // clockwise from the picture as loaded
    bool tilted;      // a corner picture
    int colour;       // 1 to 5
    int number;       // 1, 2, 3 … in drawing order
    int section;      // 1 to 4, clockwise from the top
};

struct PictureSize {
    int width;
    int height;
};

// Every bulb of a garland over a width × height window, in drawing order: the frame
// clockwise from the top-left corner, or the icicles from the left. upright and tilted
// are the sizes of the kind's colour-1 pictures (the icicles use only upright). Empty
// for a kind outside the range.
std::vector<GarlandBulb> GarlandLayout(int kind, int width, int height, PictureSize upright,
                                       PictureSize tilted);

// The flash timer's period for a speed of 1 to 9 (a speed outside is taken as the
// nearest end).
int FlashIntervalMs(int speed);
// The phase after a flash timer tick.
int NextFlashPhase(int mode, int phase);
// Whether a bulb shows its lit picture. Random draws one rand() per call; a mode outside
// the range leaves every bulb unlit.
bool BulbLit(int mode, int phase, const GarlandBulb& bulb);

// The garland's window covers the work area, one pixel shorter when the taskbar hides
// itself, so that a visible taskbar stays clear of the bulbs.
OverlayBox GarlandPlacement(unsigned taskbarState, const WorkArea& workArea);

// The garland's state and drawing: its kind, flash mode and phase, and its pictures.
class Garland {
public:
    Garland(int kind, int mode) : m_kind(kind), m_mode(mode) {}

    // kGarlandSpriteCount slots in load order; an empty slot is a picture that failed to
    // load, and its bulbs are left out.
    void SetSprites(std::vector<std::optional<Sprite>> sprites);
    void ClearSprites() { m_sprites.clear(); }

    int Kind() const { return m_kind; }
    int Mode() const { return m_mode; }
    int Phase() const { return m_phase; }
    void SetKind(int kind) { m_kind = kind; }
    void SetMode(int mode) { m_mode = mode; }
    // The flash timer's tick.
    void Tick() { m_phase = NextFlashPhase(m_mode, m_phase); }

    // The whole garland of the current kind, each bulb lit or not.
    void DrawFrame(ICanvas& canvas);

private:
    const Sprite* Picture(bool tilted, int colour, bool lit) const;

    int m_kind;
    int m_mode;
    int m_phase = 0;
    std::vector<std::optional<Sprite>> m_sprites;
};

} // namespace orvane
