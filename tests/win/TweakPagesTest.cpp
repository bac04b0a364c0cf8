#include "resources/ids_tweaks.h"
#include "DialogWatcher.h"
#include "Screenshot.h"
#include "TweakTestSupport.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace orvane::test {
namespace {

const wchar_t kDesktop[] = L"Control panel\\Desktop";

class TweakPageTest : public ::testing::Test {
protected:
    std::unique_ptr<CDlgTweakPage> Page(WORD item) {
        return MakeTweakPage(item, pageHost, host.get());
    }

    FakeTweakPageHost pageHost;
    HostWindow host;
};

// The colours a page gives one of its statics: the own colours come with the null brush,
// the dialog's with a brush of its own.
struct StaticColours {
    bool own;
    COLORREF text;
    bool transparent;
};

StaticColours ColoursOf(HWND page, int id) {
    HDC dc = CreateCompatibleDC(nullptr);
    SetTextColor(dc, RGB(1, 2, 3));
    const LRESULT brush = SendMessageW(page, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                       reinterpret_cast<LPARAM>(GetDlgItem(page, id)));
    const StaticColours colours{brush == reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH)),
                                GetTextColor(dc), GetBkMode(dc) == TRANSPARENT};
    DeleteDC(dc);
    return colours;
}

TEST_F(TweakPageTest, TheFrameHasABoldGreenTitleTheTextsAndARedNoticeWithoutRights) {
    pageHost.admin = false;
    auto page = Page(81);
    HWND window = page->GetSafeHwnd();

    LOGFONTW font = {};
    GetObjectW(
        reinterpret_cast<HFONT>(SendDlgItemMessageW(window, IDC_TWEAK_TITLE, WM_GETFONT, 0, 0)),
        sizeof font, &font);
    EXPECT_EQ(FW_BOLD, font.lfWeight);
    EXPECT_EQ(14, font.lfHeight);
    EXPECT_EQ(pageHost.Texts().Text(81), ControlText(window, IDC_TWEAK_TITLE));
    EXPECT_EQ(pageHost.Texts().Text(42), ControlText(window, IDC_TWEAK_ENABLE));
    EXPECT_EQ(pageHost.Texts().Text(82), ControlText(window, IDC_TWEAK_DESCRIPTION));
    EXPECT_EQ(pageHost.Texts().Text(178), ControlText(window, IDC_TWEAK_NOTICE));
    EXPECT_EQ(pageHost.Texts().Text(179), ControlText(window, IDC_TWEAK_NOTICE_BUTTON));

    const StaticColours title = ColoursOf(window, IDC_TWEAK_TITLE);
    EXPECT_TRUE(title.own && title.transparent);
    EXPECT_EQ(RGB(0, 210, 0), title.text);
    const StaticColours notice = ColoursOf(window, IDC_TWEAK_NOTICE);
    EXPECT_TRUE(notice.own && notice.transparent);
    EXPECT_EQ(RGB(255, 0, 0), notice.text);
    EXPECT_FALSE(ColoursOf(window, IDC_TWEAK_DESCRIPTION).own);

    // Without rights the notice shows and the tweak cannot be changed; its button
    // restarts the program elevated.
    EXPECT_TRUE(Visible(window, IDC_TWEAK_NOTICE_FRAME));
    EXPECT_TRUE(Visible(window, IDC_TWEAK_NOTICE));
    EXPECT_FALSE(Enabled(window, IDC_TWEAK_ENABLE));
    Click(window, IDC_TWEAK_NOTICE_BUTTON);
    EXPECT_EQ(1, pageHost.restartsAsAdmin);
    ShowWindow(host.get(), SW_SHOWNOACTIVATE);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    SaveScreenshot(host.get(), L"tweak-admin-notice");

    pageHost.admin = true;
    auto elevated = Page(81);
    for (int id : {IDC_TWEAK_NOTICE_FRAME, IDC_TWEAK_NOTICE, IDC_TWEAK_NOTICE_BUTTON})
        EXPECT_FALSE(Visible(elevated->GetSafeHwnd(), id)) << id;
    EXPECT_TRUE(Enabled(elevated->GetSafeHwnd(), IDC_TWEAK_ENABLE));
}

TEST_F(TweakPageTest, LegacyBalloonsWithoutRightsShowsOnlyTheNoticeInTheDialogsColours) {
    pageHost.admin = false;
    auto page = Page(58);
    HWND window = page->GetSafeHwnd();
    EXPECT_FALSE(Enabled(window, IDC_TWEAK_ENABLE));
    EXPECT_FALSE(Visible(window, IDC_TWEAK_FOLLOW_UP));
    EXPECT_FALSE(Visible(window, IDC_TWEAK_FOLLOW_UP_NOTE));
    EXPECT_TRUE(Visible(window, IDC_TWEAK_NOTICE));
    EXPECT_FALSE(ColoursOf(window, IDC_TWEAK_NOTICE).own);

    pageHost.admin = true;
    auto elevated = Page(58);
    EXPECT_TRUE(Visible(elevated->GetSafeHwnd(), IDC_TWEAK_FOLLOW_UP));
    EXPECT_EQ(pageHost.Texts().Text(60), ControlText(elevated->GetSafeHwnd(), IDC_TWEAK_FOLLOW_UP));
    EXPECT_EQ(pageHost.Texts().Text(61),
              ControlText(elevated->GetSafeHwnd(), IDC_TWEAK_FOLLOW_UP_NOTE));
}

class FlashCountTest : public TweakPageTest {
protected:
    RegistryRestorer restore{{{HKEY_CURRENT_USER, kDesktop, L"ForegroundFlashCount"}}, {}};
    std::optional<StoredValue> Stored() {
        return ReadValue(HKEY_CURRENT_USER, kDesktop, L"ForegroundFlashCount");
    }
};

TEST_F(FlashCountTest, ShowsTheStoredCountAndStoresEveryValueClampedToZeroToSeven) {
    DeleteValue(HKEY_CURRENT_USER, kDesktop, L"ForegroundFlashCount");
    EXPECT_EQ(L"", ControlText(Page(127)->GetSafeHwnd(), IDC_TWEAK_FLASH_COUNT));
    WriteValue(HKEY_CURRENT_USER, kDesktop, L"ForegroundFlashCount", DwordValue(3));
    auto page = Page(127);
    HWND window = page->GetSafeHwnd();
    EXPECT_EQ(L"3", ControlText(window, IDC_TWEAK_FLASH_COUNT));
    EXPECT_EQ(0, pageHost.restorePoints) << "showing the stored value changes nothing";
    EXPECT_FALSE(Enabled(window, IDC_TWEAK_FOLLOW_UP));

    Type(window, IDC_TWEAK_FLASH_COUNT, L"9");
    EXPECT_EQ(L"7", ControlText(window, IDC_TWEAK_FLASH_COUNT));
    EXPECT_EQ(DwordValue(7), Stored());
    EXPECT_EQ(1, pageHost.restorePoints) << "the bound written back is not a second change";
    EXPECT_TRUE(Enabled(window, IDC_TWEAK_FOLLOW_UP));

    Type(window, IDC_TWEAK_FLASH_COUNT, L"0");
    EXPECT_EQ(DwordValue(0), Stored()) << "no default: 0 is stored, not deleted";
    Type(window, IDC_TWEAK_FLASH_COUNT, L"");
    EXPECT_EQ(DwordValue(0), Stored()) << "an empty field counts as 0";
    Type(window, IDC_TWEAK_FLASH_COUNT, L"5x");
    EXPECT_EQ(DwordValue(5), Stored());
    Type(window, IDC_TWEAK_FLASH_COUNT, L"99999999999999");
    EXPECT_EQ(L"7", ControlText(window, IDC_TWEAK_FLASH_COUNT));
    EXPECT_EQ(DwordValue(7), Stored());

    Click(window, IDC_TWEAK_FOLLOW_UP);
    EXPECT_EQ(1, pageHost.explorerRestarts);
}

class WallpaperQualityTest : public TweakPageTest {
protected:
    RegistryRestorer restore{{{HKEY_CURRENT_USER, kDesktop, L"JPEGImportQuality"}}, {}};
    std::optional<StoredValue> Stored() {
        return ReadValue(HKEY_CURRENT_USER, kDesktop, L"JPEGImportQuality");
    }
    static int Slider(HWND page) {
        return static_cast<int>(
            SendDlgItemMessageW(page, IDC_TWEAK_QUALITY_SLIDER, TBM_GETPOS, 0, 0));
    }
    static void MoveSlider(HWND page, int position, WORD code) {
        HWND slider = GetDlgItem(page, IDC_TWEAK_QUALITY_SLIDER);
        SendMessageW(slider, TBM_SETPOS, TRUE, position);
        SendMessageW(page, WM_HSCROLL, MAKEWPARAM(code, position),
                     reinterpret_cast<LPARAM>(slider));
    }
};

TEST_F(WallpaperQualityTest, TheDefaultIsStoredByDeletingAndOtherValuesAreClampedToOneToAHundred) {
    DeleteValue(HKEY_CURRENT_USER, kDesktop, L"JPEGImportQuality");
    {
        auto fresh = Page(140);
        EXPECT_EQ(L"85", ControlText(fresh->GetSafeHwnd(), IDC_TWEAK_QUALITY));
        EXPECT_EQ(85, Slider(fresh->GetSafeHwnd()));
        EXPECT_FALSE(Enabled(fresh->GetSafeHwnd(), IDC_TWEAK_DEFAULT));
    }
    WriteValue(HKEY_CURRENT_USER, kDesktop, L"JPEGImportQuality", DwordValue(60));
    auto page = Page(140);
    HWND window = page->GetSafeHwnd();
    EXPECT_EQ(L"60", ControlText(window, IDC_TWEAK_QUALITY));
    EXPECT_EQ(60, Slider(window));
    EXPECT_TRUE(Enabled(window, IDC_TWEAK_DEFAULT));

    Type(window, IDC_TWEAK_QUALITY, L"200");
    EXPECT_EQ(L"100", ControlText(window, IDC_TWEAK_QUALITY));
    EXPECT_EQ(DwordValue(100), Stored());
    EXPECT_EQ(100, Slider(window));
    EXPECT_TRUE(Enabled(window, IDC_TWEAK_FOLLOW_UP));
    Type(window, IDC_TWEAK_QUALITY, L"0");
    EXPECT_EQ(L"1", ControlText(window, IDC_TWEAK_QUALITY));
    EXPECT_EQ(DwordValue(1), Stored());

    Type(window, IDC_TWEAK_QUALITY, L"85");
    EXPECT_FALSE(Stored()) << "85 is the system's own default";
    EXPECT_FALSE(Enabled(window, IDC_TWEAK_DEFAULT));

    // The slider acts when a move is finished, through the up-down control and the edit.
    MoveSlider(window, 30, TB_THUMBTRACK);
    EXPECT_FALSE(Stored()) << "not while the thumb is dragged";
    MoveSlider(window, 30, TB_THUMBPOSITION);
    EXPECT_EQ(L"30", ControlText(window, IDC_TWEAK_QUALITY));
    EXPECT_EQ(DwordValue(30), Stored());
    EXPECT_TRUE(Enabled(window, IDC_TWEAK_DEFAULT));

    const int before = pageHost.restorePoints;
    Click(window, IDC_TWEAK_DEFAULT);
    EXPECT_EQ(L"85", ControlText(window, IDC_TWEAK_QUALITY));
    EXPECT_EQ(85, Slider(window));
    EXPECT_FALSE(Stored());
    EXPECT_FALSE(Enabled(window, IDC_TWEAK_DEFAULT));
    EXPECT_EQ(before + 1, pageHost.restorePoints);

    Click(window, IDC_TWEAK_FOLLOW_UP);
    EXPECT_EQ(1, pageHost.signOuts);
}

TEST_F(TweakPageTest, TheOwnerNameIsSavedWithItsNullAndOnlyWithRights) {
    const wchar_t key[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
    RegistryRestorer restore({{HKEY_LOCAL_MACHINE, key, L"RegisteredOwner"}}, {});
    WriteValue(HKEY_LOCAL_MACHINE, key, L"RegisteredOwner", TextValue(L"Grace Hopper"));

    auto page = Page(110);
    HWND window = page->GetSafeHwnd();
    EXPECT_EQ(L"Grace Hopper", ControlText(window, IDC_TWEAK_OWNER));
    EXPECT_FALSE(Enabled(window, IDC_TWEAK_OWNER_SAVE));
    EXPECT_FALSE(Visible(window, IDC_TWEAK_OWNER_NOTICE_BUTTON));
    Type(window, IDC_TWEAK_OWNER, L"Ada Lovelace");
    EXPECT_TRUE(Enabled(window, IDC_TWEAK_OWNER_SAVE));
    EXPECT_EQ(0, pageHost.restorePoints) << "typing changes nothing yet";
    Click(window, IDC_TWEAK_OWNER_SAVE);
    EXPECT_EQ(1, pageHost.restorePoints);
    EXPECT_EQ(TextValue(L"Ada Lovelace"), ReadValue(HKEY_LOCAL_MACHINE, key, L"RegisteredOwner"));
    EXPECT_FALSE(Enabled(window, IDC_TWEAK_OWNER_SAVE));

    pageHost.admin = false;
    auto unelevated = Page(110);
    HWND other = unelevated->GetSafeHwnd();
    EXPECT_EQ(L"Ada Lovelace", ControlText(other, IDC_TWEAK_OWNER)) << "readable without rights";
    EXPECT_FALSE(Enabled(other, IDC_TWEAK_OWNER));
    EXPECT_FALSE(Enabled(other, IDC_TWEAK_OWNER_SAVE));
    EXPECT_TRUE(Visible(other, IDC_TWEAK_OWNER_NOTICE_BUTTON));
    Click(other, IDC_TWEAK_OWNER_NOTICE_BUTTON);
    EXPECT_EQ(1, pageHost.restartsAsAdmin);
}

TEST_F(TweakPageTest, GodModeIsMadeInTheChosenFolderAndAnExistingOneIsReportedWithItsCode) {
    TempFolder folder;
    auto page = Page(144);
    HWND window = page->GetSafeHwnd();
    EXPECT_EQ(pageHost.Texts().Text(146), ControlText(window, IDC_TWEAK_NEW));

    // Cancelling the folder browser does nothing.
    Click(window, IDC_TWEAK_NEW);
    EXPECT_EQ(0, pageHost.restorePoints);

    pageHost.folderToPick = folder.Path();
    DialogWatcher watcher([](const SeenDialog& dialog) { PressButton(dialog.window, IDOK); });
    Click(window, IDC_TWEAK_NEW);
    EXPECT_NE(
        INVALID_FILE_ATTRIBUTES,
        GetFileAttributesW((folder / L"GodMode.{ED7BA470-8E54-465E-825C-99712043E01C}").c_str()));
    Click(window, IDC_TWEAK_NEW);
    EXPECT_EQ(2, pageHost.restorePoints);
    EXPECT_EQ((std::vector<std::wstring>{L"The shortcut was created in the folder " + folder.Path(),
                                         L"Error: 183"}),
              watcher.Messages());
}

} // namespace
} // namespace orvane::test
