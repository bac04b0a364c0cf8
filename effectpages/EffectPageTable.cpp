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

const EffectTreeEntry kEffectTree[kEffectPageCount] = {
    {EffectPage::Balloons, 175},   {EffectPage::Confetti, 187},
    {EffectPage::Cursor, 223},     {EffectPage::CustomObjects, 197},
    {EffectPage::Dandelions, 180}, {EffectPage::FallingPetals, 188},
    {EffectPage::Fireflies, 244},  {EffectPage::Hearts, 176},
    {EffectPage::LeafFall, 95},    {EffectPage::LeavesInTheWind, 181},
    {EffectPage::Lightning, 242},  {EffectPage::Garland, 68},
    {EffectPage::Rain, 185},       {EffectPage::RainFlowers, 189},
    {EffectPage::Smoke, 196},      {EffectPage::SpaceFlight, 243},
    {EffectPage::Sweets, 177},
};

unsigned NameTextOf(EffectPage page) {
    for (const EffectTreeEntry& entry : kEffectTree)
        if (entry.page == page)
            return entry.nameTextId;
    return 0;
}

std::optional<EffectId> EffectOfPage(EffectPage page) {
    switch (page) {
    case EffectPage::Balloons:
        return EffectId::Balloons;
    case EffectPage::Confetti:
        return EffectId::Confetti;
    case EffectPage::Cursor:
        return EffectId::Cursor;
    case EffectPage::CustomObjects:
        return std::nullopt;
    case EffectPage::Dandelions:
        return EffectId::Dandelions;
    case EffectPage::FallingPetals:
        return EffectId::FallingPetals;
    case EffectPage::Fireflies:
        return EffectId::Fireflies;
    case EffectPage::Hearts:
        return EffectId::Hearts;
    case EffectPage::Garland:
        return EffectId::Garland;
    case EffectPage::LeafFall:
        return EffectId::LeafFall;
    case EffectPage::LeavesInTheWind:
        return EffectId::LeavesInTheWind;
    case EffectPage::Lightning:
        return EffectId::Lightning;
    case EffectPage::Rain:
        return EffectId::Rain;
    case EffectPage::RainFlowers:
        return EffectId::RainFlowers;
    case EffectPage::Smoke:
        return EffectId::Smoke;
    case EffectPage::SpaceFlight:
        return EffectId::SpaceFlight;
    case EffectPage::Sweets:
        return EffectId::Sweets;
    }
    return std::nullopt;
}

const ListChoice* FindChoice(const ChoiceList& list, const std::wstring& value) {
    for (std::size_t i = 0; i < list.count; ++i)
        if (value == list.choices[i].value)
            return &list.choices[i];
    return nullptr;
}

const EffectPageLayout kEffectPageLayouts[15] = {
    {EffectPage::Balloons, IDD_EFFECT_CTRLS_BALLOONS, key::iEffectsBalloonsDensity,
     key::fEffectsBalloonsDensityRandom, nullptr, nullptr, nullptr, nullptr, 521, 370, 250},
    {EffectPage::Confetti, IDD_EFFECT_CTRLS_CONFETTI, key::iEffectConfettiDensity,
     key::fEffectConfettiDensityRandom, nullptr, nullptr, nullptr, nullptr, 523, 0, 240},
    {EffectPage::Cursor, IDD_EFFECT_CTRLS_CURSOR, nullptr, nullptr, nullptr, nullptr,
     &kCursorModeList, nullptr, 659, 390, 243},
    {EffectPage::Dandelions, IDD_EFFECT_CTRLS_DANDELIONS, key::iEffectDandelionsDensity,
     key::fEffectDandelionsDensityRandom, key::iEffectDandelionsWind, key::fEffectDandelionsWindRandom,
     nullptr, nullptr, 524, 380, 304},
    {EffectPage::FallingPetals, IDD_EFFECT_CTRLS_FALLING_PETALS, key::iEffectFallingPetalsDensity,
     key::fEffectFallingPetalsDensityRandom, key::iEffectFallingPetalsWind,
     key::fEffectFallingPetalsWindRandom, &kPetalColourList, nullptr, 527, 240, 290},
    {EffectPage::Fireflies, IDD_EFFECT_CTRLS_FIREFLIES, key::iEffectFirefliesDensity,
     key::fEffectFirefliesDensityRandom, nullptr, nullptr, nullptr, key::fEffectFirefliesColorful, 680,
     375, 275},
    {EffectPage::Hearts, IDD_EFFECT_CTRLS_HEARTS, key::iEffectHeartsDensity,
     key::fEffectHeartsDensityRandom, nullptr, nullptr, nullptr, nullptr, 518, 109, 0},
    {EffectPage::LeafFall, IDD_EFFECT_CTRLS_LEAF_FALL, key::iEffectsLeafFallDensity,
     key::fEffectsLeafFallDensityRandom, key::iEffectsLeafFallWind, key::fEffectsLeafFallWindRandom,
     nullptr, nullptr, 520, 390, 285},
    {EffectPage::LeavesInTheWind, IDD_EFFECT_CTRLS_LEAVES_IN_THE_WIND,
     key::iEffectLeavesInTheWindDensity, key::fEffectLeavesInTheWindDensityRandom,
     key::iEffectLeavesInTheWindWind, key::fEffectLeavesInTheWindWindRandom, nullptr, nullptr, 519, 380,
     291},
    {EffectPage::Lightning, IDD_EFFECT_CTRLS_LIGHTNING, nullptr, nullptr, nullptr, nullptr, nullptr,
     nullptr, 675, 190, 210},
    {EffectPage::Rain, IDD_EFFECT_CTRLS_RAIN, key::iEffectRainDensity, key::fEffectRainDensityRandom,
     nullptr, nullptr, nullptr, nullptr, 529, 0, 240},
    {EffectPage::RainFlowers, IDD_EFFECT_CTRLS_RAIN_FLOWERS, key::iEffectRainFlowersDensity,
     key::fEffectRainFlowersDensityRandom, nullptr, nullptr, nullptr, nullptr, 528, 390, 246},
    {EffectPage::Smoke, IDD_EFFECT_CTRLS_SMOKE, key::iEffectSmokeDensity,
     key::fEffectSmokeDensityRandom, nullptr, nullptr, nullptr, nullptr, 543, 0, 170},
    {EffectPage::SpaceFlight, IDD_EFFECT_CTRLS_SPACE_FLIGHT, key::iEffectSpaceFlightDensity, nullptr,
     nullptr, nullptr, nullptr, nullptr, 677, 285, 239},
    {EffectPage::Sweets, IDD_EFFECT_CTRLS_SWEETS, key::iEffectSweetsDensity,
     key::fEffectSweetsDensityRandom, nullptr, nullptr, nullptr, nullptr, 526, 150, 233},
};

const EffectPageLayout* LayoutOf(EffectPage page) {
    for (const EffectPageLayout& layout : kEffectPageLayouts)
        if (layout.page == page)
            return &layout;
    return nullptr;
}

} // namespace orvane
