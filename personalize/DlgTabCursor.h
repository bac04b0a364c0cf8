#pragma once

#include "framework/Page.h"
#include "resources/ids_pages.h"

namespace orvane {

class CDlgTabCursor : public CPage {
public:
    CDlgTabCursor() : CPage(IDD_TAB_CURSOR) {}
};

} // namespace orvane
