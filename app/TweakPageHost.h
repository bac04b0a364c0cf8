#pragma once

#include "tweaks/TweakPageHost.h"

namespace orvane {

class COrvaneApp;

// The Tweaks tab's view of the program: the application object's texts, elevation,
// restore point and transparency effects, the real shell and the user's browser.
class CProgramTweakPageHost : public ITweakPageHost {
public:
    explicit CProgramTweakPageHost(COrvaneApp& app) : m_app(app) {}

    const CTranslate& Texts() const override;
    bool IsUserAdmin() override;
    void RestartAsAdmin() override;
    void EnsureRestorePoint() override;
    void RestartExplorer() override;
    void SignOut() override;
    void RestartWindows() override;
    void OpenHelp(const std::wstring& pageKey) override;
    std::optional<std::wstring> BrowseForFolder(HWND owner) override;
    CTransparency& Transparency() override;

private:
    COrvaneApp& m_app;
};

} // namespace orvane
