#include "effects/ParticleEffectWindows.h"

#include "effects/SpriteResource.h"

namespace orvane {

void CDlgEffectSmoke::LoadSprites() {
    // Without its picture the smoke still moves, but nothing shows.
    m_effect.SetSprite(LoadSprite(kPuffPicture));
}

} // namespace orvane
