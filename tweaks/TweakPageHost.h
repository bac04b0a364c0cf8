#pragma once

#include "core/Translate.h"

#include <windows.h>

#include <optional>
#include <string>

namespace orvane {

class CTransparency;

// What the Tweaks tab and its pages use of the program: the interface texts, elevation
// and the restore point, the follow-up actions, the shell and the transparency effects.
// Tests hand their own, so that nothing really signs out, restarts or opens a browser.
class ITweakPageHost {
public:
    virtual ~ITweakPageHost() = default;

    virtual const CTranslate& Texts() const = 0;

    virtual bool IsUserAdmin() = 0;
    virtual void RestartAsAdmin() = 0;
    // Called before every change a tweak makes; returns when the change may go ahead.
    virtual void EnsureRestorePoint() = 0;

    virtual void RestartExplorer() = 0;
    virtual void SignOut() = 0;
    virtual void RestartWindows() = 0;

    // The help page of a page key, in the interface language.
    virtual void OpenHelp(const std::wstring& pageKey) = 0;
    // A folder the user picks; nothing when the user cancels.
    virtual std::optional<std::wstring> BrowseForFolder(HWND owner) = 0;

    // The transparency and glass effects with their settings.
    virtual CTransparency& Transparency() = 0;
};

} // namespace orvane
