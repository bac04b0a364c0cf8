#include "core/HelpLinks.h"

namespace orvane {

const wchar_t kProductSite[] = L"https://orvane.teskan.com";
const wchar_t kMakerSite[] = L"https://teskan.com";

namespace {
bool IsRussian(const std::wstring& language) { return language == L"Russian"; }
} // namespace

std::wstring HelpAddress(const std::wstring& pageKey, const std::wstring& language) {
    std::wstring address = std::wstring(kProductSite) + L"/windows-app/?p=" + pageKey;
    if (IsRussian(language))
        address += L"&lng=ru";
    return address;
}

std::wstring UpdateAddress(const std::wstring& language) {
    return std::wstring(kProductSite) + (IsRussian(language) ? L"/windows-app/?lng=ru" : L"/windows-app");
}

std::wstring HomeAddress(const std::wstring& language) {
    return std::wstring(kProductSite) + (IsRussian(language) ? L"/?lng=ru" : L"/");
}

} // namespace orvane
