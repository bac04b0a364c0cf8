#include "ShellWindowsFixture.h"

#include "DesktopShellFixture.h"

namespace orvane::test {
namespace {

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
    std::wstring arguments;
    for (const std::wstring& window : m_windows)
        arguments += L" \"" + window + L"\"";
    return m_process.Start(L"orvane_shell_windows.exe", arguments, [this] { return Ready(); });
}

bool ShellWindowsFixture::Ready() const {
    for (const std::wstring& window : m_windows) {
        const auto [className, title] = Identity(window);
        if (!FindWindowW(className.c_str(), title.empty() ? nullptr : title.c_str()))
            return false;
    }
    return m_process.Running();
}

void ShellWindowsFixture::End() {
    m_process.End([] { return !Taskbar(); });
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
