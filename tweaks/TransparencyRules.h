#pragma once

#include "tweaks/NumericText.h"

namespace orvane {

// A shell window's transparency is kept as a percentage of opacity; stored values are
// kept as they are but used within this range.
constexpr NumericRange kOpacityRange{20, 100};

// The constant alpha of a layered window at a percentage, the percentage used within
// kOpacityRange: 20 % is 51, 70 % is 178, 100 % is 255.
int LayeredAlpha(int percent);

// The title of the Windows 10 and later start menu window in a user interface language
// (a LANGID; its primary language picks the title, "Start" for the languages not known).
const wchar_t* StartMenuTitle(unsigned uiLanguage);

} // namespace orvane
