#pragma once

#include "effects/EffectOverlay.h"
#include "effects/Garland.h"

namespace orvane {

// The garland lights' window: a string of bulbs around the work area, or icicles along
// its top, flashing in one of five patterns. It repaints on its flash timer, which
// replaces the frame timer (same id), at 600 − 60 × speed milliseconds.
class CDlgLights : public CDlgEffectOverlay {
public:
    // The garland and the flash mode are read here, once; the page changes them live.
    explicit CDlgLights(COptions& options);

    void SetGarlandKind(int kind) override { m_garland.SetKind(kind); }
    void SetFlashMode(int mode) override { m_garland.SetMode(mode); }
    // Re-arms the flash timer when the window exists; the next start reads the key.
    void SetFlashSpeed(int speed) override;
    const Garland& Lights() const { return m_garland; }

protected:
    OverlayBox Placement(unsigned taskbarState, const MonitorArea& monitor) const override;
    void LoadSprites() override;
    void StartOwnTimers() override;
    void DrawFrame(ICanvas& canvas) override { m_garland.DrawFrame(canvas); }
    bool OnEffectTimer(UINT_PTR id) override;
    void ReleaseEffect() override { m_garland.ClearSprites(); }

private:
    Garland m_garland;
};

} // namespace orvane
