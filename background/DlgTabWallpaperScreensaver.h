#pragma once

#include "background/LivePage.h"

#include <string>
#include <vector>

namespace orvane {

// The Background Screen Saver page: which screen saver runs behind the desktop icons,
// and its enable box.
class CDlgTabWallpaperScreensaver : public CLivePage {
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
    bool IsRedLabel(int /*controlId*/) const override { return false; }
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;
    bool OnDrawLink(const DRAWITEMSTRUCT& item) override;

private:
    void Choose(int row);

    std::vector<std::wstring> m_paths; // of the list's rows; "" for "None"
    UniqueIcon m_linkIcon;
};

} // namespace orvane
