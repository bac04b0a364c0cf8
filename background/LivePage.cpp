#include "background/LivePage.h"

#include "core/HelpLinks.h"
#include "app/OrvaneApp.h"
#include "core/SettingsKeys.h"
#include "core/SystemAccess.h"
#include "framework/Browser.h"
#include "framework/PngResource.h"
#include "framework/IconButtons.h"
#include "resources/ids_videoweb.h"

#include <shellapi.h>
#include <shlwapi.h>

#include <vector>

namespace orvane {
namespace {

const wchar_t kDesktopKey[] = L"Control Panel\\Desktop";
const wchar_t kMaskValue[] = L"UserPreferencesMask";
constexpr unsigned kTextSignOut = 163;
constexpr UINT kHelpIcon = 565;

} // namespace

PreferencesMask ReadPreferencesMask() {
    PreferencesMask mask;
    std::vector<std::uint8_t> bytes(kPreferencesMaskCapacity);
    DWORD type = 0, size = static_cast<DWORD>(bytes.size());
    if (SHGetValueW(HKEY_CURRENT_USER, kDesktopKey, kMaskValue, &type, bytes.data(), &size) !=
        ERROR_SUCCESS)
        return mask;
    bytes.resize(size);
    mask.read = true;
    mask.type = type;
    mask.bytes = std::move(bytes);
    return mask;
}

CLivePage::CLivePage(UINT templateId, UINT pictureId, int pictureTop, const wchar_t* helpKey)
    : CPage(templateId), m_pictureId(pictureId), m_pictureTop(pictureTop), m_helpKey(helpKey) {}

BOOL CLivePage::OnInitDialog() {
    m_picture = LoadPngResource(m_pictureId);
    m_helpIcon = SetButtonIcon(Item(IDC_LIVE_HELP), kHelpIcon, 14);
    InitPage();
    return TRUE;
}

void CLivePage::OnDestroy() {
    m_picture.reset();
}

bool CLivePage::AnimationsBlocked() {
    return orvane::AnimationsBlocked(ReadPreferencesMask());
}

void CLivePage::EnableAnimations() {
    const std::vector<std::uint8_t> bytes = WithAnimationsEnabled(ReadPreferencesMask());
    if (bytes.empty())
        return;
    if (SHSetValueW(HKEY_CURRENT_USER, kDesktopKey, kMaskValue, REG_BINARY, bytes.data(),
                    static_cast<DWORD>(bytes.size())) != ERROR_SUCCESS)
        return;
    if (MessageBoxW(m_hWnd, App().Text(kTextSignOut).c_str(), L"Orvane",
                    MB_YESNO | MB_ICONQUESTION) == IDYES)
        SignOut();
}

void CLivePage::OpenAddress(const std::wstring& address) {
    OpenInBrowser(address);
}

void CLivePage::OpenHelp() const {
    OpenAddress(HelpAddress(m_helpKey, App().Options().GetString(key::strLanguage)));
}

void CLivePage::SetLabel(int controlId, const std::wstring& text) {
    HWND label = Item(controlId);
    SetWindowTextW(label, text.c_str());
    RECT area;
    GetWindowRect(label, &area);
    MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&area), 2);
    InvalidateRect(m_hWnd, &area, TRUE);
}

void CLivePage::Show(std::initializer_list<int> controlIds, bool visible) {
    for (int id : controlIds)
        ShowWindow(Item(id), visible ? SW_SHOW : SW_HIDE);
}

void CLivePage::Enable(std::initializer_list<int> controlIds, bool enabled) {
    for (int id : controlIds)
        EnableWindow(Item(id), enabled);
}

void CLivePage::ApplyTextPairs(std::initializer_list<WORD> pairs) {
    const std::vector<WORD> table(pairs);
    App().Translator().SetDlgItemTexts(m_hWnd, table.data(),
                                       static_cast<UINT>(table.size() * sizeof(WORD)));
}

void CLivePage::PaintPicture(HDC dc) {
    if (!m_picture)
        return;
    Gdiplus::Graphics graphics(dc);
    graphics.DrawImage(m_picture.get(), 0, m_pictureTop, m_picture->GetWidth(),
                       m_picture->GetHeight());
}

bool CLivePage::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hWnd, &paint);
    PaintPicture(dc);
    EndPaint(m_hWnd, &paint);
    return true;
}

INT_PTR CLivePage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
    switch (message) {
    case WM_PRINTCLIENT: {
        // Themed and owner-drawn controls ask for what lies behind them.
        HDC dc = reinterpret_cast<HDC>(wParam);
        if (lParam & PRF_ERASEBKGND) {
            RECT client;
            GetClientRect(m_hWnd, &client);
            FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
        }
        PaintPicture(dc);
        handled = true;
        return TRUE;
    }
    case WM_CTLCOLORSTATIC: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
        // Read-only edits ask here too; they keep their own background.
        wchar_t className[16] = L"";
        GetClassNameW(reinterpret_cast<HWND>(lParam), className, 16);
        if (lstrcmpiW(className, L"Edit") == 0)
            return FALSE;
        SetBkMode(dc, TRANSPARENT);
        if (IsRedLabel(id))
            SetTextColor(dc, RGB(255, 0, 0));
        handled = true;
        return reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
    }
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        handled = OnDrawLink(*item);
        return handled;
    }
    default:
        return FALSE;
    }
}

} // namespace orvane
