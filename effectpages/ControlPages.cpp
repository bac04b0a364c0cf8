#include "effectpages/ControlPages.h"

#include "effectpages/DlgEffectCtrls.h"
#include "effectpages/DlgEffectCtrlsCustomObjects.h"
#include "effectpages/DlgTabLights.h"

namespace orvane {

std::unique_ptr<CEffectControlPage> CreateControlPage(const EffectTreeEntry& entry,
                                                      IEffectPageOwner& owner) {
    if (!entry.effect)
        return std::make_unique<CDlgEffectCtrlsCustomObjects>(owner);
    if (*entry.effect == EffectId::Garland)
        return std::make_unique<CDlgTabLights>(owner);
    const EffectPageLayout* layout = LayoutOf(*entry.effect);
    return layout ? std::make_unique<CDlgEffectCtrls>(owner, *layout) : nullptr;
}

} // namespace orvane
