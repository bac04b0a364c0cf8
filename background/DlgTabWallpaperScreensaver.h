#pragma once

#include "framework/Page.h"
#include "resources/ids_pages.h"

namespace orvane {

class CDlgTabWallpaperScreensaver : public CPage {
public:
    CDlgTabWallpaperScreensaver() : CPage(IDD_TAB_WALLPAPER_SCREENSAVER) {}
};

} // namespace orvane
