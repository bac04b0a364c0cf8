#include "FrameRun.h"

#include "framework/Random.h"

namespace orvane {

FrameRun::FrameRun(const SpriteEffectKind& kind, std::vector<Sprite> sprites, int width, int height,
                   int density)
    : m_pixels(static_cast<std::size_t>(width) * height, 0),
      m_canvas({m_pixels.data(), width, height, width}), m_effect(kind.rules),
      m_target(TargetCountForDensity(density)) {
    SeedRandom(1);
    m_effect.SetSprites(std::move(sprites));
    m_effect.Begin(width, height);
    if (kind.windKey)
        m_effect.Wind().Start(5);
}

void FrameRun::Frame() {
    m_canvas.BeginFrame();
    m_effect.DrawFrame(m_canvas, m_target);
}

void FrameRun::WarmUp() {
    for (int i = 0; i < kWarmUpFrames; ++i)
        Frame();
}

std::size_t FrameRun::KeptBytes() const {
    std::size_t bytes = 0;
    for (const Sprite& sprite : m_effect.Sprites())
        bytes += sprite.KeptBytes();
    return bytes;
}

std::vector<int> SpriteIdsOf(const SpriteEffectKind& kind) {
    return kind.id == FallingPetalsKind().id ? PetalSpriteIds(L"red") : kind.spriteIds;
}

} // namespace orvane
