#pragma once

#include "effectpages/EffectControlPage.h"
#include "effectpages/EffectPageTable.h"

namespace orvane {

// The control page of an effect of the common pattern (Balloons, Confetti, Cursor,
// Dandelions, Falling petals, Fireflies, Hearts, Leaf fall, Leaves in the wind, Lightning,
// Rain, Rain of flowers, Smoke, Space flight, Sweets), driven by its layout: the density
// and wind sliders, which act when the mouse lets go of the thumb, their "Select random at
// startup" boxes, and the page's list or "Multicolored" box. Every change goes to the
// effect object at once and is written to the settings store.
class CDlgEffectCtrls : public CEffectControlPage {
public:
    CDlgEffectCtrls(IEffectPageOwner& owner, const EffectPageLayout& layout);

protected:
    void InitControls() override;
    std::vector<int> SettingControls() const override;
    bool OnControl(WORD id, WORD notifyCode) override;
    bool OnNotify(NMHDR* header, LRESULT& result) override;

private:
    void InitSlider(int id, const wchar_t* key);
    void FillList();
    void SetPageTexts();
    int SliderPosition(int id) const;
    void OnDensityReleased();
    void OnWindReleased();
    void OnListChanged();
    void OnCheckboxClicked(int id, const wchar_t* key);

    const EffectPageLayout& m_layout;
};

} // namespace orvane
