#include "core/Translate.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <vector>

namespace orvane::test {
namespace {

const wchar_t kAlreadyRunning[] = L"The program is already running. The icon located in the "
                                  L"notification area (system tray) near the clock.";

std::wstring LanguageFile(const std::wstring& english, const std::wstring& native,
                          const std::wstring& texts) {
    std::wstring ini = L"[Language]\r\nlang_en=" + english + L"\r\n";
    if (!native.empty())
        ini += L"lang_native=" + native + L"\r\n";
    return ini + L"[Text]\r\n" + texts;
}

// The language files in the order the file system lists them.
std::vector<std::wstring> Enumerated(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW((folder + L"\\*.lng").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE)
        return names;
    do
        names.push_back(found.cFileName);
    while (FindNextFileW(find, &found));
    FindClose(find);
    return names;
}

// Ids 0 to 249.
constexpr std::size_t kTextCount = 250;

TEST(Translate, BuiltInTableHoldsIds0To249) {
    TempFolder empty;
    CTranslate translate;
    translate.SetFolder(empty.Path());
    translate.LoadLanguage(L"English");
    ASSERT_EQ(kTextCount, translate.Count());
    for (unsigned id = 0; id < kTextCount; ++id)
        EXPECT_FALSE(translate.Text(id).empty()) << id;
    EXPECT_EQ(L"Version 1.2", translate.Text(1));
    EXPECT_EQ(kAlreadyRunning, translate.Text(3));
    EXPECT_NE(std::wstring::npos, translate.Text(108).find(L"\u2019")) << "curly apostrophe";
    EXPECT_NE(std::wstring::npos, translate.Text(227).find(L"  ")) << "two spaces";
    EXPECT_THROW(translate.Text(kTextCount), std::out_of_range);
}

TEST(Translate, ALanguageFileOverridesOnlyTheTextsItHolds) {
    TempFolder folder;
    const std::wstring russian = L"\u041F\u0440\u043E\u0433\u0440\u0430\u043C\u043C\u0430 "
                                 L"\u0443\u0436\u0435 \u0437\u0430\u043F\u0443\u0449\u0435\u043D\u0430.";
    ASSERT_TRUE(WriteUtf16File(folder / L"Russian.lng",
                               LanguageFile(L"Russian", L"\u0420\u0443\u0441\u0441\u043A\u0438\u0439",
                                            L"3=" + russian + L"\r\n14=\u0421\u043F\u0440\u0430\u0432\u043A\u0430\\r\\n\u0438 \u0435\u0449\u0451\r\n")));
    CTranslate translate;
    translate.SetFolder(folder.Path());
    translate.LoadLanguage(L"Russian");
    EXPECT_EQ(Narrow(russian), Narrow(translate.Text(3)));
    EXPECT_EQ(Narrow(L"\u0421\u043F\u0440\u0430\u0432\u043A\u0430\r\n\u0438 \u0435\u0449\u0451"),
              Narrow(translate.Text(14)));
    EXPECT_EQ(L"Version 1.2", translate.Text(1));
    EXPECT_EQ(kTextCount, translate.Count());

    // A reload replaces every text again: back to English.
    translate.LoadLanguage(L"russian");
    EXPECT_EQ(kAlreadyRunning, translate.Text(3));
}

TEST(Translate, FirstEnumeratedFileWinsAmongEqualNames) {
    TempFolder folder;
    ASSERT_TRUE(WriteUtf16File(folder / L"a.lng", LanguageFile(L"Pirate", L"A", L"3=from a\r\n")));
    ASSERT_TRUE(WriteUtf16File(folder / L"b.lng", LanguageFile(L"Pirate", L"B", L"3=from b\r\n")));
    const std::vector<std::wstring> order = Enumerated(folder.Path());
    ASSERT_EQ(2u, order.size());
    CTranslate translate;
    translate.SetFolder(folder.Path());
    translate.LoadLanguage(L"Pirate");
    EXPECT_EQ(order[0] == L"a.lng" ? L"from a" : L"from b", translate.Text(3));
}

TEST(Translate, LanguageListShowsNativeNamesAndSelectsTheCurrentOne) {
    TempFolder folder;
    ASSERT_TRUE(WriteUtf16File(folder / L"one.lng", LanguageFile(L"Russian", L"\u0420\u0443\u0441\u0441\u043A\u0438\u0439", L"")));
    ASSERT_TRUE(WriteUtf16File(folder / L"two.lng", LanguageFile(L"Klingon", L"", L"")));
    const std::vector<std::wstring> order = Enumerated(folder.Path());
    ASSERT_EQ(2u, order.size());
    const int russianIndex = order[0] == L"one.lng" ? 0 : 1;

    HWND combo = CreateWindowW(WC_COMBOBOXW, L"", CBS_DROPDOWNLIST | WS_POPUP, 0, 0, 200, 200,
                               nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(nullptr, combo);
    CTranslate translate;
    translate.SetFolder(folder.Path());
    translate.FillLanguageList(combo, L"Russian");
    ASSERT_EQ(2, SendMessageW(combo, CB_GETCOUNT, 0, 0));
    EXPECT_EQ(russianIndex, SendMessageW(combo, CB_GETCURSEL, 0, 0));
    wchar_t item[64];
    SendMessageW(combo, CB_GETLBTEXT, 1 - russianIndex, reinterpret_cast<LPARAM>(item));
    EXPECT_STREQ(L"Unknown", item);

    std::wstring chosen = L"English";
    SendMessageW(combo, CB_SETCURSEL, 1 - russianIndex, 0);
    translate.LanguageAt(combo, chosen);
    EXPECT_EQ(L"Klingon", chosen);
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    translate.LanguageAt(combo, chosen);
    EXPECT_EQ(L"Klingon", chosen) << "no selection leaves the name alone";
    DestroyWindow(combo);
}

TEST(Translate, RelabelsControlsAndMenusKeepingPopups) {
    TempFolder empty;
    CTranslate translate;
    translate.SetFolder(empty.Path());
    translate.LoadLanguage(L"English");

    HWND window = CreateWindowW(L"STATIC", L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    HWND first = CreateWindowW(L"STATIC", L"x", WS_CHILD, 0, 0, 10, 10, window,
                               reinterpret_cast<HMENU>(1016), nullptr, nullptr);
    HWND second = CreateWindowW(L"STATIC", L"x", WS_CHILD, 0, 0, 10, 10, window,
                                reinterpret_cast<HMENU>(1193), nullptr, nullptr);
    const WORD pairs[] = {1016, 16, 1193, 14};
    translate.SetDlgItemTexts(window, pairs, sizeof pairs);
    wchar_t text[64];
    GetWindowTextW(first, text, 64);
    EXPECT_EQ(translate.Text(16), text);
    GetWindowTextW(second, text, 64);
    EXPECT_EQ(translate.Text(14), text);
    DestroyWindow(window);

    HMENU bar = CreateMenu();
    HMENU popup = CreatePopupMenu();
    AppendMenuW(popup, MF_STRING, 32771, L"h");
    AppendMenuW(bar, MF_STRING, 32774, L"s");
    AppendMenuW(bar, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), L"p");
    const WORD positions[] = {32774, 13, 0, CTranslate::kSkipPosition, 0, 14};
    const WORD commands[] = {32771, 15};
    translate.TranslateMenu(bar, positions, 6, commands, 2);
    GetMenuStringW(bar, 0, text, 64, MF_BYPOSITION);
    EXPECT_EQ(translate.Text(13), text);
    EXPECT_EQ(MF_SEPARATOR, GetMenuState(bar, 1, MF_BYPOSITION) & MF_SEPARATOR);
    GetMenuStringW(bar, 2, text, 64, MF_BYPOSITION);
    EXPECT_EQ(translate.Text(14), text);
    EXPECT_EQ(popup, GetSubMenu(bar, 2)) << "the popup must survive its relabelling";
    GetMenuStringW(popup, 32771, text, 64, MF_BYCOMMAND);
    EXPECT_EQ(translate.Text(15), text);
    DestroyMenu(bar);
}

TEST(Translate, ShippedLanguageFilesTranslateEveryText) {
    const wchar_t* dist = _wgetenv(L"ORVANE_DIST");
    ASSERT_NE(nullptr, dist) << "ORVANE_DIST names the runnable folder";
    for (const wchar_t* english : {L"Russian", L"German"}) {
        CTranslate translate;
        translate.SetFolder(dist);
        translate.LoadLanguage(english);
        ASSERT_EQ(kTextCount, translate.Count());
        EXPECT_NE(kAlreadyRunning, translate.Text(3)) << Narrow(english);
        EXPECT_NE(L"Help", translate.Text(14)) << Narrow(english);
    }
}

// With only translations beside the program, a user who left English could never
// choose it again from the settings dialog.
TEST(Translate, TheShippedFilesLeadFromEnglishToRussianAndBackToEnglish) {
    const wchar_t* dist = _wgetenv(L"ORVANE_DIST");
    ASSERT_NE(nullptr, dist) << "ORVANE_DIST names the runnable folder";
    TempFolder empty;
    CTranslate builtIn;
    builtIn.SetFolder(empty.Path());
    builtIn.LoadLanguage(L"English");

    HWND combo = CreateWindowW(WC_COMBOBOXW, L"", CBS_DROPDOWNLIST | WS_POPUP, 0, 0, 200, 200,
                               nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(nullptr, combo);
    CTranslate translate;
    translate.SetFolder(dist);
    translate.FillLanguageList(combo, L"English");
    const auto indexOf = [&](const wchar_t* native) {
        return static_cast<int>(
            SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                         reinterpret_cast<LPARAM>(native)));
    };
    const int english = indexOf(L"English");
    const int russian = indexOf(L"\u0420\u0443\u0441\u0441\u043A\u0438\u0439");
    ASSERT_GE(english, 0);
    ASSERT_GE(russian, 0);
    EXPECT_EQ(english, SendMessageW(combo, CB_GETCURSEL, 0, 0));

    std::wstring chosen = L"English";
    SendMessageW(combo, CB_SETCURSEL, russian, 0);
    translate.LanguageAt(combo, chosen);
    EXPECT_EQ(L"Russian", chosen);
    translate.LoadLanguage(chosen);
    EXPECT_EQ(Narrow(L"\u041D\u0430\u0441\u0442\u0440\u043E\u0439\u043A\u0438"),
              Narrow(translate.Text(13)));

    SendMessageW(combo, CB_SETCURSEL, english, 0);
    translate.LanguageAt(combo, chosen);
    EXPECT_EQ(L"English", chosen);
    translate.LoadLanguage(chosen);
    ASSERT_EQ(builtIn.Count(), translate.Count());
    for (unsigned id = 0; id < builtIn.Count(); ++id)
        EXPECT_EQ(builtIn.Text(id), translate.Text(id)) << id;
    DestroyWindow(combo);
}

} // namespace
} // namespace orvane::test
