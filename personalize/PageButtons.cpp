#include "personalize/PageButtons.h"

#include <shellapi.h>

namespace orvane {

void SetButtonIcon(HWND button, int iconId, int size, UniqueIcon& holder) {
    holder.reset(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(iconId),
                                               IMAGE_ICON, size, size, 0)));
    SendMessageW(button, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(holder.get()));
}

void OpenInBrowser(const std::wstring& address) {
    ShellExecuteW(nullptr, L"open", address.c_str(), nullptr, nullptr, SW_SHOWMAXIMIZED);
}

} // namespace orvane
