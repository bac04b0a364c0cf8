#include "effects/DlgEffectFireflies.h"

#include "core/Options.h"
#include "core/SettingsKeys.h"
#include "resources/ids_effects.h"

namespace orvane {

CDlgEffectFireflies::CDlgEffectFireflies(COptions& options)
    : CDlgEffectOverlay(options, EffectId::Fireflies, IDD_EFFECT_OVERLAY) {}

void CDlgEffectFireflies::ReadSettings() {
    m_fireflies.Begin(Width(), Height());
    SetDensity(Options().GetInt(key::iEffectFirefliesDensity));
    m_fireflies.SetColourful(Options().GetBool(key::fEffectFirefliesColorful));
}

void CDlgEffectFireflies::DrawFrame(ICanvas& canvas) {
    m_fireflies.DrawFrame(canvas, targetCount);
}

} // namespace orvane
