#include "framework/ProfileFile.h"

#include "framework/Handle.h"

#include <vector>

namespace orvane {

std::wstring ProfileFile::ReadString(const std::wstring& section, const std::wstring& key,
                                     const std::wstring& fallback, std::size_t capacity) {
    std::vector<wchar_t> buffer(capacity ? capacity : 1, L'\0');
    const DWORD n = GetPrivateProfileStringW(section.c_str(), key.c_str(), fallback.c_str(),
                                             buffer.data(), static_cast<DWORD>(buffer.size()),
                                             m_path.c_str());
    return std::wstring(buffer.data(), n);
}

int ProfileFile::ReadInt(const std::wstring& section, const std::wstring& key, int fallback) {
    // Windows documents a negative stored number as reading 0; some implementations
    // (Wine) hand back the negative value, so make it hold everywhere.
    const int value = static_cast<int>(GetPrivateProfileIntW(section.c_str(), key.c_str(),
                                                             fallback, m_path.c_str()));
    return value < 0 ? 0 : value;
}

bool ProfileFile::WriteString(const std::wstring& section, const std::wstring& key,
                              const std::wstring& value) {
    return WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(),
                                      m_path.c_str()) != FALSE;
}

namespace {

bool ReadWholeFile(const std::wstring& path, std::vector<char>& bytes) {
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > 64 * 1024 * 1024)
        return false;
    bytes.resize(static_cast<std::size_t>(size.QuadPart));
    DWORD read = 0;
    return bytes.empty() ||
           (ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) &&
            read == bytes.size());
}

bool WriteWholeFile(const std::wstring& path, const void* data, DWORD size, DWORD disposition) {
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, disposition,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    return file && WriteFile(file.get(), data, size, &written, nullptr) && written == size;
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

} // namespace

bool EnsureUnicodeProfile(const std::wstring& path) {
    static const unsigned char kUtf16Bom[] = {0xFF, 0xFE};
    std::vector<char> bytes;
    if (!ReadWholeFile(path, bytes)) {
        if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES)
            return false; // present but unreadable: leave it alone
        return WriteWholeFile(path, kUtf16Bom, sizeof kUtf16Bom, CREATE_NEW);
    }
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xFE)
        return true;

    const char* text = bytes.data();
    int size = static_cast<int>(bytes.size());
    std::wstring decoded;
    if (size >= 3 && static_cast<unsigned char>(text[0]) == 0xEF &&
        static_cast<unsigned char>(text[1]) == 0xBB && static_cast<unsigned char>(text[2]) == 0xBF) {
        decoded = Decode(text + 3, size - 3, CP_UTF8, 0);
    } else {
        decoded = Decode(text, size, CP_UTF8, MB_ERR_INVALID_CHARS);
        if (decoded.empty() && size > 0)
            decoded = Decode(text, size, CP_ACP, 0);
    }
    std::vector<char> converted(kUtf16Bom, kUtf16Bom + 2);
    const char* raw = reinterpret_cast<const char*>(decoded.data());
    converted.insert(converted.end(), raw, raw + decoded.size() * sizeof(wchar_t));
    return WriteWholeFile(path, converted.data(), static_cast<DWORD>(converted.size()),
                          TRUNCATE_EXISTING);
}

} // namespace orvane
