#include "personalize/DlgTabScreensaver.h"

#include "core/Options.h"
#include "core/SettingsKeys.h"
#include "framework/FitGeometry.h"
#include "personalize/ScreensaverCatalogue.h"
#include "personalize/ScreensaverPageHost.h"
#include "resources/ids_pages.h"
#include "resources/ids_screensaver.h"
#include "resources/ids_videoweb.h"

#include <commctrl.h>
#include <shlwapi.h>

#include <algorithm>

namespace orvane {
namespace {

constexpr UINT kLaunchDelayMs = 1000;
constexpr UINT kReturnPollMs = 500;
// A run that the system never reports (none started) gives the preview back after this
// many polls.
constexpr int kReturnPollsWithoutRun = 10;
// The page's texts are white over its dark picture; the link is a light blue there.
constexpr COLORREF kPageText = RGB(255, 255, 255);
constexpr COLORREF kPageLink = RGB(120, 190, 255);

const wchar_t kDesktopKey[] = L"Control Panel\\Desktop";

std::wstring ReadDesktopText(const wchar_t* name) {
    wchar_t text[260] = L"";
    DWORD size = sizeof text - sizeof(wchar_t);
    if (SHGetValueW(HKEY_CURRENT_USER, kDesktopKey, name, nullptr, text, &size) != ERROR_SUCCESS)
        return {};
    return text;
}

// Draws the current wallpaper so that it covers width x height, cropped equally.
void DrawWallpaper(HDC target, int width, int height) {
    const std::wstring path = ReadDesktopText(L"Wallpaper");
    if (path.empty())
        return;
    Gdiplus::Bitmap picture(path.c_str());
    if (picture.GetLastStatus() != Gdiplus::Ok || picture.GetWidth() == 0 ||
        picture.GetHeight() == 0)
        return;
    HBITMAP decoded = nullptr;
    if (picture.GetHBITMAP(Gdiplus::Color(0, 0, 0), &decoded) != Gdiplus::Ok)
        return;
    UniqueGdiObject owned(decoded);
    UniqueDC source(CreateCompatibleDC(target));
    SelectGuard selected(source.get(), decoded);
    const FitRect fit =
        CoverFit(static_cast<float>(width), static_cast<float>(height),
                 static_cast<float>(picture.GetWidth()), static_cast<float>(picture.GetHeight()));
    SetStretchBltMode(target, HALFTONE);
    SetBrushOrgEx(target, 0, 0, nullptr);
    StretchBlt(target, fit.x, fit.y, fit.width, fit.height, source.get(), 0, 0,
               static_cast<int>(picture.GetWidth()), static_cast<int>(picture.GetHeight()),
               SRCCOPY);
}

} // namespace

CDlgTabScreensaver::CDlgTabScreensaver(IScreensaverPageHost& host)
    : CScreensaverListPage(IDD_TAB_SCREENSAVER, IDP_SAVER_PAGE, L"screen-saver", kPageLink,
                           host.Options(), host.Texts()),
      m_host(host), m_catalogue(host.Screensavers()) {}

bool CDlgTabScreensaver::Checked(int controlId) const {
    return SendMessageW(Item(controlId), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CDlgTabScreensaver::InitPage() {
    SendMessageW(Item(IDC_SAVER_WAIT), EM_LIMITTEXT, 5, 0);
    SendMessageW(Item(IDC_SAVER_WAIT_SPIN), UDM_SETRANGE32, kMinWaitMinutes, kMaxWaitMinutes);
    UINT seconds = 900; // what the page shows when the system does not answer
    SystemParametersInfoW(SPI_GETSCREENSAVETIMEOUT, 0, &seconds, 0);
    SendMessageW(Item(IDC_SAVER_WAIT_SPIN), UDM_SETPOS32, 0, static_cast<LPARAM>(seconds / 60));

    const COptions& options = m_host.Options();
    SendMessageW(Item(IDC_SAVER_AUTO), BM_SETCHECK,
                 options.GetInt(key::iScreenSaverAutoChange) ? BST_CHECKED : BST_UNCHECKED, 0);
    SendMessageW(Item(IDC_SAVER_SHUFFLE), BM_SETCHECK,
                 options.GetBool(key::fScreenSaverAutoChangeShuffle) ? BST_CHECKED : BST_UNCHECKED,
                 0);
    SendMessageW(Item(IDC_SAVER_SECURE), BM_SETCHECK,
                 m_catalogue.SecureResume() ? BST_CHECKED : BST_UNCHECKED, 0);
    m_initialised = true;
    m_changes = m_host.PageChanges().Listen([this] { RefreshList(); });
}

void CDlgTabScreensaver::OnDestroy() {
    m_changes.Reset();
    KillTimer(m_hWnd, kLaunchTimer);
    KillTimer(m_hWnd, kReturnTimer);
    m_catalogue.StopPreview();
    m_initialised = false;
    CScreensaverListPage::OnDestroy();
    m_areaPicture.reset();
}

void CDlgTabScreensaver::ApplyTexts() {
    ApplyTextPairs({IDC_SAVER_LABEL,      171, IDC_SAVER_SETTINGS,      13,
                    IDC_SAVER_PREVIEW,    166, IDC_SAVER_SECURE_LABEL,  167,
                    IDC_SAVER_AUTO_LABEL, 168, IDC_SAVER_SHUFFLE_LABEL, 39,
                    IDC_SAVER_WAIT_LABEL, 169, IDC_SAVER_MINUTES,       35,
                    IDC_LIVE_HELP,        14,  IDC_SAVER_FIND,          170});
    RefreshList();
}

void CDlgTabScreensaver::RefreshList() {
    if (!m_hWnd)
        return;
    FillList(m_catalogue.Build());
    const bool chosen =
        m_catalogue.CurrentIndex() != -1 && ReadDesktopText(L"ScreenSaveActive") == L"1";
    ShowPreviewBackground(chosen && m_catalogue.CurrentIsBlank());
    EnableChosenControls(chosen);
    SelectRow(chosen ? m_catalogue.CurrentIndex() + 1 : 0);
    // A preview on show follows the choice: after an automatic change it shows the new
    // screen saver, not the one that has just run.
    if (m_catalogue.PreviewProcess() && !chosen)
        m_catalogue.StopPreview();
    else if (m_catalogue.PreviewProcess() && m_previewPath != m_catalogue.CurrentPath())
        StartAreaPreview();
}

bool CDlgTabScreensaver::ScreensaverChosen() const {
    return SelectedRow() > 0;
}

void CDlgTabScreensaver::PausePreview() {
    if (ScreensaverChosen())
        m_catalogue.StopPreview();
}

void CDlgTabScreensaver::ResumePreview() {
    // A page out of sight starts its preview when it is shown.
    if (ScreensaverChosen() && IsWindowVisible(m_hWnd))
        StartAreaPreview();
}

void CDlgTabScreensaver::StartAreaPreview() {
    m_previewPath = m_catalogue.CurrentPath();
    m_catalogue.StartPreview(Item(IDC_SAVER_AREA));
}

void CDlgTabScreensaver::EnableChosenControls(bool enable) {
    Enable({IDC_SAVER_SETTINGS, IDC_SAVER_PREVIEW, IDC_SAVER_WAIT, IDC_SAVER_WAIT_SPIN,
            IDC_SAVER_SECURE, IDC_SAVER_AUTO},
           enable);
    Enable({IDC_SAVER_SHUFFLE}, enable && Checked(IDC_SAVER_AUTO));
}

void CDlgTabScreensaver::ShowPreviewBackground(bool blank) {
    HWND area = Item(IDC_SAVER_AREA);
    RECT client;
    GetClientRect(area, &client);
    WindowDC screen(area);
    UniqueDC memory(CreateCompatibleDC(screen.get()));
    UniqueGdiObject picture(CreateCompatibleBitmap(screen.get(), client.right, client.bottom));
    if (!memory || !picture)
        return;
    {
        SelectGuard selected(memory.get(), picture.get());
        FillRect(memory.get(), &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        if (!blank)
            DrawWallpaper(memory.get(), client.right, client.bottom);
    }
    SendMessageW(area, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture.get()));
    m_areaPicture = std::move(picture); // the one shown before goes now
    InvalidateRect(area, nullptr, TRUE);
}

void CDlgTabScreensaver::Choose(int row) {
    if (row <= 0) {
        m_catalogue.SetCurrent({});
        m_catalogue.StopPreview();
        ShowPreviewBackground(false);
        EnableChosenControls(false);
        return;
    }
    m_catalogue.SetCurrent(PathOfRow(row));
    ShowPreviewBackground(m_catalogue.CurrentIsBlank());
    StartAreaPreview();
    EnableChosenControls(true);
}

void CDlgTabScreensaver::WaitTyped() {
    if (!m_initialised || m_settingWait)
        return;
    wchar_t text[32] = L"";
    GetWindowTextW(Item(IDC_SAVER_WAIT), text, 32);
    const int minutes = ClampWaitMinutes(text);
    if (std::to_wstring(minutes) != text) {
        // Only a number out of range is rewritten, so typing is not disturbed.
        m_settingWait = true;
        SendMessageW(Item(IDC_SAVER_WAIT_SPIN), UDM_SETPOS32, 0, minutes);
        SendMessageW(Item(IDC_SAVER_WAIT), EM_SETSEL, 32, 32);
        m_settingWait = false;
    }
    CScreensaverCatalogue::SetTimeout(minutes);
}

void CDlgTabScreensaver::SetAutoChange(bool on) {
    m_host.Options().SetInt(key::iScreenSaverAutoChange, on ? 1 : 0);
    Enable({IDC_SAVER_SHUFFLE}, on);
    if (on)
        m_catalogue.StartChangeTimer();
    else
        m_catalogue.StopChangeTimer();
}

void CDlgTabScreensaver::RunSettings() {
    if (m_catalogue.CurrentPath().empty())
        return;
    PROCESS_INFORMATION started;
    if (!StartUnredirected(SettingsCommandLine(m_catalogue.CurrentPath()), started))
        return;
    // The settings run on their own; nothing waits for them.
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
}

void CDlgTabScreensaver::RunNow() {
    // The preview ends first; the screen saver starts a moment later, from a timer so
    // that the page keeps answering meanwhile.
    m_catalogue.StopPreview();
    KillTimer(m_hWnd, kReturnTimer);
    SetTimer(m_hWnd, kLaunchTimer, kLaunchDelayMs, nullptr);
}

void CDlgTabScreensaver::OnTimer(UINT_PTR id) {
    if (id == kLaunchTimer) {
        KillTimer(m_hWnd, kLaunchTimer);
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(GetDesktopWindow(), WM_SYSCOMMAND, SC_SCREENSAVE, 0,
                            SMTO_NORMAL | SMTO_ABORTIFHUNG, 5000, &ignored);
        m_returnTicks = 0;
        m_launchSeenRunning = false;
        SetTimer(m_hWnd, kReturnTimer, kReturnPollMs, nullptr);
        return;
    }
    if (id != kReturnTimer)
        return;
    // After the screen saver's run the preview comes back.
    BOOL running = FALSE;
    SystemParametersInfoW(SPI_GETSCREENSAVERRUNNING, 0, &running, 0);
    if (running) {
        m_launchSeenRunning = true;
        return;
    }
    if (!m_launchSeenRunning && ++m_returnTicks < kReturnPollsWithoutRun)
        return;
    KillTimer(m_hWnd, kReturnTimer);
    ResumePreview();
}

bool CDlgTabScreensaver::OnCommand(WORD id, WORD notifyCode, HWND control) {
    if (CScreensaverListPage::OnCommand(id, notifyCode, control))
        return true;
    if (id == IDC_SAVER_WAIT) {
        if (notifyCode == EN_CHANGE)
            WaitTyped();
        return true;
    }
    // A click on a check box's label clicks the box.
    static const int kLabels[][2] = {{IDC_SAVER_SECURE_LABEL, IDC_SAVER_SECURE},
                                     {IDC_SAVER_AUTO_LABEL, IDC_SAVER_AUTO},
                                     {IDC_SAVER_SHUFFLE_LABEL, IDC_SAVER_SHUFFLE}};
    for (const auto& label : kLabels)
        if (id == label[0]) {
            if (notifyCode == STN_CLICKED && IsWindowEnabled(Item(label[1])))
                SendMessageW(Item(label[1]), BM_CLICK, 0, 0);
            return true;
        }
    if (notifyCode != BN_CLICKED)
        return false;
    switch (id) {
    case IDC_SAVER_SETTINGS:
        RunSettings();
        return true;
    case IDC_SAVER_PREVIEW:
        RunNow();
        return true;
    case IDC_SAVER_SECURE:
        m_catalogue.SetSecureResume(Checked(IDC_SAVER_SECURE));
        return true;
    case IDC_SAVER_AUTO:
        SetAutoChange(Checked(IDC_SAVER_AUTO));
        return true;
    case IDC_SAVER_SHUFFLE:
        m_host.Options().SetBool(key::fScreenSaverAutoChangeShuffle, Checked(IDC_SAVER_SHUFFLE));
        return true;
    default:
        return false;
    }
}

bool CDlgTabScreensaver::OnNotify(NMHDR* header, LRESULT& result) {
    if (header->idFrom != IDC_SAVER_WAIT_SPIN || header->code != UDN_DELTAPOS)
        return false;
    const auto* change = reinterpret_cast<const NMUPDOWN*>(header);
    // The arrows never go past the range; neither does the waiting time.
    const int minutes =
        std::min(std::max(change->iPos + change->iDelta, kMinWaitMinutes), kMaxWaitMinutes);
    CScreensaverCatalogue::SetTimeout(minutes);
    result = 0; // let the position change
    return true;
}

INT_PTR CDlgTabScreensaver::OnDialogMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                            bool& handled) {
    if (message == WM_SHOWWINDOW && m_initialised) {
        if (wParam) {
            ShowPreviewBackground(ScreensaverChosen() && m_catalogue.CurrentIsBlank());
            if (ScreensaverChosen())
                StartAreaPreview();
        } else {
            PausePreview();
        }
        return FALSE;
    }
    return CScreensaverListPage::OnDialogMessage(message, wParam, lParam, handled);
}

CPictureDialog::LabelStyle CDlgTabScreensaver::StyleOfLabel(HWND control, UINT message) const {
    LabelStyle style = CScreensaverListPage::StyleOfLabel(control, message);
    if (style.clear)
        style.colour = kPageText;
    return style;
}

} // namespace orvane
