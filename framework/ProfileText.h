#pragma once

#include "framework/ProfileStore.h"

#include <string>
#include <vector>

namespace orvane {

// The text of an INI file, read and changed line by line the way the Windows profile
// functions do: section and key names match without regard to case or surrounding
// blanks, the first match wins, and lines this class does not understand (comments,
// stray text) are kept as they are. The settings file is rewritten through this so a
// save can go to disk in one piece.
class ProfileText {
public:
    ProfileText() = default;
    explicit ProfileText(const std::wstring& text);

    // The value of the key, blanks around it removed; nullptr when there is none.
    const std::wstring* Find(const std::wstring& section, const std::wstring& key) const;

    // Changes the first matching key in place, or adds it at the end of its section
    // (the section at the end of the file when there is none). Line breaks inside a
    // section name, key or value would start new lines in the file, so each becomes a
    // space.
    void Set(const std::wstring& section, const std::wstring& key, const std::wstring& value);

    // The whole text, each line ended by CR LF.
    std::wstring Text() const;

private:
    struct Line {
        std::wstring raw;     // as read or as written by Set
        std::wstring section; // the header's name when this line opens a section
        std::wstring key;     // the key when this is a key line
        std::wstring value;
        bool isSection = false;
        bool isKey = false;
    };
    static Line Parse(const std::wstring& raw);
    // Index of the section's header, or npos.
    std::size_t FindSection(const std::wstring& section) const;

    std::vector<Line> m_lines;
};

// The number a stored value stands for, as the profile functions read it: an empty
// value gives the fallback, otherwise the leading decimal digits (0 when there are
// none, or when the number is negative; the largest int when it does not fit).
int ProfileNumber(const std::wstring& value, int fallback);

// Settings read from and written to a ProfileText in memory, answering as the profile
// functions do: strings cut to the buffer, numbers as ProfileNumber reads them.
class ProfileTextStore : public IProfileStore {
public:
    ProfileTextStore() = default;
    explicit ProfileTextStore(const std::wstring& text) : m_text(text) {}

    std::wstring ReadString(const std::wstring& section, const std::wstring& key,
                            const std::wstring& fallback, std::size_t capacity) override;
    int ReadInt(const std::wstring& section, const std::wstring& key, int fallback) override;
    bool WriteString(const std::wstring& section, const std::wstring& key,
                     const std::wstring& value) override;

    const ProfileText& Text() const { return m_text; }

protected:
    ProfileText m_text;
};

} // namespace orvane
