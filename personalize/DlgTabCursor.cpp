#include "personalize/DlgTabCursor.h"

#include "core/Options.h"
#include "core/SettingsKeys.h"
#include "core/Translate.h"
#include "framework/FitGeometry.h"
#include "framework/Gdiplus.h"
#include "framework/IconButtons.h"
#include "personalize/CursorPageHost.h"
#include "resources/ids_personalize.h"

#include <memory>

namespace orvane {
namespace {

const WORD kTexts[] = {IDC_CURSOR_DEFAULT, 77, IDC_CURSOR_HELP, 14};
// Room around each preview in the grid.
constexpr int kIconSpacing = 116;

} // namespace

CDlgTabCursor::CDlgTabCursor(ICursorPageHost& host) : CPage(IDD_TAB_CURSOR), m_host(host) {}

BOOL CDlgTabCursor::OnInitDialog() {
    m_helpIcon = SetButtonIcon(Item(IDC_CURSOR_HELP), IDI_BUTTON_HELP, kButtonIconSize);
    ApplyTexts();
    EnableWindow(Item(IDC_CURSOR_DEFAULT), !m_host.Options().GetString(key::strCursorPath).empty());

    HWND list = Item(IDC_CURSOR_THEMES);
    m_images = ImageList_Create(kPreviewSize, kPreviewSize, ILC_COLOR24 | ILC_MASK, 0, 8);
    SendMessageW(list, LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(m_images));
    SendMessageW(list, LVM_SETICONSPACING, 0, MAKELPARAM(kIconSpacing, kIconSpacing));
    ScanThemes();
    FillThemeList();
    return TRUE;
}

void CDlgTabCursor::ApplyTexts() {
    m_host.Texts().SetDlgItemTexts(m_hWnd, kTexts, sizeof kTexts);
}

void CDlgTabCursor::ScanThemes() {
    m_themes = orvane::ScanThemes(m_host.ProgramFolder());
}

HBITMAP CDlgTabCursor::PreviewBitmap(HDC dc, const std::wstring& theme, COLORREF background) const {
    UniqueGdiObject bitmap(CreateCompatibleBitmap(dc, kPreviewSize, kPreviewSize));
    UniqueDC memory(CreateCompatibleDC(dc));
    if (!bitmap || !memory)
        return nullptr;
    SelectGuard select(memory.get(), bitmap.get());
    // A missing preview leaves an empty square in the list's own colour.
    const RECT square = {0, 0, kPreviewSize, kPreviewSize};
    UniqueGdiObject brush(CreateSolidBrush(background));
    FillRect(memory.get(), &square, static_cast<HBRUSH>(brush.get()));

    Gdiplus::Bitmap preview((theme + L"\\preview.png").c_str());
    if (preview.GetLastStatus() == Gdiplus::Ok && preview.GetWidth() && preview.GetHeight()) {
        const FitRect fit = FitInSquare(static_cast<int>(preview.GetWidth()),
                                        static_cast<int>(preview.GetHeight()), kPreviewSize);
        std::unique_ptr<Gdiplus::Image> thumbnail(preview.GetThumbnailImage(
            static_cast<UINT>(fit.width), static_cast<UINT>(fit.height), nullptr, nullptr));
        if (thumbnail && thumbnail->GetLastStatus() == Gdiplus::Ok) {
            Gdiplus::Graphics graphics(memory.get());
            graphics.DrawImage(thumbnail.get(), fit.x, fit.y, fit.width, fit.height);
        }
    }
    return static_cast<HBITMAP>(bitmap.release());
}

void CDlgTabCursor::FillThemeList() {
    HWND list = Item(IDC_CURSOR_THEMES);
    m_filling = true;
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    {
        GdiplusSession gdiplus;
        ImageList_RemoveAll(m_images);
        SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
        ImageList_SetImageCount(m_images, static_cast<UINT>(m_themes.size()));

        const std::wstring current = m_host.Options().GetString(key::strCursorPath);
        const COLORREF background = static_cast<COLORREF>(SendMessageW(list, LVM_GETBKCOLOR, 0, 0));
        WindowDC dc(m_hWnd);
        // Every preview is opaque: the mask shows all of it.
        UniqueGdiObject mask(CreateBitmap(kPreviewSize, kPreviewSize, 1, 1, nullptr));
        {
            UniqueDC maskDc(CreateCompatibleDC(dc.get()));
            SelectGuard select(maskDc.get(), mask.get());
            PatBlt(maskDc.get(), 0, 0, kPreviewSize, kPreviewSize, BLACKNESS);
        }
        for (std::size_t i = 0; i < m_themes.size(); ++i) {
            const int index = static_cast<int>(i);
            UniqueGdiObject picture(PreviewBitmap(dc.get(), m_themes[i], background));
            ImageList_Replace(m_images, index, static_cast<HBITMAP>(picture.get()),
                              static_cast<HBITMAP>(mask.get()));

            LVITEMW item = {};
            item.mask = LVIF_TEXT | LVIF_IMAGE;
            item.iItem = index;
            item.pszText = const_cast<wchar_t*>(L"");
            item.iImage = index;
            SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
            if (m_themes[i] == current) {
                LVITEMW state = {};
                state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
                state.state = LVIS_SELECTED | LVIS_FOCUSED;
                SendMessageW(list, LVM_SETITEMSTATE, i, reinterpret_cast<LPARAM>(&state));
                SendMessageW(list, LVM_SETSELECTIONMARK, 0, index);
            }
        }
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    m_filling = false;
}

void CDlgTabCursor::ThemeSelected(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= m_themes.size())
        return;
    const std::wstring& theme = m_themes[static_cast<std::size_t>(index)];
    ApplyCursorTheme(theme, m_host.Cursors());
    EnableWindow(Item(IDC_CURSOR_DEFAULT), TRUE);
    m_host.Options().SetString(key::strCursorPath, theme);
}

void CDlgTabCursor::RestoreDefault() {
    ApplyCursorTheme(std::wstring(), m_host.Cursors());
    EnableWindow(Item(IDC_CURSOR_DEFAULT), FALSE);
    HWND list = Item(IDC_CURSOR_THEMES);
    LVITEMW state = {};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
    SendMessageW(list, LVM_SETSELECTIONMARK, 0, -1);
    m_host.Options().SetString(key::strCursorPath, std::wstring());
}

bool CDlgTabCursor::OnCommand(WORD id, WORD, HWND) {
    switch (id) {
    case IDC_CURSOR_DEFAULT:
        RestoreDefault();
        return true;
    case IDC_CURSOR_HELP:
        m_host.OpenHelp(L"cursor");
        return true;
    case IDOK:
    case IDCANCEL:
        return true; // a page never ends itself
    default:
        return false;
    }
}

// The chosen theme gets a frame of the selection colour round its preview: the list
// view's own highlight of a selected picture is faint, and some systems draw none while
// the list does not have the focus.
LRESULT CDlgTabCursor::DrawItem(const NMLVCUSTOMDRAW& draw) const {
    switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
        return CDRF_NOTIFYPOSTPAINT;
    case CDDS_ITEMPOSTPAINT:
        break;
    default:
        return CDRF_DODEFAULT;
    }
    HWND list = draw.nmcd.hdr.hwndFrom;
    const auto item = static_cast<WPARAM>(draw.nmcd.dwItemSpec);
    if (!(SendMessageW(list, LVM_GETITEMSTATE, item, LVIS_SELECTED) & LVIS_SELECTED))
        return CDRF_DODEFAULT;
    RECT icon = {};
    icon.left = LVIR_ICON;
    SendMessageW(list, LVM_GETITEMRECT, item, reinterpret_cast<LPARAM>(&icon));
    const int middle = (icon.left + icon.right) / 2,
              top = icon.top + (icon.bottom - icon.top - kPreviewSize) / 2;
    constexpr int kGap = 4;
    UniqueGdiObject pen(CreatePen(PS_SOLID, 3, GetSysColor(COLOR_HIGHLIGHT)));
    SelectGuard selectPen(draw.nmcd.hdc, pen.get());
    SelectGuard selectBrush(draw.nmcd.hdc, GetStockObject(NULL_BRUSH));
    RoundRect(draw.nmcd.hdc, middle - kPreviewSize / 2 - kGap, top - kGap,
              middle + kPreviewSize / 2 + kGap + 1, top + kPreviewSize + kGap + 1, 14, 14);
    return CDRF_DODEFAULT;
}

bool CDlgTabCursor::OnNotify(NMHDR* header, LRESULT& result) {
    if (header->idFrom != IDC_CURSOR_THEMES)
        return false;
    if (header->code == NM_CUSTOMDRAW) {
        result = DrawItem(*reinterpret_cast<const NMLVCUSTOMDRAW*>(header));
        return true;
    }
    if (header->code != LVN_ITEMCHANGED)
        return false;
    const auto* change = reinterpret_cast<const NMLISTVIEW*>(header);
    if (!m_filling && (change->uChanged & LVIF_STATE) && (change->uNewState & LVIS_SELECTED) &&
        !(change->uOldState & LVIS_SELECTED))
        ThemeSelected(change->iItem);
    return true;
}

} // namespace orvane
