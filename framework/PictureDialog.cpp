#include "framework/PictureDialog.h"

namespace orvane {

bool CPictureDialog::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hWnd, &paint);
    PaintPicture(dc);
    EndPaint(m_hWnd, &paint);
    return true;
}

bool CPictureDialog::IsOfClass(HWND control, const wchar_t* className) {
    wchar_t name[32] = L"";
    GetClassNameW(control, name, 32);
    return lstrcmpiW(name, className) == 0;
}

INT_PTR CPictureDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
    switch (message) {
    case WM_PRINTCLIENT: {
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
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
        const LabelStyle style = StyleOfLabel(reinterpret_cast<HWND>(lParam), message);
        if (!style.clear)
            break;
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetBkMode(dc, TRANSPARENT);
        if (style.colour)
            SetTextColor(dc, *style.colour);
        handled = true;
        return reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
    }
    default:
        break;
    }
    return OnDialogMessage(message, wParam, lParam, handled);
}

} // namespace orvane
