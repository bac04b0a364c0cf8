#include "effectpages/EffectPageTable.h"

#include "core/SettingsKeys.h"
#include "resources/ids_effectpages.h"

#include <iterator>

namespace orvane {
namespace {

const ListChoice kPetalColours[] = {
    {191, L"pink"},
    {192, L"red"},
    {193, L"white"},
};

const ListChoice kCursorModes[] = {
    {225, L"BUBBLES"},    {226, L"CLICK_EXPLOSION"}, {227, L"CLICK_FLOWERS"},
    {228, L"DOTS"},       {229, L"FAIRY_DUST"},      {230, L"FLASH_LIGHT"},
    {231, L"MARKER_PEN"}, {232, L"INTERSECTION"},    {233, L"PENCIL"},
    {234, L"TRAIL"},
};

const ChoiceList kPetalColourList = {
    ListKind::PetalColour,          IDC_PETAL_COLOR, IDC_PETAL_COLOR_LABEL,   190,
    key::strEffectFallingPetalsColor, kPetalColours,   std::size(kPetalColours)};

const ChoiceList kCursorModeList = {
    ListKind::CursorMode,     IDC_CURSOR_EFFECT, IDC_CURSOR_EFFECT_LABEL, 224,
    key::strEffectCursorEffect, kCursorModes,      std::size(kCursorModes)};

} // namespace

const EffectTreeEntry kEffectTree[kEffectTreeSize] = {
    {EffectId::Balloons, 175},   {EffectId::Confetti, 187},
    {EffectId::Cursor, 223},     {std::nullopt, 197},
    {EffectId::Dandelions, 180}, {EffectId::FallingPetals, 188},
    {EffectId::Fireflies, 244},  {EffectId::Hearts, 176},
    {EffectId::LeafFall, 95},    {EffectId::LeavesInTheWind, 181},
    {EffectId::Lightning, 242},  {EffectId::Garland, 68},
    {EffectId::Rain, 185},       {EffectId::RainFlowers, 189},
    {EffectId::Smoke, 196},      {EffectId::SpaceFlight, 243},
    {EffectId::Sweets, 177},
};

unsigned NameTextOf(EffectId effect) {
    for (const EffectTreeEntry& entry : kEffectTree)
        if (entry.effect == effect)
            return entry.nameTextId;
    return 0;
}

const ListChoice* FindChoice(const ChoiceList& list, const std::wstring& value) {
    for (std::size_t i = 0; i < list.count; ++i)
        if (value == list.choices[i].value)
            return &list.choices[i];
    return nullptr;
}

const EffectPageLayout kEffectPageLayouts[15] = {
    {EffectId::Balloons, IDD_EFFECT_CTRLS_BALLOONS, key::iEffectsBalloonsDensity,
     key::fEffectsBalloonsDensityRandom, nullptr, nullptr, nullptr, nullptr, 521, 370, 250},
    {EffectId::Confetti, IDD_EFFECT_CTRLS_CONFETTI, key::iEffectConfettiDensity,
     key::fEffectConfettiDensityRandom, nullptr, nullptr, nullptr, nullptr, 523, 0, 240},
    {EffectId::Cursor, IDD_EFFECT_CTRLS_CURSOR, nullptr, nullptr, nullptr, nullptr,
     &kCursorModeList, nullptr, 659, 390, 243},
    {EffectId::Dandelions, IDD_EFFECT_CTRLS_DANDELIONS, key::iEffectDandelionsDensity,
     key::fEffectDandelionsDensityRandom, key::iEffectDandelionsWind,
     key::fEffectDandelionsWindRandom, nullptr, nullptr, 524, 380, 304},
    {EffectId::FallingPetals, IDD_EFFECT_CTRLS_FALLING_PETALS, key::iEffectFallingPetalsDensity,
     key::fEffectFallingPetalsDensityRandom, key::iEffectFallingPetalsWind,
     key::fEffectFallingPetalsWindRandom, &kPetalColourList, nullptr, 527, 240, 290},
    {EffectId::Fireflies, IDD_EFFECT_CTRLS_FIREFLIES, key::iEffectFirefliesDensity,
     key::fEffectFirefliesDensityRandom, nullptr, nullptr, nullptr, key::fEffectFirefliesColorful,
     680, 375, 275},
    {EffectId::Hearts, IDD_EFFECT_CTRLS_HEARTS, key::iEffectHeartsDensity,
     key::fEffectHeartsDensityRandom, nullptr, nullptr, nullptr, nullptr, 518, 109, 0},
    {EffectId::LeafFall, IDD_EFFECT_CTRLS_LEAF_FALL, key::iEffectsLeafFallDensity,
     key::fEffectsLeafFallDensityRandom, key::iEffectsLeafFallWind, key::fEffectsLeafFallWindRandom,
     nullptr, nullptr, 520, 390, 285},
    {EffectId::LeavesInTheWind, IDD_EFFECT_CTRLS_LEAVES_IN_THE_WIND,
     key::iEffectLeavesInTheWindDensity, key::fEffectLeavesInTheWindDensityRandom,
     key::iEffectLeavesInTheWindWind, key::fEffectLeavesInTheWindWindRandom, nullptr, nullptr, 519,
     380, 291},
    {EffectId::Lightning, IDD_EFFECT_CTRLS_LIGHTNING, nullptr, nullptr, nullptr, nullptr, nullptr,
     nullptr, 675, 190, 210},
    {EffectId::Rain, IDD_EFFECT_CTRLS_RAIN, key::iEffectRainDensity, key::fEffectRainDensityRandom,
     nullptr, nullptr, nullptr, nullptr, 529, 0, 240},
    {EffectId::RainFlowers, IDD_EFFECT_CTRLS_RAIN_FLOWERS, key::iEffectRainFlowersDensity,
     key::fEffectRainFlowersDensityRandom, nullptr, nullptr, nullptr, nullptr, 528, 390, 246},
    {EffectId::Smoke, IDD_EFFECT_CTRLS_SMOKE, key::iEffectSmokeDensity,
     key::fEffectSmokeDensityRandom, nullptr, nullptr, nullptr, nullptr, 543, 0, 170},
    {EffectId::SpaceFlight, IDD_EFFECT_CTRLS_SPACE_FLIGHT, key::iEffectSpaceFlightDensity, nullptr,
     nullptr, nullptr, nullptr, nullptr, 677, 285, 239},
    {EffectId::Sweets, IDD_EFFECT_CTRLS_SWEETS, key::iEffectSweetsDensity,
     key::fEffectSweetsDensityRandom, nullptr, nullptr, nullptr, nullptr, 526, 150, 233},
};

const EffectPageLayout* LayoutOf(EffectId effect) {
    for (const EffectPageLayout& layout : kEffectPageLayouts)
        if (layout.effect == effect)
            return &layout;
    return nullptr;
}

} // namespace orvane
