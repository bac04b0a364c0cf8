#pragma once

#include "core/Translate.h"

#include <windows.h>

#include <optional>
#include <string>

namespace orvane {

class CTransparency;

// What the Tweaks tab and its pages need from the rest of the program: the interface
// texts, elevation and the restore point, the follow-up actions, the shell and the
// transparency effects. The
// program passes AppTweakServices(); tests pass their own, so that nothing really
// signs out, restarts or opens a browser.
class CTweakServices {
public:
    virtual ~CTweakServices() = default;

    virtual const CTranslate& Texts() const = 0;
    const std::wstring& Text(unsigned id) const { return Texts().Text(id); }

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

// The program's own: the application object's texts, elevation and restore point,
// RestartExplorer, SignOut, RestartWindows, the browser and the folder browser.
CTweakServices& AppTweakServices();

} // namespace orvane
