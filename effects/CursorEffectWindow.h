#pragma once

#include "effects/CursorEffect.h"
#include "effects/EffectOverlay.h"

#include <string>

namespace orvane {

// The window of the cursor effects: it samples the pointer and the left button each frame
// and loads the pictures of the click modes when they are first chosen.
class CDlgEffectCursor : public CDlgEffectOverlay {
public:
    static constexpr int kFirstExplosionFrame = 605;
    static constexpr int kExplosionFrames = 48;
    static constexpr int kFirstFlower = 481;
    static constexpr int kFlowers = 30;
    static constexpr std::size_t kLongestModeName = 256;

    explicit CDlgEffectCursor(COptions& options);

    void SetMode(const std::wstring& mode) override;
    const CursorEffect& Effect() const { return m_effect; }

protected:
    void ReadSettings() override;
    void DrawFrame(ICanvas& canvas) override;
    void ReleaseEffect() override;

private:
    CursorEffect m_effect;
};

} // namespace orvane
