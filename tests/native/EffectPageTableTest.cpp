#include "core/SettingsTable.h"
#include "effectpages/EffectPageTable.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <set>
#include <string>

namespace orvane {
namespace {

std::string Narrow(const std::wstring& text) {
    return std::string(text.begin(), text.end());
}

// The key's entry in the settings table, or null: a misspelt key would quietly become a
// new one that nothing else reads.
const SettingDefault* Setting(const wchar_t* key) {
    for (std::size_t i = 0; i < kSettingDefaultCount; ++i)
        if (std::wstring(kSettingDefaults[i].key) == key)
            return &kSettingDefaults[i];
    return nullptr;
}

void ExpectKey(const wchar_t* key, SettingType type) {
    if (!key)
        return;
    const SettingDefault* setting = Setting(key);
    ASSERT_NE(nullptr, setting) << Narrow(key);
    EXPECT_EQ(type, setting->type) << Narrow(key);
}

TEST(EffectPageTable, EveryPageKeyIsASettingOfItsType) {
    std::set<EffectId> effects;
    for (const EffectPageLayout& layout : kEffectPageLayouts) {
        EXPECT_TRUE(effects.insert(layout.effect).second) << "one layout per effect";
        const EffectKeys& keys = KeysOf(layout.effect);
        ExpectKey(keys.enableKey, SettingType::Bool);
        ExpectKey(keys.placementKey, SettingType::Bool);
        ExpectKey(layout.densityKey, SettingType::Int);
        ExpectKey(layout.densityRandomKey, SettingType::Bool);
        ExpectKey(layout.windKey, SettingType::Int);
        ExpectKey(layout.windRandomKey, SettingType::Bool);
        ExpectKey(layout.multicolouredKey, SettingType::Bool);
        if (layout.list)
            ExpectKey(layout.list->key, SettingType::String);
        // A random box belongs to a slider.
        EXPECT_TRUE(!layout.densityRandomKey || layout.densityKey);
        EXPECT_TRUE(!layout.windRandomKey || layout.windKey);
    }
    EXPECT_EQ(0u, effects.count(EffectId::Garland));
}

TEST(EffectPageTable, TheTreeHoldsEveryEffectOnceAndTheCustomObjectsAfterTheCursor) {
    // The keys are looked up by the effect's place in the enumeration (KeysOf), the order
    // the exclusivity rule visits the pages in.
    for (std::size_t i = 0; i < kEffectCount; ++i)
        EXPECT_EQ(static_cast<EffectId>(i), kEffectKeys[i].id) << i;

    // The tree's order is not the rule's (the garland sits under its name, "Lights and
    // Garlands").
    std::set<std::optional<EffectId>> listed;
    for (const EffectTreeEntry& entry : kEffectTree)
        EXPECT_TRUE(listed.insert(entry.effect).second);
    EXPECT_EQ(kEffectTreeSize, listed.size());
    EXPECT_EQ(1u, listed.count(std::nullopt)) << "the custom objects";
    EXPECT_EQ(EffectId::Cursor, kEffectTree[2].effect);
    EXPECT_FALSE(kEffectTree[3].effect);
    EXPECT_EQ(EffectId::Garland, kEffectTree[11].effect);
    EXPECT_EQ(68u, NameTextOf(EffectId::Garland));
}

TEST(EffectPageTable, AStoredValueMatchesAChoiceOnlyExactly) {
    const ChoiceList& colours = *LayoutOf(EffectId::FallingPetals)->list;
    ASSERT_NE(nullptr, FindChoice(colours, L"white"));
    EXPECT_EQ(193u, FindChoice(colours, L"white")->textId);
    EXPECT_EQ(nullptr, FindChoice(colours, L"White"));
    EXPECT_EQ(nullptr, FindChoice(colours, L"purple"));
    EXPECT_EQ(nullptr, FindChoice(colours, L""));

    const ChoiceList& modes = *LayoutOf(EffectId::Cursor)->list;
    EXPECT_EQ(10u, modes.count);
    ASSERT_NE(nullptr, FindChoice(modes, L"CLICK_FLOWERS"));
    EXPECT_EQ(227u, FindChoice(modes, L"CLICK_FLOWERS")->textId);
    EXPECT_EQ(nullptr, FindChoice(modes, L"fairy_dust"));
    std::set<std::wstring> values;
    for (std::size_t i = 0; i < modes.count; ++i)
        EXPECT_TRUE(values.insert(modes.choices[i].value).second) << "values are unique";
}

TEST(DensityTargetCount, EachEffectTurnsTheSliderIntoItsOwnCount) {
    struct Case {
        EffectId effect;
        int density;
        int expected;
    } cases[] = {
        {EffectId::LeafFall, 5, 50},      {EffectId::LeafFall, 6, 180},
        {EffectId::Balloons, 9, 270},     {EffectId::Confetti, 3, 300},
        {EffectId::Fireflies, 1, 100},    {EffectId::Rain, 4, 4000},
        {EffectId::Smoke, 9, 90},         {EffectId::SpaceFlight, 1, 3840},
        {EffectId::SpaceFlight, 5, 6912}, {EffectId::SpaceFlight, 9, 34560},
        {EffectId::Cursor, 5, 0},         {EffectId::Lightning, 5, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, DensityTargetCount(c.effect, c.density, 1920, 1080))
            << static_cast<int>(c.effect) << " at " << c.density;
    // A hand-edited value out of the slider's range is taken as its nearest end, so the
    // star count never divides by zero.
    EXPECT_EQ(DensityTargetCount(EffectId::SpaceFlight, 9, 1920, 1080),
              DensityTargetCount(EffectId::SpaceFlight, 10, 1920, 1080));
    EXPECT_EQ(10, DensityTargetCount(EffectId::Hearts, 0, 1920, 1080));
    EXPECT_EQ(0, DensityTargetCount(EffectId::SpaceFlight, 5, 0, 0)) << "not measured yet";
}

// Width and height of a PNG file, from its header.
bool PngSize(const std::string& path, std::uint32_t& width, std::uint32_t& height) {
    std::ifstream file(path, std::ios::binary);
    unsigned char header[24] = {};
    if (!file.read(reinterpret_cast<char*>(header), sizeof header))
        return false;
    auto big = [&](int at) {
        return std::uint32_t(header[at]) << 24 | std::uint32_t(header[at + 1]) << 16 |
               std::uint32_t(header[at + 2]) << 8 | header[at + 3];
    };
    width = big(16);
    height = big(20);
    return header[1] == 'P' && header[2] == 'N' && header[3] == 'G';
}

TEST(EffectPageTable, EveryPreviewFitsItsPage) {
    // A page of 322 × 229 dialog units of an 8-point "MS Shell Dlg" at 96 dpi.
    constexpr std::uint32_t kPageWidth = 483, kPageHeight = 372;
    for (const EffectPageLayout& layout : kEffectPageLayouts) {
        std::uint32_t width = 0, height = 0;
        const std::string path = std::string(ORVANE_SOURCE_DIR) + "/resources/png/" +
                                 std::to_string(layout.previewId) + ".png";
        ASSERT_TRUE(PngSize(path, width, height)) << path;
        EXPECT_LE(layout.previewX + width, kPageWidth) << layout.previewId;
        EXPECT_LE(layout.previewY + height, kPageHeight) << layout.previewId;
    }
}

} // namespace
} // namespace orvane
