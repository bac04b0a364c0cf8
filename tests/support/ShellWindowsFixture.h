#pragma once

#include "FixtureProcess.h"

#include <windows.h>

#include <string>
#include <vector>

namespace orvane::test {

// The windows the fixture program can make, each given as "kind" or "kind:title":
//   taskbar           "Shell_TrayWnd", visible, no title bar
//   corewindow:TITLE  "Windows.UI.Core.CoreWindow", the start menu of Windows 10 and later
//   dv2               "DV2ControlHost", the start menu of Windows 7
//   app:TITLE         an application window with a title bar, shown
//   hidden:TITLE      the same, never shown
//   bare:TITLE        a shown popup without a title bar
//   owned:TITLE       a shown popup with a title bar (a dialog), owned by the "app"
//                     before it
//   layered:TITLE     a shown application window its program made layered, alpha 200
constexpr wchar_t kFixtureAppClass[] = L"OrvaneFixtureApp";
constexpr BYTE kOwnLayeredAlpha = 200;
// Sent to the fixture's taskbar: how often it was sent WM_DWMCOMPOSITIONCHANGED with
// wParam 1 and lParam 0.
constexpr UINT kTaskbarCompositionResets = WM_APP + 10;
// Sent to any fixture window: show it (wParam 1) or hide it (0).
constexpr UINT kFixtureShow = WM_APP + 11;

// A run of the fixture program (beside the test program) that plays the shell's windows
// and other programs' windows. Ends it at the end of the scope.
class ShellWindowsFixture {
public:
    explicit ShellWindowsFixture(std::vector<std::wstring> windows);
    ~ShellWindowsFixture();
    ShellWindowsFixture(const ShellWindowsFixture&) = delete;
    ShellWindowsFixture& operator=(const ShellWindowsFixture&) = delete;

    // Every window asked for exists.
    bool Ready() const;
    // An application window of the fixture by its title.
    static HWND App(const wchar_t* title);
    static HWND Taskbar();
    int CompositionResets() const;
    void Show(HWND window, bool shown) const;

    // Ends the program and starts it again, as an Explorer restart does.
    bool Restart();
    void End();

private:
    bool Launch();

    std::vector<std::wstring> m_windows;
    FixtureProcess m_process;
};

} // namespace orvane::test
