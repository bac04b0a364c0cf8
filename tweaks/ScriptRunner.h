#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace orvane {

// Runs a PowerShell script without a window and collects what it prints. One object
// per run; the temporary file that carries the output is gone when the object is.
//
// While PowerShell runs, the calling thread keeps dispatching its window messages, so
// the program's windows go on painting and its timers (the effects) go on running.
class CScriptRunner {
public:
    static constexpr DWORD kDefaultTimeoutMs = 300000;

    explicit CScriptRunner(DWORD timeoutMs = kDefaultTimeoutMs);
    ~CScriptRunner();
    CScriptRunner(const CScriptRunner&) = delete;
    CScriptRunner& operator=(const CScriptRunner&) = delete;

    // Runs the script and fills the output lines; on false the error text says why.
    // A PowerShell that outlasts the time-out is left running.
    bool Run(const std::wstring& script);

    const std::wstring& ErrorText() const { return m_error; }
    const std::vector<std::wstring>& OutputLines() const { return m_lines; }

private:
    bool Fail(std::wstring error);
    void DeleteTemporaryFile();

    DWORD m_timeoutMs;
    std::wstring m_temporaryPath;
    std::wstring m_error;
    std::vector<std::wstring> m_lines;
    PROCESS_INFORMATION m_process = {};
    STARTUPINFOW m_startup = {};
};

// The startup record the system expects is 68 bytes in a 32-bit process.
static_assert(sizeof(void*) != 4 || sizeof(STARTUPINFOW) == 68, "STARTUPINFOW layout");
static_assert(sizeof(void*) != 8 || sizeof(STARTUPINFOW) == 104, "STARTUPINFOW layout");

// PowerShell in the system folder (System32, or SysWOW64 for a 32-bit process on 64-bit
// Windows through the file-system redirection); empty when the folder is unknown.
std::wstring PowerShellPath();

// Stops every Explorer process through PowerShell; Windows starts the shell again by
// itself. The result of the script is not shown. While one restart runs (its wait lets
// the user go on clicking), a second one is refused: false then.
bool RestartExplorer();

} // namespace orvane
