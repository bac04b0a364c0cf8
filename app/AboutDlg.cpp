#include "app/AboutDlg.h"

#include "core/HelpLinks.h"
#include "app/OrvaneApp.h"
#include "core/SettingsKeys.h"
#include "framework/Dpi.h"
#include "framework/ActiveX.h"
#include "resources/ids_app.h"

#include <commctrl.h>
#include <shellapi.h>

namespace orvane {
namespace {

constexpr unsigned kTextVersion = 1;
constexpr unsigned kTextAbout = 2;

std::wstring FileUrl(std::wstring path) {
    for (wchar_t& c : path)
        if (c == L'\\')
            c = L'/';
    return L"file:///" + path;
}

} // namespace

CAboutDlg::CAboutDlg() : CPictureDialog(IDD_ABOUTBOX) {}

BOOL CAboutDlg::OnInitDialog() {
    SetWindowTextW(m_hWnd, App().Text(kTextAbout).c_str());
    SetDlgItemTextW(m_hWnd, IDC_ABOUT_VERSION, App().Text(kTextVersion).c_str());

    HWND name = Item(IDC_ABOUT_NAME);
    LOGFONTW font = {};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(name, WM_GETFONT, 0, 0)), sizeof font, &font);
    font.lfWeight = FW_BOLD;
    font.lfHeight = ScaleToDpi(14, WindowDpi(m_hWnd));
    m_nameFont.reset(CreateFontIndirectW(&font));
    SendMessageW(name, WM_SETFONT, reinterpret_cast<WPARAM>(m_nameFont.get()), FALSE);

    m_backdrop.Load(665, m_hWnd);
    m_mark.Load(545, m_hWnd);
    ShowCreditsPage();
    return TRUE;
}

void CAboutDlg::ShowCreditsPage() {
    const bool russian = App().Options().GetString(key::strLanguage) == L"Russian";
    const std::wstring page =
        App().ProgramFolder() + (russian ? L"\\credits_ru.html" : L"\\credits_en.html");
    if (GetFileAttributesW(page.c_str()) == INVALID_FILE_ATTRIBUTES || !RegisterActiveXHost())
        return;
    HWND placeholder = Item(IDC_ABOUT_CREDITS);
    RECT area;
    GetWindowRect(placeholder, &area);
    MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&area), 2);
    HWND host = CreateWindowExW(0, L"AtlAxWin", FileUrl(page).c_str(), WS_CHILD | WS_VISIBLE,
                                area.left, area.top, area.right - area.left, area.bottom - area.top,
                                m_hWnd, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!host)
        return;
    if (!HostedControl(host)) { // no browser engine: keep the plain text
        ::DestroyWindow(host);
        return;
    }
    ::DestroyWindow(placeholder);
    SetWindowLongPtrW(host, GWLP_ID, IDC_ABOUT_CREDITS);
    m_creditsPage = host;
}

bool CAboutDlg::OnNotify(NMHDR* header, LRESULT&) {
    if (header->idFrom != IDC_ABOUT_LINK || (header->code != NM_CLICK && header->code != NM_RETURN))
        return false;
    ShellExecuteW(nullptr, L"open", kMakerSite, nullptr, nullptr, SW_SHOWNORMAL);
    return true;
}

void CAboutDlg::PaintPicture(HDC dc) {
    Gdiplus::Graphics graphics(dc);
    m_backdrop.Draw(graphics, 0, 0);
    m_mark.Draw(graphics, 191, 11);
}

void CAboutDlg::OnDestroy() {
    m_backdrop.Reset();
    m_mark.Reset();
    m_creditsPage = nullptr;
}

CPictureDialog::LabelStyle CAboutDlg::StyleOfLabel(HWND control, UINT message) const {
    // Statics show the backdrop through; the product name is green.
    if (message != WM_CTLCOLORSTATIC)
        return {};
    if (GetDlgCtrlID(control) == IDC_ABOUT_NAME)
        return {true, RGB(0, 210, 0)};
    return {true, std::nullopt};
}

} // namespace orvane
