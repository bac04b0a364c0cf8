#pragma once

#include <cstddef>
#include <string>

namespace orvane {

// Where INI-style settings are read from and written to: the Windows profile
// functions in the program, an in-memory file in native tests.
class IProfileStore {
public:
    virtual ~IProfileStore() = default;
    // Reads at most capacity - 1 characters; the fallback when the key is missing.
    virtual std::wstring ReadString(const std::wstring& section, const std::wstring& key,
                                    const std::wstring& fallback, std::size_t capacity) = 0;
    // A missing key gives the fallback; a negative number reads as 0.
    virtual int ReadInt(const std::wstring& section, const std::wstring& key, int fallback) = 0;
    virtual bool WriteString(const std::wstring& section, const std::wstring& key,
                             const std::wstring& value) = 0;
    // A store may gather writes and put them on disk together here; callers call it
    // after a group of writes that belong together (a whole list).
    virtual bool Flush() { return true; }
};

} // namespace orvane
