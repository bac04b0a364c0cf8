#pragma once

#include "framework/ProfileStore.h"

#include <tuple>
#include <string>
#include <utility>
#include <vector>

namespace orvane::test {

// An INI file in memory that answers like the documented Windows profile functions:
// strings are cut to the buffer, integers are read as leading decimal digits, and a
// negative number reads as 0.
class MemoryProfile : public IProfileStore {
public:
    std::wstring ReadString(const std::wstring& section, const std::wstring& key,
                            const std::wstring& fallback, std::size_t capacity) override {
        const std::wstring* value = Find(section, key);
        const std::wstring& text = value ? *value : fallback;
        return text.substr(0, capacity ? capacity - 1 : 0);
    }
    int ReadInt(const std::wstring& section, const std::wstring& key, int fallback) override {
        const std::wstring* value = Find(section, key);
        if (!value || value->empty())
            return fallback;
        if ((*value)[0] == L'-')
            return 0;
        long long n = 0;
        for (wchar_t c : *value) {
            if (c < L'0' || c > L'9')
                break;
            n = n * 10 + (c - L'0');
        }
        return static_cast<int>(n);
    }
    bool WriteString(const std::wstring& section, const std::wstring& key,
                     const std::wstring& value) override {
        writes.emplace_back(section, key, value);
        for (auto& line : lines)
            if (line.first == std::make_pair(section, key)) {
                line.second = value;
                return true;
            }
        lines.push_back({{section, key}, value});
        return true;
    }

    void Set(const std::wstring& key, const std::wstring& value) {
        WriteString(L"Settings", key, value);
        writes.clear();
    }

    // Every line in file order: ((section, key), value).
    std::vector<std::pair<std::pair<std::wstring, std::wstring>, std::wstring>> lines;
    std::vector<std::tuple<std::wstring, std::wstring, std::wstring>> writes;

private:
    const std::wstring* Find(const std::wstring& section, const std::wstring& key) const {
        for (const auto& line : lines)
            if (line.first.first == section && line.first.second == key)
                return &line.second;
        return nullptr;
    }
};

} // namespace orvane::test
