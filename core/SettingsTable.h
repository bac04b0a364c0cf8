#pragma once

#include <cstddef>

// Every key of settings.ini with its type and default, in file order, and the keys
// whose value is drawn at random at start-up. This table is the configuration
// vocabulary of the whole program.
namespace orvane {

enum class SettingType { String, Int, Bool };

struct SettingDefault {
    const wchar_t* key;
    SettingType type;
    int number;         // Int and Bool defaults
    const wchar_t* text; // String defaults
};

struct RandomSetting {
    const wchar_t* flag;   // bool key that asks for a random value
    const wchar_t* target; // int key that receives it
    int modulus;           // value = Rand() % modulus + offset
    int offset;
};

extern const SettingDefault kSettingDefaults[];
extern const std::size_t kSettingDefaultCount;

extern const RandomSetting kRandomSettings[];
extern const std::size_t kRandomSettingCount;

// The page the web background shows until the user picks another.
extern const wchar_t kDefaultWebBackgroundUrl[];

} // namespace orvane
