#include "framework/MessageBox.h"

namespace orvane {

int ShowMessageBox(HWND owner, const std::wstring& text, UINT type) {
    return MessageBoxW(owner, text.c_str(), L"Orvane", type);
}

} // namespace orvane
