#include "app/BusyState.h"

namespace orvane {

PauseScope WantedPause(const BusySignals& signals, bool pauseAtHighLoad) {
    const bool absent = signals.stateKnown && signals.state == kUserNotPresent;
    if (!pauseAtHighLoad)
        return absent ? PauseScope::Video : PauseScope::None;
    const bool shellBusy =
        signals.stateKnown && (signals.state == kUserBusy || signals.state == kUserD3dFullScreen ||
                               signals.state == kUserPresentation);
    if (absent || (signals.stateKnown && signals.state == kUserPresentation))
        return PauseScope::Everything;
    if (MonitorToPause(signals, pauseAtHighLoad))
        return PauseScope::None;
    if (shellBusy || signals.fullScreenForeground)
        return PauseScope::Everything;
    return PauseScope::None;
}

std::optional<WorkArea> MonitorToPause(const BusySignals& signals, bool pauseAtHighLoad) {
    if (!pauseAtHighLoad || !signals.fullScreenForeground || signals.monitorCount < 2)
        return std::nullopt;
    return signals.fullScreenMonitor;
}

PauseChange NextPause(PauseScope paused, PauseScope wanted) {
    PauseChange change;
    if (wanted == PauseScope::None) {
        change.resume = paused;
        return change;
    }
    if (paused == PauseScope::None ||
        (paused == PauseScope::Video && wanted == PauseScope::Everything)) {
        change.paused = wanted;
        change.stop = wanted;
        return change;
    }
    change.paused = paused;
    return change;
}

bool IsFullScreenForeground(const ForegroundView& view) {
    if (!view.exists || !view.visible || view.minimized || view.ours || view.shell ||
        view.captionedMaximized)
        return false;
    const ScreenBox& w = view.window;
    const ScreenBox& m = view.monitor;
    if (m.right <= m.left || m.bottom <= m.top)
        return false;
    return w.left <= m.left && w.top <= m.top && w.right >= m.right && w.bottom >= m.bottom;
}

bool IsShellWindowClass(const std::wstring& className) {
    static const wchar_t* const kShell[] = {L"Progman",
                                            L"WorkerW",
                                            L"Shell_TrayWnd",
                                            L"Shell_SecondaryTrayWnd",
                                            L"#32769",
                                            L"ImmersiveLauncher",
                                            L"Windows.UI.Core.CoreWindow"};
    for (const wchar_t* name : kShell)
        if (className == name)
            return true;
    return false;
}

const std::array<EffectId, kEffectCount> kEffectPauseOrder = {
    EffectId::Balloons,        EffectId::Confetti,  EffectId::Cursor,      EffectId::Dandelions,
    EffectId::FallingPetals,   EffectId::Fireflies, EffectId::Hearts,      EffectId::LeafFall,
    EffectId::LeavesInTheWind, EffectId::Lightning, EffectId::Garland,     EffectId::Rain,
    EffectId::RainFlowers,     EffectId::Smoke,     EffectId::SpaceFlight, EffectId::Sweets,
};

} // namespace orvane
