#include "effects/EffectFactory.h"

#include "effects/CursorEffectWindow.h"
#include "effects/DlgEffectFireflies.h"
#include "effects/DlgEffectLightning.h"
#include "effects/DlgLights.h"
#include "effects/ParticleEffectWindows.h"
#include "effects/SpriteEffectWindows.h"

namespace orvane {

std::unique_ptr<CDlgEffectOverlay> CreateEffect(EffectId id, COptions& options) {
    switch (id) {
    case EffectId::Balloons:
        return std::make_unique<CDlgEffectBalloons>(options);
    case EffectId::Dandelions:
        return std::make_unique<CDlgEffectDandelions>(options);
    case EffectId::FallingPetals:
        return std::make_unique<CDlgEffectFallingPetals>(options);
    case EffectId::Hearts:
        return std::make_unique<CDlgEffectHearts>(options);
    case EffectId::LeafFall:
        return std::make_unique<CDlgEffectsLeafFall>(options);
    case EffectId::LeavesInTheWind:
        return std::make_unique<CDlgEffectLeavesInTheWind>(options);
    case EffectId::RainFlowers:
        return std::make_unique<CDlgEffectRainFlowers>(options);
    case EffectId::Sweets:
        return std::make_unique<CDlgEffectSweets>(options);
    case EffectId::SpaceFlight:
        return std::make_unique<CDlgEffectSpaceFlight>(options);
    case EffectId::Fireflies:
        return std::make_unique<CDlgEffectFireflies>(options);
    case EffectId::Garland:
        return std::make_unique<CDlgLights>(options);
    case EffectId::Lightning:
        return std::make_unique<CDlgEffectLightning>(options);
    case EffectId::Confetti:
        return std::make_unique<CDlgEffectConfetti>(options);
    case EffectId::Rain:
        return std::make_unique<CDlgEffectRain>(options);
    case EffectId::Smoke:
        return std::make_unique<CDlgEffectSmoke>(options);
    case EffectId::Cursor:
        return std::make_unique<CDlgEffectCursor>(options);
    }
    return nullptr;
}

} // namespace orvane
