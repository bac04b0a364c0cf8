#pragma once

#include "framework/Page.h"
#include "resources/ids_pages.h"

namespace orvane {

class CDlgTabLogon : public CPage {
public:
    CDlgTabLogon() : CPage(IDD_TAB_LOGON) {}
};

} // namespace orvane
