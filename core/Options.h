#pragma once

#include "core/SettingsTable.h"
#include "framework/ProfileStore.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace orvane {

struct SettingEntry {
    std::wstring key;
    SettingType type;
    std::wstring text;   // String entries
    std::uint8_t flag;   // Bool entries, 0 or 1
    std::int32_t number; // Int entries
};

// The settings store: typed keys with defaults, changed in memory at once and
// written back as a whole at the save points.
class COptions {
public:
    static constexpr std::size_t kStringCapacity = 260;

    COptions();

    const std::wstring& Section() const { return m_section; }

    // From and to a store of the settings file's sections (CSettingsFile in the
    // program, an in-memory file in native tests).
    void Load(IProfileStore& store);
    void Save(IProfileStore& store) const;

    // Copies the text of a string key, cut to the buffer; leaves the buffer untouched
    // when the key is missing or of another type.
    void GetString(const wchar_t* key, wchar_t* buffer, std::size_t capacity) const;
    std::wstring GetString(const wchar_t* key) const;
    int GetInt(const wchar_t* key) const;
    bool GetBool(const wchar_t* key) const;

    // Overwrite the setter's own field whatever the entry's type; a new key is appended.
    void SetString(const wchar_t* key, const std::wstring& text);
    void SetInt(const wchar_t* key, int value);
    void SetBool(const wchar_t* key, bool flag);

    const std::vector<SettingEntry>& Entries() const { return m_entries; }

private:
    const SettingEntry* Find(const wchar_t* key) const;
    SettingEntry* Find(const wchar_t* key);
    SettingEntry& FindOrAdd(const wchar_t* key, SettingType type);
    void ApplyRandomChoices();

    std::vector<SettingEntry> m_entries;
    std::wstring m_section = L"Settings";
};

} // namespace orvane
