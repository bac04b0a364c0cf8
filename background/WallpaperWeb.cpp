#include "background/WallpaperWeb.h"

#include "core/Options.h"
#include "background/WebAddress.h"
#include "core/SettingsKeys.h"
#include "framework/ActiveX.h"
#include "framework/Bstr.h"
#include "framework/ComObject.h"
#include "framework/Handle.h"
#include "framework/MessageBox.h"
#include "framework/Paths.h"
#include "framework/Procedure.h"
#include "resources/ids_videoweb.h"

#include <olectl.h>

namespace orvane {

using namespace webview2;

namespace {

const wchar_t kWebViewError[] = L"A WebView2 error occurred.";
constexpr DISPID kNavigate = 104;
constexpr int kScrollBarAllowance = 18; // the browser's scroll bar lies outside the window

const wchar_t* const kUninstallKeys[] = {
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Microsoft EdgeWebView",
    L"SOFTWARE\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Microsoft EdgeWebView"};
const wchar_t* const kRuntimeBases[] = {
    L"C:\\Program Files (x86)\\Microsoft\\EdgeCore\\",
    L"c:\\Program Files (x86)\\Microsoft\\EdgeWebView\\Application\\"};

std::wstring ReadText(HKEY key, const wchar_t* name, DWORD capacityBytes) {
    std::wstring text(capacityBytes / sizeof(wchar_t) + 1, L'\0');
    DWORD size = capacityBytes, type = 0;
    if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&text[0]), &size) !=
            ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return {};
    text.resize(size / sizeof(wchar_t));
    while (!text.empty() && text.back() == L'\0')
        text.pop_back();
    return text;
}

// The runtime named by its uninstall key; empty without one.
std::wstring RegistryRuntimeFolder() {
    UniqueKey key;
    for (const wchar_t* path : kUninstallKeys)
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path, 0, KEY_READ, key.receive()) == ERROR_SUCCESS)
            break;
    if (!key)
        return {};
    const std::wstring location =
        ReadText(key.get(), L"InstallLocation", MAX_PATH * sizeof(wchar_t));
    const std::wstring version = ReadText(key.get(), L"Version", 100);
    return RuntimeFolderOf(location, version);
}

std::vector<std::wstring> VersionFolders() {
    std::vector<std::wstring> folders;
    for (const wchar_t* base : kRuntimeBases) {
        WIN32_FIND_DATAW found;
        UniqueFind find(FindFirstFileW((std::wstring(base) + L"*").c_str(), &found));
        if (!find)
            continue;
        do {
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
                IsVersionFolderName(found.cFileName))
                folders.push_back(base + std::wstring(found.cFileName));
        } while (FindNextFileW(find.get(), &found));
    }
    return folders;
}

ComPtr<IDispatch> BrowserDispatch(HWND control) {
    return HostedControl(control).Query<IDispatch>(IID_IDispatch);
}

// A completion handler of the WebView2 start, which reaches the background through its
// state and window while they last.
template <class Interface> class Handler : public ComObject<Interface> {
public:
    Handler(REFIID iid, std::weak_ptr<CWallpaperWeb::WebViewState> state, HWND window)
        : ComObject<Interface>(iid), m_state(std::move(state)), m_window(window) {}

protected:
    // The page goes to the WebBrowser control when WebView2 fails after its start.
    void FallBack() const { PostMessageW(m_window, CWallpaperWeb::kFallBackMessage, 0, 0); }

    std::weak_ptr<CWallpaperWeb::WebViewState> m_state;
    HWND m_window;
};

} // namespace

const wchar_t CWallpaperWeb::kEdge[] = L"Microsoft Edge";
const wchar_t CWallpaperWeb::kInternetExplorer[] = L"Internet Explorer";

struct CWallpaperWeb::WebViewState {
    explicit WebViewState(COptions& options) : options(options) {}
    COptions& options;
    bool inUse = false;
    ComPtr<ICoreWebView2Controller> controller;
    ComPtr<ICoreWebView2> webView;
};

namespace {

class ControllerHandler
    : public Handler<ICoreWebView2CreateCoreWebView2ControllerCompletedHandler> {
public:
    ControllerHandler(std::weak_ptr<CWallpaperWeb::WebViewState> state, HWND window)
        : Handler(kIidControllerCompleted, std::move(state), window) {}

    HRESULT STDMETHODCALLTYPE Invoke(HRESULT, ICoreWebView2Controller* controller) override {
        const auto state = m_state.lock();
        if (!state || !IsWindow(m_window))
            return S_OK;
        if (controller) {
            controller->AddRef();
            state->controller.reset(controller);
            state->webView.reset();
            controller->get_CoreWebView2(state->webView.receive());
        }
        if (!controller || !state->webView) {
            FallBack();
            return S_OK;
        }
        ComPtr<ICoreWebView2Settings> settings;
        if (SUCCEEDED(state->webView->get_Settings(settings.receive())) && settings) {
            settings->put_IsScriptEnabled(TRUE);
            settings->put_AreDefaultScriptDialogsEnabled(TRUE);
            settings->put_IsWebMessageEnabled(TRUE);
        }
        RECT client;
        GetClientRect(m_window, &client);
        state->controller->put_Bounds(client);
        const std::wstring address =
            NormaliseWebAddress(state->options.GetString(key::strWallaperWebURL));
        state->webView->Navigate(address.c_str());
        return S_OK;
    }
};

class EnvironmentHandler
    : public Handler<ICoreWebView2CreateCoreWebView2EnvironmentCompletedHandler> {
public:
    EnvironmentHandler(std::weak_ptr<CWallpaperWeb::WebViewState> state, HWND window)
        : Handler(kIidEnvironmentCompleted, std::move(state), window) {}

    HRESULT STDMETHODCALLTYPE Invoke(HRESULT result,
                                     ICoreWebView2Environment* environment) override {
        if (m_state.expired() || !IsWindow(m_window))
            return S_OK;
        if (FAILED(result) || !environment) {
            FallBack();
            return S_OK;
        }
        ComPtr<ControllerHandler> handler(new ControllerHandler(m_state, m_window));
        if (FAILED(environment->CreateCoreWebView2Controller(m_window, handler.get())))
            FallBack();
        return S_OK;
    }
};

} // namespace

CWallpaperWeb::CWallpaperWeb(COptions& options, std::wstring userDataFolder)
    : CDesktopBackground(IDD_WALLPAPER_WEB), m_options(options),
      m_userDataFolder(std::move(userDataFolder)),
      m_state(std::make_shared<WebViewState>(options)) {
    RegisterActiveXHost(); // the template's browser control needs the host window class
}

CWallpaperWeb::~CWallpaperWeb() {
    if (m_hWnd)
        DestroyWindow();
}

bool CWallpaperWeb::WebViewInUse() const {
    return m_state->inUse;
}

void CWallpaperWeb::SetEngineNameCallback(EngineNameCallback callback) {
    m_engineCallback = std::move(callback);
    if (m_engineCallback && !m_engineName.empty())
        m_engineCallback(m_engineName);
}

void CWallpaperWeb::SetEngineName(const wchar_t* name) {
    m_engineName = name;
    if (m_engineCallback)
        m_engineCallback(m_engineName);
}

std::vector<std::wstring> CWallpaperWeb::RuntimeFolders() const {
    return RuntimeCandidates(RegistryRuntimeFolder(), VersionFolders());
}

void CWallpaperWeb::StartContent() {
    m_state->inUse = false;
    RECT work = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    MoveWindow(Item(IDC_WALLPAPER_BROWSER), work.right - work.left, 0, 0, 0, TRUE);
    bool started = false;
    try {
        started = StartWebView();
    } catch (...) {
        ShowMessageBox(nullptr, kWebViewError, MB_OK | MB_ICONEXCLAMATION);
    }
    if (!started) {
        ShowInBrowserControl();
        return;
    }
    // The page shows when the controller arrives.
    m_state->inUse = true;
    SetEngineName(kEdge);
}

bool CWallpaperWeb::StartWebView() {
    // Microsoft's loader is no part of Windows and does not come with the program: it is
    // used when it lies beside the program (the SDK's x86 copy for the 32-bit program).
    // Only that folder is searched, never the current folder or the path, so that no
    // other DLL of that name is loaded. Without it the WebBrowser control shows the page.
    if (!m_loader) {
        // A damaged file or one of the other architecture fails quietly.
        DWORD previousMode = 0;
        SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previousMode);
        m_loader = LoadLibraryW((ProgramFolder() + L"\\" + m_loaderName).c_str());
        SetThreadErrorMode(previousMode, nullptr);
    }
    const auto create = GetProcedure<CreateEnvironmentFunction>(
        m_loader, "CreateCoreWebView2EnvironmentWithOptions");
    if (!create)
        return false;
    // One handler serves every request.
    ComPtr<EnvironmentHandler> handler(new EnvironmentHandler(m_state, m_hWnd));
    for (const std::wstring& folder : RuntimeFolders())
        if (create(folder.c_str(), m_userDataFolder.c_str(), nullptr, handler.get()) == S_OK)
            return true;
    return false;
}

void CWallpaperWeb::ShowInBrowserControl() {
    RECT work = {}, window = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    GetWindowRect(m_hWnd, &window);
    HWND browser = Item(IDC_WALLPAPER_BROWSER);
    MoveWindow(browser, 0, 0, work.right - work.left + kScrollBarAllowance,
               window.bottom - window.top, TRUE);
    // The stored address as it is: the WebBrowser control needs no scheme added.
    if (const ComPtr<IDispatch> dispatch = BrowserDispatch(browser)) {
        const Bstr address(m_options.GetString(key::strWallaperWebURL));
        VARIANT arguments[5]; // in reverse order: Headers, PostData, TargetFrameName, Flags, URL
        for (VARIANT& argument : arguments)
            VariantInit(&argument);
        V_VT(&arguments[4]) = VT_BSTR;
        V_BSTR(&arguments[4]) = address.get();
        DISPPARAMS parameters = {arguments, nullptr, 5, 0};
        dispatch->Invoke(kNavigate, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &parameters,
                         nullptr, nullptr, nullptr);
    }
    SetEngineName(kInternetExplorer);
}

void CWallpaperWeb::StopContent() {
    // The label names the engine of a page that is shown; none is shown any more.
    m_engineName.clear();
}

INT_PTR CWallpaperWeb::OnMessage(UINT message, WPARAM, LPARAM, bool& handled) {
    if (message != kFallBackMessage)
        return FALSE;
    handled = true;
    m_state->inUse = false;
    ShowInBrowserControl();
    return TRUE;
}

void CWallpaperWeb::Refresh() {
    if (m_state->inUse) {
        if (m_state->webView)
            m_state->webView->Reload();
        return;
    }
    if (!Running())
        return;
    if (const ComPtr<IDispatch> dispatch = BrowserDispatch(Item(IDC_WALLPAPER_BROWSER))) {
        DISPPARAMS none = {nullptr, nullptr, 0, 0};
        dispatch->Invoke(DISPID_REFRESH, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &none,
                         nullptr, nullptr, nullptr);
    }
}

void CWallpaperWeb::SetInteractive(bool interactive) {
    if (!Running())
        return;
    if (interactive)
        SetParent(m_hWnd, GetDesktopWindow());
    else
        ReturnBehindIcons();
}

} // namespace orvane
