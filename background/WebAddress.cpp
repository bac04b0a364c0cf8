#include "background/WebAddress.h"

#include "app/HelpLinks.h"
#include "app/SettingsTable.h"

#include <cwchar>

namespace orvane {
namespace {

bool StartsWith(const std::wstring& text, const wchar_t* prefix) {
    return text.compare(0, std::wcslen(prefix), prefix) == 0;
}

} // namespace

std::wstring DefaultClockHost() {
    const std::wstring address = kDefaultWebBackgroundUrl;
    const std::size_t scheme = address.find(L"://");
    const std::size_t start = scheme == std::wstring::npos ? 0 : scheme + 3;
    return address.substr(start, address.find(L'/', start) - start);
}

std::wstring NormaliseWebAddress(const std::wstring& address) {
    std::wstring result = address;
    if (!StartsWith(result, L"http://") && !StartsWith(result, L"https://"))
        result.insert(0, L"http://");
    if (result.find(DefaultClockHost()) != std::wstring::npos)
        result += result.find(L'?') != std::wstring::npos ? L"&from=ov_win" : L"?from=ov_win";
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
