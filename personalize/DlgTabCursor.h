#pragma once

#include "framework/Handle.h"
#include "framework/Page.h"
#include "personalize/CursorTheme.h"
#include "resources/ids_pages.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace orvane {

class ICursorPageHost;

// The Cursor tab: the cursor themes beside the program as a grid of previews. Picking
// one replaces the system's normal, hand and busy cursors; "Default" restores them.
class CDlgTabCursor : public CPage {
public:
    explicit CDlgTabCursor(ICursorPageHost& host);

    void ApplyTexts() override;
    // The theme folders and the list view of their previews.
    void ScanThemes();
    void FillThemeList();
    const std::vector<std::wstring>& Themes() const { return m_themes; }

    static constexpr int kPreviewSize = 96;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;
    bool OnNotify(NMHDR* header, LRESULT& result) override;

private:
    void ThemeSelected(int index);
    void RestoreDefault();
    HBITMAP PreviewBitmap(HDC dc, const std::wstring& theme, COLORREF background) const;
    LRESULT DrawItem(const NMLVCUSTOMDRAW& draw) const;

    ICursorPageHost& m_host;
    std::vector<std::wstring> m_themes;
    HIMAGELIST m_images = nullptr; // owned by the list view once attached
    UniqueIcon m_helpIcon;
    bool m_filling = false;
};

} // namespace orvane
