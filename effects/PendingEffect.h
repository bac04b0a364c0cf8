#pragma once

#include "effects/EffectOverlay.h"
#include "resources/ids_effects.h"

namespace orvane {

// The object of an effect whose drawing is not in the program yet (garland lights,
// fireflies, lightning, space flight, confetti, rain, smoke, cursor effects). It exists
// so that start-up and the pages can address all sixteen effects; starting it opens no
// window, so a set enable key costs nothing.
class CDlgEffectPending : public CDlgEffectOverlay {
public:
    CDlgEffectPending(COptions& options, EffectId id)
        : CDlgEffectOverlay(options, id, IDD_EFFECT_OVERLAY) {}

protected:
    BOOL CreateOverlay() override { return FALSE; }
    void DrawFrame(ICanvas&) override {}
};

} // namespace orvane
