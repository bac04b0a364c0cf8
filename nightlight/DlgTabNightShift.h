#pragma once

#include "framework/Page.h"
#include "resources/ids_pages.h"

namespace orvane {

class CDlgTabNightShift : public CPage {
public:
    CDlgTabNightShift() : CPage(IDD_TAB_NIGHTSHIFT) {}
};

} // namespace orvane
