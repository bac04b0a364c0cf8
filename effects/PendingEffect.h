#pragma once

#include "effects/EffectOverlay.h"
#include "resources/ids_effects.h"

#include <string>

namespace orvane {

// The object of an effect whose drawing is not in the program yet (garland lights,
// fireflies, lightning). It exists so that start-up and the pages can address all sixteen
// effects; starting it opens no window, so a set enable key costs nothing. It keeps what
// its page sets (the density as its target count, the colours and the mode) for the
// drawing that will use them.
class CDlgEffectPending : public CDlgEffectOverlay {
public:
    CDlgEffectPending(COptions& options, EffectId id)
        : CDlgEffectOverlay(options, id, IDD_EFFECT_OVERLAY) {}

    void SetColourful(bool colourful) override { m_colourful = colourful; }
    void SetMode(const std::wstring& mode) override { m_mode = mode; }
    bool Colourful() const { return m_colourful; }
    const std::wstring& Mode() const { return m_mode; }

protected:
    BOOL CreateOverlay() override { return FALSE; }
    void DrawFrame(ICanvas&) override {}

private:
    bool m_colourful = false;
    std::wstring m_mode;
};

} // namespace orvane
