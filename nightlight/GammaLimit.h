#pragma once

namespace orvane {

// Windows refuses gamma ramps beyond a built-in range unless the value
// "GdiICMGammaRange" = 256 is set under HKLM\SOFTWARE\Microsoft\Windows NT\CurrentVersion\ICM
// (read at system start). These address the 64-bit registry under WOW64.
bool GammaLimitLifted();
// Both need administrator rights; false when the registry refused.
bool LiftGammaLimit();
bool RestoreGammaLimit();

} // namespace orvane
