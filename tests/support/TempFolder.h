#pragma once

#include <windows.h>

#include <string>

namespace orvane::test {

// A fresh folder under %TEMP%, removed with everything in it at the end of the scope.
class TempFolder {
public:
    explicit TempFolder(const std::wstring& suffix = L"");
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::wstring& Path() const { return m_path; }
    std::wstring operator/(const std::wstring& name) const { return m_path + L"\\" + name; }

private:
    std::wstring m_path;
};

// Whole-file helpers for the files tests prepare and inspect.
bool WriteBytes(const std::wstring& path, const std::string& bytes);
std::string ReadBytes(const std::wstring& path);
// Writes text as UTF-16LE with a byte-order mark, the form the profile functions keep.
bool WriteUtf16File(const std::wstring& path, const std::wstring& text);
// Reads a UTF-16LE file with a byte-order mark; empty when it has none.
std::wstring ReadUtf16File(const std::wstring& path);
std::string Narrow(const std::wstring& text);

} // namespace orvane::test
