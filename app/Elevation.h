#pragma once

#include "core/Options.h"
#include "core/SettingsFile.h"
#include "core/Translate.h"
#include "framework/Handle.h"

#include <windows.h>

#include <shellapi.h>

#include <functional>

namespace orvane {

// Whether the process runs with administrator rights: its token is a member of
// BUILTIN\Administrators, enabled. When Windows cannot answer (the membership check
// itself fails) the answer is no: the caller then offers the elevated restart, which is
// harmless, instead of acting on rights it may not have.
bool IsUserAdmin();
// The same for an impersonation token; null means the calling thread's own.
bool IsTokenAdmin(HANDLE token);

// The calls through which an elevated restart leaves this process. The program uses
// them as they are; tests derive from this so that nothing really restarts.
class CElevationSystem {
public:
    virtual ~CElevationSystem() = default;
    virtual bool IsUserAdmin() { return orvane::IsUserAdmin(); }
    virtual BOOL StartProcess(SHELLEXECUTEINFOW* info) { return ShellExecuteExW(info); }
    virtual void EndProcess(UINT exitCode) { ExitProcess(exitCode); }
};

// Elevation and the one restore point before the first tweak, for the application
// object, which owns everything this works on.
class CElevation {
public:
    // instanceMutex holds the named mutex that keeps a second copy from running.
    // leaving undoes, just before this process ends for the elevated copy, what that
    // copy cannot undo (the night light's ramp on the displays).
    CElevation(COptions& options, const CSettingsFile& settingsFile, const CTranslate& texts,
               UniqueHandleKernel& instanceMutex, const wchar_t* instanceMutexName,
               CElevationSystem& system, std::function<void()> leaving = {});

    bool IsUserAdmin() { return m_system.IsUserAdmin(); }

    // Saves the settings, gives up the single-instance mutex so that the new instance
    // may start, and starts the program again with administrator rights; this process
    // then runs `leaving` and ends at once with exit code 1. False when the new instance could not
    // be started (the user declined, say): the mutex is taken back and the program goes on.
    bool RestartAsAdmin();

    // Called before a tweak changes the system; returns when the tweak may go ahead.
    // With administrator rights, makes the restore point once (whatever the outcome);
    // without them, offers to restart elevated, and asks again next time on No.
    void EnsureRestorePoint(HWND owner);

private:
    COptions& m_options;
    const CSettingsFile& m_settingsFile;
    const CTranslate& m_texts;
    UniqueHandleKernel& m_instanceMutex;
    const wchar_t* m_instanceMutexName;
    CElevationSystem& m_system;
    std::function<void()> m_leaving;
};

} // namespace orvane
