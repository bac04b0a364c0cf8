#include "core/Options.h"
#include "framework/Random.h"
#include "MemoryProfile.h"

#include <gtest/gtest.h>

#include <set>

namespace orvane {
namespace {

using test::MemoryProfile;

TEST(SettingsTable, HoldsEveryKeyOnceWithTheTypeItsPrefixNames) {
    ASSERT_EQ(108u, kSettingDefaultCount);
    std::set<std::wstring> seen;
    for (std::size_t i = 0; i < kSettingDefaultCount; ++i) {
        const SettingDefault& d = kSettingDefaults[i];
        const std::wstring key = d.key;
        EXPECT_TRUE(seen.insert(key).second) << "twice: " << std::string(key.begin(), key.end());
        SettingType expected = SettingType::Bool;
        if (key.rfind(L"str", 0) == 0)
            expected = SettingType::String;
        else if (key.rfind(L"i", 0) == 0)
            expected = SettingType::Int;
        else
            EXPECT_EQ(0u, key.rfind(L"f", 0));
        EXPECT_EQ(expected, d.type) << std::string(key.begin(), key.end());
    }
    for (std::size_t i = 0; i < kRandomSettingCount; ++i) {
        EXPECT_TRUE(seen.count(kRandomSettings[i].flag));
        EXPECT_TRUE(seen.count(kRandomSettings[i].target));
    }
}

TEST(Options, StartsWithTheDefaultsInTableOrder) {
    COptions options;
    ASSERT_EQ(108u, options.Entries().size());
    EXPECT_EQ(L"strLanguage", options.Entries().front().key);
    EXPECT_EQ(L"fEffectsEveryMonitor", options.Entries().back().key);
    EXPECT_EQ(L"English", options.GetString(L"strLanguage"));
    EXPECT_TRUE(options.GetBool(L"fAutoRun"));
    EXPECT_TRUE(options.GetBool(L"fEffectCursorTop"));
    EXPECT_EQ(4100, options.GetInt(L"iNightShiftColourTemperature"));
    EXPECT_EQ(22, options.GetInt(L"iNightShiftTimeFromHour"));
    EXPECT_EQ(70, options.GetInt(L"iTweaksTransparencyTaskbarValue"));
    EXPECT_EQ(L"FAIRY_DUST", options.GetString(L"strEffectCursorEffect"));
    EXPECT_EQ(L"red", options.GetString(L"strEffectFallingPetalsColor"));
    EXPECT_EQ(1, options.GetInt(L"iFlash"));
    EXPECT_EQ(0u, options.GetString(L"strWallaperWebURL").rfind(L"https://", 0));
}

TEST(Options, FirstSaveWritesTheWholeTableInOrder) {
    COptions options;
    MemoryProfile file;
    options.Load(file);
    options.Save(file);
    ASSERT_EQ(108u, file.lines.size());
    for (std::size_t i = 0; i < file.lines.size(); ++i) {
        EXPECT_EQ(L"Settings", file.lines[i].first.first);
        EXPECT_EQ(kSettingDefaults[i].key, file.lines[i].first.second);
    }
    EXPECT_EQ(L"English", file.lines[0].second);
    EXPECT_EQ(L"1", file.lines[1].second);  // fAutoRun
    EXPECT_EQ(L"0", file.lines[3].second);  // fSystemRestorePointCreated
    EXPECT_EQ(L"4100", file.lines[19].second);
}

TEST(Options, ASingleStoredKeyKeepsEveryOtherDefault) {
    COptions options;
    MemoryProfile file;
    file.Set(L"fEffectsLeafFall", L"1");
    options.Load(file);
    EXPECT_TRUE(options.GetBool(L"fEffectsLeafFall"));
    for (const SettingEntry& e : options.Entries()) {
        if (e.key == L"fEffectsLeafFall")
            continue;
        for (std::size_t i = 0; i < kSettingDefaultCount; ++i)
            if (kSettingDefaults[i].key == e.key) {
                EXPECT_EQ(kSettingDefaults[i].text, e.text);
                EXPECT_EQ(kSettingDefaults[i].type == SettingType::Int ? kSettingDefaults[i].number : 0,
                          e.number);
                EXPECT_EQ(kSettingDefaults[i].type == SettingType::Bool ? kSettingDefaults[i].number : 0,
                          e.flag);
            }
    }
    options.Save(file);
    EXPECT_EQ(108u, file.lines.size());
}

TEST(Options, ReadsStoredValuesByType) {
    COptions options;
    MemoryProfile file;
    file.Set(L"strLanguage", L"Russian");
    file.Set(L"iGarland", L"4");
    file.Set(L"fAutoRun", L"0");
    file.Set(L"fGarland", L"7"); // any non-zero number is "on"
    file.Set(L"iNightShiftTransitionPhase", L"-5");
    options.Load(file);
    EXPECT_EQ(L"Russian", options.GetString(L"strLanguage"));
    EXPECT_EQ(4, options.GetInt(L"iGarland"));
    EXPECT_FALSE(options.GetBool(L"fAutoRun"));
    EXPECT_TRUE(options.GetBool(L"fGarland"));
    EXPECT_EQ(0, options.GetInt(L"iNightShiftTransitionPhase"));
    options.Save(file);
    for (const auto& line : file.lines)
        if (line.first.second == L"fGarland")
            EXPECT_EQ(L"1", line.second);
}

TEST(Options, CutsStoredTextsTo259Characters) {
    COptions options;
    MemoryProfile file;
    const std::wstring exact(259, L'x');
    file.Set(L"strWallaperVideoPath", exact);
    file.Set(L"strCursorPath", std::wstring(300, L'y'));
    options.Load(file);
    EXPECT_EQ(exact, options.GetString(L"strWallaperVideoPath"));
    EXPECT_EQ(std::wstring(259, L'y'), options.GetString(L"strCursorPath"));
}

TEST(Options, SettersChangeOnlyTheirOwnField) {
    COptions options;
    options.SetInt(L"fAutoRun", 0); // an int setter on a bool key
    EXPECT_TRUE(options.GetBool(L"fAutoRun"));
    EXPECT_EQ(0, options.GetInt(L"fAutoRun")); // wrong type reads as 0
    options.SetString(L"iGarland", L"5");
    EXPECT_EQ(0, options.GetInt(L"iGarland"));
    EXPECT_EQ(L"", options.GetString(L"iGarland"));

    MemoryProfile file;
    options.Save(file);
    for (const auto& line : file.lines)
        if (line.first.second == L"fAutoRun")
            EXPECT_EQ(L"1", line.second);
}

TEST(Options, KeysAreCaseSensitiveAndNewKeysAreAppended) {
    COptions options;
    EXPECT_FALSE(options.GetBool(L"fautorun"));
    EXPECT_EQ(0, options.GetInt(L"IGARLAND"));
    options.SetBool(L"fautorun", false);
    ASSERT_EQ(109u, options.Entries().size());
    EXPECT_EQ(L"fautorun", options.Entries().back().key);
    EXPECT_TRUE(options.GetBool(L"fAutoRun"));
}

TEST(Options, GetStringCutsToTheBufferOrLeavesItAlone) {
    COptions options;
    wchar_t buffer[8] = L"keep";
    options.GetString(L"strMissing", buffer, 8);
    EXPECT_STREQ(L"keep", buffer);
    options.GetString(L"fAutoRun", buffer, 8); // not a string key
    EXPECT_STREQ(L"keep", buffer);
    options.GetString(L"strEffectCursorEffect", buffer, 8);
    EXPECT_STREQ(L"FAIRY_D", buffer);
    options.GetString(L"strEffectFallingPetalsColor", buffer, 8);
    EXPECT_STREQ(L"red", buffer);
}

TEST(Options, DrawsRandomValuesOnlyForSetFlagsInTableOrder) {
    COptions options;
    MemoryProfile file;
    file.Set(L"fEffectsBalloonsDensityRandom", L"1");
    file.Set(L"fEffectDandelionsWindRandom", L"1");
    file.Set(L"fGarlandRandom", L"1");
    file.Set(L"iGarland", L"1");
    file.Set(L"iEffectHeartsDensity", L"3"); // its random flag is clear
    SeedRandom(1);                          // 41, 18467, 6334, ...
    options.Load(file);
    EXPECT_EQ(41 % 5 + 1, options.GetInt(L"iEffectsBalloonsDensity"));
    EXPECT_EQ(18467 % 9 + 1, options.GetInt(L"iEffectDandelionsWind"));
    EXPECT_EQ(6334 % 6, options.GetInt(L"iGarland"));
    EXPECT_EQ(3, options.GetInt(L"iEffectHeartsDensity"));
    EXPECT_EQ(1, options.GetInt(L"iEffectDandelionsDensity"));

    options.Save(file);
    for (const auto& line : file.lines)
        if (line.first.second == L"iGarland")
            EXPECT_EQ(std::to_wstring(6334 % 6), line.second);
}

TEST(Options, FlagsReadOnlyByTheirPagesDrawNothing) {
    COptions options;
    MemoryProfile file;
    for (const wchar_t* flag : {L"fEffectConfettiDensityRandom", L"fEffectFallingPetalsWindRandom",
                                L"fEffectFirefliesDensityRandom", L"fEffectSmokeDensityRandom"})
        file.Set(flag, L"1");
    SeedRandom(1);
    options.Load(file);
    EXPECT_EQ(3, options.GetInt(L"iEffectConfettiDensity"));
    EXPECT_EQ(5, options.GetInt(L"iEffectFallingPetalsWind"));
    EXPECT_EQ(41, Rand()); // the generator was not touched
}

} // namespace
} // namespace orvane
