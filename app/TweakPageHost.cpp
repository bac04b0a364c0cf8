#include "app/TweakPageHost.h"

#include "app/OrvaneApp.h"
#include "core/HelpLinks.h"
#include "core/SettingsKeys.h"
#include "core/SystemAccess.h"
#include "framework/Browser.h"
#include "tweaks/ScriptRunner.h"

#include <shlobj.h>

namespace orvane {

const CTranslate& CProgramTweakPageHost::Texts() const {
    return m_app.Translator();
}

bool CProgramTweakPageHost::IsUserAdmin() {
    return m_app.IsUserAdmin();
}

void CProgramTweakPageHost::RestartAsAdmin() {
    m_app.RestartAsAdmin();
}

void CProgramTweakPageHost::EnsureRestorePoint() {
    m_app.EnsureRestorePoint();
}

void CProgramTweakPageHost::RestartExplorer() {
    orvane::RestartExplorer();
}

void CProgramTweakPageHost::SignOut() {
    orvane::SignOut();
}

void CProgramTweakPageHost::RestartWindows() {
    orvane::RestartWindows();
}

void CProgramTweakPageHost::OpenHelp(const std::wstring& pageKey) {
    OpenInBrowser(HelpAddress(pageKey, m_app.Options().GetString(key::strLanguage)));
}

std::optional<std::wstring> CProgramTweakPageHost::BrowseForFolder(HWND owner) {
    BROWSEINFOW browse = {};
    browse.hwndOwner = owner;
    browse.lpszTitle = L"";
    browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_DONTGOBELOWDOMAIN;
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&browse);
    if (!chosen)
        return std::nullopt;
    wchar_t path[MAX_PATH] = L"";
    const bool found = SHGetPathFromIDListW(chosen, path) != FALSE;
    CoTaskMemFree(chosen);
    if (!found)
        return std::nullopt;
    return std::wstring(path);
}

CTransparency& CProgramTweakPageHost::Transparency() {
    return m_app.Transparency();
}

} // namespace orvane
