#include "tweaks/DlgTweakPage.h"

#include "framework/Dpi.h"
#include "resources/ids_tweaks.h"

namespace orvane {
namespace {

constexpr COLORREF kTitleColour = RGB(0, 210, 0);
constexpr COLORREF kNoticeColour = RGB(255, 0, 0);

} // namespace

CDlgTweakPage::CDlgTweakPage(TweakFrame frame, ITweakPageHost& host)
    : CDialog(frame.templateId), m_frame(std::move(frame)), m_host(host) {}

CDlgTweakPage::~CDlgTweakPage() = default;

BOOL CDlgTweakPage::OnInitDialog() {
    HWND title = Item(IDC_TWEAK_TITLE);
    LOGFONTW font = {};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(title, WM_GETFONT, 0, 0)), sizeof font, &font);
    font.lfWeight = FW_BOLD;
    font.lfHeight = ScaleToDpi(14, WindowDpi(m_hWnd));
    m_titleFont.reset(CreateFontIndirectW(&font));
    SendMessageW(title, WM_SETFONT, reinterpret_cast<WPARAM>(m_titleFont.get()), FALSE);

    m_host.Texts().SetDlgItemTexts(m_hWnd, m_frame.texts.data(),
                                   static_cast<UINT>(m_frame.texts.size() * sizeof(WORD)));
    ReadState();

    if (m_frame.notice != Notice::None) {
        if (m_host.IsUserAdmin()) {
            for (int id : {IDC_TWEAK_NOTICE_FRAME, IDC_TWEAK_NOTICE, int(m_frame.noticeButton)})
                ShowWindow(Item(id), SW_HIDE);
        } else {
            DisableInput();
            if (m_frame.notice == Notice::AdminInsteadOfFollowUp)
                for (int id : {IDC_TWEAK_FOLLOW_UP_NOTE, IDC_TWEAK_FOLLOW_UP})
                    ShowWindow(Item(id), SW_HIDE);
        }
    }
    m_initialised = true;
    return TRUE;
}

void CDlgTweakPage::AfterChange() {
    if (m_frame.followUp != FollowUp::None)
        EnableWindow(Item(IDC_TWEAK_FOLLOW_UP), TRUE);
}

void CDlgTweakPage::RunFollowUp() {
    // Each of these may run for a while and dispatch messages meanwhile; nothing of the
    // page is touched afterwards.
    switch (m_frame.followUp) {
    case FollowUp::RestartExplorer:
        m_host.RestartExplorer();
        break;
    case FollowUp::SignOut:
        m_host.SignOut();
        break;
    case FollowUp::RestartWindows:
        m_host.RestartWindows();
        break;
    case FollowUp::None:
        break;
    }
}

bool CDlgTweakPage::OnCommand(WORD id, WORD notifyCode, HWND) {
    if (notifyCode == BN_CLICKED && id == IDC_TWEAK_FOLLOW_UP &&
        m_frame.followUp != FollowUp::None) {
        RunFollowUp();
        return true;
    }
    if (notifyCode == BN_CLICKED && id == m_frame.noticeButton && m_frame.notice != Notice::None) {
        m_host.RestartAsAdmin();
        return true;
    }
    if (OnPageCommand(id, notifyCode))
        return true;
    // Enter and Escape belong to the main window, not to a page.
    return id == IDOK || id == IDCANCEL;
}

INT_PTR CDlgTweakPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
    if (message == WM_HSCROLL && lParam) {
        OnSliderMoved(reinterpret_cast<HWND>(lParam), LOWORD(wParam));
        handled = true;
        return TRUE;
    }
    if (message != WM_CTLCOLORSTATIC)
        return FALSE;
    const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
    COLORREF colour;
    if (id == IDC_TWEAK_TITLE)
        colour = kTitleColour;
    else if (id == IDC_TWEAK_NOTICE && m_frame.notice == Notice::Admin)
        colour = kNoticeColour;
    else
        return FALSE;
    const HDC dc = reinterpret_cast<HDC>(wParam);
    SetTextColor(dc, colour);
    SetBkMode(dc, TRANSPARENT);
    handled = true;
    return reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
}

} // namespace orvane
