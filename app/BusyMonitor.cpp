// The busy-state monitor's side of the application object: it stops the features'
// windows while nobody looks at the desktop and starts them again afterwards. The enable
// keys are never changed here, so resuming starts whatever the keys ask for by then.
#include "app/BusySignals.h"
#include "app/OrvaneApp.h"
#include "app/OrvaneDlg.h"
#include "effects/EffectGroup.h"
#include "personalize/DlgTabScreensaver.h"

namespace orvane {
namespace {

constexpr BackgroundKind kOtherBackgrounds[] = {BackgroundKind::Web, BackgroundKind::Screensaver};

} // namespace

void COrvaneApp::BusyStateTick() {
    const BusySignals signals = ReadBusySignals();
    // A full-screen program on one of several monitors keeps the effects off that one.
    const std::optional<WorkArea> covered = MonitorToPause(signals, m_pauseAtHighLoad);
    for (auto& effect : m_effects)
        if (effect)
            effect->PauseOnMonitor(covered);
    FollowMonitors();
    const PauseChange change = NextPause(m_paused, WantedPause(signals, m_pauseAtHighLoad));
    m_paused = change.paused;
    if (change.stop != PauseScope::None)
        SetFeaturesRunning(false, change.stop);
    if (change.resume != PauseScope::None)
        SetFeaturesRunning(true, change.resume);
}

void COrvaneApp::SetFeaturesRunning(bool run, PauseScope scope) {
    if (scope == PauseScope::None)
        return;
    // A background's Stop and Start on every monitor, not the switches: those would write
    // the keys.
    const auto visitBackground = [&](BackgroundKind kind) {
        if (!run)
            m_backgrounds.Stop(kind);
        else if (m_options.GetBool(CBackgrounds::EnableKey(kind)) && !m_backgrounds.Running(kind))
            m_backgrounds.Start(kind); // a failure is not reported; the next resume tries again
    };

    visitBackground(BackgroundKind::Video);
    if (scope != PauseScope::Everything)
        return;
    for (BackgroundKind kind : kOtherBackgrounds)
        visitBackground(kind);

    if (!run) {
        for (EffectId id : kEffectPauseOrder)
            if (CEffectGroup* effect = Effect(id); effect && effect->Running())
                effect->StopEffect();
        m_customObjects.StopCustomObjects(); // positions stored, flags kept
    } else {
        m_customObjects.ResumeCustomObjects();
        for (const EffectKeys& keys : kEffectKeys)
            if (CEffectGroup* effect = Effect(keys.id);
                effect && !effect->Running() && m_options.GetBool(keys.enableKey))
                effect->StartEffect();
    }

    // The Screen Saver page's preview runs a screen-saver process of its own.
    if (m_mainWindow && m_mainWindow->GetSafeHwnd()) {
        CDlgTabScreensaver& page = m_mainWindow->ScreensaverPage();
        if (run)
            page.ResumePreview();
        else
            page.PausePreview();
    }
}

} // namespace orvane
