#include "framework/Dialog.h"

namespace orvane {

CDialog::CDialog(UINT templateId) : m_templateId(templateId) {}

CDialog::~CDialog() {
    if (m_hWnd && IsWindow(m_hWnd)) {
        SetWindowLongPtrW(m_hWnd, DWLP_USER, 0);
        ::DestroyWindow(m_hWnd);
    }
}

INT_PTR CDialog::DoModal(HWND parent) {
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_templateId), parent,
                           DialogProc, reinterpret_cast<LPARAM>(this));
}

HWND CDialog::Create(HWND parent) {
    return CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_templateId), parent,
                              DialogProc, reinterpret_cast<LPARAM>(this));
}

void CDialog::DestroyWindow() {
    if (m_hWnd)
        ::DestroyWindow(m_hWnd);
}

void CDialog::EndDialog(INT_PTR result) { ::EndDialog(m_hWnd, result); }

bool CDialog::OnCommand(WORD id, WORD, HWND) {
    if (id == IDOK || id == IDCANCEL) {
        EndDialog(id);
        return true;
    }
    return false;
}

INT_PTR CDialog::OnMessage(UINT, WPARAM, LPARAM, bool&) { return FALSE; }

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CDialog* self;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<CDialog*>(lParam);
        self->m_hWnd = window;
        SetWindowLongPtrW(window, DWLP_USER, lParam);
    } else {
        self = reinterpret_cast<CDialog*>(GetWindowLongPtrW(window, DWLP_USER));
    }
    if (!self)
        return FALSE;
    // An exception must not unwind through the system's code that called us.
    try {
        return self->Dispatch(message, wParam, lParam);
    } catch (...) {
        return FALSE;
    }
}

INT_PTR CDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_COMMAND:
        return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
    case WM_NOTIFY: {
        LRESULT result = 0;
        if (!OnNotify(reinterpret_cast<NMHDR*>(lParam), result))
            return FALSE;
        SetResult(result);
        return TRUE;
    }
    case WM_TIMER:
        OnTimer(wParam);
        return TRUE;
    case WM_PAINT:
        return OnPaint();
    case WM_DESTROY:
        OnDestroy();
        return FALSE;
    case WM_NCDESTROY: {
        SetWindowLongPtrW(m_hWnd, DWLP_USER, 0);
        m_hWnd = nullptr;
        return FALSE;
    }
    default: {
        bool handled = false;
        const INT_PTR result = OnMessage(message, wParam, lParam, handled);
        return handled ? result : FALSE;
    }
    }
}

} // namespace orvane
