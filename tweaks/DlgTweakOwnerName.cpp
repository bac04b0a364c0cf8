#include "tweaks/DlgTweakOwnerName.h"

#include "resources/ids_tweaks.h"
#include "tweaks/TweakSwitch.h"

#include <vector>

namespace orvane {
namespace {

const wchar_t kCurrentVersion[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
const wchar_t kOwner[] = L"RegisteredOwner";
// What the page reads back (2048 bytes) must hold what it saves, null included.
constexpr WPARAM kLongestName = 1023;

TweakFrame Frame() {
    return {IDD_TWEAK_OWNER_NAME,
            {IDC_TWEAK_TITLE, 110, IDC_TWEAK_OWNER_SAVE, 112, IDC_TWEAK_DESCRIPTION, 111,
             IDC_TWEAK_NOTICE, 178, IDC_TWEAK_OWNER_NOTICE_BUTTON, 179},
            Notice::Admin,
            FollowUp::None,
            IDC_TWEAK_OWNER_NOTICE_BUTTON};
}

} // namespace

CDlgTweakOwnerName::CDlgTweakOwnerName(ITweakPageHost& host) : CDlgTweakPage(Frame(), host) {}

void CDlgTweakOwnerName::ReadState() {
    SendDlgItemMessageW(m_hWnd, IDC_TWEAK_OWNER, EM_SETLIMITTEXT, kLongestName, 0);
    std::wstring name;
    if (ReadRegText(HKEY_LOCAL_MACHINE, kCurrentVersion, kOwner, name))
        SetDlgItemTextW(m_hWnd, IDC_TWEAK_OWNER, name.c_str());
}

void CDlgTweakOwnerName::DisableInput() {
    EnableWindow(Item(IDC_TWEAK_OWNER), FALSE);
    EnableWindow(Item(IDC_TWEAK_OWNER_SAVE), FALSE);
}

void CDlgTweakOwnerName::Save() {
    BeforeChange();
    HWND edit = Item(IDC_TWEAK_OWNER);
    std::vector<wchar_t> text(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
    GetWindowTextW(edit, text.data(), static_cast<int>(text.size()));
    // A failed write leaves Save enabled, so the user can try again.
    if (WriteRegText(HKEY_LOCAL_MACHINE, kCurrentVersion, kOwner, text.data()))
        EnableWindow(Item(IDC_TWEAK_OWNER_SAVE), FALSE);
}

bool CDlgTweakOwnerName::OnPageCommand(WORD id, WORD notifyCode) {
    if (id == IDC_TWEAK_OWNER && notifyCode == EN_CHANGE) {
        if (Initialised())
            EnableWindow(Item(IDC_TWEAK_OWNER_SAVE), TRUE);
        return true;
    }
    if (id == IDC_TWEAK_OWNER_SAVE && notifyCode == BN_CLICKED) {
        Save();
        return true;
    }
    return false;
}

} // namespace orvane
