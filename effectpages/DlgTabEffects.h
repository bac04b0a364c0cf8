#pragma once

#include "effectpages/EffectControlPage.h"
#include "effectpages/EffectPageTable.h"
#include "framework/Gdiplus.h"
#include "framework/Page.h"
#include "framework/ScaledPicture.h"

#include <commctrl.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace orvane {

// The "Effects" tab: the tree of the seventeen effects on the left and the selected
// effect's control page on the right. It owns the control pages, builds them with the
// tree, and holds the exclusivity rule: unless several effects are allowed
// ("fAllowMultipleEffects"), switching one effect on switches every other one off.
class CDlgTabEffects : public CPage, public IEffectPageOwner {
public:
    explicit CDlgTabEffects(IEffectPageHost& host);
    ~CDlgTabEffects() override;

    // After a change of language: the tree and every control page are built again.
    void ApplyTexts() override { BuildEffectsTree(); }
    // (Re)builds the tree and the control pages, which read the effects' settings anew.
    // Nothing is started or stopped, and no item is selected afterwards.
    void BuildEffectsTree();

    IEffectPageHost& Host() override { return m_host; }
    // Switches off, through their pages, every effect whose enable key is set, in the
    // effects' order; the custom objects too unless keepCustomObjects. A page calls it
    // when its Enable box has just been ticked, before it starts its own effect.
    void TurnOffOtherEffects(bool keepCustomObjects) override;

    // The page of an effect, and that of the custom objects; null before the tree is built.
    CEffectControlPage* PageOf(EffectId effect) const {
        return m_pageOf[static_cast<std::size_t>(effect)];
    }
    CEffectControlPage* CustomObjectsPage() const { return m_customObjectsPage; }
    bool PageShown() const { return m_pageShown; }

protected:
    BOOL OnInitDialog() override;
    bool OnNotify(NMHDR* header, LRESULT& result) override;
    bool OnPaint() override;
    void OnDestroy() override;

private:
    struct Entry {
        std::wstring name;
        HTREEITEM item = nullptr;
        std::unique_ptr<CEffectControlPage> page;
    };

    void DestroyPages();
    static void SwitchOffIfOn(CEffectControlPage* page);
    void OnSelectionChanged(HTREEITEM oldItem, HTREEITEM newItem);
    Entry* EntryOf(HTREEITEM item);

    IEffectPageHost& m_host;
    std::vector<Entry> m_entries; // in tree order
    std::array<CEffectControlPage*, kEffectCount> m_pageOf = {};
    CEffectControlPage* m_customObjectsPage = nullptr;
    bool m_pageShown = false; // the introduction picture shows until the first selection
    bool m_building = false;
    CScaledPicture m_intro;
};

} // namespace orvane
