#pragma once

#include "FixtureProcess.h"
#include "MessagePump.h"

#include <windows.h>

#include <string>

namespace orvane::test {

// The desktop window layouts the fixture shell can play:
//   Classic      Windows 8 to 11 before 24H2: message 0x052C moves the icons
//                (SHELLDLL_DefView) out of "Progman" into a new top-level "WorkerW" and
//                puts a second, empty "WorkerW" right behind it;
//   Windows7     the same windows (the program hides the empty "WorkerW" itself);
//   Progman24H2  "Progman" keeps SHELLDLL_DefView and a wallpaper "WorkerW" as its own
//                children and 0x052C changes nothing;
//   NoHost       a shell that never answers 0x052C: the icons stay in "Progman".
enum class ShellLayout { Classic, Windows7, Progman24H2, NoHost };

// Messages the fixture's "Progman" window understands.
constexpr UINT kShellDropHost = WM_APP + 1;   // undo the split: the empty "WorkerW" goes
constexpr UINT kShellShowCounts = WM_APP + 2; // wParam: a shell window; returns
                                              // MAKELONG(times hidden, times shown)
constexpr UINT kShellIconsHome = WM_APP + 3;  // the icons go back into "Progman"; the
                                              // "WorkerW" windows stay

const wchar_t* LayoutArgument(ShellLayout layout);

// A run of the fixture shell program (beside the test program) that plays the Windows
// desktop's window hierarchy, which Wine lacks. Ends it at the end of the scope.
class DesktopShellFixture {
public:
    explicit DesktopShellFixture(ShellLayout layout);
    ~DesktopShellFixture();
    DesktopShellFixture(const DesktopShellFixture&) = delete;
    DesktopShellFixture& operator=(const DesktopShellFixture&) = delete;

    bool Ready() const { return Progman() != nullptr; }
    HWND Progman() const;
    HWND IconsView() const;       // SHELLDLL_DefView, wherever it is
    HWND IconsWorker() const;     // the top-level "WorkerW" holding the icons, if any
    HWND WallpaperWorker() const; // the empty "WorkerW" after it, or Progman's child one

    struct ShowCounts {
        int hidden = 0;
        int shown = 0;
    };
    ShowCounts Counts(HWND shellWindow) const;

    // The shell drops its split, taking the empty "WorkerW" and what was created in it.
    void DropHost();
    // The icons return to "Progman" but the "WorkerW" windows and their contents stay:
    // a running background goes on, and no new one finds a host.
    void MoveIconsHome();
    // Ends the shell program and starts it again, as an Explorer restart does.
    bool Restart();

private:
    bool Launch();
    void End();

    ShellLayout m_layout;
    FixtureProcess m_process;
};

} // namespace orvane::test
