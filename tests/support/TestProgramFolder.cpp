#include "TestProgramFolder.h"

#include <windows.h>

namespace orvane::test {

std::wstring TestProgramFolder() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring program(path, length);
    return program.substr(0, program.rfind(L'\\'));
}

} // namespace orvane::test
