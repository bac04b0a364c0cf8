#include "app/OrvaneDlg.h"

#include "app/OrvaneApp.h"
#include "resources/ids_app.h"

namespace orvane {

COrvaneDlg::COrvaneDlg() : CDialog(IDD_MAIN) {}

BOOL COrvaneDlg::OnInitDialog() {
    const HINSTANCE module = GetModuleHandleW(nullptr);
    m_bigIcon.reset(static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(IDR_MAINFRAME),
                                                  IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                                  GetSystemMetrics(SM_CYICON), 0)));
    m_smallIcon.reset(static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(IDR_MAINFRAME),
                                                    IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                    GetSystemMetrics(SM_CYSMICON), 0)));
    SendMessageW(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_bigIcon.get()));
    SendMessageW(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_smallIcon.get()));
    RetranslateWindow();
    if (!m_startHidden)
        SetForegroundWindow(m_hWnd);
    return TRUE;
}

void COrvaneDlg::RetranslateWindow() {
    static const WORD kBarPositions[] = {ID_MENU_SETTINGS, 13, 0, 14};
    static const WORD kBarCommands[] = {ID_MENU_HELP, 14, ID_MENU_CHECK_UPDATES, 15, ID_MENU_ABOUT, 0};
    App().Translator().TranslateMenu(GetMenu(m_hWnd), kBarPositions, 4, kBarCommands, 6);
    DrawMenuBar(m_hWnd);
}

bool COrvaneDlg::OnCommand(WORD id, WORD notifyCode, HWND control) {
    // Until the tray exists, closing the window ends the program like Exit does.
    if (id == IDCANCEL || id == IDOK || id == ID_TRAY_EXIT) {
        EndDialog(0);
        return true;
    }
    return CDialog::OnCommand(id, notifyCode, control);
}

INT_PTR COrvaneDlg::OnMessage(UINT message, WPARAM, LPARAM lParam, bool& handled) {
    if (message == WM_WINDOWPOSCHANGING && m_startHidden) {
        reinterpret_cast<WINDOWPOS*>(lParam)->flags &= ~SWP_SHOWWINDOW;
        handled = true;
    }
    return 0;
}

} // namespace orvane
