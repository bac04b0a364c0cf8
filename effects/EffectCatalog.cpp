#include "effects/EffectCatalog.h"

#include "core/SettingsKeys.h"

#include <algorithm>

namespace orvane {
namespace {

std::vector<int> Range(int first, int last) {
    std::vector<int> ids;
    for (int id = first; id <= last; ++id)
        ids.push_back(id);
    return ids;
}

} // namespace

const EffectKeys kEffectKeys[kEffectCount] = {
    {EffectId::Balloons, key::fEffectsBalloons, key::fEffectsBalloonsTop},
    {EffectId::Confetti, key::fEffectConfetti, key::fEffectConfettiTop},
    {EffectId::Cursor, key::fEffectCursor, key::fEffectCursorTop},
    {EffectId::Dandelions, key::fEffectDandelions, key::fEffectDandelionsTop},
    {EffectId::FallingPetals, key::fEffectFallingPetals, key::fEffectFallingPetalsTop},
    {EffectId::Fireflies, key::fEffectFireflies, key::fEffectFirefliesTop},
    {EffectId::Hearts, key::fEffectHearts, key::fEffectHeartsTop},
    {EffectId::Garland, key::fGarland, key::fGarlandTop},
    {EffectId::LeafFall, key::fEffectsLeafFall, key::fEffectsLeafFallTop},
    {EffectId::LeavesInTheWind, key::fEffectLeavesInTheWind, key::fEffectLeavesInTheWindTop},
    {EffectId::Lightning, key::fEffectLightning, key::fEffectLightningTop},
    {EffectId::Rain, key::fEffectRain, key::fEffectRainTop},
    {EffectId::RainFlowers, key::fEffectRainFlowers, key::fEffectRainFlowersTop},
    {EffectId::Smoke, key::fEffectSmoke, key::fEffectSmokeTop},
    {EffectId::SpaceFlight, key::fEffectSpaceFlight, key::fEffectSpaceFlightTop},
    {EffectId::Sweets, key::fEffectSweets, key::fEffectSweetsTop},
};

const EffectKeys& KeysOf(EffectId id) {
    return kEffectKeys[static_cast<std::size_t>(id)];
}

const SpriteEffectKind& LeafFallKind() {
    static const SpriteEffectKind kind{EffectId::LeafFall,
                                       {Motion::Fall, 5, 2, true, Spin::Turn, WindKind::Steady},
                                       Range(251, 257),
                                       key::iEffectsLeafFallDensity,
                                       key::iEffectsLeafFallWind};
    return kind;
}

const SpriteEffectKind& FallingPetalsKind() {
    static const SpriteEffectKind kind{EffectId::FallingPetals,
                                       {Motion::Fall, 10, 5, true, Spin::Turn, WindKind::Steady},
                                       {},
                                       key::iEffectFallingPetalsDensity,
                                       key::iEffectFallingPetalsWind};
    return kind;
}

const SpriteEffectKind& RainFlowersKind() {
    static const SpriteEffectKind kind{EffectId::RainFlowers,
                                       {Motion::Fall, 10, 5, false, Spin::Turn, WindKind::None},
                                       Range(481, 510),
                                       key::iEffectRainFlowersDensity,
                                       nullptr};
    return kind;
}

const SpriteEffectKind& SweetsKind() {
    static const SpriteEffectKind kind{
        EffectId::Sweets,
        {Motion::Fall, 5, 2, false, Spin::Turn, WindKind::None},
        {385, 386, 397, 398, 399, 387, 388, 389, 390, 391, 392, 393, 394, 395, 396, 400, 401, 402},
        key::iEffectSweetsDensity,
        nullptr};
    return kind;
}

const SpriteEffectKind& HeartsKind() {
    static const SpriteEffectKind kind{EffectId::Hearts,
                                       {Motion::Rise, 3, 2, true, Spin::None, WindKind::None},
                                       {379},
                                       key::iEffectHeartsDensity,
                                       nullptr};
    return kind;
}

const SpriteEffectKind& BalloonsKind() {
    static const SpriteEffectKind kind{EffectId::Balloons,
                                       {Motion::Rise, 5, 2, true, Spin::Rock, WindKind::None},
                                       Range(361, 365),
                                       key::iEffectsBalloonsDensity,
                                       nullptr};
    return kind;
}

const SpriteEffectKind& DandelionsKind() {
    static const SpriteEffectKind kind{EffectId::Dandelions,
                                       {Motion::Drift, 5, 2, true, Spin::Still, WindKind::Gusty},
                                       Range(409, 414),
                                       key::iEffectDandelionsDensity,
                                       key::iEffectDandelionsWind};
    return kind;
}

const SpriteEffectKind& LeavesInTheWindKind() {
    static const SpriteEffectKind kind{EffectId::LeavesInTheWind,
                                       {Motion::Drift, 5, 2, true, Spin::Turn, WindKind::Gusty},
                                       Range(418, 424),
                                       key::iEffectLeavesInTheWindDensity,
                                       key::iEffectLeavesInTheWindWind};
    return kind;
}

int DensityTargetCount(EffectId id, int density, int width, int height) {
    density = std::clamp(density, 1, 9);
    switch (id) {
    case EffectId::Balloons:
    case EffectId::Dandelions:
    case EffectId::FallingPetals:
    case EffectId::Hearts:
    case EffectId::LeafFall:
    case EffectId::LeavesInTheWind:
    case EffectId::RainFlowers:
    case EffectId::Sweets:
        return TargetCountForDensity(density);
    case EffectId::Confetti:
    case EffectId::Fireflies:
        return 100 * density;
    case EffectId::Rain:
        return 1000 * density;
    case EffectId::Smoke:
        return 10 * density;
    case EffectId::SpaceFlight: {
        // One star per (10 − d) / 5 × 300 pixels, in single precision as the stars are.
        const float area = static_cast<float>(width * height);
        const float perStar = static_cast<float>(10 - density) / 5.0f * 300.0f;
        return static_cast<int>(area / perStar);
    }
    case EffectId::Cursor:
    case EffectId::Garland:
    case EffectId::Lightning:
        break;
    }
    return 0;
}

std::vector<int> PetalSpriteIds(const std::wstring& colour) {
    if (colour == L"pink")
        return Range(459, 468);
    if (colour == L"white")
        return Range(469, 478);
    return Range(448, 457);
}

} // namespace orvane
