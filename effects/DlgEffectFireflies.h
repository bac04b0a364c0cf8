#pragma once

#include "effects/EffectOverlay.h"
#include "effects/Fireflies.h"

namespace orvane {

// The fireflies' window: soft glows wandering over the screen, 100 per density step,
// all yellow or each of a random colour.
class CDlgEffectFireflies : public CDlgEffectOverlay {
public:
    explicit CDlgEffectFireflies(COptions& options);

    // The glows on screen go and the next frame brings a whole new set.
    void SetColourful(bool colourful) override { m_fireflies.SetColourful(colourful); }
    const Fireflies& Simulation() const { return m_fireflies; }

protected:
    void ReadSettings() override;
    void DrawFrame(ICanvas& canvas) override;
    void ReleaseEffect() override { m_fireflies.Stop(); }

private:
    Fireflies m_fireflies;
};

} // namespace orvane
