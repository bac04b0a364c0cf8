#pragma once

#include "framework/Page.h"
#include "resources/ids_pages.h"

namespace orvane {

class CDlgTabScreensaver : public CPage {
public:
    CDlgTabScreensaver() : CPage(IDD_TAB_SCREENSAVER) {}
};

} // namespace orvane
