#pragma once

#include "effectpages/EffectControlPage.h"

namespace orvane {

// The page of an effect whose own page is not in the program yet (the custom objects):
// an empty page. The exclusivity rule still switches its effect off
// when the effect's key is set.
class CDlgEffectCtrlsPending : public CEffectControlPage {
public:
    CDlgEffectCtrlsPending(IEffectPageOwner& owner, UINT templateId, std::optional<EffectId> effect)
        : CEffectControlPage(owner, templateId, effect, {}) {}

    void SwitchOff() override;

protected:
    void InitControls() override {}
};

} // namespace orvane
