#include "framework/LinkButton.h"

namespace orvane {

UniqueIcon LoadIconSized(UINT id, int size) {
    return UniqueIcon(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0)));
}

void SetButtonIcon(HWND button, HICON icon) {
    SendMessageW(button, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
}

void CLinkButton::Attach(HWND button, UINT iconId, int iconSize, COLORREF colour) {
    m_button = button;
    m_icon = LoadIconSized(iconId, iconSize);
    m_iconSize = iconSize;
    m_colour = colour;
    InvalidateRect(button, nullptr, TRUE);
}

bool CLinkButton::Draw(const DRAWITEMSTRUCT& item) const {
    if (!m_button || item.hwndItem != m_button)
        return false;
    HDC dc = item.hDC;
    RECT box = item.rcItem;
    FillRect(dc, &box, GetSysColorBrush(COLOR_BTNFACE));

    const int gap = 4;
    RECT text = box;
    if (m_icon) {
        const int top = box.top + (box.bottom - box.top - m_iconSize) / 2;
        DrawIconEx(dc, box.left + 1, top, m_icon.get(), m_iconSize, m_iconSize, 0, nullptr,
                   DI_NORMAL);
        text.left += 1 + m_iconSize + gap;
    }
    wchar_t label[256] = L"";
    GetWindowTextW(m_button, label, 256);
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, disabled ? GetSysColor(COLOR_GRAYTEXT) : m_colour);
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(m_button, WM_GETFONT, 0, 0));
    SelectGuard keepFont(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
    RECT measured = text;
    DrawTextW(dc, label, -1, &measured, DT_SINGLELINE | DT_VCENTER | DT_CALCRECT);
    DrawTextW(dc, label, -1, &text, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        RECT focus = {text.left - 1,
                      text.top + (text.bottom - text.top - (measured.bottom - measured.top)) / 2 -
                          1,
                      (measured.right < text.right ? measured.right : text.right) + 1, 0};
        focus.bottom = focus.top + (measured.bottom - measured.top) + 2;
        DrawFocusRect(dc, &focus);
    }
    return true;
}

bool CLinkButton::SetCursor(HWND over) const {
    if (!m_button || over != m_button || !IsWindowEnabled(m_button))
        return false;
    ::SetCursor(LoadCursorW(nullptr, IDC_HAND));
    return true;
}

} // namespace orvane
