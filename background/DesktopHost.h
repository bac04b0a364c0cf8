#pragma once

#include "framework/Dialog.h"
#include "framework/MonitorLayout.h"

#include <optional>

namespace orvane {

// Where a background window lives among the shell's desktop windows.
struct DesktopHost {
    HWND parent = nullptr;  // the window the background is a child of
    HWND above = nullptr;   // the sibling it goes just beneath (the icons), when it shares
                            // its parent with them
    HWND repaint = nullptr; // hidden and shown again after a stop, to redraw the wallpaper
    explicit operator bool() const { return parent != nullptr; }
};

// The message that asks the shell to put a "WorkerW" window between the wallpaper and
// the icons.
constexpr UINT kSpawnWorkerMessage = 0x052C;

// Finds the window behind the desktop icons. The shell first splits its desktop on
// request: the icons move into a "WorkerW" window and the next "WorkerW" holds the
// wallpaper; that one is the host (before Windows 8 it is hidden and "Progman" hosts).
// Where "Progman" keeps the icons and a wallpaper "WorkerW" as its own children (Windows
// 11 24H2), the host is "Progman" with the background between the two. Empty when the
// shell offers neither.
DesktopHost FindDesktopHost(bool windows8OrLater);
bool SystemIsWindows8OrLater();
// Hides and shows a shell window once, which makes the shell paint the wallpaper again
// where a background was. Nothing for a null or gone window.
void RepaintWallpaper(HWND shellWindow);

// A living desktop background: a child dialog created behind the desktop icons, placed
// over the work area of its monitor (the primary one unless told), with content of its
// own (video, web page, screen saver). The object lives as long as the program; the
// window is created by each start and destroyed by each stop. When the shell destroys
// the host while the background runs (Explorer restarts, the system slideshow replaces
// its windows), the background starts again as soon as the shell offers a host.
class CDesktopBackground : public CDialog {
public:
    explicit CDesktopBackground(UINT templateId);
    ~CDesktopBackground() override;

    // Finds the host, remembers it and creates the window in it, not yet visible. False
    // when there is no host or the window could not be created.
    virtual bool CreateBehindIcons();
    // CreateBehindIcons, then show the window. True when the background runs, also when
    // it ran already (it is never started twice).
    bool Start();
    // Destroys the window, then hides and shows the host once so that the shell paints
    // the wallpaper where the background was, and forgets the host. Nothing without a
    // window or host.
    void Stop();
    // The same but for the repaint, which is left to the caller: the shell window to
    // repaint, null when there is none. Copies sharing a host repaint it once.
    HWND StopWithoutRepaint();
    bool Running() const;
    HWND HostWindow() const { return m_host.parent; }
    // Puts the window back behind the icons after it was lifted out of them.
    void ReturnBehindIcons();
    // Loads the content afresh where that means something (a web page).
    virtual void Refresh() {}

    // The monitor the next start covers, in virtual-screen pixels.
    void CoverMonitor(const MonitorArea& monitor) { m_monitor = monitor; }
    // Its work area; the primary monitor's as the system says it until one is given.
    WorkArea CoveredWorkArea() const;
    bool CoversPrimary() const { return !m_monitor || m_monitor->primary; }

    static constexpr UINT kWatchIntervalMs = 1000;

protected:
    // Places the window over the work area, then starts the content.
    BOOL OnInitDialog() final;
    // Stops the content before the window and its controls go, however it is destroyed.
    void OnDestroy() final;

    virtual void StartContent() {}
    virtual void StopContent() {}

    // What the system says; tests answer for systems they do not run on.
    virtual bool TaskbarAutoHides() const;
    virtual bool Windows8OrLater() const { return SystemIsWindows8OrLater(); }

private:
    static LRESULT CALLBACK WatcherProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void PlaceOverWorkArea();
    void PutBehindIcons();
    void StartWatching();
    void CheckHost();

    DesktopHost m_host;
    std::optional<MonitorArea> m_monitor;
    bool m_wanted = false; // between a successful Start and the next Stop
    HWND m_watcher = nullptr;
};

} // namespace orvane
