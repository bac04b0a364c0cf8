#pragma once

#include "effectpages/EffectPageHost.h"
#include "framework/Gdiplus.h"
#include "framework/Handle.h"
#include "framework/PictureDialog.h"
#include "framework/ScaledPicture.h"

#include <windows.h>

#include <memory>
#include <optional>
#include <vector>

namespace orvane {

// What a control page needs of the Effects tab that owns it.
class IEffectPageOwner {
public:
    virtual IEffectPageHost& Host() = 0;
    // Switches every other running effect off through its page (see CDlgTabEffects).
    virtual void TurnOffOtherEffects(bool keepCustomObjects) = 0;

protected:
    ~IEffectPageOwner() = default;
};

// The frame of every effect's control page, a child of the Effects tab: the bold green
// title, the Help button with its icon, the preview picture, and the switches every page
// shares — the Enable box with the exclusivity rule and the two placement buttons. A page
// adds its own controls through the virtuals below.
class CEffectControlPage : public CPictureDialog {
public:
    struct Preview {
        int pictureId = 0; // PNG resource, 0 for none
        int x = 0;         // pixels in the page, for the standard dialog font at 100 %
        int y = 0;
    };

    // effect: the object the Enable box switches (none for a page that keeps its own).
    CEffectControlPage(IEffectPageOwner& owner, UINT templateId, std::optional<EffectId> effect,
                       Preview preview);

    // For the exclusivity rule: whether the page's effect is switched on, and switching it
    // off as if the user had cleared the Enable box.
    virtual bool EffectOn() const;
    virtual void SwitchOff();

protected:
    // Fills the page's controls from the settings and sets their texts. Runs when the
    // page is created, after the frame's own set-up.
    virtual void InitControls() = 0;
    // The controls that can be used only while the effect is on, besides the placement
    // buttons.
    virtual std::vector<int> SettingControls() const { return {}; }
    // The page's own commands; true when handled.
    virtual bool OnControl(WORD /*id*/, WORD /*notifyCode*/) { return false; }

    IEffectPageHost& Host() const { return m_owner.Host(); }
    IEffectPageOwner& Owner() const { return m_owner; }
    COptions& Options() const;
    // The page's effect object; null when the page has none or the program not yet.
    CEffectGroup* Effect() const;
    const EffectKeys* Keys() const;

    // Reads the Enable box and acts on it: if ticked, the exclusivity rule (unless several
    // effects are allowed) and the start; if clear, the stop; then the setting controls
    // follow the box and the enable key is written.
    void OnEnableClicked(bool keepCustomObjects = false);
    // Ticks the Enable box and the placement button from the keys, and makes the setting
    // controls usable when the effect is on.
    void ShowSwitchesFromKeys();
    void EnableSettingControls(bool enable);
    // (control id, text id) pairs from the text table of the language in use.
    void SetTexts(const WORD* pairs, std::size_t pairCount);

private:
    BOOL OnInitDialog() final;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) final;
    void PaintPicture(HDC dc) override;
    LabelStyle StyleOfLabel(HWND control, UINT message) const override;
    void OnDestroy() override;

    void OnPlacementClicked(bool onTop);

    IEffectPageOwner& m_owner;
    std::optional<EffectId> m_effect;
    Preview m_preview;
    CScaledPicture m_picture;
    UniqueIcon m_helpIcon;
    UniqueGdiObject m_titleFont; // made once per page object
};

} // namespace orvane
