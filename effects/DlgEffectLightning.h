#pragma once

#include "effects/EffectOverlay.h"
#include "effects/Lightning.h"

namespace orvane {

// The lightning's window: strikes of one to three bolts at random intervals.
class CDlgEffectLightning : public CDlgEffectOverlay {
public:
    explicit CDlgEffectLightning(COptions& options);

    const Lightning& Simulation() const { return m_lightning; }

protected:
    void ReadSettings() override { m_lightning.Begin(Width(), Height()); }
    void DrawFrame(ICanvas& canvas) override { m_lightning.DrawFrame(canvas); }
    void ReleaseEffect() override { m_lightning.Stop(); }

private:
    Lightning m_lightning;
};

} // namespace orvane
