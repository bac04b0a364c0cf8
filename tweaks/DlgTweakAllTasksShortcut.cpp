#include "tweaks/DlgTweakAllTasksShortcut.h"

#include "framework/MessageBox.h"
#include "resources/ids_tweaks.h"

namespace orvane {
namespace {

const wchar_t kFolderName[] = L"GodMode.{ED7BA470-8E54-465E-825C-99712043E01C}";
constexpr unsigned kTextCreated = 147;
constexpr unsigned kTextError = 148;

TweakFrame Frame() {
    return {IDD_TWEAK_ALL_TASKS,
            {IDC_TWEAK_TITLE, 144, IDC_TWEAK_NEW, 146, IDC_TWEAK_DESCRIPTION, 145}};
}

} // namespace

CDlgTweakAllTasksShortcut::CDlgTweakAllTasksShortcut(ITweakPageHost& host)
    : CDlgTweakPage(Frame(), host) {}

bool CDlgTweakAllTasksShortcut::OnPageCommand(WORD id, WORD notifyCode) {
    if (id != IDC_TWEAK_NEW || notifyCode != BN_CLICKED)
        return false;
    CreateShortcut();
    return true;
}

void CDlgTweakAllTasksShortcut::CreateShortcut() {
    const std::optional<std::wstring> folder = Host().BrowseForFolder(m_hWnd);
    if (!folder)
        return;
    BeforeChange();
    // A drive's root comes with its backslash already.
    std::wstring path = *folder;
    if (path.empty() || path.back() != L'\\')
        path += L'\\';
    path += kFolderName;
    if (CreateDirectoryW(path.c_str(), nullptr)) {
        ShowMessageBox(m_hWnd, Host().Texts().Text(kTextCreated) + L" " + *folder,
                       MB_OK | MB_ICONINFORMATION);
        return;
    }
    const DWORD error = GetLastError();
    ShowMessageBox(m_hWnd, Host().Texts().Text(kTextError) + L": " + std::to_wstring(error),
                   MB_OK | MB_ICONERROR);
}

} // namespace orvane
