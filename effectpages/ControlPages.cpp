#include "effectpages/ControlPages.h"

#include "effectpages/DlgEffectCtrls.h"
#include "effectpages/DlgTabLights.h"
#include "effectpages/PendingControlPage.h"
#include "resources/ids_effectpages.h"

namespace orvane {

std::unique_ptr<CEffectControlPage> CreateControlPage(EffectPage page, IEffectPageOwner& owner) {
    switch (page) {
    case EffectPage::Garland:
        return std::make_unique<CDlgTabLights>(owner);
    case EffectPage::CustomObjects:
        return std::make_unique<CDlgEffectCtrlsPending>(owner, IDD_EFFECT_CTRLS_CUSTOM_OBJECTS,
                                                        std::nullopt);
    default:
        break;
    }
    const EffectPageLayout* layout = LayoutOf(page);
    return layout ? std::make_unique<CDlgEffectCtrls>(owner, *layout) : nullptr;
}

} // namespace orvane
