#pragma once

#include "app/Tray.h"
#include "framework/Dialog.h"
#include "framework/Gdiplus.h"
#include "framework/Handle.h"
#include "framework/Page.h"
#include "framework/ScaledPicture.h"

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

namespace orvane {

class CDlgTabWallpaper;
class CDlgTabWallpaperVideo;
class CDlgTabWallpaperWeb;
class CDlgTabWallpaperScreensaver;
class CDlgTabScreensaver;
class CDlgTabLogon;
class CDlgTabCursor;
class CDlgTabEffects;
class CDlgTabTweaks;
class CDlgTabNightShift;
class CProgramBackgroundPageHost;
class CProgramScreensaverPageHost;
class CProgramLogonPageHost;
class CProgramCursorPageHost;
class CProgramEffectPageHost;
class CProgramTweakPageHost;
class CProgramNightLightPageHost;

// The program's main window: the tabs with the feature pages, the menu bar and the
// tray icon. It runs modally for the whole life of the program and hides into the tray
// instead of closing; only Exit ends it.
class COrvaneDlg : public CDialog {
public:
    COrvaneDlg();
    ~COrvaneDlg() override;

    // Set by start-up for a sign-in start: the window never shows by itself.
    void SetStartHidden(bool hidden) { m_startHidden = hidden; }

    void RetranslateWindow();

    // The pages, for features that update them.
    CDlgTabWallpaper& WallpaperPage() { return *m_wallpaper; }
    CDlgTabWallpaperVideo& VideoPage() { return *m_video; }
    CDlgTabWallpaperWeb& WebPage() { return *m_web; }
    CDlgTabWallpaperScreensaver& ScreensaverBackgroundPage() { return *m_screensaverBackground; }
    CDlgTabScreensaver& ScreensaverPage() { return *m_screensaver; }
    CDlgTabLogon& LogonPage() { return *m_logon; }
    CDlgTabCursor& CursorPage() { return *m_cursor; }

    static constexpr UINT_PTR kTrayTimer = 1;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;
    bool OnNotify(NMHDR* header, LRESULT& result) override;
    void OnTimer(UINT_PTR id) override;
    bool OnPaint() override;
    void OnDestroy() override;
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

private:
    struct Tab {
        CPage* page;
        unsigned textId;
        int image;
    };

    void CreateTabs();
    void LoadTabImages();
    // Every page fills the tab control's display area.
    void PlacePages();
    void OnDpiChanged(const RECT& suggested);
    void OnDpiSettled();
    CPage* PageOfTab(int index) const;
    bool ScreensaverPageCurrent() const;
    void Open();
    void Exit();
    void ShowTrayMenu();
    void ShowAbout();
    void ShowSettings();
    void OpenAddress(const std::wstring& address);

    bool m_startHidden = false;
    bool m_logonTab;
    UniqueIcon m_bigIcon;
    UniqueIcon m_smallIcon;
    CTray m_tray;
    CScaledPicture m_background;
    HIMAGELIST m_tabImages = nullptr;

    // Before the pages, which hold on to them.
    std::unique_ptr<CProgramBackgroundPageHost> m_backgroundHost;
    std::unique_ptr<CProgramScreensaverPageHost> m_screensaverHost;
    std::unique_ptr<CProgramLogonPageHost> m_logonHost;
    std::unique_ptr<CProgramCursorPageHost> m_cursorHost;
    std::unique_ptr<CProgramEffectPageHost> m_effectHost;
    std::unique_ptr<CProgramTweakPageHost> m_tweakHost;
    std::unique_ptr<CProgramNightLightPageHost> m_nightLightHost;
    std::unique_ptr<CDlgTabWallpaper> m_wallpaper;
    std::unique_ptr<CDlgTabWallpaperVideo> m_video;
    std::unique_ptr<CDlgTabWallpaperWeb> m_web;
    std::unique_ptr<CDlgTabWallpaperScreensaver> m_screensaverBackground;
    std::unique_ptr<CDlgTabScreensaver> m_screensaver;
    std::unique_ptr<CDlgTabLogon> m_logon;
    std::unique_ptr<CDlgTabCursor> m_cursor;
    std::unique_ptr<CDlgTabEffects> m_effects;
    std::unique_ptr<CDlgTabTweaks> m_tweaks;
    std::unique_ptr<CDlgTabNightShift> m_nightShift;
    std::vector<Tab> m_tabs; // in tab order; without the Logon Screen tab where it has none
};

} // namespace orvane
