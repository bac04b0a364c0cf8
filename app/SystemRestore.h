#pragma once

#include <windows.h>

#include <srrestoreptapi.h>

#include <string>

namespace orvane {

// Where Windows keeps the shortest interval between two restore points (minutes,
// REG_DWORD, in the 64-bit registry view of HKEY_LOCAL_MACHINE).
extern const wchar_t kSystemRestoreKey[];
extern const wchar_t kCreationFrequencyValue[];

// Makes one system restore point. Used on the restore-point worker thread of the
// progress dialog, one object per creation.
class CSystemRestore {
public:
    // For SetCreationFrequency: as the value, remove it; as the result, there was none
    // (a stored value of all ones cannot be told from that).
    static constexpr DWORD kNoFrequency = 0xFFFFFFFF;

    CSystemRestore() = default;
    virtual ~CSystemRestore() = default;
    CSystemRestore(const CSystemRestore&) = delete;
    CSystemRestore& operator=(const CSystemRestore&) = delete;

    // Makes the restore point, lifting the once-a-day limit meanwhile. Failures are
    // shown as fixed English messages, owned by messageOwner.
    void CreateRestorePoint(const std::wstring& description, HWND messageOwner = nullptr);

    // Sets the limit and returns the previous one. Windows 7 has no such limit: there it
    // changes nothing and returns kNoFrequency.
    DWORD SetCreationFrequency(DWORD minutes);

    // Lets the system restore service call back into this process; true when COM's
    // security is (or already was) set.
    static bool PrepareComSecurity();

protected:
    // What the creation asks of the system; tests replace these.
    virtual bool HasCreationFrequency() const; // Windows 8 or later
    virtual BOOL SetRestorePoint(RESTOREPOINTINFOW& info, STATEMGRSTATUS& status);
    virtual DWORD RemoveRestorePoint(DWORD sequenceNumber);
    virtual void ShowMessage(HWND owner, const std::wstring& text, UINT icon);

private:
    void MakeRestorePoint(const std::wstring& description, HWND messageOwner);
};

} // namespace orvane
