#pragma once

#include "framework/ProfileFile.h"

#include <string>

namespace orvane {

class COptions;

// settings.ini, the one file of the user's choices, and its only way to disk: the
// settings store, the slideshow's lists and the custom objects all read and change it
// here. Every change rewrites the whole file in one piece (ProfileFileEdit), so a
// crash or a full disk never leaves it half written.
class CSettingsFile {
public:
    explicit CSettingsFile(std::wstring path = {}) : m_path(std::move(path)) {}

    void SetPath(std::wstring path) { m_path = std::move(path); }
    const std::wstring& Path() const { return m_path; }

    // The store's "Settings" section. Load may rewrite a file saved in another encoding
    // as UTF-16 (see EnsureUnicodeProfile); LoadReadOnly never touches the file. Save
    // keeps the old file when the new one cannot be written.
    void Load(COptions& options) const;
    void LoadReadOnly(COptions& options) const;
    bool Save(const COptions& options) const;

    // Any other section: what the file holds now, and one change to Commit in a piece.
    ProfileFile Read() const { return ProfileFile(m_path); }
    ProfileFileEdit Edit() const { return ProfileFileEdit(m_path); }

private:
    std::wstring m_path;
};

} // namespace orvane
