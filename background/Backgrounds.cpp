#include "background/Backgrounds.h"

#include "background/MonitorCopies.h"
#include "core/Options.h"
#include "core/SettingsKeys.h"

#include <algorithm>

namespace orvane {
namespace {

constexpr BackgroundKind kOrder[] = {BackgroundKind::Video, BackgroundKind::Web,
                                     BackgroundKind::Screensaver};

// The shell windows to repaint after copies stopped: each once, as copies share a host.
class WallpaperRepaints {
public:
    WallpaperRepaints() = default;
    WallpaperRepaints(const WallpaperRepaints&) = delete;
    WallpaperRepaints& operator=(const WallpaperRepaints&) = delete;
    ~WallpaperRepaints() {
        for (HWND window : m_windows)
            RepaintWallpaper(window);
    }
    void Stop(CDesktopBackground& background) {
        const HWND window = background.StopWithoutRepaint();
        if (std::find(m_windows.begin(), m_windows.end(), window) == m_windows.end())
            m_windows.push_back(window);
    }

private:
    std::vector<HWND> m_windows;
};

} // namespace

CBackgrounds::CBackgrounds(COptions& options, std::function<void()> refreshPages,
                           std::function<void()> showError, MonitorSource monitors)
    : m_options(options), m_refreshPages(std::move(refreshPages)),
      m_showError(std::move(showError)), m_monitors(std::move(monitors)) {}

const wchar_t* CBackgrounds::EnableKey(BackgroundKind kind) {
    switch (kind) {
    case BackgroundKind::Video:
        return key::fWallaperVideoEnable;
    case BackgroundKind::Web:
        return key::fWallaperWebEnable;
    case BackgroundKind::Screensaver:
        return key::fWallaperScreensaverEnable;
    }
    return L"";
}

void CBackgrounds::Install(BackgroundKind kind, std::unique_ptr<CDesktopBackground> primary,
                           Factory makeCopy) {
    Slot& slot = Of(kind);
    slot.primary = std::move(primary);
    slot.makeCopy = std::move(makeCopy);
}

CDesktopBackground* CBackgrounds::Get(BackgroundKind kind) const {
    return Of(kind).primary.get();
}

void CBackgrounds::Refresh(BackgroundKind kind) {
    Slot& slot = Of(kind);
    if (slot.primary && slot.primary->Running())
        slot.primary->Refresh();
    for (Copy& copy : slot.copies)
        if (copy.background->Running())
            copy.background->Refresh();
}

bool CBackgrounds::Running(BackgroundKind kind) const {
    const Slot& slot = Of(kind);
    return slot.primary && slot.primary->Running();
}

bool CBackgrounds::Start(BackgroundKind kind) {
    Slot& slot = Of(kind);
    if (!slot.primary)
        return false;
    if (slot.primary->Running())
        return true;
    const MonitorList monitors = m_monitors();
    if (monitors.empty())
        return false;
    slot.primaryMonitor = monitors.front();
    slot.primary->CoverMonitor(slot.primaryMonitor);
    if (!slot.primary->Start())
        return false;
    for (auto monitor = monitors.begin() + 1; monitor != monitors.end(); ++monitor)
        StartCopy(slot, *monitor);
    return true;
}

void CBackgrounds::StartCopy(Slot& slot, const MonitorArea& monitor) {
    std::unique_ptr<CDesktopBackground> copy = slot.makeCopy ? slot.makeCopy() : nullptr;
    if (!copy)
        return;
    copy->CoverMonitor(monitor);
    // Left out when it cannot start; FollowMonitors tries again.
    if (copy->Start())
        slot.copies.push_back({monitor, std::move(copy)});
}

void CBackgrounds::Stop(BackgroundKind kind) {
    Slot& slot = Of(kind);
    WallpaperRepaints repaints;
    for (Copy& copy : slot.copies)
        repaints.Stop(*copy.background);
    slot.copies.clear();
    if (slot.primary)
        repaints.Stop(*slot.primary);
}

void CBackgrounds::FollowMonitors() {
    MonitorList now;
    for (BackgroundKind kind : kOrder) {
        if (!Running(kind))
            continue;
        if (now.empty())
            now = m_monitors();
        FollowMonitors(kind, now);
    }
}

void CBackgrounds::FollowMonitors(BackgroundKind kind, const MonitorList& now) {
    Slot& slot = Of(kind);
    MonitorList covered = {slot.primaryMonitor};
    for (const Copy& copy : slot.copies)
        covered.push_back(copy.monitor);
    const CopyChanges changes = FollowArrangement(covered, now);
    if (changes.restartAll) {
        Stop(kind);
        Start(kind);
        return;
    }
    {
        WallpaperRepaints repaints;
        for (auto i = changes.stop.rbegin(); i != changes.stop.rend(); ++i) {
            const auto copy = slot.copies.begin() + static_cast<std::ptrdiff_t>(*i - 1);
            repaints.Stop(*copy->background);
            slot.copies.erase(copy);
        }
    }
    for (std::size_t i : changes.start)
        StartCopy(slot, now[i]);
}

void CBackgrounds::Set(BackgroundKind kind, bool enable) {
    const wchar_t* key = EnableKey(kind);
    if (!enable) {
        m_options.SetBool(key, false);
        Stop(kind);
        return;
    }
    m_options.SetBool(key, true);
    if (!Start(kind)) {
        m_showError();
        m_options.SetBool(key, false);
        m_refreshPages();
        return;
    }
    for (BackgroundKind other : kOrder) {
        if (other == kind || !m_options.GetBool(EnableKey(other)))
            continue;
        m_options.SetBool(EnableKey(other), false);
        Stop(other);
        m_refreshPages();
    }
}

void CBackgrounds::StartFromSettings() {
    for (BackgroundKind kind : kOrder)
        if (m_options.GetBool(EnableKey(kind)))
            Set(kind, true);
}

void CBackgrounds::StopForExit() {
    for (BackgroundKind kind : kOrder)
        if (m_options.GetBool(EnableKey(kind)))
            Stop(kind);
}

void CBackgrounds::ReleaseAll() {
    for (Slot& slot : m_slots) {
        slot.copies.clear();
        slot.primary.reset();
    }
}

void CBackgrounds::ChangeVideoEngine(int engine) {
    const bool running = m_options.GetBool(EnableKey(BackgroundKind::Video));
    if (running) {
        m_options.SetBool(EnableKey(BackgroundKind::Video), false);
        Stop(BackgroundKind::Video);
    }
    m_options.SetInt(key::iWallaperVideoEngine, engine);
    if (running)
        Set(BackgroundKind::Video, true);
}

} // namespace orvane
