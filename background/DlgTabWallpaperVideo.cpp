#include "background/DlgTabWallpaperVideo.h"

#include "background/BackgroundPageHost.h"
#include "background/WallpaperVideo.h"
#include "background/WebAddress.h"
#include "core/Options.h"
#include "core/SettingsKeys.h"
#include "framework/Browser.h"
#include "framework/FileDialog.h"
#include "framework/IconButtons.h"
#include "resources/ids_videoweb.h"

#include <shlwapi.h>

namespace orvane {
namespace {

constexpr unsigned kTextCannotPlay = 159;
constexpr unsigned kTextBrowse = 158;
constexpr unsigned kTextMissing = 201;
constexpr UINT kLinkIcon = 337;

} // namespace

CDlgTabWallpaperVideo::CDlgTabWallpaperVideo(IBackgroundPageHost& host)
    : CLivePage(host, IDD_TAB_WALLPAPER_VIDEO, IDP_VIDEO_PAGE, 120, L"background-video") {
    AddLinkButton(IDC_VIDEO_FIND, kLinkIcon, kLinkColour);
}

bool CDlgTabWallpaperVideo::IsRedLabel(int controlId) const {
    return controlId == IDC_VIDEO_STATUS || controlId == IDC_LIVE_WARNING;
}

bool CDlgTabWallpaperVideo::Checked() const {
    return SendMessageW(Item(IDC_LIVE_ENABLE), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CDlgTabWallpaperVideo::InitPage() {
    COptions& options = Host().Options();
    const bool checked = options.GetBool(key::fWallaperVideoEnable);
    SendMessageW(Item(IDC_LIVE_ENABLE), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    const std::wstring path = options.GetString(key::strWallaperVideoPath);
    SetDlgItemTextW(m_hWnd, IDC_VIDEO_PATH, path.c_str());

    Show({IDC_VIDEO_STATUS}, false);
    if (!path.empty()) {
        // A broken background can still be switched off.
        if (!PathFileExistsW(path.c_str())) {
            ShowStatus(kTextMissing);
            Enable({IDC_LIVE_ENABLE}, checked);
        } else if (!Playable(path)) {
            ShowStatus(kTextCannotPlay);
            Enable({IDC_LIVE_ENABLE}, checked);
        } else {
            Enable({IDC_LIVE_ENABLE}, true);
        }
    }
    Show({IDC_LIVE_WARNING, IDC_VIDEO_ENABLE_SETTING}, false);
    if (AnimationsBlocked()) {
        Enable({IDC_LIVE_ENABLE, IDC_VIDEO_BROWSE}, false);
        Show({IDC_VIDEO_STATUS}, false);
        Show({IDC_LIVE_WARNING, IDC_VIDEO_ENABLE_SETTING}, true);
    }
}

void CDlgTabWallpaperVideo::ApplyTexts() {
    ApplyTextPairs({IDC_LIVE_ENABLE, 42, IDC_VIDEO_LABEL, 157, IDC_VIDEO_BROWSE, 158,
                    IDC_VIDEO_FIND, 160, IDC_LIVE_WARNING, 161, IDC_VIDEO_ENABLE_SETTING, 162,
                    IDC_LIVE_HELP, 14});
}

void CDlgTabWallpaperVideo::Refresh() {
    if (!m_hWnd)
        return;
    SendMessageW(Item(IDC_LIVE_ENABLE), BM_SETCHECK,
                 Host().Options().GetBool(key::fWallaperVideoEnable) ? BST_CHECKED : BST_UNCHECKED,
                 0);
}

bool CDlgTabWallpaperVideo::Playable(const std::wstring& path) const {
    if (Host().Options().GetInt(key::iWallaperVideoEngine) != CWallpaperVideo::kEngineMci)
        return true;
    CWallpaperVideo* video = Host().VideoBackground();
    return video && video->Video().CanOpen(path);
}

void CDlgTabWallpaperVideo::ShowStatus(unsigned textId) {
    SetLabel(IDC_VIDEO_STATUS, Text(textId));
    Show({IDC_VIDEO_STATUS}, true);
}

void CDlgTabWallpaperVideo::Browse() {
    std::wstring file;
    if (AskForFile(m_hWnd, Text(kTextBrowse), nullptr, file))
        UseFile(file);
}

void CDlgTabWallpaperVideo::UseFile(const std::wstring& path) {
    SetDlgItemTextW(m_hWnd, IDC_VIDEO_PATH, path.c_str());
    Host().Options().SetString(key::strWallaperVideoPath, path);
    const bool playable = Playable(path);
    Enable({IDC_LIVE_ENABLE}, playable);
    if (playable) {
        Show({IDC_VIDEO_STATUS}, false);
    } else {
        ShowStatus(kTextCannotPlay);
    }
    if (!Checked())
        return;
    Host().SetBackground(BackgroundKind::Video, false);
    if (playable)
        Host().SetBackground(BackgroundKind::Video, true); // the new file plays at once
    else
        SendMessageW(Item(IDC_LIVE_ENABLE), BM_SETCHECK, BST_UNCHECKED, 0);
}

bool CDlgTabWallpaperVideo::OnCommand(WORD id, WORD notifyCode, HWND control) {
    if (notifyCode != BN_CLICKED)
        return false;
    if (CLivePage::OnCommand(id, notifyCode, control))
        return true;
    switch (id) {
    case IDC_LIVE_ENABLE:
        Host().SetBackground(BackgroundKind::Video, Checked());
        return true;
    case IDC_VIDEO_BROWSE:
        Browse();
        return true;
    case IDC_VIDEO_ENABLE_SETTING:
        EnableAnimations();
        return true;
    case IDC_VIDEO_FIND:
        OpenInBrowser(VideosAddress(Host().Options().GetString(key::strLanguage)));
        return true;
    default:
        return false;
    }
}

} // namespace orvane
