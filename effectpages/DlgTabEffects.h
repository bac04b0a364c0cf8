#pragma once

#include "framework/Page.h"
#include "resources/ids_pages.h"

namespace orvane {

class CDlgTabEffects : public CPage {
public:
    CDlgTabEffects() : CPage(IDD_TAB_EFFECTS) {}
};

} // namespace orvane
