#include "core/SettingsTable.h"

#include "core/SettingsKeys.h"

namespace orvane {
namespace {

constexpr SettingDefault Str(const wchar_t* key, const wchar_t* text) {
    return {key, SettingType::String, 0, text};
}
constexpr SettingDefault Int(const wchar_t* key, int value) {
    return {key, SettingType::Int, value, L""};
}
constexpr SettingDefault Bool(const wchar_t* key, bool value) {
    return {key, SettingType::Bool, value ? 1 : 0, L""};
}

} // namespace

const wchar_t kDefaultWebBackgroundUrl[] = L"https://time.is/clock/";

// The order below is the order of the file. Note the historic spelling "Wallaper" and
// the mixed "Effect"/"Effects" prefixes: they are part of the stored format.
const SettingDefault kSettingDefaults[] = {
    // General
    Str(key::strLanguage, L"English"),
    Bool(key::fAutoRun, true),
    Bool(key::fCreateSystemRestorePoint, true),
    Bool(key::fSystemRestorePointCreated, false),
    Bool(key::fDisableAtHighLoad, true),
    Bool(key::fAllowMultipleEffects, false),
    // Desktop background
    Int(key::iWallaperAutoChange, 0),
    Bool(key::fWallaperAutoChangeShuffle, false),
    Bool(key::fWallaperVideoEnable, false),
    Str(key::strWallaperVideoPath, L""),
    Int(key::iWallaperVideoEngine, 0),
    Bool(key::fWallaperWebEnable, false),
    Str(key::strWallaperWebURL, kDefaultWebBackgroundUrl),
    Bool(key::fWallaperScreensaverEnable, false),
    Str(key::strWallaperScreensaverPath, L""),
    // Screen saver, cursors, logon screen
    Int(key::iScreenSaverAutoChange, 0),
    Bool(key::fScreenSaverAutoChangeShuffle, false),
    Str(key::strCursorPath, L""),
    Str(key::strLogonScreenImage, L""),
    // Night light
    Int(key::iNightShiftColourTemperature, 4100),
    Bool(key::fNightShiftSchedule, false),
    Int(key::iNightShiftTimeFromHour, 22),
    Int(key::iNightShiftTimeFromMinute, 0),
    Int(key::iNightShiftTimeToHour, 6),
    Int(key::iNightShiftTimeToMinute, 0),
    Int(key::iNightShiftTransitionPhase, 60),
    // Tweaks re-applied at start-up
    Bool(key::fTweaksTransparencyTaskbar, false),
    Int(key::iTweaksTransparencyTaskbarValue, 70),
    Bool(key::fTweaksTransparencyStartMenu, false),
    Int(key::iTweaksTransparencyStartMenuValue, 80),
    Bool(key::fTweaksTransparencyVisibleWindows, false),
    Int(key::iTweaksTransparencyVisibleWindowsValue, 80),
    Bool(key::fTweaksGlassEffectTaskbar, false),
    // Effects
    Bool(key::fEffectsBalloons, false),
    Int(key::iEffectsBalloonsDensity, 1),
    Bool(key::fEffectsBalloonsDensityRandom, false),
    Bool(key::fEffectsBalloonsTop, false),
    Bool(key::fEffectConfetti, false),
    Int(key::iEffectConfettiDensity, 3),
    Bool(key::fEffectConfettiDensityRandom, false),
    Bool(key::fEffectConfettiTop, false),
    Bool(key::fEffectCursor, false),
    Str(key::strEffectCursorEffect, L"FAIRY_DUST"),
    Bool(key::fEffectCursorTop, true),
    Bool(key::fEffectDandelions, false),
    Int(key::iEffectDandelionsDensity, 1),
    Bool(key::fEffectDandelionsDensityRandom, false),
    Int(key::iEffectDandelionsWind, 5),
    Bool(key::fEffectDandelionsWindRandom, false),
    Bool(key::fEffectDandelionsTop, false),
    Bool(key::fEffectFallingPetals, false),
    Str(key::strEffectFallingPetalsColor, L"red"),
    Int(key::iEffectFallingPetalsDensity, 5),
    Bool(key::fEffectFallingPetalsDensityRandom, false),
    Int(key::iEffectFallingPetalsWind, 5),
    Bool(key::fEffectFallingPetalsWindRandom, false),
    Bool(key::fEffectFallingPetalsTop, false),
    Bool(key::fEffectFireflies, false),
    Int(key::iEffectFirefliesDensity, 1),
    Bool(key::fEffectFirefliesDensityRandom, false),
    Bool(key::fEffectFirefliesTop, false),
    Bool(key::fEffectFirefliesColorful, false),
    Bool(key::fEffectHearts, false),
    Int(key::iEffectHeartsDensity, 1),
    Bool(key::fEffectHeartsDensityRandom, false),
    Bool(key::fEffectHeartsTop, false),
    Bool(key::fEffectLightning, false),
    Bool(key::fEffectLightningTop, false),
    Bool(key::fGarland, false),
    Bool(key::fGarlandTop, false),
    Bool(key::fGarlandRandom, false),
    Int(key::iGarland, 0),
    Bool(key::fFlashRandom, false),
    Int(key::iFlash, 1),
    Int(key::iFlashSpeed, 5),
    Bool(key::fTop, false),
    Bool(key::fEffectsLeafFall, false),
    Int(key::iEffectsLeafFallDensity, 1),
    Bool(key::fEffectsLeafFallDensityRandom, false),
    Int(key::iEffectsLeafFallWind, 5),
    Bool(key::fEffectsLeafFallWindRandom, false),
    Bool(key::fEffectsLeafFallTop, false),
    Bool(key::fEffectLeavesInTheWind, false),
    Int(key::iEffectLeavesInTheWindDensity, 1),
    Bool(key::fEffectLeavesInTheWindDensityRandom, false),
    Int(key::iEffectLeavesInTheWindWind, 5),
    Bool(key::fEffectLeavesInTheWindWindRandom, false),
    Bool(key::fEffectLeavesInTheWindTop, false),
    Bool(key::fEffectRain, false),
    Int(key::iEffectRainDensity, 1),
    Bool(key::fEffectRainDensityRandom, false),
    Bool(key::fEffectRainTop, false),
    Bool(key::fEffectRainFlowers, false),
    Int(key::iEffectRainFlowersDensity, 5),
    Bool(key::fEffectRainFlowersDensityRandom, false),
    Bool(key::fEffectRainFlowersTop, false),
    Bool(key::fEffectSmoke, false),
    Bool(key::fEffectSmokeTop, false),
    Int(key::iEffectSmokeDensity, 1),
    Bool(key::fEffectSmokeDensityRandom, false),
    Bool(key::fEffectSpaceFlight, false),
    Int(key::iEffectSpaceFlightDensity, 5),
    Bool(key::fEffectSpaceFlightTop, false),
    Bool(key::fEffectSweets, false),
    Int(key::iEffectSweetsDensity, 1),
    Bool(key::fEffectSweetsDensityRandom, false),
    Bool(key::fEffectSweetsTop, false),
    Bool(key::fEffectsEveryMonitor, true),
};
const std::size_t kSettingDefaultCount = sizeof(kSettingDefaults) / sizeof(kSettingDefaults[0]);

// Applied after loading, in this order; every draw consumes one number of the shared
// generator, so the order matters for reproducibility.
const RandomSetting kRandomSettings[] = {
    {key::fEffectsBalloonsDensityRandom, key::iEffectsBalloonsDensity, 5, 1},
    {key::fEffectDandelionsDensityRandom, key::iEffectDandelionsDensity, 5, 1},
    {key::fEffectDandelionsWindRandom, key::iEffectDandelionsWind, 9, 1},
    {key::fEffectHeartsDensityRandom, key::iEffectHeartsDensity, 5, 1},
    {key::fGarlandRandom, key::iGarland, 6, 0},
    {key::fFlashRandom, key::iFlash, 5, 0},
    {key::fEffectsLeafFallDensityRandom, key::iEffectsLeafFallDensity, 5, 1},
    {key::fEffectsLeafFallWindRandom, key::iEffectsLeafFallWind, 9, 1},
    {key::fEffectLeavesInTheWindDensityRandom, key::iEffectLeavesInTheWindDensity, 5, 1},
    {key::fEffectLeavesInTheWindWindRandom, key::iEffectLeavesInTheWindWind, 9, 1},
    {key::fEffectSweetsDensityRandom, key::iEffectSweetsDensity, 5, 1},
};
const std::size_t kRandomSettingCount = sizeof(kRandomSettings) / sizeof(kRandomSettings[0]);

} // namespace orvane
