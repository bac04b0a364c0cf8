#include "core/HelpLinks.h"
#include "core/SystemVersion.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(HelpLinks, EveryPageKeyInEnglishAndRussian) {
    const std::wstring base = std::wstring(kProductSite) + L"/windows-app/?p=";
    for (const wchar_t* key :
         {L"help", L"background-picture", L"background-video", L"background-web",
          L"background-screen-saver", L"screen-saver", L"logon-screen", L"cursor", L"effects",
          L"tweaks", L"night-light"}) {
        EXPECT_EQ(base + key, HelpAddress(key, L"English"));
        EXPECT_EQ(base + key + L"&lng=ru", HelpAddress(key, L"Russian"));
        EXPECT_EQ(base + key, HelpAddress(key, L"russian")) << "the name is matched exactly";
        EXPECT_EQ(base + key, HelpAddress(key, L"German"));
    }
    EXPECT_EQ(0u, HelpAddress(L"help", L"English").rfind(L"https://", 0));
}

TEST(HelpLinks, UpdatePageSendsNoVersion) {
    EXPECT_EQ(std::wstring(kProductSite) + L"/windows-app", UpdateAddress(L"English"));
    EXPECT_EQ(std::wstring(kProductSite) + L"/windows-app/?lng=ru", UpdateAddress(L"Russian"));
}

TEST(SystemVersion, NamesTheCatalogueAndDecidesTheLogonTab) {
    const struct {
        SystemVersion version;
        const wchar_t* name;
        bool logonTab;
    } cases[] = {
        {{5, 1, 2600}, L"", false},          {{6, 0, 6002}, L"", true},
        {{6, 1, 7601}, L"Windows7", true},   {{6, 2, 9200}, L"Windows8", false},
        {{6, 3, 9600}, L"Windows8", false},  {{10, 0, 19045}, L"Windows10", false},
        {{10, 0, 21999}, L"Windows10", false}, {{10, 0, 22000}, L"Windows11", false},
        {{10, 0, 26100}, L"Windows11", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.name, SystemName(c.version)) << c.version.major << "." << c.version.minor;
        EXPECT_EQ(c.logonTab, HasLogonScreenTab(c.version)) << c.version.major << "." << c.version.minor;
    }
}

} // namespace
} // namespace orvane
