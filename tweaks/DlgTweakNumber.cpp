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

CDlgTweakNumber::CDlgTweakNumber(const NumberPageInfo& info, ITweakPageHost& host)
    : CDlgTweakPage(info.frame, host), m_info(info) {
    for (std::size_t i = 0; i < m_info.fields.size(); ++i)
        m_fields.emplace_back(m_info.fields[i].field, [this, i](int value) { Store(i, value); });
}

void CDlgTweakNumber::ReadState() {
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        m_fields[i].Attach(m_hWnd);
        if (const auto& byDefault = m_info.fields[i].field.defaultValue)
            m_fields[i].ShowNumber(*byDefault);
        Read(i);
    }
}

void CDlgTweakNumber::Read(std::size_t index) {
    const NumberFieldInfo& info = m_info.fields[index];
    CNumericField& field = m_fields[index];
    for (const wchar_t* name : info.names) {
        int number = 0;
        std::wstring text;
        switch (info.storage) {
        case NumberStorage::Dword:
            if (!ReadDword(info.key, name, number))
                continue;
            field.ShowNumber(number);
            break;
        case NumberStorage::Text:
            if (!ReadText(info.key, name, text))
                continue;
            field.ShowText(text);
            number = LeadingNumber(text);
            break;
        case NumberStorage::Twips:
            if (!ReadText(info.key, name, text))
                continue;
            number = PixelsOfTwipsText(text);
            field.SetPosition(info.field.range.Clamp(number));
            break;
        }
        if (info.defaultButton && !field.IsDefault(number))
            EnableWindow(Item(info.defaultButton), TRUE);
        return;
    }
}

void CDlgTweakNumber::Store(std::size_t index, int value) {
    const NumberFieldInfo& info = m_info.fields[index];
    for (const wchar_t* name : info.names) {
        if (info.deletesDefault && m_fields[index].IsDefault(value)) {
            SHDeleteValueW(HKEY_CURRENT_USER, info.key, name);
            continue;
        }
        switch (info.storage) {
        case NumberStorage::Dword: {
            const DWORD number = static_cast<DWORD>(value);
            SHSetValueW(HKEY_CURRENT_USER, info.key, name, REG_DWORD, &number, sizeof number);
            break;
        }
        case NumberStorage::Text:
            WriteText(info.key, name, std::to_wstring(value));
            break;
        case NumberStorage::Twips:
            WriteText(info.key, name, PixelsAsTwipsText(value));
            break;
        }
    }
}

void CDlgTweakNumber::ApplyField(std::size_t index) {
    BeforeChange();
    const int value = m_fields[index].Apply();
    AfterChange();
    if (const WORD button = m_info.fields[index].defaultButton)
        EnableWindow(Item(button), !m_fields[index].IsDefault(value));
}

void CDlgTweakNumber::ShowDefault(std::size_t index) {
    if (const auto& byDefault = m_info.fields[index].field.defaultValue)
        m_fields[index].ShowNumber(*byDefault);
}

bool CDlgTweakNumber::OnPageCommand(WORD id, WORD notifyCode) {
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        if (m_fields[i].IsChange(id, notifyCode)) {
            if (Initialised())
                ApplyField(i);
            return true;
        }
        if (notifyCode == BN_CLICKED && m_info.fields[i].defaultButton &&
            id == m_info.fields[i].defaultButton) {
            ShowDefault(i);
            ApplyField(i);
            return true;
        }
    }
    if (notifyCode == BN_CLICKED && m_info.resetButton && id == m_info.resetButton) {
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
