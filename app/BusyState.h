#pragma once

#include <array>
#include <optional>
#include <string>

#include "effects/EffectCatalog.h"
#include "framework/ScreenBoxes.h"

namespace orvane {

// The shell's answers to "what is the user doing" (QUERY_USER_NOTIFICATION_STATE).
enum UserNotificationState : int {
    kUserNotPresent = 1,    // locked, screen saver running, another user signed in
    kUserBusy = 2,          // a full-screen application
    kUserD3dFullScreen = 3, // a Direct3D program in exclusive full-screen mode
    kUserPresentation = 4,  // presentation settings are on
    kUserAcceptsNotifications = 5,
    kUserQuietTime = 6,
    kUserApp = 7,
};

// What one tick of the busy-state monitor sees.
struct BusySignals {
    bool stateKnown = false; // the shell answered at all
    int state = 0;           // its answer
    // Our own look at the desktop, because the shell answers "busy" late and only for
    // some full-screen windows: the foreground window covers its whole monitor.
    bool fullScreenForeground = false;
    WorkArea fullScreenMonitor = {}; // the monitor it covers, when it does
    int monitorCount = 1;
};

// How much of the program is paused.
enum class PauseScope {
    None,       // everything runs
    Video,      // only the video background is stopped (nobody is looking)
    Everything, // backgrounds, effects, custom objects and the screen-saver preview
};

// What the signals ask for. Without pause-at-high-load only an absent user pauses, and
// then only the video background. With several monitors a full-screen program pauses
// only the effects of its own monitor (MonitorToPause): the shell's "busy" answers,
// which that program causes, then pause nothing more.
PauseScope WantedPause(const BusySignals& signals, bool pauseAtHighLoad);

// The monitor whose effects alone pause: the one a full-screen program covers, when
// there are others to watch and pause-at-high-load is on.
std::optional<WorkArea> MonitorToPause(const BusySignals& signals, bool pauseAtHighLoad);

// One tick: what is paused afterwards, what to stop now and what to start again now.
struct PauseChange {
    PauseScope paused = PauseScope::None;
    PauseScope stop = PauseScope::None;
    PauseScope resume = PauseScope::None;
};

// A pause lasts until nothing is wanted any more; it then resumes exactly what it
// stopped, even when pause-at-high-load was cleared in between. A pause of the video
// alone grows into a full one when that is wanted; a full pause never shrinks.
PauseChange NextPause(PauseScope paused, PauseScope wanted);

// A screen rectangle, edges exclusive on the right and bottom as in Windows.
struct ScreenBox {
    long left = 0, top = 0, right = 0, bottom = 0;
};

// The foreground window as the monitor judges it.
struct ForegroundView {
    bool exists = false;
    bool visible = false;
    bool minimized = false;
    bool ours = false;               // a window of this program (the effects cover the screen)
    bool shell = false;              // the desktop, the taskbar, the shell's own surfaces
    bool captionedMaximized = false; // an ordinary maximised window, not full screen
    ScreenBox window;
    ScreenBox monitor; // the whole monitor the window is on
};

// Whether the window runs full screen: it covers every pixel of its monitor.
bool IsFullScreenForeground(const ForegroundView& view);

// Window classes of the shell that may cover a monitor without anyone being busy.
bool IsShellWindowClass(const std::wstring& className);

// The effects in the order a pause stops them (resuming starts them in the order of
// kEffectKeys).
extern const std::array<EffectId, kEffectCount> kEffectPauseOrder;

} // namespace orvane
