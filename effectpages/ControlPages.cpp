#include "effectpages/ControlPages.h"

#include "effectpages/DlgEffectCtrls.h"
#include "effectpages/DlgEffectCtrlsCustomObjects.h"
#include "effectpages/DlgTabLights.h"
#include "effectpages/PendingControlPage.h"
#include "resources/ids_effectpages.h"

namespace orvane {

std::unique_ptr<CEffectControlPage> CreateControlPage(EffectPage page, IEffectPageOwner& owner) {
    switch (page) {
    case EffectPage::Garland:
        return std::make_unique<CDlgTabLights>(owner);
    case EffectPage::CustomObjects:
        return std::make_unique<CDlgEffectCtrlsCustomObjects>(owner);
    default:
        break;
    }
    const EffectPageLayout* layout = LayoutOf(page);
    return layout ? std::make_unique<CDlgEffectCtrls>(owner, *layout) : nullptr;
}

} // namespace orvane
