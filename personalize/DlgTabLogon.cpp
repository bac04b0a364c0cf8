#include "personalize/DlgTabLogon.h"

#include "core/HelpLinks.h"
#include "core/Options.h"
#include "core/SettingsKeys.h"
#include "core/SystemAccess.h"
#include "core/Translate.h"
#include "framework/FitGeometry.h"
#include "framework/Dpi.h"
#include "framework/IconButtons.h"
#include "framework/MessageBox.h"
#include "personalize/LogonPageHost.h"
#include "personalize/LogonPictures.h"
#include "resources/ids_personalize.h"

#include <vector>

namespace orvane {
namespace {

constexpr unsigned kTextChoose = 76;
constexpr unsigned kTextError = 148;
constexpr unsigned kTextPictureUnreadable = 248;
constexpr POINT kNoteWithoutRights = {11, 290};

const WORD kTexts[] = {IDC_LOGON_CHOOSE,       kTextChoose, IDC_LOGON_NOTE,    78,
                       IDC_LOGON_ADMIN_NOTICE, 178,         IDC_LOGON_RESTART, 179,
                       IDC_LOGON_HELP,         14,          IDC_LOGON_FIND,    22};

const COLORREF kNoteColour = RGB(255, 255, 255);
const COLORREF kNoticeColour = RGB(255, 92, 92);
// The pages' link blue, lightened to read on the night sky.
const COLORREF kLinkOnDark = RGB(122, 190, 255);

std::wstring GalleryAddress(const std::wstring& language) {
    std::wstring address = std::wstring(kProductSite) + L"/?category=abstract";
    if (language == L"Russian")
        address += L"&lng=ru";
    return address;
}

bool FileExists(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace

CDlgTabLogon::CDlgTabLogon(ILogonPageHost& host) : CPictureDialog(IDD_TAB_LOGON), m_host(host) {}

CDlgTabLogon::~CDlgTabLogon() = default;

BOOL CDlgTabLogon::OnInitDialog() {
    m_paths = LogonPathsFor(m_host.WindowsFolder());
    m_backdrop.Load(IDB_LOGON_BACKDROP, m_hWnd);
    m_helpIcon = SetButtonIcon(Item(IDC_LOGON_HELP), IDI_BUTTON_HELP, kButtonIconSize);
    m_linkIcon.reset(LoadIconForWindow(m_hWnd, IDI_BUTTON_LINK, kButtonIconSize));

    if (m_host.IsUserAdmin()) {
        for (int id : {IDC_LOGON_ADMIN_FRAME, IDC_LOGON_ADMIN_NOTICE, IDC_LOGON_RESTART})
            ShowWindow(Item(id), SW_HIDE);
    } else {
        EnableWindow(Item(IDC_LOGON_PICTURES), FALSE);
        EnableWindow(Item(IDC_LOGON_CHOOSE), FALSE);
        const POINT note = ScaleWithDialogUnits(m_hWnd, kNoteWithoutRights);
        SetWindowPos(Item(IDC_LOGON_NOTE), nullptr, note.x, note.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RefreshPage();
    return TRUE;
}

void CDlgTabLogon::RefreshPage() {
    const CTranslate& texts = m_host.Texts();
    texts.SetDlgItemTexts(m_hWnd, kTexts, sizeof kTexts);

    HWND list = Item(IDC_LOGON_PICTURES);
    SendMessageW(list, CB_RESETCONTENT, 0, 0);
    for (std::size_t row = 0; row < kLogonRowCount; ++row) {
        const LogonPictureRow& entry = kLogonRows[row];
        const std::wstring& text = entry.textId ? texts.Text(entry.textId) : entry.caption;
        const LRESULT index =
            SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        SendMessageW(list, CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(row));
    }

    std::size_t row = kLogonDefaultRow;
    {
        FsRedirectionOff redirection;
        row = LogonRowToShow(m_host.Options().GetString(key::strLogonScreenImage),
                             FileExists(m_paths.customImage), OemBackgroundMayBeSet());
    }
    ShowPreview(row == kLogonDefaultRow ? m_paths.defaultImage : m_paths.customImage);
    ShowChoose(row == kLogonCustomRow);
    SendMessageW(list, CB_SETCURSEL, row, 0);
    // The labels draw straight on the backdrop: a changed text needs it redrawn beneath.
    RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

bool CDlgTabLogon::ShowPreview(const std::wstring& path) {
    HWND frame = Item(IDC_LOGON_PREVIEW);
    RECT client;
    GetClientRect(frame, &client);
    UniqueGdiObject bitmap;
    {
        // Only the system's own pictures lie below System32; any other is read as the
        // open-file dialog showed it.
        const LoadedPicture picture = path == m_paths.defaultImage || path == m_paths.customImage
                                          ? LoadSystemPicture(path)
                                          : LoadPicture(path);
        UniqueGdiObject source(picture.bitmap);
        WindowDC dc(frame);
        bitmap.reset(CoverBitmap(dc.get(), picture.bitmap, picture.size,
                                 {client.right - client.left, client.bottom - client.top}));
    }
    if (!bitmap)
        return false;
    HBITMAP previous = reinterpret_cast<HBITMAP>(
        SendMessageW(frame, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap.get())));
    // The control shows our bitmap (it frees none itself); a copy it made would be its own.
    if (previous && previous != m_preview.get())
        DeleteObject(previous);
    m_preview = std::move(bitmap);
    InvalidateRect(frame, nullptr, FALSE);
    return true;
}

void CDlgTabLogon::ShowChoose(bool show) {
    ShowWindow(Item(IDC_LOGON_CHOOSE), show ? SW_SHOW : SW_HIDE);
}

void CDlgTabLogon::Apply(const std::wstring& picture, bool apply) {
    if (!m_host.CanChangeLogonImage())
        return;
    // Scaling and shrinking a large picture takes a moment.
    HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    const bool applied =
        ApplyLogonImage(m_paths, picture, apply, m_host.ScreenSize(), m_host.Encoder());
    SetCursor(previous);
    if (!applied)
        ShowMessageBox(m_hWnd, m_host.Texts().Text(kTextError), MB_OK | MB_ICONEXCLAMATION);
}

void CDlgTabLogon::PictureChosen() {
    HWND list = Item(IDC_LOGON_PICTURES);
    const LRESULT index = SendMessageW(list, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR)
        return;
    const auto row = static_cast<std::size_t>(SendMessageW(list, CB_GETITEMDATA, index, 0));
    if (row >= kLogonRowCount)
        return;
    const std::wstring name = kLogonRows[row].name;
    if (row == kLogonDefaultRow) {
        ShowPreview(m_paths.defaultImage);
        Apply(std::wstring(), false);
        ShowChoose(false);
    } else if (row == kLogonCustomRow) {
        ShowChoose(true);
    } else {
        const std::wstring picture = BuiltInLogonPicture(m_host.ProgramFolder(), name);
        ShowPreview(picture);
        Apply(picture, true);
        ShowChoose(false);
    }
    m_host.Options().SetString(key::strLogonScreenImage, name);
}

void CDlgTabLogon::ChooseFile() {
    std::wstring picture;
    if (!m_host.ChoosePicture(m_hWnd, m_host.Texts().Text(kTextChoose), picture))
        return;
    if (!ShowPreview(picture)) {
        ShowMessageBox(m_hWnd, m_host.Texts().Text(kTextPictureUnreadable),
                       MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    Apply(picture, true);
}

bool CDlgTabLogon::OnCommand(WORD id, WORD notifyCode, HWND) {
    switch (id) {
    case IDC_LOGON_PICTURES:
        if (notifyCode == CBN_SELCHANGE)
            PictureChosen();
        return true;
    case IDC_LOGON_CHOOSE:
        ChooseFile();
        return true;
    case IDC_LOGON_RESTART:
        m_host.RestartAsAdmin();
        return true;
    case IDC_LOGON_FIND:
        m_host.OpenAddress(GalleryAddress(Language()));
        return true;
    case IDC_LOGON_HELP:
        m_host.OpenAddress(HelpAddress(L"logon-screen", Language()));
        return true;
    case IDOK:
    case IDCANCEL:
        return true; // a page never ends itself
    default:
        return false;
    }
}

std::wstring CDlgTabLogon::Language() const {
    return m_host.Options().GetString(key::strLanguage);
}

void CDlgTabLogon::PaintPicture(HDC dc) {
    if (!m_backdrop)
        return;
    Gdiplus::Graphics graphics(dc);
    m_backdrop.Draw(graphics, 0, 0);
    // The picture fits the page at the usual dialog units; with larger ones the rest of
    // the page, which is never erased, gets the colour of the picture's lower corner.
    const int width = ScaleToDpi(m_backdrop.Width(), m_backdrop.Dpi());
    const int height = ScaleToDpi(m_backdrop.Height(), m_backdrop.Dpi());
    RECT client;
    GetClientRect(m_hWnd, &client);
    if (client.right <= width && client.bottom <= height)
        return;
    Gdiplus::SolidBrush edge(m_backdrop.LowerLeftColour());
    if (client.right > width)
        graphics.FillRectangle(&edge, width, 0, client.right - width, client.bottom);
    if (client.bottom > height)
        graphics.FillRectangle(&edge, 0, height, client.right, client.bottom - height);
}

void CDlgTabLogon::OnDestroy() {
    SendMessageW(Item(IDC_LOGON_PREVIEW), STM_SETIMAGE, IMAGE_BITMAP, 0);
    m_preview.reset();
    m_backdrop.Reset();
}

CPictureDialog::LabelStyle CDlgTabLogon::StyleOfLabel(HWND control, UINT message) const {
    LabelStyle style;
    const int id = GetDlgCtrlID(control);
    // The preview frame keeps its black (OnDialogMessage); every other label is drawn
    // straight onto the backdrop.
    if (message != WM_CTLCOLORSTATIC || id == IDC_LOGON_PREVIEW)
        return style;
    style.clear = true;
    style.colour = id == IDC_LOGON_ADMIN_NOTICE ? kNoticeColour : kNoteColour;
    return style;
}

INT_PTR CDlgTabLogon::OnDialogMessage(UINT message, WPARAM, LPARAM lParam, bool& handled) {
    switch (message) {
    case WM_ERASEBKGND:
        // The backdrop covers the whole page.
        handled = static_cast<bool>(m_backdrop);
        return handled;
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item->CtlID != IDC_LOGON_FIND)
            return FALSE;
        DrawLinkButton(*item, m_linkIcon.get(), kLinkOnDark);
        handled = true;
        return TRUE;
    }
    case WM_CTLCOLORSTATIC:
        // Only the preview frame comes here (StyleOfLabel).
        handled = true;
        return reinterpret_cast<INT_PTR>(GetStockObject(BLACK_BRUSH));
    default:
        return FALSE;
    }
}

} // namespace orvane
