#include "effects/EffectGroup.h"

#include "core/Options.h"
#include "core/SettingsKeys.h"

namespace orvane {

CEffectGroup::CEffectGroup(COptions& options, OverlayFactory makeOverlay, MonitorSource monitors)
    : m_options(options), m_makeOverlay(std::move(makeOverlay)), m_monitors(std::move(monitors)) {
    m_overlays.push_back(m_makeOverlay());
}

CEffectGroup::~CEffectGroup() = default;

bool CEffectGroup::Running() const {
    for (const auto& overlay : m_overlays)
        if (overlay->Running())
            return true;
    return false;
}

void CEffectGroup::StartEffect() {
    m_wanted = true;
    Arrange(m_monitors());
}

BOOL CEffectGroup::StopEffect() {
    m_wanted = false;
    BOOL stopped = FALSE;
    for (auto& overlay : m_overlays)
        if (overlay->StopEffect())
            stopped = TRUE;
    m_overlays.resize(1);
    return stopped;
}

void CEffectGroup::FollowMonitors() {
    if (m_wanted)
        Arrange(m_monitors());
}

void CEffectGroup::PauseOnMonitor(const std::optional<WorkArea>& bounds) {
    const bool changed =
        bounds.has_value() != m_paused.has_value() || (bounds && !(*bounds == *m_paused));
    m_paused = bounds;
    if (changed && m_wanted)
        Arrange(m_monitors());
}

void CEffectGroup::Arrange(MonitorList monitors) {
    if (monitors.empty())
        return; // no answer from the system: keep what runs
    if (!m_options.GetBool(key::fEffectsEveryMonitor))
        monitors.resize(1);
    // Overlays of monitors that went, last first so that the primary's object stays.
    while (m_overlays.size() > monitors.size()) {
        m_overlays.back()->StopEffect();
        m_overlays.pop_back();
    }
    for (std::size_t i = 0; i < monitors.size(); ++i) {
        if (i == m_overlays.size())
            m_overlays.push_back(m_makeOverlay());
        CDlgEffectOverlay& overlay = *m_overlays[i];
        const MonitorArea& monitor = monitors[i];
        const bool paused = m_paused && *m_paused == monitor.bounds;
        if (overlay.Running() && (paused || overlay.Monitor() != monitor))
            overlay.StopEffect();
        overlay.SetMonitor(monitor);
        if (!paused && !overlay.Running())
            overlay.StartEffect();
    }
}

template <typename Setting> void CEffectGroup::ForEach(Setting setting) {
    for (auto& overlay : m_overlays)
        setting(*overlay);
}

void CEffectGroup::SetPlacement(bool onTop) {
    ForEach([&](CDlgEffectOverlay& overlay) { overlay.SetPlacement(onTop); });
}
void CEffectGroup::SetDensity(int density) {
    ForEach([&](CDlgEffectOverlay& overlay) { overlay.SetDensity(density); });
}
void CEffectGroup::StartWind(int level) {
    ForEach([&](CDlgEffectOverlay& overlay) { overlay.StartWind(level); });
}
void CEffectGroup::SetPetalColour(const std::wstring& colour) {
    ForEach([&](CDlgEffectOverlay& overlay) { overlay.SetPetalColour(colour); });
}
void CEffectGroup::SetColourful(bool colourful) {
    ForEach([&](CDlgEffectOverlay& overlay) { overlay.SetColourful(colourful); });
}
void CEffectGroup::SetMode(const std::wstring& mode) {
    ForEach([&](CDlgEffectOverlay& overlay) { overlay.SetMode(mode); });
}
void CEffectGroup::SetGarlandKind(int kind) {
    ForEach([&](CDlgEffectOverlay& overlay) { overlay.SetGarlandKind(kind); });
}
void CEffectGroup::SetFlashMode(int mode) {
    ForEach([&](CDlgEffectOverlay& overlay) { overlay.SetFlashMode(mode); });
}
void CEffectGroup::SetFlashSpeed(int speed) {
    ForEach([&](CDlgEffectOverlay& overlay) { overlay.SetFlashSpeed(speed); });
}

} // namespace orvane
