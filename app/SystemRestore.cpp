#include "app/SystemRestore.h"

#include "core/SystemAccess.h"
#include "framework/MessageBox.h"

#include <aclapi.h>
#include <objbase.h>

#include <cwchar>

namespace orvane {

const wchar_t kSystemRestoreKey[] =
    L"Software\\Microsoft\\Windows NT\\CurrentVersion\\SystemRestore";
const wchar_t kCreationFrequencyValue[] = L"SystemRestorePointCreationFrequency";

namespace {

// srclient.dll is loaded for each call and freed right after, from the system folder
// only: a copy planted beside the program must not run with administrator rights.
class SrClient {
public:
    SrClient() {
        wchar_t folder[MAX_PATH];
        const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) {
            m_error = GetLastError();
            return;
        }
        m_module = LoadLibraryW((std::wstring(folder, length) + L"\\srclient.dll").c_str());
        if (!m_module)
            m_error = GetLastError();
    }
    ~SrClient() {
        if (m_module)
            FreeLibrary(m_module);
    }
    SrClient(const SrClient&) = delete;
    SrClient& operator=(const SrClient&) = delete;

    // Null when the library or the function is missing; Error() then says why.
    template <class Function> Function Get(const char* name) {
        if (!m_module)
            return nullptr;
        const FARPROC address = GetProcAddress(m_module, name);
        if (!address)
            m_error = GetLastError();
        return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(address));
    }
    DWORD Error() const { return m_error; }

private:
    HMODULE m_module = nullptr;
    DWORD m_error = ERROR_SUCCESS;
};

std::wstring Format(const wchar_t* format, unsigned int number) {
    wchar_t text[128];
    std::swprintf(text, ARRAYSIZE(text), format, number);
    return text;
}

// Ends the thread's COM apartment at the end of the scope.
struct ComApartment {
    ~ComApartment() { CoUninitialize(); }
};

struct LocalAcl {
    PACL acl = nullptr;
    ~LocalAcl() {
        if (acl)
            LocalFree(acl);
    }
};

} // namespace

void CSystemRestore::CreateRestorePoint(const std::wstring& description, HWND messageOwner) {
    // Windows refuses a restore point within a day of the last one unless the limit is 0.
    const DWORD previous = SetCreationFrequency(0);
    MakeRestorePoint(description, messageOwner);
    SetCreationFrequency(previous);
}

void CSystemRestore::MakeRestorePoint(const std::wstring& description, HWND owner) {
    const HRESULT initialized = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    if (FAILED(initialized)) {
        ShowMessage(owner,
                    Format(L"Failed to initialize COM library. Error code = 0x%08x",
                           static_cast<unsigned int>(initialized)),
                    MB_ICONERROR);
        return;
    }
    ComApartment apartment;
    if (!PrepareComSecurity()) {
        ShowMessage(owner, L"Unexpected error: failed to initialize COM security", MB_ICONERROR);
        return;
    }

    RESTOREPOINTINFOW info = {};
    info.dwEventType = BEGIN_SYSTEM_CHANGE;
    info.dwRestorePtType = APPLICATION_INSTALL;
    info.llSequenceNumber = 0;
    description.copy(info.szDescription, MAX_DESC_W - 1); // the zeroed rest terminates it
    STATEMGRSTATUS status = {};
    if (!SetRestorePoint(info, status)) {
        const DWORD error = status.nStatus;
        ShowMessage(owner,
                    error == ERROR_SERVICE_DISABLED
                        ? std::wstring(L"System Restore is turned off.")
                        : Format(L"Failure to create the restore point; error=%u.", error),
                    MB_ICONERROR);
        return;
    }

    info.dwEventType = END_SYSTEM_CHANGE;
    info.llSequenceNumber = status.llSequenceNumber;
    if (!SetRestorePoint(info, status)) {
        RemoveRestorePoint(static_cast<DWORD>(info.llSequenceNumber));
        ShowMessage(owner, Format(L"Failure to end the restore point; error=%u.", status.nStatus),
                    0);
    }
}

DWORD CSystemRestore::SetCreationFrequency(DWORD minutes) {
    if (!HasCreationFrequency())
        return kNoFrequency;
    DWORD previous = kNoFrequency;
    DWORD stored = 0;
    DWORD size = sizeof stored;
    if (ReadRegValue(HKEY_LOCAL_MACHINE, kSystemRestoreKey, kCreationFrequencyValue, REG_DWORD,
                     &stored, &size) &&
        size == sizeof stored)
        previous = stored;
    if (minutes == kNoFrequency)
        DeleteRegValue(HKEY_LOCAL_MACHINE, kSystemRestoreKey, kCreationFrequencyValue);
    else
        WriteRegValue(HKEY_LOCAL_MACHINE, kSystemRestoreKey, kCreationFrequencyValue, REG_DWORD,
                      &minutes, sizeof minutes);
    return previous;
}

bool CSystemRestore::PrepareComSecurity() {
    SECURITY_DESCRIPTOR descriptor;
    if (!InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION))
        return false;

    // Who may call back into the process: administrators and the service accounts.
    constexpr int kTrustees = 5;
    const WELL_KNOWN_SID_TYPE kinds[kTrustees] = {WinBuiltinAdministratorsSid, WinLocalServiceSid,
                                                  WinNetworkServiceSid, WinSelfSid,
                                                  WinLocalSystemSid};
    struct SidBuffer {
        alignas(DWORD) BYTE bytes[72];
    } sids[kTrustees];
    EXPLICIT_ACCESS_W entries[kTrustees] = {};
    for (int i = 0; i < kTrustees; ++i) {
        DWORD size = sizeof sids[i].bytes;
        if (!CreateWellKnownSid(kinds[i], nullptr, sids[i].bytes, &size))
            return false;
        entries[i].grfAccessPermissions = COM_RIGHTS_EXECUTE | COM_RIGHTS_EXECUTE_LOCAL;
        entries[i].grfAccessMode = SET_ACCESS;
        entries[i].grfInheritance = NO_INHERITANCE;
        entries[i].Trustee.TrusteeForm = TRUSTEE_IS_SID;
        entries[i].Trustee.TrusteeType = TRUSTEE_IS_GROUP;
        entries[i].Trustee.ptstrName = reinterpret_cast<LPWSTR>(sids[i].bytes);
    }
    LocalAcl acl;
    if (SetEntriesInAclW(kTrustees, entries, nullptr, &acl.acl) != ERROR_SUCCESS || !acl.acl)
        return false;

    PSID administrators = sids[0].bytes;
    if (!SetSecurityDescriptorOwner(&descriptor, administrators, FALSE) ||
        !SetSecurityDescriptorGroup(&descriptor, administrators, FALSE) ||
        !SetSecurityDescriptorDacl(&descriptor, TRUE, acl.acl, FALSE))
        return false;

    const HRESULT result = CoInitializeSecurity(
        &descriptor, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_PKT_PRIVACY, RPC_C_IMP_LEVEL_IDENTIFY,
        nullptr, EOAC_DISABLE_AAA | EOAC_NO_CUSTOM_MARSHAL, nullptr);
    // Once per process: a second call is refused as too late, which is just as good.
    return SUCCEEDED(result) || result == RPC_E_TOO_LATE;
}

bool CSystemRestore::HasCreationFrequency() const {
    OSVERSIONINFOEXW version = {};
    version.dwOSVersionInfoSize = sizeof version;
    version.dwMajorVersion = 6;
    version.dwMinorVersion = 2;
    const DWORDLONG condition =
        VerSetConditionMask(VerSetConditionMask(0, VER_MAJORVERSION, VER_GREATER_EQUAL),
                            VER_MINORVERSION, VER_GREATER_EQUAL);
    return VerifyVersionInfoW(&version, VER_MAJORVERSION | VER_MINORVERSION, condition) != FALSE;
}

BOOL CSystemRestore::SetRestorePoint(RESTOREPOINTINFOW& info, STATEMGRSTATUS& status) {
    using SetFunction = BOOL(WINAPI*)(PRESTOREPOINTINFOW, PSTATEMGRSTATUS);
    SrClient library;
    const auto set = library.Get<SetFunction>("SRSetRestorePointW");
    if (!set) {
        status.nStatus = library.Error();
        return FALSE;
    }
    return set(&info, &status);
}

DWORD CSystemRestore::RemoveRestorePoint(DWORD sequenceNumber) {
    using RemoveFunction = DWORD(WINAPI*)(DWORD);
    SrClient library;
    const auto remove = library.Get<RemoveFunction>("SRRemoveRestorePoint");
    return remove ? remove(sequenceNumber) : library.Error();
}

void CSystemRestore::ShowMessage(HWND owner, const std::wstring& text, UINT icon) {
    ShowMessageBox(owner, text, MB_OK | icon);
}

} // namespace orvane
