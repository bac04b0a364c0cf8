#pragma once

#include "background/LivePage.h"
#include "resources/ids_pages.h"

#include <string>

namespace orvane {

// The Background Video page: the video file, its enable box, and whether the chosen
// engine can play it.
class CDlgTabWallpaperVideo : public CLivePage {
public:
    explicit CDlgTabWallpaperVideo(IBackgroundPageHost& host);

    void ApplyTexts() override;
    // What "Browse..." does with the file the user chose.
    void UseFile(const std::wstring& path);

protected:
    void InitPage() override;
    // The enable box follows "fWallaperVideoEnable" (after a background switch).
    void Refresh() override;
    bool IsRedLabel(int controlId) const override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;

private:
    void Browse();
    bool Playable(const std::wstring& path) const;
    void ShowStatus(unsigned textId);
    bool Checked() const;
};

} // namespace orvane
