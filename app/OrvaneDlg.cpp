#include "app/OrvaneDlg.h"

#include "app/AboutDlg.h"
#include "app/BackgroundPageHost.h"
#include "app/CursorPageHost.h"
#include "app/DlgSettings.h"
#include "app/EffectPageHost.h"
#include "app/LogonPageHost.h"
#include "app/NightLightPageHost.h"
#include "app/OrvaneApp.h"
#include "app/ScreensaverPageHost.h"
#include "app/TweakPageHost.h"
#include "core/HelpLinks.h"
#include "core/SettingsKeys.h"
#include "core/SystemVersion.h"
#include "background/DlgTabWallpaper.h"
#include "background/DlgTabWallpaperScreensaver.h"
#include "background/DlgTabWallpaperVideo.h"
#include "background/DlgTabWallpaperWeb.h"
#include "effectpages/DlgTabEffects.h"
#include "framework/Browser.h"
#include "framework/Dpi.h"
#include "nightlight/DlgTabNightShift.h"
#include "personalize/DlgTabCursor.h"
#include "personalize/DlgTabLogon.h"
#include "personalize/DlgTabScreensaver.h"
#include "resources/ids_app.h"
#include "resources/ids_pages.h"
#include "tweaks/DlgTabTweaks.h"

#include <shellapi.h>

#include <algorithm>

namespace orvane {
namespace {

constexpr UINT kAboutSystemCommand = 16;
constexpr int kTabIconSize = 16;
// Posted on a change of DPI, to lay the window out again once the dialog manager has
// scaled it.
constexpr UINT kDpiSettledMessage = WM_APP + 1;
constexpr UINT kTrayDelayMs = 500;

// Broadcast by the shell when its taskbar is (re)created, after an Explorer restart.
UINT TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

} // namespace

COrvaneDlg::COrvaneDlg()
    : CDialog(IDD_MAIN), m_logonTab(HasLogonScreenTab(CurrentSystemVersion())),
      m_backgroundHost(std::make_unique<CProgramBackgroundPageHost>(App())),
      m_screensaverHost(std::make_unique<CProgramScreensaverPageHost>(App())),
      m_logonHost(std::make_unique<CProgramLogonPageHost>(App())),
      m_cursorHost(std::make_unique<CProgramCursorPageHost>(App())),
      m_effectHost(std::make_unique<CProgramEffectPageHost>(App())),
      m_tweakHost(std::make_unique<CProgramTweakPageHost>(App())),
      m_nightLightHost(std::make_unique<CProgramNightLightPageHost>(App())),
      m_wallpaper(std::make_unique<CDlgTabWallpaper>(App().Slideshow(), App().Options(),
                                                     App().Translator(),
                                                     CurrentSystemVersion().major >= 10,
                                                     App().PageChanges())),
      m_video(std::make_unique<CDlgTabWallpaperVideo>(*m_backgroundHost)),
      m_web(std::make_unique<CDlgTabWallpaperWeb>(*m_backgroundHost)),
      m_screensaverBackground(std::make_unique<CDlgTabWallpaperScreensaver>(*m_backgroundHost)),
      m_screensaver(std::make_unique<CDlgTabScreensaver>(*m_screensaverHost)),
      m_logon(std::make_unique<CDlgTabLogon>(*m_logonHost)),
      m_cursor(std::make_unique<CDlgTabCursor>(*m_cursorHost)),
      m_effects(std::make_unique<CDlgTabEffects>(*m_effectHost)),
      m_tweaks(std::make_unique<CDlgTabTweaks>(SystemName(CurrentSystemVersion()), *m_tweakHost)),
      m_nightShift(std::make_unique<CDlgTabNightShift>(*m_nightLightHost)) {
    const Tab all[] = {{m_wallpaper.get(), 6, 0},  {m_video.get(), 7, 1},
                       {m_web.get(), 8, 2},        {m_screensaverBackground.get(), 203, 3},
                       {m_screensaver.get(), 164, 4}, {m_logon.get(), 9, 5},
                       {m_cursor.get(), 223, 6},   {m_effects.get(), 12, 7},
                       {m_tweaks.get(), 10, 8},    {m_nightShift.get(), 11, 9}};
    for (const Tab& tab : all)
        if (tab.page != m_logon.get() || m_logonTab)
            m_tabs.push_back(tab);
}

COrvaneDlg::~COrvaneDlg() {
    if (m_tabImages)
        ImageList_Destroy(m_tabImages);
}

BOOL COrvaneDlg::OnInitDialog() {
    const HINSTANCE module = GetModuleHandleW(nullptr);
    // The About item reads the resource itself: it is English whatever the language.
    const wchar_t* about = nullptr;
    const int aboutLength = LoadStringW(module, 0, reinterpret_cast<LPWSTR>(&about), 0);
    if (HMENU system = GetSystemMenu(m_hWnd, FALSE); system && aboutLength > 0) {
        const std::wstring text(about, static_cast<std::size_t>(aboutLength));
        AppendMenuW(system, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(system, MF_STRING, kAboutSystemCommand, text.c_str());
    }

    m_bigIcon.reset(static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(IDR_MAINFRAME),
                                                  IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                                  GetSystemMetrics(SM_CYICON), 0)));
    m_smallIcon.reset(static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(IDR_MAINFRAME),
                                                    IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                    GetSystemMetrics(SM_CYSMICON), 0)));
    SendMessageW(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_bigIcon.get()));
    SendMessageW(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_smallIcon.get()));

    m_background.Load(664, m_hWnd);
    m_tray.SetWindow(m_hWnd);
    m_tray.Add();
    // Explorer runs without elevation: an elevated Orvane must still hear it restart.
    ChangeWindowMessageFilterEx(m_hWnd, TaskbarCreatedMessage(), MSGFLT_ALLOW, nullptr);
    CreateTabs();
    RetranslateWindow();
    if (!m_startHidden)
        SetForegroundWindow(m_hWnd);
    return TRUE;
}

void COrvaneDlg::CreateTabs() {
    HWND tabs = Item(IDC_MAIN_TABS);
    LoadTabImages();
    for (std::size_t i = 0; i < m_tabs.size(); ++i) {
        const Tab& tab = m_tabs[i];
        TCITEMW item = {};
        item.mask = TCIF_TEXT | TCIF_IMAGE | TCIF_PARAM;
        item.pszText = const_cast<wchar_t*>(App().Text(tab.textId).c_str());
        item.iImage = tab.image;
        item.lParam = reinterpret_cast<LPARAM>(tab.page);
        SendMessageW(tabs, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
        HWND page = tab.page->Create(tabs);
        ShowWindow(page, i == 0 ? SW_SHOW : SW_HIDE);
    }
    PlacePages();
}

void COrvaneDlg::LoadTabImages() {
    static const UINT kIcons[] = {IDI_TAB_WALLPAPER,     IDI_TAB_WALLPAPER_VIDEO,
                                  IDI_TAB_WALLPAPER_WEB, IDI_TAB_WALLPAPER_SCREENSAVER,
                                  IDI_TAB_SCREENSAVER,   IDI_TAB_LOGON,
                                  IDI_TAB_CURSOR,        IDI_TAB_EFFECTS,
                                  IDI_TAB_TWEAKS,        IDI_TAB_NIGHTSHIFT};
    HWND tabs = Item(IDC_MAIN_TABS);
    const int size = ScaleToDpi(kTabIconSize, WindowDpi(m_hWnd));
    HIMAGELIST images = ImageList_Create(size, size, ILC_COLOR32, 8, 8);
    for (UINT id : kIcons) {
        UniqueIcon icon(LoadIconForWindow(m_hWnd, id, kTabIconSize));
        ImageList_AddIcon(images, icon.get());
    }
    SendMessageW(tabs, TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    if (m_tabImages)
        ImageList_Destroy(m_tabImages);
    m_tabImages = images;
}

void COrvaneDlg::PlacePages() {
    HWND tabs = Item(IDC_MAIN_TABS);
    RECT area;
    GetClientRect(tabs, &area);
    SendMessageW(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    for (const Tab& tab : m_tabs)
        if (HWND page = tab.page->GetSafeHwnd())
            SetWindowPos(page, nullptr, area.left, area.top, area.right - area.left,
                         area.bottom - area.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void COrvaneDlg::OnDpiChanged(const RECT& suggested) {
    // Where the dialog manager does not scale the window itself, it takes the size and
    // place Windows suggests on the new screen.
    if (!DialogsFollowDpiChanges())
        SetWindowPos(m_hWnd, nullptr, suggested.left, suggested.top,
                     suggested.right - suggested.left, suggested.bottom - suggested.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    PostMessageW(m_hWnd, kDpiSettledMessage, 0, 0);
}

void COrvaneDlg::OnDpiSettled() {
    LoadTabImages();
    PlacePages();
    RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

CPage* COrvaneDlg::PageOfTab(int index) const {
    TCITEMW item = {};
    item.mask = TCIF_PARAM;
    if (index < 0 || !SendMessageW(Item(IDC_MAIN_TABS), TCM_GETITEMW, index,
                                   reinterpret_cast<LPARAM>(&item)))
        return nullptr;
    return reinterpret_cast<CPage*>(item.lParam);
}

void COrvaneDlg::RetranslateWindow() {
    HWND tabs = Item(IDC_MAIN_TABS);
    for (std::size_t i = 0; i < m_tabs.size(); ++i) {
        TCITEMW item = {};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(App().Text(m_tabs[i].textId).c_str());
        SendMessageW(tabs, TCM_SETITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    for (const Tab& tab : m_tabs)
        tab.page->ApplyTexts();

    if (CPage* current = PageOfTab(static_cast<int>(SendMessageW(tabs, TCM_GETCURSEL, 0, 0)))) {
        ShowWindow(current->GetSafeHwnd(), SW_HIDE);
        ShowWindow(current->GetSafeHwnd(), SW_SHOW);
    }

    static const WORD kBarPositions[] = {ID_MENU_SETTINGS, 13, 0, 14};
    static const WORD kBarCommands[] = {ID_MENU_HELP, 14, ID_MENU_CHECK_UPDATES, 15, ID_MENU_ABOUT, 0};
    App().Translator().TranslateMenu(GetMenu(m_hWnd), kBarPositions, 4, kBarCommands, 6);
    DrawMenuBar(m_hWnd);
}

bool COrvaneDlg::OnNotify(NMHDR* header, LRESULT& result) {
    if (header->idFrom != IDC_MAIN_TABS)
        return false;
    const int current = static_cast<int>(SendMessageW(header->hwndFrom, TCM_GETCURSEL, 0, 0));
    CPage* page = PageOfTab(current);
    if (!page)
        return false;
    if (header->code == TCN_SELCHANGING)
        ShowWindow(page->GetSafeHwnd(), SW_HIDE);
    else if (header->code == TCN_SELCHANGE)
        ShowWindow(page->GetSafeHwnd(), SW_SHOW);
    else
        return false;
    result = FALSE; // allow the change
    return true;
}

bool COrvaneDlg::OnCommand(WORD id, WORD, HWND) {
    const std::wstring language = App().Options().GetString(key::strLanguage);
    switch (id) {
    case ID_TRAY_OPEN: Open(); return true;
    case ID_TRAY_HELP:
    case ID_MENU_HELP: OpenAddress(HelpAddress(L"help", language)); return true;
    case ID_TRAY_CHECK_UPDATES:
    case ID_MENU_CHECK_UPDATES: OpenAddress(UpdateAddress(language)); return true;
    case ID_TRAY_EXIT: Exit(); return true;
    case ID_MENU_SETTINGS: ShowSettings(); return true;
    case ID_MENU_ABOUT: ShowAbout(); return true;
    case IDOK:
    case IDCANCEL: return true; // Enter and Escape must not end the program
    default: return false;
    }
}

void COrvaneDlg::OpenAddress(const std::wstring& address) {
    OpenInBrowser(address);
}

void COrvaneDlg::ShowSettings() {
    CDlgSettings settings;
    settings.DoModal(m_hWnd);
    App().SaveSettings();
}

void COrvaneDlg::ShowAbout() {
    CAboutDlg about;
    about.DoModal(m_hWnd);
}

void COrvaneDlg::Open() {
    m_startHidden = false;
    ShowWindow(m_hWnd, SW_SHOW);
    ShowWindow(m_hWnd, SW_RESTORE);
    SetForegroundWindow(m_hWnd);
    m_tray.Remove();
    if (ScreensaverPageCurrent())
        m_screensaver->ResumePreview();
}

bool COrvaneDlg::ScreensaverPageCurrent() const {
    const int current = static_cast<int>(SendMessageW(Item(IDC_MAIN_TABS), TCM_GETCURSEL, 0, 0));
    return PageOfTab(current) == m_screensaver.get();
}

void COrvaneDlg::Exit() {
    App().BeginExit();
    KillTimer(m_hWnd, kTrayTimer);
    m_tray.Remove();
    EndDialog(0);
    // A dialog may be open over the window (Settings, About, a message box, a file
    // dialog), whose own modal loop would hold the program until the user closes it.
    // Every modal loop ends on WM_QUIT and hands it on to the loop below it.
    PostQuitMessage(0);
}

void COrvaneDlg::ShowTrayMenu() {
    SetForegroundWindow(m_hWnd);
    UniqueMenu menu(LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_TRAY_MENU)));
    HMENU popup = menu ? GetSubMenu(menu.get(), 0) : nullptr;
    if (!popup)
        return;
    static const WORD kItems[] = {ID_TRAY_OPEN, 17, 0, CTranslate::kSkipPosition,
                                  ID_TRAY_HELP, 14, ID_TRAY_CHECK_UPDATES, 15,
                                  0, CTranslate::kSkipPosition, ID_TRAY_EXIT, 16};
    App().Translator().TranslateMenu(popup, kItems, 12, nullptr, 0);
    SetMenuDefaultItem(popup, ID_TRAY_OPEN, FALSE);
    POINT cursor;
    GetCursorPos(&cursor);
    TrackPopupMenu(popup, TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, m_hWnd, nullptr);
    PostMessageW(m_hWnd, WM_NULL, 0, 0);
}

void COrvaneDlg::OnTimer(UINT_PTR id) {
    if (id != kTrayTimer)
        return;
    // Half a second after minimising, so the shrinking animation ends before the
    // window disappears into the tray.
    KillTimer(m_hWnd, kTrayTimer);
    if (IsIconic(m_hWnd)) {
        ShowWindow(m_hWnd, SW_HIDE);
        m_tray.Add();
    }
}

bool COrvaneDlg::OnPaint() {
    if (IsIconic(m_hWnd) || !m_background)
        return false;
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hWnd, &paint);
    {
        // At its size for the scale, or stretched to the client area where a wider
        // dialog font makes the window larger.
        RECT client;
        GetClientRect(m_hWnd, &client);
        const UINT dpi = WindowDpi(m_hWnd);
        Gdiplus::Graphics graphics(dc);
        m_background.DrawInto(
            graphics,
            Gdiplus::Rect(0, 0, std::max<INT>(client.right, ScaleToDpi(m_background.Width(), dpi)),
                          std::max<INT>(client.bottom, ScaleToDpi(m_background.Height(), dpi))));
    }
    EndPaint(m_hWnd, &paint);
    return true;
}

void COrvaneDlg::OnDestroy() {
    KillTimer(m_hWnd, kTrayTimer);
    m_background.Reset();
    // Page windows are children of the tab control and go with it.
}

INT_PTR COrvaneDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
    if (message == TaskbarCreatedMessage()) {
        // A new taskbar has none of the old icons; without ours a hidden Orvane could
        // not be reached.
        m_tray.Restore();
        return FALSE;
    }
    switch (message) {
    case WM_WINDOWPOSCHANGING:
        if (m_startHidden)
            reinterpret_cast<WINDOWPOS*>(lParam)->flags &= ~SWP_SHOWWINDOW;
        return FALSE;
    case WM_CLOSE:
        ShowWindow(m_hWnd, SW_SHOWMINIMIZED);
        handled = true;
        return TRUE;
    case WM_SIZE:
        if (wParam == SIZE_MINIMIZED) {
            SetTimer(m_hWnd, kTrayTimer, kTrayDelayMs, nullptr);
            // Nobody sees the preview in the tray.
            if (ScreensaverPageCurrent())
                m_screensaver->PausePreview();
        }
        return FALSE;
    case WM_SYSCOMMAND:
        if (wParam >= 16 && wParam <= 31) {
            ShowAbout();
            handled = true;
            return TRUE;
        }
        return FALSE;
    case CTray::kCallbackMessage:
        if (lParam == WM_LBUTTONDBLCLK)
            Open();
        else if (lParam == WM_RBUTTONUP)
            ShowTrayMenu();
        handled = true;
        SetResult(1);
        return TRUE;
    case WM_ENDSESSION:
        // FALSE: another program cancelled the sign-out and the session goes on.
        if (!wParam)
            return FALSE;
        App().SignOut();
        return FALSE;
    case WM_DISPLAYCHANGE:
        // A monitor came, went or changed its resolution: the effects follow now rather
        // than at the busy-state monitor's next tick.
        App().FollowMonitors();
        return FALSE;
    case WM_QUERYDRAGICON:
        handled = true;
        return reinterpret_cast<INT_PTR>(m_smallIcon.get());
    case WM_DPICHANGED:
        // The dialog manager's own handling follows.
        OnDpiChanged(*reinterpret_cast<const RECT*>(lParam));
        return FALSE;
    case kDpiSettledMessage:
        OnDpiSettled();
        handled = true;
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace orvane
