#include "tweaks/DlgTweakNumber.h"

#include <shlwapi.h>

namespace orvane {

CDlgTweakNumber::CDlgTweakNumber(const NumberPageSpec& spec, CTweakServices& services)
    : CDlgTweakPage(spec.frame, services), m_spec(spec),
      m_field(spec.field, [this](int value) { Store(value); }) {}

void CDlgTweakNumber::ReadState() {
    m_field.Attach(m_hWnd);
    if (m_spec.field.defaultValue)
        m_field.ShowNumber(*m_spec.field.defaultValue);
    DWORD value = 0;
    DWORD type = REG_NONE;
    DWORD size = sizeof value;
    if (SHGetValueW(HKEY_CURRENT_USER, m_spec.key, m_spec.name, &type, &value, &size) ==
            ERROR_SUCCESS &&
        type == REG_DWORD && size == sizeof value) {
        const int number = static_cast<int>(value);
        m_field.ShowNumber(number);
        if (m_spec.defaultButton && !m_field.IsDefault(number))
            EnableWindow(Item(m_spec.defaultButton), TRUE);
    }
}

void CDlgTweakNumber::Store(int value) {
    if (m_field.IsDefault(value)) {
        SHDeleteValueW(HKEY_CURRENT_USER, m_spec.key, m_spec.name);
        return;
    }
    const DWORD number = static_cast<DWORD>(value);
    SHSetValueW(HKEY_CURRENT_USER, m_spec.key, m_spec.name, REG_DWORD, &number, sizeof number);
}

void CDlgTweakNumber::ApplyField() {
    BeforeChange();
    const int value = m_field.Apply();
    AfterChange();
    if (m_spec.defaultButton)
        EnableWindow(Item(m_spec.defaultButton), !m_field.IsDefault(value));
}

bool CDlgTweakNumber::OnPageCommand(WORD id, WORD notifyCode) {
    if (m_field.IsChange(id, notifyCode)) {
        if (Initialised())
            ApplyField();
        return true;
    }
    if (m_spec.defaultButton && id == m_spec.defaultButton && notifyCode == BN_CLICKED &&
        m_spec.field.defaultValue) {
        m_field.ShowNumber(*m_spec.field.defaultValue);
        ApplyField();
        return true;
    }
    return false;
}

void CDlgTweakNumber::OnSliderMoved(HWND slider, WORD code) {
    m_field.OnSliderMoved(slider, code);
}

} // namespace orvane
