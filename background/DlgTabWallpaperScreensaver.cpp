#include "background/DlgTabWallpaperScreensaver.h"

#include "app/OrvaneApp.h"
#include "framework/IconButtons.h"
#include "personalize/ScreensaverCatalogue.h"
#include "resources/ids_pages.h"
#include "resources/ids_screensaver.h"
#include "resources/ids_videoweb.h"

#include <algorithm>

namespace orvane {
namespace {

constexpr unsigned kTextNone = 165;
constexpr UINT kLinkIcon = 337;
const wchar_t kEnableKey[] = L"fWallaperScreensaverEnable";
const wchar_t kPathKey[] = L"strWallaperScreensaverPath";

} // namespace

CDlgTabWallpaperScreensaver::CDlgTabWallpaperScreensaver()
    : CLivePage(IDD_TAB_WALLPAPER_SCREENSAVER, IDP_SAVERBG_PAGE, 0, L"background-screen-saver") {}

void CDlgTabWallpaperScreensaver::InitPage() {
    m_linkIcon.reset(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kLinkIcon), IMAGE_ICON, 14, 14, 0)));
    Refresh();
}

void CDlgTabWallpaperScreensaver::ApplyTexts() {
    ApplyTextPairs({IDC_LIVE_ENABLE, 42, IDC_SAVER_LABEL, 171, IDC_LIVE_HELP, 14, IDC_SAVER_FIND,
                    170, IDC_SAVERBG_NOTE, 221});
    RefreshList();
}

void CDlgTabWallpaperScreensaver::Refresh() {
    if (!m_hWnd)
        return;
    SendMessageW(Item(IDC_LIVE_ENABLE), BM_SETCHECK,
                 App().Options().GetBool(kEnableKey) ? BST_CHECKED : BST_UNCHECKED, 0);
}

void CDlgTabWallpaperScreensaver::RefreshList() {
    if (!m_hWnd)
        return;
    HWND list = Item(IDC_SAVER_LIST);
    m_paths = FillScreensaverList(list, App().Screensavers().Build(), App().Text(kTextNone));
    const std::wstring chosen = App().Options().GetString(kPathKey);
    const auto found = std::find(m_paths.begin() + 1, m_paths.end(), chosen);
    const int row = found == m_paths.end() ? 0 : static_cast<int>(found - m_paths.begin());
    SendMessageW(list, CB_SETCURSEL, row, 0);
    Enable({IDC_LIVE_ENABLE}, row > 0 || App().Options().GetBool(kEnableKey));
}

void CDlgTabWallpaperScreensaver::Choose(int row) {
    const bool none = row <= 0 || static_cast<std::size_t>(row) >= m_paths.size();
    COptions& options = App().Options();
    options.SetString(kPathKey, none ? std::wstring() : m_paths[static_cast<std::size_t>(row)]);
    Enable({IDC_LIVE_ENABLE}, !none);
    if (!options.GetBool(kEnableKey))
        return;
    // A running background starts again with the new screen saver; "None" ends it.
    App().SetScreensaverBackground(false);
    if (none)
        SendMessageW(Item(IDC_LIVE_ENABLE), BM_SETCHECK, BST_UNCHECKED, 0);
    else
        App().SetScreensaverBackground(true);
}

bool CDlgTabWallpaperScreensaver::OnCommand(WORD id, WORD notifyCode, HWND) {
    if (id == IDC_SAVER_LIST) {
        if (notifyCode == CBN_SELCHANGE)
            Choose(static_cast<int>(SendMessageW(Item(IDC_SAVER_LIST), CB_GETCURSEL, 0, 0)));
        return true;
    }
    if (notifyCode != BN_CLICKED)
        return false;
    switch (id) {
    case IDC_LIVE_ENABLE:
        App().SetScreensaverBackground(SendMessageW(Item(IDC_LIVE_ENABLE), BM_GETCHECK, 0, 0) ==
                                       BST_CHECKED);
        return true;
    case IDC_SAVER_FIND:
        OpenAddress(ScreensaversAddress(App().Options().GetString(L"strLanguage")));
        return true;
    case IDC_LIVE_HELP:
        OpenHelp();
        return true;
    default:
        return false;
    }
}

bool CDlgTabWallpaperScreensaver::OnDrawLink(const DRAWITEMSTRUCT& item) {
    if (item.CtlID != IDC_SAVER_FIND)
        return false;
    DrawLinkButton(item, m_linkIcon.get(), kLinkColour);
    return true;
}

} // namespace orvane
