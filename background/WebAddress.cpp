#include "background/WebAddress.h"

#include "core/HelpLinks.h"
#include "core/SettingsTable.h"

#include <cwchar>

namespace orvane {
namespace {

bool IsAsciiLetter(wchar_t c) {
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z');
}

bool IsAsciiDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

std::wstring Lowered(std::wstring text) {
    for (wchar_t& c : text)
        if (c >= L'A' && c <= L'Z')
            c = static_cast<wchar_t>(c - L'A' + L'a');
    return text;
}

// The scheme an address starts with ("https", "file", "about"...), without its colon;
// empty when it has none. A drive letter ("C:") and a host with a port
// ("localhost:8080") are not schemes.
std::wstring SchemeOf(const std::wstring& address) {
    if (address.empty() || !IsAsciiLetter(address[0]))
        return {};
    std::size_t end = 1;
    while (end < address.size() &&
           (IsAsciiLetter(address[end]) || IsAsciiDigit(address[end]) || address[end] == L'+' ||
            address[end] == L'-' || address[end] == L'.'))
        ++end;
    if (end < 2 || end >= address.size() || address[end] != L':')
        return {};
    std::size_t digits = end + 1;
    while (digits < address.size() && IsAsciiDigit(address[digits]))
        ++digits;
    const bool port = digits > end + 1 && (digits == address.size() || address[digits] == L'/' ||
                                           address[digits] == L'?' || address[digits] == L'#');
    return port ? std::wstring() : address.substr(0, end);
}

// "C:\page.html", "C:/page.html" or "\\server\share\page.html": a file the user named.
bool IsWindowsPath(const std::wstring& address) {
    if (address.size() >= 3 && IsAsciiLetter(address[0]) && address[1] == L':' &&
        (address[2] == L'\\' || address[2] == L'/'))
        return true;
    return address.size() >= 3 && address[0] == L'\\' && address[1] == L'\\';
}

std::wstring FileAddressOf(const std::wstring& path) {
    std::wstring address = path;
    for (wchar_t& c : address)
        if (c == L'\\')
            c = L'/';
    // A drive path takes three slashes; a share's server stands where the host goes.
    return address[0] == L'/' ? L"file:" + address : L"file:///" + address;
}

// The host of an address with a scheme and "//", without user name and port.
std::wstring HostOf(const std::wstring& address) {
    const std::size_t slashes = address.find(L"://");
    if (slashes == std::wstring::npos)
        return {};
    const std::size_t start = slashes + 3;
    const std::size_t end = address.find_first_of(L"/?#", start);
    std::wstring authority =
        address.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
    const std::size_t at = authority.rfind(L'@');
    if (at != std::wstring::npos)
        authority.erase(0, at + 1);
    const std::size_t colon = authority.find(L':');
    if (colon != std::wstring::npos)
        authority.erase(colon);
    return Lowered(authority);
}

// Only web addresses on the clock's host (or below it) carry the referral: not a file,
// not a local server, not another site that merely names the host in its path.
bool IsOnClockHost(const std::wstring& address) {
    const std::wstring scheme = Lowered(SchemeOf(address));
    if (scheme != L"http" && scheme != L"https")
        return false;
    const std::wstring host = HostOf(address);
    const std::wstring clock = Lowered(DefaultClockHost());
    if (host == clock)
        return true;
    return host.size() > clock.size() + 1 &&
           host.compare(host.size() - clock.size(), clock.size(), clock) == 0 &&
           host[host.size() - clock.size() - 1] == L'.';
}

} // namespace

std::wstring DefaultClockHost() {
    const std::wstring address = kDefaultWebBackgroundUrl;
    const std::size_t scheme = address.find(L"://");
    const std::size_t start = scheme == std::wstring::npos ? 0 : scheme + 3;
    return address.substr(start, address.find(L'/', start) - start);
}

std::wstring NormaliseWebAddress(const std::wstring& address) {
    std::wstring result;
    if (IsWindowsPath(address))
        result = FileAddressOf(address);
    else if (SchemeOf(address).empty())
        result = L"http://" + address;
    else
        result = address;

    if (IsOnClockHost(result)) {
        // The referral belongs to the query, which ends where the fragment begins.
        const std::size_t fragment = result.find(L'#');
        const std::size_t query = result.find(L'?');
        const bool hasQuery = query != std::wstring::npos && query < fragment;
        result.insert(fragment == std::wstring::npos ? result.size() : fragment,
                      hasQuery ? L"&from=ov_win" : L"?from=ov_win");
    }
    return result;
}

bool IsVersionFolderName(const std::wstring& name) {
    int a, b, c, d;
    return std::swscanf(name.c_str(), L"%d.%d.%d.%d", &a, &b, &c, &d) == 4;
}

std::wstring RuntimeFolderOf(const std::wstring& installLocation, const std::wstring& version) {
    if (installLocation.empty() || version.empty())
        return {};
    std::wstring folder = installLocation;
    if (folder.back() != L'\\')
        folder += L'\\';
    return folder + version;
}

std::vector<std::wstring> RuntimeCandidates(const std::wstring& registryFolder,
                                            const std::vector<std::wstring>& versionFolders) {
    std::vector<std::wstring> candidates{std::wstring()};
    if (!registryFolder.empty())
        candidates.push_back(registryFolder);
    candidates.insert(candidates.end(), versionFolders.begin(), versionFolders.end());
    return candidates;
}

std::wstring VideosAddress(const std::wstring& language) {
    return std::wstring(kProductSite) + (language == L"Russian" ? L"/videos/?lng=ru" : L"/videos");
}

} // namespace orvane
