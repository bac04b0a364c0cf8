#include "app/LogonPageHost.h"

#include "app/OrvaneApp.h"
#include "core/SystemVersion.h"
#include "framework/Browser.h"
#include "framework/FileDialog.h"
#include "framework/Paths.h"

namespace orvane {

COptions& CProgramLogonPageHost::Options() {
    return m_app.Options();
}

const CTranslate& CProgramLogonPageHost::Texts() {
    return m_app.Translator();
}

std::wstring CProgramLogonPageHost::ProgramFolder() {
    return m_app.ProgramFolder();
}

std::wstring CProgramLogonPageHost::WindowsFolder() {
    return ExpandEnvironment(L"%windir%");
}

SIZE CProgramLogonPageHost::ScreenSize() {
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

bool CProgramLogonPageHost::IsUserAdmin() {
    return m_app.IsUserAdmin();
}

bool CProgramLogonPageHost::RestartAsAdmin() {
    return m_app.RestartAsAdmin();
}

bool CProgramLogonPageHost::CanChangeLogonImage() {
    return HasLogonScreenTab(CurrentSystemVersion());
}

bool CProgramLogonPageHost::ChoosePicture(HWND owner, const std::wstring& title,
                                          std::wstring& path) {
    return AskForFile(owner, title, kWallpaperPictureFilter, path);
}

void CProgramLogonPageHost::OpenAddress(const std::wstring& address) {
    OpenInBrowser(address);
}

} // namespace orvane
