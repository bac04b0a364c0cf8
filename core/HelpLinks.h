#pragma once

#include <string>

namespace orvane {

// The product web site, home of the help pages and of the update page.
extern const wchar_t kProductSite[];
// The maker's web site, behind the About box's link.
extern const wchar_t kMakerSite[];

// The help page of a page key ("help", "effects", "night-light", ...), in Russian when
// the interface language is exactly "Russian".
std::wstring HelpAddress(const std::wstring& pageKey, const std::wstring& language);
// The page that offers the newest version; no version information is sent.
std::wstring UpdateAddress(const std::wstring& language);
// The product web site's home page.
std::wstring HomeAddress(const std::wstring& language);

} // namespace orvane
