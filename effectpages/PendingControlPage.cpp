#include "effectpages/PendingControlPage.h"

#include "core/Options.h"
#include "effects/EffectOverlay.h"

namespace orvane {

void CDlgEffectCtrlsPending::SwitchOff() {
    // No Enable box to clear: the stop and the key, as its handler would do them.
    if (CDlgEffectOverlay* effect = Effect())
        effect->StopEffect();
    if (const EffectKeys* keys = Keys())
        Options().SetBool(keys->enableKey, false);
}

} // namespace orvane
