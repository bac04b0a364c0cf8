#include "core/SystemVersion.h"

namespace orvane {
namespace {
bool AtLeast(const SystemVersion& v, unsigned major, unsigned minor) {
    return v.major > major || (v.major == major && v.minor >= minor);
}
} // namespace

std::wstring SystemName(const SystemVersion& version) {
    if (AtLeast(version, 10, 0))
        return version.build >= 22000 ? L"Windows11" : L"Windows10";
    if (AtLeast(version, 6, 2))
        return L"Windows8";
    if (AtLeast(version, 6, 1))
        return L"Windows7";
    return L"";
}

bool HasLogonScreenTab(const SystemVersion& version) {
    return AtLeast(version, 6, 0) && !AtLeast(version, 6, 2);
}

} // namespace orvane
