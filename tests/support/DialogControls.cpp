#include "DialogControls.h"

namespace orvane::test {

void Click(HWND dialog, int id) {
    // What a click does to an automatic box or radio button, then the notice its dialog
    // gets; the same whether the dialog is shown, hidden or in another process.
    HWND control = GetDlgItem(dialog, id);
    const auto style = GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK;
    if (style == BS_AUTOCHECKBOX)
        SendMessageW(control, BM_SETCHECK,
                     SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? BST_UNCHECKED
                                                                             : BST_CHECKED,
                     0);
    else if (style == BS_AUTORADIOBUTTON)
        for (HWND sibling = GetWindow(dialog, GW_CHILD); sibling;
             sibling = GetWindow(sibling, GW_HWNDNEXT))
            if ((GetWindowLongPtrW(sibling, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON)
                SendMessageW(sibling, BM_SETCHECK, sibling == control ? BST_CHECKED : BST_UNCHECKED,
                             0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control));
}

bool Checked(HWND dialog, int id) {
    return SendDlgItemMessageW(dialog, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool Enabled(HWND dialog, int id) {
    return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
}

} // namespace orvane::test
