#pragma once

#include <string>
#include <vector>

namespace orvane {

// The host of the default clock page, taken from its address.
std::wstring DefaultClockHost();

// The address WebView2 is sent to: "http://" in front of an address that does not begin
// with "http://" or "https://" (compared case-sensitively), and the referral parameter
// on any address that names the clock page's host.
std::wstring NormaliseWebAddress(const std::wstring& address);

// Whether a folder name reads as a runtime version: four integers joined by dots.
bool IsVersionFolderName(const std::wstring& name);

// The runtime folder named by the uninstall key: its install location and version, with
// one backslash between. Empty when either is missing.
std::wstring RuntimeFolderOf(const std::wstring& installLocation, const std::wstring& version);

// The runtime folders to try, in order: the installed runtime (empty string), the
// uninstall key's folder when there is one, then the version folders found.
std::vector<std::wstring> RuntimeCandidates(const std::wstring& registryFolder,
                                            const std::vector<std::wstring>& versionFolders);

// The product web site's video gallery, in Russian for the Russian interface.
std::wstring VideosAddress(const std::wstring& language);

} // namespace orvane
