#include "tweaks/TweakSwitch.h"

#include "core/SystemAccess.h"

#include <shlwapi.h>

#include <cstring>

namespace orvane {
namespace {

constexpr DWORD kTextBufferBytes = 2048;

// A context-menu handler whose class id starts with "-" is not loaded.
bool IsRemoved(const std::wstring& handler) {
    return !handler.empty() && handler.front() == L'-';
}

std::vector<BYTE> TextBytes(const std::wstring& text) {
    if (text.empty())
        return {};
    const auto* bytes = reinterpret_cast<const BYTE*>(text.c_str());
    return std::vector<BYTE>(bytes, bytes + (text.size() + 1) * sizeof(wchar_t));
}

} // namespace

std::wstring TextParts::Compose(const CTranslate& texts) const {
    std::wstring text = head;
    if (textId)
        text += texts.Text(textId);
    return text + tail;
}

CRegistrySwitch::CRegistrySwitch(const RegistrySwitchInfo& info, const CTranslate& texts)
    : m_root(info.root), m_clearing(info.clearing) {
    for (const TweakValue& value : info.values) {
        std::vector<BYTE> data;
        if (value.type == REG_SZ) {
            data = TextBytes(value.text.Compose(texts));
        } else if (value.type == REG_DWORD) {
            const auto* bytes = reinterpret_cast<const BYTE*>(&value.number);
            data.assign(bytes, bytes + sizeof value.number);
        } else {
            data.assign(value.number, 0);
        }
        m_values.push_back(
            {value.key.Compose(texts), value.name, value.type, std::move(data), value.api});
    }
    for (const TextParts& key : info.keys)
        m_keys.push_back(key.Compose(texts));
}

bool CRegistrySwitch::Holds(const Value& value) const {
    if (value.api == RegistryApi::Wow64View) {
        // RegValueEquals compares texts up to their null and numbers by value.
        const void* expected = value.data.empty() ? nullptr : value.data.data();
        return RegValueEquals(m_root, value.key.c_str(), value.name, value.type, expected);
    }
    std::vector<BYTE> stored(value.data.size());
    DWORD type = REG_NONE;
    DWORD size = static_cast<DWORD>(stored.size());
    return SHGetValueW(m_root, value.key.c_str(), value.name, &type,
                       stored.empty() ? nullptr : stored.data(), &size) == ERROR_SUCCESS &&
           type == value.type && size == value.data.size() && stored == value.data;
}

bool CRegistrySwitch::Read() {
    if (m_values.empty())
        return !m_keys.empty() && RegKeyExists(m_root, m_keys.front().c_str());
    for (const Value& value : m_values)
        if (!Holds(value))
            return false;
    return true;
}

void CRegistrySwitch::Set(bool on) {
    if (on) {
        if (m_values.empty() && !m_keys.empty())
            CreateRegKey(m_root, m_keys.front().c_str());
        for (const Value& value : m_values) {
            const auto size = static_cast<DWORD>(value.data.size());
            const BYTE* data = value.data.empty() ? nullptr : value.data.data();
            if (value.api == RegistryApi::Wow64View)
                WriteRegValue(m_root, value.key.c_str(), value.name, value.type, data, size);
            else
                SHSetValueW(m_root, value.key.c_str(), value.name, value.type, data, size);
        }
        return;
    }
    switch (m_clearing) {
    case Clearing::Values:
        for (const Value& value : m_values) {
            if (value.api == RegistryApi::Wow64View)
                DeleteRegValue(m_root, value.key.c_str(), value.name);
            else
                SHDeleteValueW(m_root, value.key.c_str(), value.name);
        }
        break;
    case Clearing::Keys:
        for (const std::wstring& key : m_keys)
            DeleteRegKey(m_root, key.c_str());
        break;
    case Clearing::KeyTree:
        if (!m_keys.empty())
            DeleteRegKeyTree(m_root, m_keys.front().c_str());
        break;
    }
}

bool ReadRegText(HKEY root, const wchar_t* subkey, const wchar_t* name, std::wstring& text) {
    wchar_t buffer[kTextBufferBytes / sizeof(wchar_t)];
    DWORD size = sizeof buffer;
    if (!ReadRegValue(root, subkey, name, REG_SZ, buffer, &size))
        return false;
    const std::size_t length = size / sizeof(wchar_t);
    text.assign(buffer, wcsnlen(buffer, length));
    return true;
}

bool WriteRegText(HKEY root, const wchar_t* subkey, const wchar_t* name, const std::wstring& text) {
    return WriteRegValue(root, subkey, name, REG_SZ, text.c_str(),
                         static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

bool CCompatibilitySwitch::Read() {
    for (Handler* handler : {&m_programs, &m_shortcuts}) {
        handler->value.clear();
        handler->read = ReadRegText(HKEY_CLASSES_ROOT, handler->key, nullptr, handler->value);
    }
    return IsRemoved(m_programs.value) && (IsRemoved(m_shortcuts.value) || !m_shortcuts.read);
}

void CCompatibilitySwitch::Write(Handler& handler, std::wstring value) {
    handler.value = std::move(value);
    WriteRegText(HKEY_CLASSES_ROOT, handler.key, nullptr, handler.value);
}

void CCompatibilitySwitch::Set(bool on) {
    if (on) {
        // The programs' handler is marked even when it could not be read.
        if (!IsRemoved(m_programs.value))
            Write(m_programs, L"-" + m_programs.value);
        if (m_shortcuts.read && !m_shortcuts.value.empty() && !IsRemoved(m_shortcuts.value))
            Write(m_shortcuts, L"-" + m_shortcuts.value);
        return;
    }
    for (Handler* handler : {&m_programs, &m_shortcuts})
        if (IsRemoved(handler->value))
            Write(*handler, handler->value.substr(1));
}

} // namespace orvane
