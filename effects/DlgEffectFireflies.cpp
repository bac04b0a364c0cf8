#include "effects/DlgEffectFireflies.h"

#include "app/Options.h"
#include "resources/ids_effects.h"

namespace orvane {

CDlgEffectFireflies::CDlgEffectFireflies(COptions& options)
    : CDlgEffectOverlay(options, EffectId::Fireflies, IDD_EFFECT_OVERLAY) {}

void CDlgEffectFireflies::ReadSettings() {
    m_fireflies.Begin(Width(), Height());
    SetDensity(Options().GetInt(L"iEffectFirefliesDensity"));
    m_fireflies.SetColourful(Options().GetBool(L"fEffectFirefliesColorful"));
}

void CDlgEffectFireflies::DrawFrame(ICanvas& canvas) {
    m_fireflies.DrawFrame(canvas, targetCount);
}

} // namespace orvane
