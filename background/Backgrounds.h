#pragma once

#include "background/DesktopHost.h"
#include "framework/MonitorLayout.h"

#include <array>
#include <functional>
#include <memory>
#include <vector>

namespace orvane {

class COptions;

enum class BackgroundKind { Video, Web, Screensaver };
constexpr std::size_t kBackgroundKinds = 3;

// The three living backgrounds and the switches that keep at most one of them running.
// Each switch writes its enable key; a background that cannot start reports the error,
// and one that starts turns the others off. A running background shows on every
// monitor, one copy each: the kind's object covers the primary monitor, and copies made
// at its start cover the others until it stops.
class CBackgrounds {
public:
    // refreshPages re-reads the enable keys into the pages; showError says text 148;
    // monitors tells the arrangement at each start (the system's, or a test's).
    CBackgrounds(COptions& options, std::function<void()> refreshPages,
                 std::function<void()> showError, MonitorSource monitors);

    using Factory = std::function<std::unique_ptr<CDesktopBackground>()>;
    // A kind's object for the primary monitor, owned from here on (start-up installs each
    // once), and how to make its copies for the other monitors.
    void Install(BackgroundKind kind, std::unique_ptr<CDesktopBackground> primary,
                 Factory makeCopy);
    // The same with one maker for both; returns the primary object as made.
    template <class Make> auto Install(BackgroundKind kind, Make make) {
        auto primary = make();
        auto* object = primary.get();
        Install(kind, std::move(primary),
                [make]() -> std::unique_ptr<CDesktopBackground> { return make(); });
        return object;
    }
    // The kind's object on the primary monitor, the one the pages talk to.
    CDesktopBackground* Get(BackgroundKind kind) const;

    // A kind on every monitor, its key untouched (the busy-state monitor's pause). Start is
    // true when the primary monitor's copy runs, also when it ran already; a copy that
    // cannot start on another monitor is left out. Stop repaints each host once.
    bool Start(BackgroundKind kind);
    void Stop(BackgroundKind kind);
    bool Running(BackgroundKind kind) const;
    // Brings the running backgrounds to the monitors as they are now: a monitor that
    // appeared gets its copy, one that went or changed takes its copy with it; a new
    // primary monitor restarts them all. Cheap when nothing changed (each second).
    void FollowMonitors();
    // Loads the content of the kind afresh on every monitor it shows on.
    void Refresh(BackgroundKind kind);

    // On: write the key, start; on failure the error, the key back to 0 and a page
    // refresh; on success every other background whose key is set is switched off (key
    // 0, stopped, pages refreshed), in the order video, web, screen saver. Off: key 0 and
    // stop, without a refresh.
    void Set(BackgroundKind kind, bool enable);

    // Start-up: each background whose key is set, in the order video, web, screen saver.
    void StartFromSettings();
    // Exit: stops every background whose key is set, keeping the key for the next run.
    void StopForExit();

    // Shut-down: the objects go while COM is still there for what they hold.
    void ReleaseAll();

    // The video engine changes (0 Windows Media Player, 1 Media Control Interface): a
    // running video background starts again with the new engine.
    void ChangeVideoEngine(int engine);

    static const wchar_t* EnableKey(BackgroundKind kind);

private:
    // A copy on a monitor other than the primary.
    struct Copy {
        MonitorArea monitor;
        std::unique_ptr<CDesktopBackground> background;
    };
    struct Slot {
        std::unique_ptr<CDesktopBackground> primary;
        Factory makeCopy;
        MonitorArea primaryMonitor;
        std::vector<Copy> copies;
    };

    Slot& Of(BackgroundKind kind) { return m_slots[static_cast<std::size_t>(kind)]; }
    const Slot& Of(BackgroundKind kind) const { return m_slots[static_cast<std::size_t>(kind)]; }
    void StartCopy(Slot& slot, const MonitorArea& monitor);
    void FollowMonitors(BackgroundKind kind, const MonitorList& now);

    COptions& m_options;
    std::function<void()> m_refreshPages;
    std::function<void()> m_showError;
    MonitorSource m_monitors;
    std::array<Slot, kBackgroundKinds> m_slots;
};

} // namespace orvane
