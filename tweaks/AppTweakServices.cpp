#include "core/HelpLinks.h"
#include "app/OrvaneApp.h"
#include "core/SettingsKeys.h"
#include "core/SystemAccess.h"
#include "tweaks/ScriptRunner.h"
#include "tweaks/TweakServices.h"
#include "framework/Browser.h"

#include <shellapi.h>
#include <shlobj.h>

namespace orvane {
namespace {

class CAppTweakServices : public CTweakServices {
public:
    const CTranslate& Texts() const override { return App().Translator(); }
    bool IsUserAdmin() override { return App().IsUserAdmin(); }
    void RestartAsAdmin() override { App().RestartAsAdmin(); }
    void EnsureRestorePoint() override { App().EnsureRestorePoint(); }
    void RestartExplorer() override { orvane::RestartExplorer(); }
    void SignOut() override { orvane::SignOut(); }
    void RestartWindows() override { orvane::RestartWindows(); }
    CTransparency& Transparency() override { return App().Transparency(); }

    void OpenHelp(const std::wstring& pageKey) override {
        OpenInBrowser(HelpAddress(pageKey, App().Options().GetString(key::strLanguage)));
    }

    std::optional<std::wstring> BrowseForFolder(HWND owner) override {
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
};

} // namespace

CTweakServices& AppTweakServices() {
    static CAppTweakServices services;
    return services;
}

} // namespace orvane
