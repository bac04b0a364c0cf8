#include "background/DlgTabWallpaperScreensaver.h"

#include "app/OrvaneApp.h"
#include "core/SettingsKeys.h"
#include "framework/IconButtons.h"
#include "resources/ids_pages.h"
#include "resources/ids_screensaver.h"
#include "resources/ids_videoweb.h"

namespace orvane {
namespace {


} // namespace

CDlgTabWallpaperScreensaver::CDlgTabWallpaperScreensaver()
    : CScreensaverListPage(IDD_TAB_WALLPAPER_SCREENSAVER, IDP_SAVERBG_PAGE,
                           L"background-screen-saver", kLinkColour) {}

void CDlgTabWallpaperScreensaver::InitPage() {
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
                 App().Options().GetBool(key::fWallaperScreensaverEnable) ? BST_CHECKED : BST_UNCHECKED, 0);
}

void CDlgTabWallpaperScreensaver::RefreshList() {
    if (!m_hWnd)
        return;
    FillList(App().Screensavers().Build());
    const int row = RowOfPath(App().Options().GetString(key::strWallaperScreensaverPath));
    SelectRow(row);
    Enable({IDC_LIVE_ENABLE}, row > 0 || App().Options().GetBool(key::fWallaperScreensaverEnable));
}

void CDlgTabWallpaperScreensaver::Choose(int row) {
    COptions& options = App().Options();
    options.SetString(key::strWallaperScreensaverPath, PathOfRow(row));
    Enable({IDC_LIVE_ENABLE}, row > 0);
    if (!options.GetBool(key::fWallaperScreensaverEnable))
        return;
    // A running background starts again with the new screen saver; "None" ends it.
    App().SetScreensaverBackground(false);
    if (row > 0)
        App().SetScreensaverBackground(true);
    else
        SendMessageW(Item(IDC_LIVE_ENABLE), BM_SETCHECK, BST_UNCHECKED, 0);
}

bool CDlgTabWallpaperScreensaver::OnCommand(WORD id, WORD notifyCode, HWND control) {
    if (CScreensaverListPage::OnCommand(id, notifyCode, control))
        return true;
    if (id != IDC_LIVE_ENABLE || notifyCode != BN_CLICKED)
        return false;
    App().SetScreensaverBackground(SendMessageW(Item(IDC_LIVE_ENABLE), BM_GETCHECK, 0, 0) ==
                                   BST_CHECKED);
    return true;
}

} // namespace orvane
