#include "framework/ProfileFile.h"

#include "framework/FileBytes.h"
#include "framework/FileReplace.h"
#include "framework/Handle.h"

#include <vector>

namespace orvane {

namespace {

const unsigned char kUtf16Bom[] = {0xFF, 0xFE};

bool HasUtf16Bom(const std::vector<char>& bytes) {
    return bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == kUtf16Bom[0] &&
           static_cast<unsigned char>(bytes[1]) == kUtf16Bom[1];
}

std::wstring Decode(const char* text, int size, UINT codePage, DWORD flags) {
    if (size == 0)
        return std::wstring();
    const int n = MultiByteToWideChar(codePage, flags, text, size, nullptr, 0);
    if (n <= 0)
        return std::wstring();
    std::wstring result(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(codePage, flags, text, size, &result[0], n);
    return result;
}

// The file's text: UTF-16LE after its mark, else UTF-8 (with or without a mark), else
// the ANSI code page.
std::wstring DecodeProfile(const std::vector<char>& bytes) {
    if (HasUtf16Bom(bytes)) {
        std::wstring text((bytes.size() - 2) / sizeof(wchar_t), L'\0');
        if (!text.empty())
            memcpy(&text[0], bytes.data() + 2, text.size() * sizeof(wchar_t));
        return text;
    }
    const char* text = bytes.data();
    const int size = static_cast<int>(bytes.size());
    if (size >= 3 && static_cast<unsigned char>(text[0]) == 0xEF &&
        static_cast<unsigned char>(text[1]) == 0xBB && static_cast<unsigned char>(text[2]) == 0xBF)
        return Decode(text + 3, size - 3, CP_UTF8, 0);
    std::wstring decoded = Decode(text, size, CP_UTF8, MB_ERR_INVALID_CHARS);
    if (decoded.empty() && size > 0)
        decoded = Decode(text, size, CP_ACP, 0);
    return decoded;
}

bool WriteUnicodeProfile(const std::wstring& path, const std::wstring& text) {
    std::vector<char> bytes(kUtf16Bom, kUtf16Bom + sizeof kUtf16Bom);
    const char* raw = reinterpret_cast<const char*>(text.data());
    bytes.insert(bytes.end(), raw, raw + text.size() * sizeof(wchar_t));
    return ReplaceFileContents(path, bytes.data(), bytes.size());
}

} // namespace

std::wstring ProfileFile::ReadString(const std::wstring& section, const std::wstring& key,
                                     const std::wstring& fallback, std::size_t capacity) {
    std::vector<wchar_t> buffer(capacity ? capacity : 1, L'\0');
    const DWORD n =
        GetPrivateProfileStringW(section.c_str(), key.c_str(), fallback.c_str(), buffer.data(),
                                 static_cast<DWORD>(buffer.size()), m_path.c_str());
    return std::wstring(buffer.data(), n);
}

int ProfileFile::ReadInt(const std::wstring& section, const std::wstring& key, int fallback) {
    // Windows documents a negative stored number as reading 0; some implementations
    // (Wine) hand back the negative value, so make it hold everywhere.
    const int value = static_cast<int>(
        GetPrivateProfileIntW(section.c_str(), key.c_str(), fallback, m_path.c_str()));
    return value < 0 ? 0 : value;
}

bool ProfileFile::WriteString(const std::wstring& section, const std::wstring& key,
                              const std::wstring& value) {
    ProfileFileEdit edit(m_path);
    edit.WriteString(section, key, value);
    return edit.Commit();
}

ProfileFileEdit::ProfileFileEdit(std::wstring path) : m_path(std::move(path)) {
    std::vector<char> bytes;
    switch (ReadWholeFile(m_path, bytes)) {
    case ReadResult::Read:
        m_text = ProfileText(DecodeProfile(bytes));
        m_readable = true;
        break;
    case ReadResult::Missing:
        m_readable = true;
        break;
    case ReadResult::Failed:
        break;
    }
}

bool ProfileFileEdit::WriteString(const std::wstring& section, const std::wstring& key,
                                  const std::wstring& value) {
    ProfileTextStore::WriteString(section, key, value);
    return m_readable;
}

bool ProfileFileEdit::Commit() {
    return m_readable && WriteUnicodeProfile(m_path, m_text.Text());
}

bool EnsureUnicodeProfile(const std::wstring& path) {
    std::vector<char> bytes;
    switch (ReadWholeFile(path, bytes)) {
    case ReadResult::Missing: {
        UniqueFile file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        DWORD written = 0;
        return file && WriteFile(file.get(), kUtf16Bom, sizeof kUtf16Bom, &written, nullptr) &&
               written == sizeof kUtf16Bom;
    }
    case ReadResult::Failed:
        return false; // present but unreadable: leave it alone
    case ReadResult::Read:
        break;
    }
    if (HasUtf16Bom(bytes))
        return true;
    return WriteUnicodeProfile(path, DecodeProfile(bytes));
}

} // namespace orvane
