#pragma once

#include "framework/Page.h"
#include "resources/ids_pages.h"

namespace orvane {

class CDlgTabWallpaper : public CPage {
public:
    CDlgTabWallpaper() : CPage(IDD_TAB_WALLPAPER) {}
};

} // namespace orvane
