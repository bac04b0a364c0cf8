#pragma once

#include "effectpages/EffectControlPage.h"

namespace orvane {

// The page of the garland lights: which garland, how it flashes and how fast, each with
// its "random at startup" box, and where it is shown. Every change goes to the garland at
// once and is written to the settings store.
class CDlgTabLights : public CEffectControlPage {
public:
    explicit CDlgTabLights(IEffectPageOwner& owner);

protected:
    void InitControls() override;
    std::vector<int> SettingControls() const override;
    bool OnControl(WORD id, WORD notifyCode) override;
    bool OnNotify(NMHDR* header, LRESULT& result) override;

private:
    void FillList(int id, const unsigned* textIds, std::size_t count, const wchar_t* key);
    int Selection(int id) const;
    void OnPlacementClicked(bool onTop);
};

} // namespace orvane
