#pragma once

#include "effectpages/EffectControlPage.h"

#include <optional>

namespace orvane {

class CCustomObjects;

// The page of the custom objects: the list of the user's pictures, sorted by path, with
// Add file, Duplicate and Remove, and for the selected object its Enable box and
// placement. Ticking one object switches the other effects off (unless several are
// allowed) but leaves the other objects running.
class CDlgEffectCtrlsCustomObjects : public CEffectControlPage {
public:
    explicit CDlgEffectCtrlsCustomObjects(IEffectPageOwner& owner);

    // Whether any object is enabled; switching off disables every one of them.
    bool EffectOn() const override;
    void SwitchOff() override;

    // Shows and fills the per-object controls for the selected object, or hides them
    // when none is selected.
    void RefreshObjectControls();

protected:
    void InitControls() override;
    bool OnControl(WORD id, WORD notifyCode) override;
    bool OnNotify(NMHDR* header, LRESULT& result) override;

private:
    CCustomObjects* Objects() const;
    // The entry of the selected list item; items are sorted, so this is the item's data.
    std::optional<std::size_t> SelectedEntry() const;
    void FillList();
    void AfterListChange();
    void OnAddFile();
    void OnDuplicate();
    void OnRemove();
    void OnEnable();
    void OnPlacement(bool onTop);
};

} // namespace orvane
