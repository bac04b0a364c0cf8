#include "framework/IconButtons.h"

#include "framework/Dpi.h"

#include <string>

namespace orvane {

UniqueIcon SetButtonIcon(HWND button, UINT iconId, int size) {
    UniqueIcon icon(LoadIconForWindow(button, iconId, size));
    SendMessageW(button, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon.get()));
    return icon;
}

void DrawLinkButton(const DRAWITEMSTRUCT& item, HICON icon, COLORREF colour) {
    HDC dc = item.hDC;
    RECT area = item.rcItem;
    // The parent paints its picture behind the button.
    HWND parent = GetParent(item.hwndItem);
    POINT origin = {0, 0};
    MapWindowPoints(item.hwndItem, parent, &origin, 1);
    SetViewportOrgEx(dc, -origin.x, -origin.y, nullptr);
    SendMessageW(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
    SetViewportOrgEx(dc, 0, 0, nullptr);

    const int iconSize = ScaleToDpi(kButtonIconSize, WindowDpi(item.hwndItem));
    const int iconTop = area.top + (area.bottom - area.top - iconSize) / 2;
    if (icon)
        DrawIconEx(dc, area.left, iconTop, icon, iconSize, iconSize, 0, nullptr, DI_NORMAL);

    wchar_t text[256];
    const int length = GetWindowTextW(item.hwndItem, text, 256);
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0));
    LOGFONTW description = {};
    GetObjectW(font, sizeof description, &description);
    description.lfUnderline = (item.itemState & ODS_FOCUS) ? TRUE : FALSE;
    UniqueGdiObject drawn(CreateFontIndirectW(&description));
    SelectGuard selected(dc, drawn.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, (item.itemState & ODS_DISABLED) ? GetSysColor(COLOR_GRAYTEXT) : colour);
    RECT textArea = area;
    textArea.left += iconSize + ScaleToDpi(4, WindowDpi(item.hwndItem));
    DrawTextW(dc, text, length, &textArea, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

} // namespace orvane
