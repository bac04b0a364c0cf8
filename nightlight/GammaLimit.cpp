#include "nightlight/GammaLimit.h"

#include "core/SystemAccess.h"

namespace orvane {
namespace {

const wchar_t kIcmKey[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\ICM";
const wchar_t kGammaRange[] = L"GdiICMGammaRange";
constexpr DWORD kLiftedRange = 256;

} // namespace

bool GammaLimitLifted() {
    return RegValueEquals(HKEY_LOCAL_MACHINE, kIcmKey, kGammaRange, REG_DWORD, &kLiftedRange);
}

bool LiftGammaLimit() {
    return WriteRegValue(HKEY_LOCAL_MACHINE, kIcmKey, kGammaRange, REG_DWORD, &kLiftedRange,
                         sizeof kLiftedRange);
}

bool RestoreGammaLimit() {
    return DeleteRegValue(HKEY_LOCAL_MACHINE, kIcmKey, kGammaRange);
}

} // namespace orvane
