#pragma once

// One sprite effect drawing frames into an off-screen buffer exactly as its overlay window
// does (clear what the last frame drew, simulate, draw), without showing them.
#include "effects/EffectCatalog.h"
#include "effects/SoftwareCanvas.h"
#include "effects/SpriteEffect.h"

#include <cstdint>
#include <vector>

namespace orvane {

class FrameRun {
public:
    // Frames run before measuring, so that the population is spread over the screen as it
    // is after the first half minute rather than all beyond the starting edge.
    static constexpr int kWarmUpFrames = 1500;

    // Seeds the shared generator, so that every run draws the same frames.
    FrameRun(const SpriteEffectKind& kind, std::vector<Sprite> sprites, int width, int height,
             int density);

    void Frame();
    void WarmUp();
    const SoftwareCanvas& Canvas() const { return m_canvas; }
    const SpriteEffect& Effect() const { return m_effect; }
    // Bytes the sprites' kept turns hold.
    std::size_t KeptBytes() const;

private:
    std::vector<std::uint32_t> m_pixels;
    SoftwareCanvas m_canvas;
    SpriteEffect m_effect;
    int m_target;
};

// The pictures of a kind in load order (the petals in red).
std::vector<int> SpriteIdsOf(const SpriteEffectKind& kind);

} // namespace orvane
