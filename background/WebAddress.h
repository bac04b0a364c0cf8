#pragma once

#include <string>
#include <vector>

namespace orvane {

// The host of the default clock page, taken from its address.
std::wstring DefaultClockHost();

// The address WebView2 is sent to. An address with a scheme (any case) keeps it, a
// Windows path becomes a "file:" address, anything else gets "http://" in front. Web
// addresses on the clock page's host get the referral parameter in their query, before
// any fragment; files and other hosts get none.
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
