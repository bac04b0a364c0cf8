#include "DialogControls.h"
#include "OrvaneProcess.h"
#include "RemoteControls.h"
#include "Screenshot.h"

#include "resources/ids_app.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <map>

namespace orvane::test {
namespace {

const wchar_t kRussianName[] = L"\u0420\u0443\u0441\u0441\u043A\u0438\u0439";
const wchar_t kRussianSettings[] = L"\u041D\u0430\u0441\u0442\u0440\u043E\u0439\u043A\u0438";
const wchar_t kRussianPicture[] =
    L"\u0424\u043E\u043D\u043E\u0432\u0430\u044F \u043A\u0430\u0440\u0442\u0438\u043D\u043A\u0430";

// Picks a language by its own name as the user would: select it, and the list tells its
// dialog.
void ChooseLanguage(HWND settings, const wchar_t* nativeName) {
    HWND list = GetDlgItem(settings, IDC_SETTINGS_LANGUAGE);
    const LRESULT index = SendMessageW(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(nativeName));
    ASSERT_NE(CB_ERR, index) << "no such language in the list";
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(settings, WM_COMMAND, MAKEWPARAM(IDC_SETTINGS_LANGUAGE, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
}

std::map<std::wstring, std::wstring>
AsMap(const std::vector<std::pair<std::wstring, std::wstring>>& lines) {
    return {lines.begin(), lines.end()};
}

TEST(SettingsDialog, ALanguageRelabelsTheMainWindowAndTheOpenDialogAndEnglishComesBack) {
    OrvaneProcess orvane;
    ASSERT_TRUE(orvane.Start());
    HWND main = orvane.MainWindow();
    ASSERT_NE(nullptr, main);
    HWND tabs = GetDlgItem(main, IDC_MAIN_TABS);
    HWND settings = orvane.OpenSettings();
    ASSERT_NE(nullptr, settings);
    EXPECT_EQ(L"Settings", WindowText(settings));
    EXPECT_EQ(L"Language", WindowText(GetDlgItem(settings, IDC_SETTINGS_LANGUAGE_LABEL)));
    // The engines keep their product names in every language.
    EXPECT_EQ(L"Windows Media Player", WindowText(GetDlgItem(settings, IDC_SETTINGS_ENGINE_WMP)));
    SaveScreenshot(settings, L"settings-en");

    ChooseLanguage(settings, kRussianName);
    EXPECT_EQ(kRussianSettings, WindowText(settings));
    EXPECT_EQ(L"\u042F\u0437\u044B\u043A",
              WindowText(GetDlgItem(settings, IDC_SETTINGS_LANGUAGE_LABEL)));
    EXPECT_EQ(kRussianPicture, ReadTab(orvane.Process(), tabs, 0).text);
    EXPECT_EQ(L"Windows Media Player", WindowText(GetDlgItem(settings, IDC_SETTINGS_ENGINE_WMP)));
    EXPECT_TRUE(IsWindow(settings)) << "the dialog stays open";
    SaveScreenshot(settings, L"settings-ru");

    ChooseLanguage(settings, L"Deutsch");
    EXPECT_EQ(L"Einstellungen", WindowText(settings));
    SaveScreenshot(settings, L"settings-de");

    ChooseLanguage(settings, L"English");
    EXPECT_EQ(L"Settings", WindowText(settings));
    EXPECT_EQ(L"Start at Windows startup (for current user)",
              WindowText(GetDlgItem(settings, IDC_SETTINGS_AUTORUN)));
    EXPECT_EQ(L"Background Picture", ReadTab(orvane.Process(), tabs, 0).text);

    ChooseLanguage(settings, kRussianName);
    PostMessageW(settings, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(settings); }));
    // The main window saves when the dialog closes, long before the program ends.
    EXPECT_TRUE(
        WaitFor([&] { return AsMap(orvane.StoredSettings())[L"strLanguage"] == L"Russian"; }));
    orvane.Exit();
    EXPECT_TRUE(orvane.WaitForExit());
}

TEST(SettingsDialog, ExitFromTheTrayWhileItIsOpenEndsOrvaneAndKeepsTheLanguageChosen) {
    OrvaneProcess orvane;
    orvane.WriteSettings(L"[Settings]\r\nfAutoRun=0\r\n");
    ASSERT_TRUE(orvane.Start());
    HWND settings = orvane.OpenSettings();
    ASSERT_NE(nullptr, settings);
    ChooseLanguage(settings, L"Deutsch");
    ASSERT_EQ(L"Einstellungen", WindowText(settings));

    ASSERT_TRUE(orvane.ExitThroughTheTrayMenu());
    // Within a second or two on Windows; Wine on a loaded machine gets some more.
    ASSERT_TRUE(orvane.WaitForExit()) << "the open dialog held the program";
    EXPECT_EQ(0u, orvane.ExitCode());
    EXPECT_EQ(L"German", AsMap(orvane.StoredSettings())[L"strLanguage"]);
}

TEST(SettingsDialog, TheBoxesShowAndSetTheirFlagsAndTheFileHoldsThemAfterClosing) {
    OrvaneProcess orvane;
    orvane.WriteSettings(L"[Settings]\r\nfAutoRun=0\r\nfCreateSystemRestorePoint=1\r\n"
                         L"fSystemRestorePointCreated=1\r\nfDisableAtHighLoad=1\r\n"
                         L"fAllowMultipleEffects=0\r\niWallaperVideoEngine=1\r\n");
    ASSERT_TRUE(orvane.Start(L"-auto"));
    HWND settings = orvane.OpenSettings();
    ASSERT_NE(nullptr, settings);
    EXPECT_FALSE(Checked(settings, IDC_SETTINGS_AUTORUN));
    EXPECT_TRUE(Checked(settings, IDC_SETTINGS_RESTORE_POINT));
    EXPECT_FALSE(Enabled(settings, IDC_SETTINGS_RESTORE_POINT))
        << "the restore point was made already";
    EXPECT_TRUE(Checked(settings, IDC_SETTINGS_HIGH_LOAD));
    EXPECT_FALSE(Checked(settings, IDC_SETTINGS_MULTIPLE_EFFECTS));
    EXPECT_TRUE(Checked(settings, IDC_SETTINGS_EVERY_MONITOR)) << "on in a file from before it";
    EXPECT_FALSE(Checked(settings, IDC_SETTINGS_ENGINE_WMP));
    EXPECT_TRUE(Checked(settings, IDC_SETTINGS_ENGINE_MCI));

    Click(settings, IDC_SETTINGS_HIGH_LOAD);
    Click(settings, IDC_SETTINGS_MULTIPLE_EFFECTS);
    Click(settings, IDC_SETTINGS_EVERY_MONITOR);
    // With the video background off only the key changes.
    Click(settings, IDC_SETTINGS_ENGINE_WMP);
    EXPECT_TRUE(Checked(settings, IDC_SETTINGS_ENGINE_WMP));
    EXPECT_FALSE(Checked(settings, IDC_SETTINGS_ENGINE_MCI));
    // Escape closes it like the close box.
    PostMessageW(settings, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(settings); }));
    std::map<std::wstring, std::wstring> stored;
    ASSERT_TRUE(WaitFor([&] {
        stored = AsMap(orvane.StoredSettings());
        return stored[L"iWallaperVideoEngine"] == L"0";
    }));
    EXPECT_EQ(L"0", stored[L"fDisableAtHighLoad"]);
    EXPECT_EQ(L"1", stored[L"fAllowMultipleEffects"]);
    EXPECT_EQ(L"0", stored[L"fEffectsEveryMonitor"]);
    EXPECT_EQ(L"1", stored[L"fCreateSystemRestorePoint"]);
    EXPECT_EQ(L"0", stored[L"fWallaperVideoEnable"]);
    orvane.Exit();
    EXPECT_TRUE(orvane.WaitForExit());
}

} // namespace
} // namespace orvane::test
