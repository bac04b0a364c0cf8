#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace orvane::test {

// A run of one of our fixture programs, which lie beside the test program. Ends it at the
// end of the scope at the latest.
class FixtureProcess {
public:
    FixtureProcess() = default;
    ~FixtureProcess() {
        End([] { return true; });
    }
    FixtureProcess(const FixtureProcess&) = delete;
    FixtureProcess& operator=(const FixtureProcess&) = delete;

    // Starts the program with the arguments, then runs this thread's messages until
    // ready() holds or 10 s have passed. Returns ready().
    bool Start(const wchar_t* program, const std::wstring& arguments,
               const std::function<bool()>& ready);
    // Ends the program, then runs this thread's messages until gone() holds (its windows
    // left the window list) or 5 s have passed.
    void End(const std::function<bool()>& gone);
    bool Running() const { return m_process.hProcess != nullptr; }

private:
    PROCESS_INFORMATION m_process = {};
};

} // namespace orvane::test
