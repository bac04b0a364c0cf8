#include "app/SettingsTable.h"

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
    Str(L"strLanguage", L"English"),
    Bool(L"fAutoRun", true),
    Bool(L"fCreateSystemRestorePoint", true),
    Bool(L"fSystemRestorePointCreated", false),
    Bool(L"fDisableAtHighLoad", true),
    Bool(L"fAllowMultipleEffects", false),
    // Desktop background
    Int(L"iWallaperAutoChange", 0),
    Bool(L"fWallaperAutoChangeShuffle", false),
    Bool(L"fWallaperVideoEnable", false),
    Str(L"strWallaperVideoPath", L""),
    Int(L"iWallaperVideoEngine", 0),
    Bool(L"fWallaperWebEnable", false),
    Str(L"strWallaperWebURL", kDefaultWebBackgroundUrl),
    Bool(L"fWallaperScreensaverEnable", false),
    Str(L"strWallaperScreensaverPath", L""),
    // Screen saver, cursors, logon screen
    Int(L"iScreenSaverAutoChange", 0),
    Bool(L"fScreenSaverAutoChangeShuffle", false),
    Str(L"strCursorPath", L""),
    Str(L"strLogonScreenImage", L""),
    // Night light
    Int(L"iNightShiftColourTemperature", 4100),
    Bool(L"fNightShiftSchedule", false),
    Int(L"iNightShiftTimeFromHour", 22),
    Int(L"iNightShiftTimeFromMinute", 0),
    Int(L"iNightShiftTimeToHour", 6),
    Int(L"iNightShiftTimeToMinute", 0),
    Int(L"iNightShiftTransitionPhase", 60),
    // Tweaks re-applied at start-up
    Bool(L"fTweaksTransparencyTaskbar", false),
    Int(L"iTweaksTransparencyTaskbarValue", 70),
    Bool(L"fTweaksTransparencyStartMenu", false),
    Int(L"iTweaksTransparencyStartMenuValue", 80),
    Bool(L"fTweaksTransparencyVisibleWindows", false),
    Int(L"iTweaksTransparencyVisibleWindowsValue", 80),
    Bool(L"fTweaksGlassEffectTaskbar", false),
    // Effects
    Bool(L"fEffectsBalloons", false),
    Int(L"iEffectsBalloonsDensity", 1),
    Bool(L"fEffectsBalloonsDensityRandom", false),
    Bool(L"fEffectsBalloonsTop", false),
    Bool(L"fEffectConfetti", false),
    Int(L"iEffectConfettiDensity", 3),
    Bool(L"fEffectConfettiDensityRandom", false),
    Bool(L"fEffectConfettiTop", false),
    Bool(L"fEffectCursor", false),
    Str(L"strEffectCursorEffect", L"FAIRY_DUST"),
    Bool(L"fEffectCursorTop", true),
    Bool(L"fEffectDandelions", false),
    Int(L"iEffectDandelionsDensity", 1),
    Bool(L"fEffectDandelionsDensityRandom", false),
    Int(L"iEffectDandelionsWind", 5),
    Bool(L"fEffectDandelionsWindRandom", false),
    Bool(L"fEffectDandelionsTop", false),
    Bool(L"fEffectFallingPetals", false),
    Str(L"strEffectFallingPetalsColor", L"red"),
    Int(L"iEffectFallingPetalsDensity", 5),
    Bool(L"fEffectFallingPetalsDensityRandom", false),
    Int(L"iEffectFallingPetalsWind", 5),
    Bool(L"fEffectFallingPetalsWindRandom", false),
    Bool(L"fEffectFallingPetalsTop", false),
    Bool(L"fEffectFireflies", false),
    Int(L"iEffectFirefliesDensity", 1),
    Bool(L"fEffectFirefliesDensityRandom", false),
    Bool(L"fEffectFirefliesTop", false),
    Bool(L"fEffectFirefliesColorful", false),
    Bool(L"fEffectHearts", false),
    Int(L"iEffectHeartsDensity", 1),
    Bool(L"fEffectHeartsDensityRandom", false),
    Bool(L"fEffectHeartsTop", false),
    Bool(L"fEffectLightning", false),
    Bool(L"fEffectLightningTop", false),
    Bool(L"fGarland", false),
    Bool(L"fGarlandTop", false),
    Bool(L"fGarlandRandom", false),
    Int(L"iGarland", 0),
    Bool(L"fFlashRandom", false),
    Int(L"iFlash", 1),
    Int(L"iFlashSpeed", 5),
    Bool(L"fTop", false),
    Bool(L"fEffectsLeafFall", false),
    Int(L"iEffectsLeafFallDensity", 1),
    Bool(L"fEffectsLeafFallDensityRandom", false),
    Int(L"iEffectsLeafFallWind", 5),
    Bool(L"fEffectsLeafFallWindRandom", false),
    Bool(L"fEffectsLeafFallTop", false),
    Bool(L"fEffectLeavesInTheWind", false),
    Int(L"iEffectLeavesInTheWindDensity", 1),
    Bool(L"fEffectLeavesInTheWindDensityRandom", false),
    Int(L"iEffectLeavesInTheWindWind", 5),
    Bool(L"fEffectLeavesInTheWindWindRandom", false),
    Bool(L"fEffectLeavesInTheWindTop", false),
    Bool(L"fEffectRain", false),
    Int(L"iEffectRainDensity", 1),
    Bool(L"fEffectRainDensityRandom", false),
    Bool(L"fEffectRainTop", false),
    Bool(L"fEffectRainFlowers", false),
    Int(L"iEffectRainFlowersDensity", 5),
    Bool(L"fEffectRainFlowersDensityRandom", false),
    Bool(L"fEffectRainFlowersTop", false),
    Bool(L"fEffectSmoke", false),
    Bool(L"fEffectSmokeTop", false),
    Int(L"iEffectSmokeDensity", 1),
    Bool(L"fEffectSmokeDensityRandom", false),
    Bool(L"fEffectSpaceFlight", false),
    Int(L"iEffectSpaceFlightDensity", 5),
    Bool(L"fEffectSpaceFlightTop", false),
    Bool(L"fEffectSweets", false),
    Int(L"iEffectSweetsDensity", 1),
    Bool(L"fEffectSweetsDensityRandom", false),
    Bool(L"fEffectSweetsTop", false),
};
const std::size_t kSettingDefaultCount = sizeof(kSettingDefaults) / sizeof(kSettingDefaults[0]);

// Applied after loading, in this order; every draw consumes one number of the shared
// generator, so the order matters for reproducibility.
const RandomSetting kRandomSettings[] = {
    {L"fEffectsBalloonsDensityRandom", L"iEffectsBalloonsDensity", 5, 1},
    {L"fEffectDandelionsDensityRandom", L"iEffectDandelionsDensity", 5, 1},
    {L"fEffectDandelionsWindRandom", L"iEffectDandelionsWind", 9, 1},
    {L"fEffectHeartsDensityRandom", L"iEffectHeartsDensity", 5, 1},
    {L"fGarlandRandom", L"iGarland", 6, 0},
    {L"fFlashRandom", L"iFlash", 5, 0},
    {L"fEffectsLeafFallDensityRandom", L"iEffectsLeafFallDensity", 5, 1},
    {L"fEffectsLeafFallWindRandom", L"iEffectsLeafFallWind", 9, 1},
    {L"fEffectLeavesInTheWindDensityRandom", L"iEffectLeavesInTheWindDensity", 5, 1},
    {L"fEffectLeavesInTheWindWindRandom", L"iEffectLeavesInTheWindWind", 9, 1},
    {L"fEffectSweetsDensityRandom", L"iEffectSweetsDensity", 5, 1},
};
const std::size_t kRandomSettingCount = sizeof(kRandomSettings) / sizeof(kRandomSettings[0]);

} // namespace orvane
