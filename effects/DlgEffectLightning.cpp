#include "effects/DlgEffectLightning.h"

#include "resources/ids_effects.h"

namespace orvane {

CDlgEffectLightning::CDlgEffectLightning(COptions& options)
    : CDlgEffectOverlay(options, EffectId::Lightning, IDD_EFFECT_OVERLAY) {}

} // namespace orvane
