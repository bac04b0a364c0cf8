#include "FixtureProcess.h"

#include "MessagePump.h"
#include "TestProgramFolder.h"

namespace orvane::test {

bool FixtureProcess::Start(const wchar_t* program, const std::wstring& arguments,
                           const std::function<bool()>& ready) {
    std::wstring command = L"\"" + TestProgramFolder() + L"\\" + program + L"\" " + arguments;
    STARTUPINFOW startup = {sizeof startup};
    if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &m_process))
        return false;
    // The program's windows exist once it waits for input.
    WaitForInputIdle(m_process.hProcess, 10000);
    PumpUntil(ready, 10000);
    return ready();
}

void FixtureProcess::End(const std::function<bool()>& gone) {
    if (!m_process.hProcess)
        return;
    TerminateProcess(m_process.hProcess, 0);
    WaitForSingleObject(m_process.hProcess, 10000);
    CloseHandle(m_process.hThread);
    CloseHandle(m_process.hProcess);
    m_process = {};
    PumpUntil(gone, 5000);
}

} // namespace orvane::test
