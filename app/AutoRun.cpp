#include "app/AutoRun.h"

#include <windows.h>

#include <shlwapi.h>

#include "framework/Handle.h"

namespace orvane {

const wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const wchar_t kRunValueName[] = L"Orvane";

std::wstring AutoRunCommand(const std::wstring& programPath) {
    // Quoted: an unquoted path with blanks ("C:\Program Files\...") would let Windows
    // try "C:\Program.exe" first.
    return L"\"" + programPath + L"\" -auto";
}

void RegisterAutoRun(const std::wstring& programPath) {
    // The raw type is read on purpose: SHGetValue would expand a REG_EXPAND_SZ value and
    // report it as REG_SZ, and such a value must be replaced.
    BYTE data[520];
    DWORD size = sizeof data;
    DWORD type = REG_NONE;
    LSTATUS status = ERROR_FILE_NOT_FOUND;
    UniqueKey key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kRunKey, 0, KEY_QUERY_VALUE, key.receive()) ==
        ERROR_SUCCESS)
        status = RegQueryValueExW(key.get(), kRunValueName, nullptr, &type, data, &size);
    if (status == ERROR_SUCCESS && type == REG_SZ)
        return;
    WriteAutoRun(programPath);
}

void WriteAutoRun(const std::wstring& programPath) {
    const std::wstring command = AutoRunCommand(programPath);
    SHSetValueW(HKEY_CURRENT_USER, kRunKey, kRunValueName, REG_SZ, command.c_str(),
                static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
}

void RemoveAutoRun() {
    SHDeleteValueW(HKEY_CURRENT_USER, kRunKey, kRunValueName);
}

} // namespace orvane
