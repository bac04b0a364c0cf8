#pragma once

#include "framework/Page.h"
#include "resources/ids_pages.h"

namespace orvane {

class CDlgTabWallpaperVideo : public CPage {
public:
    CDlgTabWallpaperVideo() : CPage(IDD_TAB_WALLPAPER_VIDEO) {}
};

} // namespace orvane
