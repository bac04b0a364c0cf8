#pragma once

#include "core/ChangeNotice.h"
#include "personalize/ScreensaverListPage.h"

namespace orvane {

class IBackgroundPageHost;

// The Background Screen Saver page: which screen saver runs behind the desktop icons,
// and its enable box.
class CDlgTabWallpaperScreensaver : public CScreensaverListPage {
public:
    explicit CDlgTabWallpaperScreensaver(IBackgroundPageHost& host);

    // The texts, then the list again.
    void ApplyTexts() override;
    // Fills the list from the program's catalogue and selects the chosen screen saver.
    void RefreshList();

protected:
    void InitPage() override;
    void OnDestroy() override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;
    void Choose(int row) override;

private:
    // The enable box follows "fWallaperScreensaverEnable" (after a background switch).
    void Refresh();

    IBackgroundPageHost& m_host;
    CChangeNotice::Subscription m_listening; // to the page changes while the window exists
};

} // namespace orvane
