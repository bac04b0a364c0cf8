#pragma once

#include "core/Options.h"
#include "core/SettingsKeys.h"
#include "effects/EffectOverlay.h"
#include "effects/Confetti.h"
#include "effects/Rain.h"
#include "effects/Smoke.h"
#include "effects/SpaceFlight.h"
#include "resources/ids_effects.h"

namespace orvane {

// The window of a particle effect whose population follows its density slider: each
// start begins the simulation afresh over the measured area and reads the density.
template <class Simulation> class CDlgDensityEffect : public CDlgEffectOverlay {
public:
    CDlgDensityEffect(COptions& options, EffectId id, const wchar_t* densityKey)
        : CDlgEffectOverlay(options, id, IDD_EFFECT_OVERLAY), m_densityKey(densityKey) {}

    const Simulation& Effect() const { return m_effect; }

protected:
    void ReadSettings() override {
        m_effect.Begin(Width(), Height());
        SetDensity(Options().GetInt(m_densityKey));
    }
    void DrawFrame(ICanvas& canvas) override { m_effect.DrawFrame(canvas, targetCount); }
    void ReleaseEffect() override { m_effect.Stop(); }

    Simulation m_effect;

private:
    const wchar_t* m_densityKey;
};

class CDlgEffectSpaceFlight : public CDlgDensityEffect<SpaceFlight> {
public:
    explicit CDlgEffectSpaceFlight(COptions& options)
        : CDlgDensityEffect(options, EffectId::SpaceFlight, key::iEffectSpaceFlightDensity) {}
};

class CDlgEffectConfetti : public CDlgDensityEffect<Confetti> {
public:
    explicit CDlgEffectConfetti(COptions& options)
        : CDlgDensityEffect(options, EffectId::Confetti, key::iEffectConfettiDensity) {}
};

class CDlgEffectRain : public CDlgDensityEffect<Rain> {
public:
    explicit CDlgEffectRain(COptions& options)
        : CDlgDensityEffect(options, EffectId::Rain, key::iEffectRainDensity) {}
};

class CDlgEffectSmoke : public CDlgDensityEffect<Smoke> {
public:
    static constexpr int kPuffPicture = 542;

    explicit CDlgEffectSmoke(COptions& options)
        : CDlgDensityEffect(options, EffectId::Smoke, key::iEffectSmokeDensity) {}

protected:
    void LoadSprites() override;
};

} // namespace orvane
