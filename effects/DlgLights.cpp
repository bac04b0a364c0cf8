#include "effects/DlgLights.h"

#include "core/Options.h"
#include "core/SettingsKeys.h"
#include "effects/SpriteResource.h"
#include "resources/ids_effects.h"

namespace orvane {

CDlgLights::CDlgLights(COptions& options)
    : CDlgEffectOverlay(options, EffectId::Garland, IDD_EFFECT_OVERLAY),
      m_garland(options.GetInt(key::iGarland), options.GetInt(key::iFlash)) {}

OverlayBox CDlgLights::Placement(unsigned taskbarState, const MonitorArea& monitor) const {
    return GarlandPlacement(taskbarState, monitor.work);
}

void CDlgLights::LoadSprites() {
    std::vector<std::optional<Sprite>> sprites;
    for (int id : kGarlandSpriteIds)
        sprites.push_back(LoadSprite(id));
    m_garland.SetSprites(std::move(sprites));
}

void CDlgLights::StartOwnTimers() {
    SetFlashSpeed(Options().GetInt(key::iFlashSpeed));
}

void CDlgLights::SetFlashSpeed(int speed) {
    if (m_hWnd)
        SetTimer(m_hWnd, kFrameTimer, static_cast<UINT>(FlashIntervalMs(speed)), nullptr);
}

bool CDlgLights::OnEffectTimer(UINT_PTR id) {
    if (id == kFrameTimer)
        m_garland.Tick();
    return false; // the frame's tick repaints
}

} // namespace orvane
