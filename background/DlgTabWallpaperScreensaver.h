#pragma once

#include "personalize/ScreensaverListPage.h"

namespace orvane {

// The Background Screen Saver page: which screen saver runs behind the desktop icons,
// and its enable box.
class CDlgTabWallpaperScreensaver : public CScreensaverListPage {
public:
    CDlgTabWallpaperScreensaver();

    // The texts, then the list again.
    void ApplyTexts() override;
    // Fills the list from the application's catalogue and selects the chosen screen saver.
    void RefreshList();
    // The enable box follows "fWallaperScreensaverEnable" (after a background switch).
    void Refresh();

protected:
    void InitPage() override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;
    void Choose(int row) override;
};

} // namespace orvane
