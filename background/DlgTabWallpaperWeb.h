#pragma once

#include "background/LivePage.h"
#include "resources/ids_pages.h"

#include <string>

namespace orvane {

// The Background Web page: the address, its enable box, reload, interactive mode and
// the name of the engine that shows the page.
class CDlgTabWallpaperWeb : public CLivePage {
public:
    explicit CDlgTabWallpaperWeb(IBackgroundPageHost& host);

    void ApplyTexts() override;

protected:
    void InitPage() override;
    // The enable value follows "fWallaperWebEnable" and the controls follow it (after a
    // background switch).
    void Refresh() override;
    void OnDestroy() override;
    bool IsRedLabel(int controlId) const override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;

private:
    void PushEnabled();
    void ShowEngine(const std::wstring& name);
    void AddTooltip();

    bool m_enabled = false; // the enable box's value
    bool m_initialised = false;
    UniqueIcon m_refreshIcon;
    HWND m_tooltip = nullptr;
};

} // namespace orvane
