#include "background/DlgTabWallpaperWeb.h"

#include "background/BackgroundPageHost.h"
#include "core/Options.h"
#include "core/SettingsKeys.h"
#include "core/SettingsTable.h"
#include "background/WallpaperWeb.h"
#include "framework/IconButtons.h"
#include "resources/ids_videoweb.h"

#include <commctrl.h>

namespace orvane {
namespace {

constexpr unsigned kTextRefresh = 69;
constexpr unsigned kTextEngine = 204;
constexpr UINT kRefreshIcon = 236;

} // namespace

CDlgTabWallpaperWeb::CDlgTabWallpaperWeb(IBackgroundPageHost& host)
    : CLivePage(host, IDD_TAB_WALLPAPER_WEB, IDP_WEB_PAGE, 0, L"background-web") {}

bool CDlgTabWallpaperWeb::IsRedLabel(int controlId) const {
    return controlId == IDC_LIVE_WARNING;
}

void CDlgTabWallpaperWeb::InitPage() {
    m_refreshIcon = SetButtonIcon(Item(IDC_WEB_REFRESH), kRefreshIcon, kButtonIconSize);
    AddTooltip();

    COptions& options = Host().Options();
    m_enabled = options.GetBool(key::fWallaperWebEnable);
    SendMessageW(Item(IDC_LIVE_ENABLE), BM_SETCHECK, m_enabled ? BST_CHECKED : BST_UNCHECKED, 0);
    if (m_enabled) {
        Enable({IDC_WEB_URL}, false);
        Enable({IDC_WEB_REFRESH, IDC_WEB_INTERACTIVE, IDC_WEB_INTERACTIVE_LABEL}, true);
    }
    std::wstring address = options.GetString(key::strWallaperWebURL);
    if (address.empty()) {
        address = kDefaultWebBackgroundUrl;
        options.SetString(key::strWallaperWebURL, address);
    }
    SetDlgItemTextW(m_hWnd, IDC_WEB_URL, address.c_str());

    Show({IDC_LIVE_WARNING, IDC_WEB_ENABLE_SETTING}, false);
    if (AnimationsBlocked()) {
        Show({IDC_LIVE_WARNING, IDC_WEB_ENABLE_SETTING}, true);
        Enable({IDC_LIVE_ENABLE, IDC_WEB_URL, IDC_WEB_REFRESH}, false);
    }

    Show({IDC_WEB_ENGINE}, false);
    m_initialised = true;
    if (CWallpaperWeb* web = Host().WebBackground())
        web->SetEngineNameCallback([this](const std::wstring& name) { ShowEngine(name); });
}

void CDlgTabWallpaperWeb::OnDestroy() {
    m_initialised = false;
    if (CWallpaperWeb* web = Host().WebBackground())
        web->SetEngineNameCallback(nullptr);
    if (m_tooltip)
        ::DestroyWindow(m_tooltip);
    m_tooltip = nullptr;
    CLivePage::OnDestroy();
}

void CDlgTabWallpaperWeb::AddTooltip() {
    m_tooltip = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hWnd,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
    TTTOOLINFOW tool = {};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = m_hWnd;
    tool.uId = reinterpret_cast<UINT_PTR>(Item(IDC_WEB_REFRESH));
    tool.lpszText = const_cast<wchar_t*>(Text(kTextRefresh).c_str());
    SendMessageW(m_tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void CDlgTabWallpaperWeb::ApplyTexts() {
    ApplyTextPairs({IDC_LIVE_ENABLE, 42, IDC_LIVE_WARNING, 161, IDC_WEB_ENABLE_SETTING, 162,
                    IDC_LIVE_HELP, 14, IDC_WEB_INTERACTIVE_LABEL, 246});
    if (m_tooltip) {
        TTTOOLINFOW tool = {};
        tool.cbSize = sizeof tool;
        tool.hwnd = m_hWnd;
        tool.uId = reinterpret_cast<UINT_PTR>(Item(IDC_WEB_REFRESH));
        tool.lpszText = const_cast<wchar_t*>(Text(kTextRefresh).c_str());
        SendMessageW(m_tooltip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    if (CWallpaperWeb* web = Host().WebBackground();
        web && !web->EngineName().empty() && IsWindowVisible(Item(IDC_WEB_ENGINE)))
        ShowEngine(web->EngineName());
}

void CDlgTabWallpaperWeb::ShowEngine(const std::wstring& name) {
    if (!m_initialised)
        return;
    SetLabel(IDC_WEB_ENGINE, Text(kTextEngine) + L":  " + name);
    Show({IDC_WEB_ENGINE}, true);
}

void CDlgTabWallpaperWeb::PushEnabled() {
    SendMessageW(Item(IDC_LIVE_ENABLE), BM_SETCHECK, m_enabled ? BST_CHECKED : BST_UNCHECKED, 0);
    Enable({IDC_WEB_URL}, !m_enabled);
    Enable({IDC_WEB_REFRESH, IDC_WEB_INTERACTIVE, IDC_WEB_INTERACTIVE_LABEL}, m_enabled);
    if (!m_enabled) {
        // A later start always begins behind the icons.
        SendMessageW(Item(IDC_WEB_INTERACTIVE), BM_SETCHECK, BST_UNCHECKED, 0);
        Show({IDC_WEB_ENGINE}, false);
    }
}

void CDlgTabWallpaperWeb::Refresh() {
    if (!m_hWnd)
        return;
    m_enabled = Host().Options().GetBool(key::fWallaperWebEnable);
    PushEnabled();
}

bool CDlgTabWallpaperWeb::OnCommand(WORD id, WORD notifyCode, HWND control) {
    if (id == IDC_WEB_URL && notifyCode == EN_CHANGE) {
        if (!m_initialised)
            return true;
        wchar_t text[COptions::kStringCapacity] = L"";
        GetDlgItemTextW(m_hWnd, IDC_WEB_URL, text, COptions::kStringCapacity);
        Host().Options().SetString(key::strWallaperWebURL, text);
        return true;
    }
    if (notifyCode != BN_CLICKED)
        return false;
    if (CLivePage::OnCommand(id, notifyCode, control))
        return true;
    switch (id) {
    case IDC_LIVE_ENABLE:
        m_enabled = SendMessageW(Item(IDC_LIVE_ENABLE), BM_GETCHECK, 0, 0) == BST_CHECKED;
        PushEnabled();
        Host().SetBackground(BackgroundKind::Web, m_enabled);
        return true;
    case IDC_WEB_REFRESH:
        Host().RefreshBackground(BackgroundKind::Web);
        return true;
    case IDC_WEB_ENABLE_SETTING:
        EnableAnimations();
        return true;
    case IDC_WEB_INTERACTIVE:
        if (CWallpaperWeb* web = Host().WebBackground())
            web->SetInteractive(SendMessageW(Item(IDC_WEB_INTERACTIVE), BM_GETCHECK, 0, 0) ==
                                BST_CHECKED);
        return true;
    default:
        return false;
    }
}

} // namespace orvane
