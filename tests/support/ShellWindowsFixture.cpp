#include "ShellWindowsFixture.h"

#include "DesktopShellFixture.h"

namespace orvane::test {
namespace {

std::wstring FixtureProgram() {
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, n);
    return folder.substr(0, folder.rfind(L'\\')) + L"\\orvane_shell_windows.exe";
}

// The class and title a window of the fixture is found by.
std::pair<std::wstring, std::wstring> Identity(const std::wstring& window) {
    const std::size_t colon = window.find(L':');
    const std::wstring kind = window.substr(0, colon);
    const std::wstring title = colon == std::wstring::npos ? L"" : window.substr(colon + 1);
    if (kind == L"taskbar")
        return {L"Shell_TrayWnd", L""};
    if (kind == L"corewindow")
        return {L"Windows.UI.Core.CoreWindow", title};
    if (kind == L"dv2")
        return {L"DV2ControlHost", L""};
    return {kFixtureAppClass, title};
}

} // namespace

ShellWindowsFixture::ShellWindowsFixture(std::vector<std::wstring> windows)
    : m_windows(std::move(windows)) {
    Launch();
}

ShellWindowsFixture::~ShellWindowsFixture() {
    End();
}

bool ShellWindowsFixture::Launch() {
    std::wstring command = L"\"" + FixtureProgram() + L"\"";
    for (const std::wstring& window : m_windows)
        command += L" \"" + window + L"\"";
    STARTUPINFOW startup = {sizeof startup};
    if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &m_process))
        return false;
    WaitForInputIdle(m_process.hProcess, 10000);
    const DWORD start = GetTickCount();
    while (!Ready() && GetTickCount() - start < 10000)
        PumpMessages(20);
    return Ready();
}

bool ShellWindowsFixture::Ready() const {
    for (const std::wstring& window : m_windows) {
        const auto [className, title] = Identity(window);
        if (!FindWindowW(className.c_str(), title.empty() ? nullptr : title.c_str()))
            return false;
    }
    return m_process.hProcess != nullptr;
}

void ShellWindowsFixture::End() {
    if (!m_process.hProcess)
        return;
    TerminateProcess(m_process.hProcess, 0);
    WaitForSingleObject(m_process.hProcess, 10000);
    CloseHandle(m_process.hThread);
    CloseHandle(m_process.hProcess);
    m_process = {};
    const DWORD start = GetTickCount();
    while (Taskbar() && GetTickCount() - start < 5000)
        PumpMessages(20);
}

bool ShellWindowsFixture::Restart() {
    End();
    return Launch();
}

HWND ShellWindowsFixture::App(const wchar_t* title) {
    return FindWindowW(kFixtureAppClass, title);
}

HWND ShellWindowsFixture::Taskbar() {
    return FindWindowW(L"Shell_TrayWnd", nullptr);
}

int ShellWindowsFixture::CompositionResets() const {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(Taskbar(), kTaskbarCompositionResets, 0, 0, SMTO_NORMAL, 5000, &result);
    return static_cast<int>(result);
}

void ShellWindowsFixture::Show(HWND window, bool shown) const {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(window, kFixtureShow, shown, 0, SMTO_NORMAL, 5000, &ignored);
}

} // namespace orvane::test
