#pragma once

#include "framework/Gdiplus.h"
#include "framework/Handle.h"
#include "framework/Page.h"
#include "framework/ScaledPicture.h"
#include "resources/ids_pages.h"
#include "tweaks/DlgTweakPage.h"
#include "tweaks/TweakPageHost.h"

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

namespace orvane {

// The Tweaks tab: the tree of the tweaks offered on the running system and, beside it,
// the page of the selected one, or the welcome picture while no tweak is selected.
class CDlgTabTweaks : public CPage {
public:
    // systemName picks the tweaks the tree offers: "Windows11", "Windows10", "Windows8",
    // "Windows7", or empty (nothing) for older systems.
    CDlgTabTweaks(std::wstring systemName, ITweakPageHost& host);
    ~CDlgTabTweaks() override;

    // Builds the tree and every tweak's page again, in the current language; each page
    // reads its tweak's state anew.
    void BuildTweaksTree();
    // After a change of language: the tree and the pages again, unless the texts they
    // were built with are still the current ones.
    void ApplyTexts() override;

    // One tweak of the tree, in catalogue order.
    struct Entry {
        std::wstring group;
        std::wstring item;
        unsigned systems;
        HTREEITEM treeItem; // null when the tweak is not offered here
        std::unique_ptr<CDlgTweakPage> page;
    };
    const std::vector<Entry>& Entries() const { return m_entries; }
    bool PageShown() const { return m_pageShown; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;
    bool OnNotify(NMHDR* header, LRESULT& result) override;
    bool OnPaint() override;
    void OnDestroy() override;

private:
    void OnSelectionChanged(const NMTREEVIEWW& change);
    Entry* EntryOf(LPARAM itemData);
    void SetPageShown(bool shown);
    std::vector<std::wstring> CurrentTexts() const;

    std::wstring m_systemName;
    ITweakPageHost& m_host;
    std::vector<Entry> m_entries;
    std::vector<std::wstring> m_builtWith; // the texts of the last build
    POINT m_pagePlace = {};
    POINT m_welcomePlace = {};
    bool m_pageShown = false;
    bool m_building = false;
    CScaledPicture m_welcome;
    UniqueIcon m_helpIcon;
};

} // namespace orvane
