#pragma once

#include "effects/EffectOverlay.h"
#include "framework/MonitorLayout.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace orvane {

class COptions;

// One desktop effect on every monitor: an overlay window per monitor, each with its own
// population and frame at that monitor's size and scale, or on the primary monitor alone
// when the settings say so. The control pages and the busy-state monitor talk to this
// object; it hands each setting to every overlay. The overlay of the primary monitor
// lives as long as the group, the others only while they run.
class CEffectGroup {
public:
    using OverlayFactory = std::function<std::unique_ptr<CDlgEffectOverlay>()>;

    CEffectGroup(COptions& options, OverlayFactory makeOverlay, MonitorSource monitors);
    ~CEffectGroup();
    CEffectGroup(const CEffectGroup&) = delete;
    CEffectGroup& operator=(const CEffectGroup&) = delete;

    // Whether the effect shows on any monitor.
    bool Running() const;
    // Shows the effect on each monitor it should cover that it does not cover yet.
    void StartEffect();
    // Ends it on every monitor; FALSE when it ran nowhere.
    BOOL StopEffect();

    // Follows the monitors as they are now: an overlay for a monitor that appeared, none
    // for one that went, a fresh one where a monitor changed its size, place or scale.
    // Also applies the every-monitor choice. Nothing while the effect is stopped.
    void FollowMonitors();
    // Keeps the effect off the monitor with these bounds (a full-screen program runs
    // there), or nowhere (nullopt); the overlays elsewhere run on.
    void PauseOnMonitor(const std::optional<WorkArea>& bounds);

    // The settings of the control pages, for every overlay (see CDlgEffectOverlay).
    void SetPlacement(bool onTop);
    void SetDensity(int density);
    void StartWind(int level);
    void SetPetalColour(const std::wstring& colour);
    void SetColourful(bool colourful);
    void SetMode(const std::wstring& mode);
    void SetGarlandKind(int kind);
    void SetFlashMode(int mode);
    void SetFlashSpeed(int speed);

    // The overlay of the primary monitor, which holds the effect's settings while it is
    // stopped.
    CDlgEffectOverlay& Primary() { return *m_overlays.front(); }
    std::size_t OverlayCount() const { return m_overlays.size(); }
    CDlgEffectOverlay& Overlay(std::size_t index) { return *m_overlays[index]; }

private:
    void Arrange(MonitorList monitors);
    template <typename Setting> void ForEach(Setting setting);

    COptions& m_options;
    OverlayFactory m_makeOverlay;
    MonitorSource m_monitors;
    std::vector<std::unique_ptr<CDlgEffectOverlay>> m_overlays;
    std::optional<WorkArea> m_paused;
    bool m_wanted = false; // started and not stopped since
};

} // namespace orvane
