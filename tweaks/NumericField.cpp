#include "tweaks/NumericField.h"

#include <commctrl.h>

#include <vector>

namespace orvane {

bool IsFinishedSliderMove(WORD code) {
    return code != TB_THUMBTRACK && code != TB_ENDTRACK;
}

CNumericField::CNumericField(const NumericFieldInfo& info, Store store)
    : m_info(info), m_store(std::move(store)) {}

void CNumericField::Attach(HWND page) {
    m_page = page;
    SendDlgItemMessageW(page, m_info.upDown, UDM_SETRANGE32, m_info.range.minimum,
                        m_info.range.maximum);
    if (m_info.slider) {
        SendDlgItemMessageW(page, m_info.slider, TBM_SETRANGEMIN, FALSE, m_info.range.minimum);
        SendDlgItemMessageW(page, m_info.slider, TBM_SETRANGEMAX, TRUE, m_info.range.maximum);
    }
    MoveSlider(m_info.defaultValue.value_or(m_info.range.minimum));
}

void CNumericField::SetEditText(const std::wstring& text) {
    m_writing = true;
    SetDlgItemTextW(m_page, m_info.edit, text.c_str());
    m_writing = false;
}

void CNumericField::MoveSlider(int value) {
    if (m_info.slider)
        SendDlgItemMessageW(m_page, m_info.slider, TBM_SETPOS, TRUE, value);
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
    SendDlgItemMessageW(m_page, m_info.upDown, UDM_SETPOS32, 0, value);
    m_writing = false;
    MoveSlider(value);
}

bool CNumericField::IsChange(WORD id, WORD notifyCode) const {
    return id == m_info.edit && notifyCode == EN_CHANGE && !m_writing;
}

bool CNumericField::OnSliderMoved(HWND slider, WORD code) {
    if (!m_info.slider || slider != GetDlgItem(m_page, m_info.slider))
        return false;
    if (IsFinishedSliderMove(code)) {
        const auto position = static_cast<int>(SendMessageW(slider, TBM_GETPOS, 0, 0));
        SendDlgItemMessageW(m_page, m_info.upDown, UDM_SETPOS32, 0, position);
    }
    return true;
}

int CNumericField::Apply() {
    HWND edit = GetDlgItem(m_page, m_info.edit);
    std::vector<wchar_t> text(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
    GetWindowTextW(edit, text.data(), static_cast<int>(text.size()));
    int value = LeadingNumber(text.data());
    if (!m_info.range.Contains(value)) {
        value = m_info.range.Clamp(value);
        SetEditText(std::to_wstring(value));
    }
    MoveSlider(value);
    m_store(value);
    return value;
}

} // namespace orvane
