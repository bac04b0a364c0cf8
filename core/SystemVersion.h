#pragma once

#include <string>

namespace orvane {

struct SystemVersion {
    unsigned major;
    unsigned minor;
    unsigned build;
};

// The name the Tweaks page uses to pick its catalogue: "Windows11", "Windows10",
// "Windows8", "Windows7", or empty for older systems.
std::wstring SystemName(const SystemVersion& version);

// The logon-screen background can be changed this way only on Windows Vista and 7.
bool HasLogonScreenTab(const SystemVersion& version);

// The running system's version, as the version checks see it (Windows only).
SystemVersion CurrentSystemVersion();

} // namespace orvane
