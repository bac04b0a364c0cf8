#include "framework/Paths.h"

#include <windows.h>

#include <vector>

namespace orvane {

std::wstring ProgramPath() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0)
            return std::wstring();
        if (n < buffer.size())
            return std::wstring(buffer.data(), n);
        buffer.resize(buffer.size() * 2); // a long path beyond MAX_PATH
    }
}

std::wstring FolderOf(const std::wstring& path) {
    const std::size_t slash = path.rfind(L'\\');
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

std::wstring ProgramFolder() { return FolderOf(ProgramPath()); }

std::wstring ExpandEnvironment(const std::wstring& text) {
    const DWORD n = ExpandEnvironmentStringsW(text.c_str(), nullptr, 0);
    if (n == 0)
        return text;
    std::wstring result(n, L'\0');
    const DWORD written = ExpandEnvironmentStringsW(text.c_str(), &result[0], n);
    result.resize(written > 0 ? written - 1 : 0);
    return result;
}

} // namespace orvane
