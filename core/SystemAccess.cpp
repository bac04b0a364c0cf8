#include "core/SystemAccess.h"

#include "framework/Handle.h"

#include <cstring>
#include <string>
#include <vector>

namespace orvane {
namespace {

// Kernel functions that older systems lack are looked up by name.
template <class Function> Function KernelFunction(const char* name) {
    const FARPROC address = GetProcAddress(GetModuleHandleW(L"kernel32.dll"), name);
    // Through void(*)() so that the compiler accepts the change of signature.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(address));
}

REGSAM View() {
    return IsWow64() ? KEY_WOW64_64KEY : 0;
}

bool OpenKey(HKEY root, const wchar_t* subkey, REGSAM access, UniqueKey& key) {
    return RegOpenKeyExW(root, subkey, 0, access | View(), key.receive()) == ERROR_SUCCESS;
}

bool CreateKey(HKEY root, const wchar_t* subkey, UniqueKey& key) {
    return RegCreateKeyExW(root, subkey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                           KEY_ALL_ACCESS | View(), nullptr, key.receive(),
                           nullptr) == ERROR_SUCCESS;
}

// The value's stored type and bytes, read into a buffer of the size the registry gives.
bool QueryValue(HKEY root, const wchar_t* subkey, const wchar_t* name, DWORD& type,
                std::vector<BYTE>& data) {
    UniqueKey key;
    if (!OpenKey(root, subkey, KEY_QUERY_VALUE, key))
        return false;
    DWORD size = 0;
    if (RegQueryValueExW(key.get(), name, nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS)
        return false;
    data.assign(size, 0);
    if (RegQueryValueExW(key.get(), name, nullptr, &type, data.empty() ? nullptr : data.data(),
                         &size) != ERROR_SUCCESS)
        return false;
    data.resize(size);
    return true;
}

// Registry strings need not be terminated: the text ends at the first null or at the
// end of the data, whichever comes first.
std::wstring StoredText(const std::vector<BYTE>& data) {
    std::wstring text(data.size() / sizeof(wchar_t), L'\0');
    std::memcpy(&text[0], data.data(), text.size() * sizeof(wchar_t));
    const std::size_t end = text.find(L'\0');
    if (end != std::wstring::npos)
        text.resize(end);
    return text;
}

void EnableShutdownPrivilege() {
    UniqueHandleKernel token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES, token.receive()))
        return;
    TOKEN_PRIVILEGES privileges = {};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    // If the privilege is refused, ExitWindowsEx fails and says so.
    if (LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid))
        AdjustTokenPrivileges(token.get(), FALSE, &privileges, 0, nullptr, nullptr);
}

} // namespace

bool IsWow64() {
    using IsWow64ProcessFunction = BOOL(WINAPI*)(HANDLE, PBOOL);
    const auto isWow64Process = KernelFunction<IsWow64ProcessFunction>("IsWow64Process");
    BOOL wow64 = FALSE;
    return isWow64Process && isWow64Process(GetCurrentProcess(), &wow64) && wow64;
}

bool ProcessorHasSse2() {
    if (GetEnvironmentVariableW(L"ORVANE_PROCESSOR_WITHOUT_SSE2", nullptr, 0) > 0)
        return false;
    return IsProcessorFeaturePresent(PF_XMMI64_INSTRUCTIONS_AVAILABLE) != FALSE;
}

bool CreateRegKey(HKEY root, const wchar_t* subkey) {
    UniqueKey key;
    return CreateKey(root, subkey, key);
}

bool WriteRegValue(HKEY root, const wchar_t* subkey, const wchar_t* name, DWORD type,
                   const void* data, DWORD size) {
    UniqueKey key;
    return CreateKey(root, subkey, key) &&
           RegSetValueExW(key.get(), name, 0, type, static_cast<const BYTE*>(data), size) ==
               ERROR_SUCCESS;
}

bool DeleteRegValue(HKEY root, const wchar_t* subkey, const wchar_t* name) {
    UniqueKey key;
    return OpenKey(root, subkey, KEY_ALL_ACCESS, key) &&
           RegDeleteValueW(key.get(), name) == ERROR_SUCCESS;
}

bool DeleteRegKey(HKEY root, const wchar_t* subkey) {
    // An empty path names the root itself; these helpers only ever delete below it.
    if (!subkey || !*subkey)
        return false;
    const LSTATUS status =
        IsWow64() ? RegDeleteKeyExW(root, subkey, KEY_WOW64_64KEY, 0) : RegDeleteKeyW(root, subkey);
    return status == ERROR_SUCCESS;
}

bool DeleteRegKeyTree(HKEY root, const wchar_t* subkey) {
    // Without this, an empty path would empty the root key (all of HKCU, say).
    if (!subkey || !*subkey)
        return false;
    {
        UniqueKey key;
        if (!OpenKey(root, subkey, KEY_ALL_ACCESS, key))
            return false;
        wchar_t name[256]; // the longest key name the registry allows, and its null
        DWORD index = 0;
        for (;;) {
            DWORD length = ARRAYSIZE(name);
            if (RegEnumKeyExW(key.get(), index, name, &length, nullptr, nullptr, nullptr,
                              nullptr) != ERROR_SUCCESS)
                break;
            // A deleted subkey lets the next ones move down to this index; one that
            // stays is stepped over.
            if (!DeleteRegKeyTree(key.get(), name))
                ++index;
        }
    }
    return DeleteRegKey(root, subkey);
}

bool RegKeyExists(HKEY root, const wchar_t* subkey) {
    UniqueKey key;
    return OpenKey(root, subkey, KEY_QUERY_VALUE, key);
}

bool RegValueEquals(HKEY root, const wchar_t* subkey, const wchar_t* name, DWORD type,
                    const void* expected) {
    DWORD storedType = REG_NONE;
    std::vector<BYTE> data;
    if (!QueryValue(root, subkey, name, storedType, data) || storedType != type)
        return false;
    switch (storedType) {
    case REG_SZ:
    case REG_EXPAND_SZ:
    case REG_MULTI_SZ: {
        const auto* text = static_cast<const wchar_t*>(expected);
        return StoredText(data) == (text ? text : L"");
    }
    case REG_DWORD: {
        DWORD number = 0;
        if (!expected || data.size() != sizeof number)
            return false;
        std::memcpy(&number, data.data(), sizeof number);
        return number == *static_cast<const DWORD*>(expected);
    }
    case REG_BINARY:
        return data.empty();
    default:
        return false;
    }
}

bool ReadRegValue(HKEY root, const wchar_t* subkey, const wchar_t* name, DWORD type, void* buffer,
                  DWORD* size) {
    DWORD storedType = REG_NONE;
    std::vector<BYTE> data;
    if (!size || !QueryValue(root, subkey, name, storedType, data) || storedType != type)
        return false;
    const DWORD capacity = *size;
    *size = static_cast<DWORD>(data.size());
    if (capacity < data.size())
        return false;
    if (!data.empty())
        std::memcpy(buffer, data.data(), data.size());
    return true;
}

bool DisableFsRedirection(PVOID* previous) {
    if (!IsWow64())
        return false;
    using DisableFunction = BOOL(WINAPI*)(PVOID*);
    const auto disable = KernelFunction<DisableFunction>("Wow64DisableWow64FsRedirection");
    return disable && disable(previous);
}

bool RevertFsRedirection(PVOID previous) {
    if (!IsWow64())
        return false;
    using RevertFunction = BOOL(WINAPI*)(PVOID);
    const auto revert = KernelFunction<RevertFunction>("Wow64RevertWow64FsRedirection");
    return revert && revert(previous);
}

FsRedirectionOff::FsRedirectionOff() : m_off(DisableFsRedirection(&m_previous)) {}

FsRedirectionOff::~FsRedirectionOff() {
    if (m_off)
        RevertFsRedirection(m_previous);
}

bool SignOut(ExitWindowsFunction exitWindows) {
    EnableShutdownPrivilege();
    return exitWindows(EWX_LOGOFF, 0) != FALSE;
}

bool RestartWindows(ExitWindowsFunction exitWindows) {
    EnableShutdownPrivilege();
    return exitWindows(EWX_REBOOT, 0) != FALSE;
}

} // namespace orvane
