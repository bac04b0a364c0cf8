#pragma once

#include "effects/EffectOverlay.h"
#include "effects/SpriteEffect.h"

#include <string>
#include <vector>

namespace orvane {

// The window of a sprite effect: its pictures, settings and timers around the shared
// simulation.
class CDlgSpriteEffect : public CDlgEffectOverlay {
public:
    static constexpr UINT_PTR kWindTimer = 2;
    static constexpr UINT kWindPeriodMs = 1000;

    CDlgSpriteEffect(COptions& options, const SpriteEffectKind& kind);

    // The wind start rule, also used by the page's wind slider; nothing for an effect
    // without wind.
    void StartWind(int level) override;
    const SpriteEffect& Simulation() const { return m_effect; }

protected:
    void SetSprites(const std::vector<int>& ids);
    void LoadSprites() override;
    void ReadSettings() override;
    void StartOwnTimers() override;
    void DrawFrame(ICanvas& canvas) override;
    bool OnEffectTimer(UINT_PTR id) override;
    void ReleaseEffect() override;

private:
    const SpriteEffectKind& m_kind;
    SpriteEffect m_effect;
};

class CDlgEffectsLeafFall : public CDlgSpriteEffect {
public:
    explicit CDlgEffectsLeafFall(COptions& options) : CDlgSpriteEffect(options, LeafFallKind()) {}
};

class CDlgEffectFallingPetals : public CDlgSpriteEffect {
public:
    explicit CDlgEffectFallingPetals(COptions& options)
        : CDlgSpriteEffect(options, FallingPetalsKind()) {}
    // Swaps the pictures for those of the colour; the petals on screen go, and the next
    // frame brings the whole population anew. Works with or without a window.
    void SetPetalColour(const std::wstring& colour) override;

protected:
    void LoadSprites() override;
};

class CDlgEffectRainFlowers : public CDlgSpriteEffect {
public:
    explicit CDlgEffectRainFlowers(COptions& options)
        : CDlgSpriteEffect(options, RainFlowersKind()) {}
};

class CDlgEffectSweets : public CDlgSpriteEffect {
public:
    explicit CDlgEffectSweets(COptions& options) : CDlgSpriteEffect(options, SweetsKind()) {}
};

class CDlgEffectHearts : public CDlgSpriteEffect {
public:
    explicit CDlgEffectHearts(COptions& options) : CDlgSpriteEffect(options, HeartsKind()) {}
};

class CDlgEffectBalloons : public CDlgSpriteEffect {
public:
    explicit CDlgEffectBalloons(COptions& options) : CDlgSpriteEffect(options, BalloonsKind()) {}
};

class CDlgEffectDandelions : public CDlgSpriteEffect {
public:
    explicit CDlgEffectDandelions(COptions& options)
        : CDlgSpriteEffect(options, DandelionsKind()) {}
};

class CDlgEffectLeavesInTheWind : public CDlgSpriteEffect {
public:
    explicit CDlgEffectLeavesInTheWind(COptions& options)
        : CDlgSpriteEffect(options, LeavesInTheWindKind()) {}
};

} // namespace orvane
