#include "app/Tray.h"

#include "resources/ids_app.h"

#include <cwchar>

namespace orvane {

// The full structure of Windows Vista and later (its handles are pointer-sized).
static_assert(sizeof(NOTIFYICONDATAW) == (sizeof(void*) == 8 ? 976 : 956),
              "NOTIFYICONDATAW of Vista and later expected");

CTray::CTray() {
    m_data.cbSize = sizeof m_data;
    m_data.uID = kIconId;
    m_data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    m_data.uCallbackMessage = kCallbackMessage;
    m_data.hIcon = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON,
                   GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    wcsncpy(m_data.szTip, L"Orvane", sizeof m_data.szTip / sizeof m_data.szTip[0] - 1);
}

CTray::~CTray() {
    Remove();
}

void CTray::Add() {
    Shell_NotifyIconW(NIM_ADD, &m_data);
    m_shown = true;
}

void CTray::Remove() {
    if (m_data.hWnd)
        Shell_NotifyIconW(NIM_DELETE, &m_data);
    m_shown = false;
}

void CTray::Restore() {
    if (m_shown)
        Shell_NotifyIconW(NIM_ADD, &m_data);
}

} // namespace orvane
