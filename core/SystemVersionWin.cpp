#include "core/SystemVersion.h"

#include "framework/Handle.h"

#include <windows.h>

#include <cstdlib>

namespace orvane {
namespace {

bool VersionAtLeast(DWORD major, DWORD minor) {
    OSVERSIONINFOEXW info = {};
    info.dwOSVersionInfoSize = sizeof info;
    info.dwMajorVersion = major;
    info.dwMinorVersion = minor;
    info.wServicePackMajor = 0;
    DWORDLONG condition = 0;
    VER_SET_CONDITION(condition, VER_MAJORVERSION, VER_GREATER_EQUAL);
    VER_SET_CONDITION(condition, VER_MINORVERSION, VER_GREATER_EQUAL);
    VER_SET_CONDITION(condition, VER_SERVICEPACKMAJOR, VER_GREATER_EQUAL);
    return VerifyVersionInfoW(&info, VER_MAJORVERSION | VER_MINORVERSION | VER_SERVICEPACKMAJOR,
                              condition) != FALSE;
}

unsigned CurrentBuildNumber() {
    wchar_t text[32] = L"";
    DWORD size = sizeof text - sizeof(wchar_t);
    UniqueKey key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", 0,
                      KEY_QUERY_VALUE | KEY_WOW64_64KEY, key.receive()) != ERROR_SUCCESS ||
        RegQueryValueExW(key.get(), L"CurrentBuildNumber", nullptr, nullptr,
                         reinterpret_cast<BYTE*>(text), &size) != ERROR_SUCCESS)
        return 0;
    return static_cast<unsigned>(wcstoul(text, nullptr, 10));
}

} // namespace

SystemVersion CurrentSystemVersion() {
    static const SystemVersion kKnown[] = {{10, 0, 0}, {6, 3, 0}, {6, 2, 0}, {6, 1, 0}, {6, 0, 0}};
    for (SystemVersion version : kKnown)
        if (VersionAtLeast(version.major, version.minor)) {
            version.build = CurrentBuildNumber();
            return version;
        }
    return {5, 1, 0};
}

} // namespace orvane
