#pragma once

#include "framework/ProfileStore.h"
#include "framework/ProfileText.h"

#include <string>

namespace orvane {

// An INI file read with the Windows profile functions. Each write rewrites the file in
// one piece (see ProfileFileEdit), so a crash or a full disk never leaves it half
// written.
class ProfileFile : public IProfileStore {
public:
    explicit ProfileFile(std::wstring path) : m_path(std::move(path)) {}

    std::wstring ReadString(const std::wstring& section, const std::wstring& key,
                            const std::wstring& fallback, std::size_t capacity) override;
    int ReadInt(const std::wstring& section, const std::wstring& key, int fallback) override;
    bool WriteString(const std::wstring& section, const std::wstring& key,
                     const std::wstring& value) override;

    const std::wstring& Path() const { return m_path; }

private:
    std::wstring m_path;
};

// Many changes to an INI file gathered in memory and written by Commit in one piece:
// the file on disk is always either the old one or the new one. A file that is there
// but cannot be read is never overwritten.
class ProfileFileEdit : public ProfileTextStore {
public:
    explicit ProfileFileEdit(std::wstring path);

    bool WriteString(const std::wstring& section, const std::wstring& key,
                     const std::wstring& value) override;

    // Writes the file as UTF-16LE with a byte-order mark; false (the file unchanged)
    // when it could not be read or written.
    bool Commit();

private:
    std::wstring m_path;
    bool m_readable = false;
};

// The profile functions keep text in UTF-16 only when the file starts with a UTF-16LE
// byte-order mark; otherwise they use the ANSI code page and lose every character
// outside it. Creates a missing file as empty UTF-16LE, and rewrites a file in another
// encoding (UTF-8 with or without a mark, else the ANSI code page) as UTF-16LE, so
// that no character of a stored path is ever lost. Returns false when the file could
// not be made or converted (it is then left as it was).
bool EnsureUnicodeProfile(const std::wstring& path);

} // namespace orvane
