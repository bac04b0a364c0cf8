#include "tweaks/NumericField.h"

#include <commctrl.h>

#include <vector>

namespace orvane {

bool IsFinishedSliderMove(WORD code) {
    return code != TB_THUMBTRACK && code != TB_ENDTRACK;
}

CNumericField::CNumericField(const NumericFieldSpec& spec, Store store)
    : m_spec(spec), m_store(std::move(store)) {}

void CNumericField::Attach(HWND page) {
    m_page = page;
    SendDlgItemMessageW(page, m_spec.upDown, UDM_SETRANGE32, m_spec.range.minimum,
                        m_spec.range.maximum);
    if (m_spec.slider) {
        SendDlgItemMessageW(page, m_spec.slider, TBM_SETRANGEMIN, FALSE, m_spec.range.minimum);
        SendDlgItemMessageW(page, m_spec.slider, TBM_SETRANGEMAX, TRUE, m_spec.range.maximum);
    }
    MoveSlider(m_spec.defaultValue.value_or(m_spec.range.minimum));
}

void CNumericField::SetEditText(const std::wstring& text) {
    m_writing = true;
    SetDlgItemTextW(m_page, m_spec.edit, text.c_str());
    m_writing = false;
}

void CNumericField::MoveSlider(int value) {
    if (m_spec.slider)
        SendDlgItemMessageW(m_page, m_spec.slider, TBM_SETPOS, TRUE, value);
}

void CNumericField::ShowNumber(int value) {
    SetEditText(std::to_wstring(value));
    MoveSlider(value);
}

void CNumericField::ShowText(const std::wstring& text) {
    SetEditText(text);
    MoveSlider(LeadingNumber(text));
}

void CNumericField::SetPosition(int value) {
    m_writing = true;
    SendDlgItemMessageW(m_page, m_spec.upDown, UDM_SETPOS32, 0, value);
    m_writing = false;
    MoveSlider(value);
}

bool CNumericField::IsChange(WORD id, WORD notifyCode) const {
    return id == m_spec.edit && notifyCode == EN_CHANGE && !m_writing;
}

bool CNumericField::OnSliderMoved(HWND slider, WORD code) {
    if (!m_spec.slider || slider != GetDlgItem(m_page, m_spec.slider))
        return false;
    if (IsFinishedSliderMove(code)) {
        const auto position = static_cast<int>(SendMessageW(slider, TBM_GETPOS, 0, 0));
        SendDlgItemMessageW(m_page, m_spec.upDown, UDM_SETPOS32, 0, position);
    }
    return true;
}

int CNumericField::Apply() {
    HWND edit = GetDlgItem(m_page, m_spec.edit);
    std::vector<wchar_t> text(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
    GetWindowTextW(edit, text.data(), static_cast<int>(text.size()));
    int value = LeadingNumber(text.data());
    if (!m_spec.range.Contains(value)) {
        value = m_spec.range.Clamp(value);
        SetEditText(std::to_wstring(value));
    }
    MoveSlider(value);
    m_store(value);
    return value;
}

} // namespace orvane
