#pragma once

#include "framework/Page.h"
#include "resources/ids_pages.h"

namespace orvane {

class CDlgTabWallpaperWeb : public CPage {
public:
    CDlgTabWallpaperWeb() : CPage(IDD_TAB_WALLPAPER_WEB) {}
};

} // namespace orvane
