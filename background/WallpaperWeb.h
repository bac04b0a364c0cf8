#pragma once

#include "background/DesktopHost.h"
#include "background/WebView2.h"
#include "framework/ComPtr.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace orvane {

class COptions;

// The web background: a web page behind the icons, shown by the WebView2 runtime when
// one can be started, else by the WebBrowser control of the window's template (control
// 1019). The engine is chosen anew at every start. The WebBrowser control's navigation
// events (BeforeNavigate2, DocumentComplete) are not listened to: the background lets
// every navigation through and never waits for a document, which a control without a
// rendering engine never completes.
class CWallpaperWeb : public CDesktopBackground {
public:
    // userDataFolder: where WebView2 keeps its profile (the program's settings folder).
    CWallpaperWeb(COptions& options, std::wstring userDataFolder);
    ~CWallpaperWeb() override;

    using EngineNameCallback = std::function<void(const std::wstring& name)>;
    // The page's label update; called at once when the engine is known already, and by
    // every start. An empty callback unregisters it.
    void SetEngineNameCallback(EngineNameCallback callback);
    // The engine of the running background; empty while none runs.
    const std::wstring& EngineName() const { return m_engineName; }
    bool WebViewInUse() const;

    // Reloads the page in whichever engine shows it.
    void Refresh() override;
    // Interactive: the window leaves the host for the desktop window and takes the mouse;
    // otherwise it goes back behind the icons.
    void SetInteractive(bool interactive);

    // The loader library beside the program; a test names a missing one.
    void SetLoaderName(std::wstring name) { m_loaderName = std::move(name); }

    static const wchar_t kEdge[];
    static const wchar_t kInternetExplorer[];
    // Posted to the window when WebView2 failed after starting: show the page in the
    // WebBrowser control instead.
    static constexpr UINT kFallBackMessage = WM_APP + 0x145;

    // Shared with the completion handlers; one per object, outliving its windows.
    struct WebViewState;

protected:
    void StartContent() override;
    void StopContent() override;
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

private:
    std::vector<std::wstring> RuntimeFolders() const;
    bool StartWebView();
    void ShowInBrowserControl();
    void SetEngineName(const wchar_t* name);

    COptions& m_options;
    std::wstring m_userDataFolder;
    std::wstring m_loaderName = L"WebView2Loader.dll";
    HMODULE m_loader = nullptr;
    std::wstring m_engineName;
    EngineNameCallback m_engineCallback;
    std::shared_ptr<WebViewState> m_state;
};

} // namespace orvane
