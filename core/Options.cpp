#include "core/Options.h"

#include "framework/Random.h"

#include <cwchar>

namespace orvane {

COptions::COptions() {
    SeedRandomWithTime();
    m_entries.reserve(kSettingDefaultCount);
    for (std::size_t i = 0; i < kSettingDefaultCount; ++i) {
        const SettingDefault& d = kSettingDefaults[i];
        switch (d.type) {
        case SettingType::String: SetString(d.key, d.text); break;
        case SettingType::Int: SetInt(d.key, d.number); break;
        case SettingType::Bool: SetBool(d.key, d.number != 0); break;
        }
    }
}

void COptions::Load(IProfileStore& store) {
    for (SettingEntry& e : m_entries) {
        switch (e.type) {
        case SettingType::String:
            e.text = store.ReadString(m_section, e.key, e.text, kStringCapacity);
            break;
        case SettingType::Int: e.number = store.ReadInt(m_section, e.key, e.number); break;
        case SettingType::Bool:
            e.flag = store.ReadInt(m_section, e.key, e.flag) != 0 ? 1 : 0;
            break;
        }
    }
    ApplyRandomChoices();
}

void COptions::ApplyRandomChoices() {
    for (std::size_t i = 0; i < kRandomSettingCount; ++i) {
        const RandomSetting& r = kRandomSettings[i];
        if (GetBool(r.flag))
            SetInt(r.target, Rand() % r.modulus + r.offset);
    }
}

void COptions::Save(IProfileStore& store) const {
    for (const SettingEntry& e : m_entries) {
        std::wstring value;
        switch (e.type) {
        case SettingType::String: value = e.text; break;
        case SettingType::Int: value = std::to_wstring(e.number); break;
        case SettingType::Bool: value = std::to_wstring(e.flag); break;
        }
        store.WriteString(m_section, e.key, value);
    }
}

const SettingEntry* COptions::Find(const wchar_t* key) const {
    for (const SettingEntry& e : m_entries)
        if (e.key == key)
            return &e;
    return nullptr;
}

SettingEntry* COptions::Find(const wchar_t* key) {
    return const_cast<SettingEntry*>(static_cast<const COptions*>(this)->Find(key));
}

SettingEntry& COptions::FindOrAdd(const wchar_t* key, SettingType type) {
    if (SettingEntry* e = Find(key))
        return *e;
    m_entries.push_back(SettingEntry{key, type, L"", 0, 0});
    return m_entries.back();
}

void COptions::GetString(const wchar_t* key, wchar_t* buffer, std::size_t capacity) const {
    const SettingEntry* e = Find(key);
    if (!e || e->type != SettingType::String || capacity == 0)
        return;
    const std::size_t n = e->text.size() < capacity - 1 ? e->text.size() : capacity - 1;
    std::wmemcpy(buffer, e->text.c_str(), n);
    buffer[n] = L'\0';
}

std::wstring COptions::GetString(const wchar_t* key) const {
    const SettingEntry* e = Find(key);
    return e && e->type == SettingType::String ? e->text : std::wstring();
}

int COptions::GetInt(const wchar_t* key) const {
    const SettingEntry* e = Find(key);
    return e && e->type == SettingType::Int ? e->number : 0;
}

bool COptions::GetBool(const wchar_t* key) const {
    const SettingEntry* e = Find(key);
    return e && e->type == SettingType::Bool && e->flag != 0;
}

void COptions::SetString(const wchar_t* key, const std::wstring& text) {
    FindOrAdd(key, SettingType::String).text = text;
}

void COptions::SetInt(const wchar_t* key, int value) {
    FindOrAdd(key, SettingType::Int).number = value;
}

void COptions::SetBool(const wchar_t* key, bool flag) {
    FindOrAdd(key, SettingType::Bool).flag = flag ? 1 : 0;
}

} // namespace orvane
