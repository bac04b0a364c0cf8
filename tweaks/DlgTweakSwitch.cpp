#include "tweaks/DlgTweakSwitch.h"

#include "resources/ids_tweaks.h"

namespace orvane {

CDlgTweakSwitch::CDlgTweakSwitch(const SwitchPageInfo& info, ITweakPageHost& host)
    : CDlgTweakPage(info.frame, host), m_control(info.control),
      m_switch(info.makeSwitch(host.Texts())) {}

int CDlgTweakSwitch::BoxId() const {
    return m_control == SwitchControl::DisableBox ? IDC_TWEAK_DISABLE : IDC_TWEAK_ENABLE;
}

void CDlgTweakSwitch::Show(bool on) {
    if (m_control == SwitchControl::ShowHide)
        CheckRadioButton(m_hWnd, IDC_TWEAK_SHOW, IDC_TWEAK_HIDE,
                         on ? IDC_TWEAK_SHOW : IDC_TWEAK_HIDE);
    else
        CheckDlgButton(m_hWnd, BoxId(), on ? BST_CHECKED : BST_UNCHECKED);
}

void CDlgTweakSwitch::ReadState() {
    Show(m_switch->Read());
}

void CDlgTweakSwitch::DisableInput() {
    if (m_control == SwitchControl::ShowHide) {
        EnableWindow(Item(IDC_TWEAK_SHOW), FALSE);
        EnableWindow(Item(IDC_TWEAK_HIDE), FALSE);
    } else {
        EnableWindow(Item(BoxId()), FALSE);
    }
}

bool CDlgTweakSwitch::OnPageCommand(WORD id, WORD notifyCode) {
    if (notifyCode != BN_CLICKED)
        return false;
    bool on;
    if (m_control == SwitchControl::ShowHide && (id == IDC_TWEAK_SHOW || id == IDC_TWEAK_HIDE))
        on = id == IDC_TWEAK_SHOW;
    else if (m_control != SwitchControl::ShowHide && id == BoxId())
        on = IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED;
    else
        return false;
    BeforeChange();
    m_switch->Set(on);
    AfterChange();
    return true;
}

} // namespace orvane
