#pragma once

#include "tweaks/DlgTweakPage.h"
#include "tweaks/TweakSwitch.h"

#include <functional>
#include <memory>

namespace orvane {

// How a page shows an on/off tweak.
enum class SwitchControl {
    CheckBox,   // 1016, "Enable" or "Remove"
    DisableBox, // 1043, "Disable"
    ShowHide,   // radio buttons 1024 "Show" (on) and 1025 "Hide" (off)
};

using TweakSwitchFactory = std::function<std::unique_ptr<CTweakSwitch>(const CTranslate&)>;

struct SwitchPageInfo {
    TweakFrame frame;
    SwitchControl control;
    TweakSwitchFactory makeSwitch;
};

// The page of every on/off tweak: it shows the state read at initialisation and writes
// each change at once.
class CDlgTweakSwitch : public CDlgTweakPage {
public:
    CDlgTweakSwitch(const SwitchPageInfo& info, ITweakPageHost& host);

protected:
    void ReadState() override;
    void DisableInput() override;
    bool OnPageCommand(WORD id, WORD notifyCode) override;

private:
    int BoxId() const;
    void Show(bool on);

    SwitchControl m_control;
    std::unique_ptr<CTweakSwitch> m_switch;
};

} // namespace orvane
