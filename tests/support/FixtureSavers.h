#pragma once

#include "TempFolder.h"

#include <windows.h>

#include <string>
#include <vector>

namespace orvane::test {

// The Windows folder (%SystemRoot%), where the prefix keeps the test screen savers
// (tools/wine/install-fixture-savers): OrvaneAurora.scr ("Aurora Ribbons") in it; in
// System32 OrvaneTwin.scr ("Twin Lights"), Ribbons.scr and scrnsave.scr (no name of their
// own); in SysWOW64 OrvaneTwin.scr, OrvaneNight.scr ("Night Sky") and OrvaneWowPlain.scr.
std::wstring SystemRootFolder();

// Collects what the test screen savers started during its life were asked to do:
// "<process id> <command line>", one line per start.
class SaverLog {
public:
    SaverLog();
    ~SaverLog();
    SaverLog(const SaverLog&) = delete;
    SaverLog& operator=(const SaverLog&) = delete;

    struct Start {
        DWORD process;
        std::wstring commandLine;
    };
    std::vector<Start> Starts() const;
    // Waits for the start of a process (a screen saver logs first thing).
    bool WaitForStart(DWORD process, std::wstring& commandLine, DWORD timeoutMs = 10000) const;

private:
    TempFolder m_folder;
    std::wstring m_path;
};

bool ProcessAlive(DWORD process);
// Waits until the process has ended; false when it still runs after the time.
bool WaitForProcessEnd(DWORD process, DWORD timeoutMs = 10000);
// The running processes whose program file has this name (for example "Ribbons.scr").
std::vector<DWORD> ProcessesNamed(const std::wstring& fileName);

// A window of that process among the children of parent, waited for while this thread's
// messages run; null when none came.
HWND WaitForChildOfProcess(HWND parent, DWORD process, DWORD timeoutMs = 10000);

// Keeps the values of HKCU\Control Panel\Desktop that screen savers and wallpapers
// change, and puts them back at the end of the scope.
class DesktopValuesGuard {
public:
    DesktopValuesGuard();
    ~DesktopValuesGuard();
    DesktopValuesGuard(const DesktopValuesGuard&) = delete;
    DesktopValuesGuard& operator=(const DesktopValuesGuard&) = delete;

private:
    struct Saved {
        std::wstring name;
        bool present;
        DWORD type;
        std::vector<BYTE> data;
    };
    std::vector<Saved> m_saved;
};

// A value of HKCU\Control Panel\Desktop as text; present is false when it is missing.
std::wstring DesktopText(const wchar_t* name, bool* present = nullptr);
void SetDesktopText(const wchar_t* name, const std::wstring& text);

// Writes a 24-bit BMP picture of width x height in one colour.
bool WriteBmp(const std::wstring& path, int width, int height);

} // namespace orvane::test
