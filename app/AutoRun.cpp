#include "app/AutoRun.h"

#include <windows.h>

#include <shlwapi.h>

namespace orvane {

const wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const wchar_t kRunValueName[] = L"Orvane";

std::wstring AutoRunCommand(const std::wstring& programPath) {
    // Quoted: an unquoted path with blanks ("C:\Program Files\...") would let Windows
    // try "C:\Program.exe" first.
    return L"\"" + programPath + L"\" -auto";
}

void RegisterAutoRun(const std::wstring& programPath) {
    BYTE data[520];
    DWORD size = sizeof data;
    DWORD type = REG_NONE;
    const LSTATUS status = SHGetValueW(HKEY_CURRENT_USER, kRunKey, kRunValueName, &type, data, &size);
    if (status == ERROR_SUCCESS && type == REG_SZ)
        return;
    const std::wstring command = AutoRunCommand(programPath);
    SHSetValueW(HKEY_CURRENT_USER, kRunKey, kRunValueName, REG_SZ, command.c_str(),
                static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
}

} // namespace orvane
