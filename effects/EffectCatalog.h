#pragma once

#include "effects/SpriteEffect.h"

#include <cstddef>
#include <string>
#include <vector>

namespace orvane {

// The sixteen effect objects, in the order the application builds and starts them and
// the Effects page switches them off.
enum class EffectId {
    Balloons,
    Confetti,
    Cursor,
    Dandelions,
    FallingPetals,
    Fireflies,
    Hearts,
    Garland,
    LeafFall,
    LeavesInTheWind,
    Lightning,
    Rain,
    RainFlowers,
    Smoke,
    SpaceFlight,
    Sweets,
};
constexpr std::size_t kEffectCount = 16;

struct EffectKeys {
    EffectId id;
    const wchar_t* enableKey;
    const wchar_t* placementKey; // true: on top of all windows; false: on the desktop
};

extern const EffectKeys kEffectKeys[kEffectCount];
const EffectKeys& KeysOf(EffectId id);

// One of the eight sprite effects: its rules, its pictures and its settings.
struct SpriteEffectKind {
    EffectId id;
    SpriteRules rules;
    std::vector<int> spriteIds; // PNG resources, in load order
    const wchar_t* densityKey;
    const wchar_t* windKey; // null without wind
};

const SpriteEffectKind& LeafFallKind();
const SpriteEffectKind& FallingPetalsKind(); // sprite ids: see PetalSpriteIds
const SpriteEffectKind& RainFlowersKind();
const SpriteEffectKind& SweetsKind();
const SpriteEffectKind& HeartsKind();
const SpriteEffectKind& BalloonsKind();
const SpriteEffectKind& DandelionsKind();
const SpriteEffectKind& LeavesInTheWindKind();

// How many particles an effect keeps for a density slider position (clamped to 1 to 9) over
// a width × height area: the count its control page sets and its start reads. 0 for the
// effects without density (cursor, lightning, garland).
int DensityTargetCount(EffectId id, int density, int width, int height);

// The petal pictures of a colour name: "pink", "white" (exact case), any other is red.
std::vector<int> PetalSpriteIds(const std::wstring& colour);

} // namespace orvane
