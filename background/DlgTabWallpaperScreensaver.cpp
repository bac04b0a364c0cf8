#include "background/DlgTabWallpaperScreensaver.h"

#include "background/BackgroundPageHost.h"
#include "core/Options.h"
#include "core/SettingsKeys.h"
#include "framework/IconButtons.h"
#include "personalize/ScreensaverCatalogue.h"
#include "resources/ids_pages.h"
#include "resources/ids_screensaver.h"
#include "resources/ids_videoweb.h"

namespace orvane {

CDlgTabWallpaperScreensaver::CDlgTabWallpaperScreensaver(IBackgroundPageHost& host)
    : CScreensaverListPage(IDD_TAB_WALLPAPER_SCREENSAVER, IDP_SAVERBG_PAGE,
                           L"background-screen-saver", kLinkColour, host.Options(), host.Texts()),
      m_host(host) {}

void CDlgTabWallpaperScreensaver::InitPage() {
    Refresh();
    m_listening = m_host.PageChanges().Listen([this] { Refresh(); });
}

void CDlgTabWallpaperScreensaver::OnDestroy() {
    m_listening.Reset();
    CScreensaverListPage::OnDestroy();
}

void CDlgTabWallpaperScreensaver::ApplyTexts() {
    ApplyTextPairs({IDC_LIVE_ENABLE, 42, IDC_SAVER_LABEL, 171, IDC_LIVE_HELP, 14, IDC_SAVER_FIND,
                    170, IDC_SAVERBG_NOTE, 221});
    RefreshList();
}

void CDlgTabWallpaperScreensaver::Refresh() {
    if (!m_hWnd)
        return;
    SendMessageW(
        Item(IDC_LIVE_ENABLE), BM_SETCHECK,
        m_host.Options().GetBool(key::fWallaperScreensaverEnable) ? BST_CHECKED : BST_UNCHECKED, 0);
}

void CDlgTabWallpaperScreensaver::RefreshList() {
    if (!m_hWnd)
        return;
    COptions& options = m_host.Options();
    FillList(m_host.Screensavers().Build());
    const int row = RowOfPath(options.GetString(key::strWallaperScreensaverPath));
    SelectRow(row);
    Enable({IDC_LIVE_ENABLE}, row > 0 || options.GetBool(key::fWallaperScreensaverEnable));
}

void CDlgTabWallpaperScreensaver::Choose(int row) {
    COptions& options = m_host.Options();
    options.SetString(key::strWallaperScreensaverPath, PathOfRow(row));
    Enable({IDC_LIVE_ENABLE}, row > 0);
    if (!options.GetBool(key::fWallaperScreensaverEnable))
        return;
    // A running background starts again with the new screen saver; "None" ends it.
    m_host.SetBackground(BackgroundKind::Screensaver, false);
    if (row > 0)
        m_host.SetBackground(BackgroundKind::Screensaver, true);
    else
        SendMessageW(Item(IDC_LIVE_ENABLE), BM_SETCHECK, BST_UNCHECKED, 0);
}

bool CDlgTabWallpaperScreensaver::OnCommand(WORD id, WORD notifyCode, HWND control) {
    if (CScreensaverListPage::OnCommand(id, notifyCode, control))
        return true;
    if (id != IDC_LIVE_ENABLE || notifyCode != BN_CLICKED)
        return false;
    m_host.SetBackground(BackgroundKind::Screensaver,
                         SendMessageW(Item(IDC_LIVE_ENABLE), BM_GETCHECK, 0, 0) == BST_CHECKED);
    return true;
}

} // namespace orvane
