#include "effects/SpriteEffectWindows.h"

#include "core/Options.h"
#include "core/SettingsKeys.h"
#include "effects/SpriteResource.h"
#include "resources/ids_effects.h"

namespace orvane {

CDlgSpriteEffect::CDlgSpriteEffect(COptions& options, const SpriteEffectKind& kind)
    : CDlgEffectOverlay(options, kind.id, IDD_EFFECT_OVERLAY), m_kind(kind), m_effect(kind.rules) {}

void CDlgSpriteEffect::SetSprites(const std::vector<int>& ids) {
    std::vector<Sprite> sprites;
    // A picture that fails to load leaves its slot out.
    for (int id : ids)
        if (std::optional<Sprite> sprite = LoadSprite(id))
            sprites.push_back(std::move(*sprite));
    m_effect.SetSprites(std::move(sprites));
}

void CDlgSpriteEffect::LoadSprites() {
    SetSprites(m_kind.spriteIds);
}

void CDlgSpriteEffect::ReadSettings() {
    m_effect.Begin(Width(), Height());
    SetDensity(Options().GetInt(m_kind.densityKey));
}

void CDlgSpriteEffect::StartOwnTimers() {
    if (!m_kind.windKey)
        return;
    StartWind(Options().GetInt(m_kind.windKey));
    SetTimer(m_hWnd, kWindTimer, kWindPeriodMs, nullptr);
}

void CDlgSpriteEffect::StartWind(int level) {
    if (m_kind.windKey)
        m_effect.Wind().Start(level);
}

void CDlgSpriteEffect::DrawFrame(ICanvas& canvas) {
    m_effect.DrawFrame(canvas, targetCount);
}

bool CDlgSpriteEffect::OnEffectTimer(UINT_PTR id) {
    if (id != kWindTimer || !m_kind.windKey)
        return false;
    m_effect.Wind().Tick();
    return true;
}

void CDlgSpriteEffect::ReleaseEffect() {
    m_effect.Stop();
}

void CDlgEffectFallingPetals::SetPetalColour(const std::wstring& colour) {
    SetSprites(PetalSpriteIds(colour));
}

void CDlgEffectFallingPetals::LoadSprites() {
    SetPetalColour(Options().GetString(key::strEffectFallingPetalsColor));
}

} // namespace orvane
