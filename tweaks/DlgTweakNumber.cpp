#include "tweaks/DlgTweakNumber.h"

#include <shlwapi.h>

#include <cwchar>

namespace orvane {
namespace {

constexpr DWORD kTextBufferBytes = 2048;

bool ReadDword(const wchar_t* key, const wchar_t* name, int& number) {
    DWORD value = 0;
    DWORD type = REG_NONE;
    DWORD size = sizeof value;
    if (SHGetValueW(HKEY_CURRENT_USER, key, name, &type, &value, &size) != ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof value)
        return false;
    number = static_cast<int>(value);
    return true;
}

bool ReadText(const wchar_t* key, const wchar_t* name, std::wstring& text) {
    wchar_t buffer[kTextBufferBytes / sizeof(wchar_t)];
    DWORD type = REG_NONE;
    DWORD size = sizeof buffer;
    if (SHGetValueW(HKEY_CURRENT_USER, key, name, &type, buffer, &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        return false;
    text.assign(buffer, wcsnlen(buffer, size / sizeof(wchar_t)));
    return true;
}

void WriteText(const wchar_t* key, const wchar_t* name, const std::wstring& text) {
    SHSetValueW(HKEY_CURRENT_USER, key, name, REG_SZ, text.c_str(),
                static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

} // namespace

CDlgTweakNumber::CDlgTweakNumber(const NumberPageSpec& spec, CTweakServices& services)
    : CDlgTweakPage(spec.frame, services), m_spec(spec) {
    for (std::size_t i = 0; i < m_spec.fields.size(); ++i)
        m_fields.emplace_back(m_spec.fields[i].field, [this, i](int value) { Store(i, value); });
}

void CDlgTweakNumber::ReadState() {
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        m_fields[i].Attach(m_hWnd);
        if (const auto& byDefault = m_spec.fields[i].field.defaultValue)
            m_fields[i].ShowNumber(*byDefault);
        Read(i);
    }
}

void CDlgTweakNumber::Read(std::size_t index) {
    const NumberFieldSpec& spec = m_spec.fields[index];
    CNumericField& field = m_fields[index];
    for (const wchar_t* name : spec.names) {
        int number = 0;
        std::wstring text;
        switch (spec.storage) {
        case NumberStorage::Dword:
            if (!ReadDword(spec.key, name, number))
                continue;
            field.ShowNumber(number);
            break;
        case NumberStorage::Text:
            if (!ReadText(spec.key, name, text))
                continue;
            field.ShowText(text);
            number = LeadingNumber(text);
            break;
        case NumberStorage::Twips:
            if (!ReadText(spec.key, name, text))
                continue;
            number = PixelsOfTwipsText(text);
            field.SetPosition(spec.field.range.Clamp(number));
            break;
        }
        if (spec.defaultButton && !field.IsDefault(number))
            EnableWindow(Item(spec.defaultButton), TRUE);
        return;
    }
}

void CDlgTweakNumber::Store(std::size_t index, int value) {
    const NumberFieldSpec& spec = m_spec.fields[index];
    for (const wchar_t* name : spec.names) {
        if (spec.deletesDefault && m_fields[index].IsDefault(value)) {
            SHDeleteValueW(HKEY_CURRENT_USER, spec.key, name);
            continue;
        }
        switch (spec.storage) {
        case NumberStorage::Dword: {
            const DWORD number = static_cast<DWORD>(value);
            SHSetValueW(HKEY_CURRENT_USER, spec.key, name, REG_DWORD, &number, sizeof number);
            break;
        }
        case NumberStorage::Text:
            WriteText(spec.key, name, std::to_wstring(value));
            break;
        case NumberStorage::Twips:
            WriteText(spec.key, name, PixelsAsTwipsText(value));
            break;
        }
    }
}

void CDlgTweakNumber::ApplyField(std::size_t index) {
    BeforeChange();
    const int value = m_fields[index].Apply();
    AfterChange();
    if (const WORD button = m_spec.fields[index].defaultButton)
        EnableWindow(Item(button), !m_fields[index].IsDefault(value));
}

void CDlgTweakNumber::ShowDefault(std::size_t index) {
    if (const auto& byDefault = m_spec.fields[index].field.defaultValue)
        m_fields[index].ShowNumber(*byDefault);
}

bool CDlgTweakNumber::OnPageCommand(WORD id, WORD notifyCode) {
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        if (m_fields[i].IsChange(id, notifyCode)) {
            if (Initialised())
                ApplyField(i);
            return true;
        }
        if (notifyCode == BN_CLICKED && m_spec.fields[i].defaultButton &&
            id == m_spec.fields[i].defaultButton) {
            ShowDefault(i);
            ApplyField(i);
            return true;
        }
    }
    if (notifyCode == BN_CLICKED && m_spec.resetButton && id == m_spec.resetButton) {
        for (std::size_t i = 0; i < m_fields.size(); ++i)
            ShowDefault(i);
        for (std::size_t i = 0; i < m_fields.size(); ++i)
            ApplyField(i);
        return true;
    }
    return false;
}

void CDlgTweakNumber::OnSliderMoved(HWND slider, WORD code) {
    for (CNumericField& field : m_fields)
        if (field.OnSliderMoved(slider, code))
            return;
}

} // namespace orvane
