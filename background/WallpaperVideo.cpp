#include "background/WallpaperVideo.h"

#include "core/Options.h"
#include "core/SettingsKeys.h"
#include "framework/ActiveX.h"
#include "framework/Bstr.h"
#include "framework/ComObject.h"
#include "framework/FitGeometry.h"
#include "framework/MessageBox.h"
#include "resources/ids_videoweb.h"

#include <ocidl.h>
#include <wmpids.h>

namespace orvane {
namespace {

const wchar_t kPlayerError[] = L"A Windows Media Player error occurred.";
const wchar_t kPrimaryAlias[] = L"video";
constexpr long kMediaOpen = 13; // wmposMediaOpen

// The player interface the background configures. Declared here: the system headers
// have the newer IWMPPlayer4 only.
const IID kIidPlayer2 = {
    0x0E6B01D1, 0xD407, 0x4C85, {0xBF, 0x5F, 0x1C, 0x01, 0xF6, 0x15, 0x02, 0x80}};

struct IWMPPlayer2 : public IWMPCore {
    virtual HRESULT STDMETHODCALLTYPE get_enabled(VARIANT_BOOL* enabled) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_enabled(VARIANT_BOOL enabled) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_fullScreen(VARIANT_BOOL* fullScreen) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_fullScreen(VARIANT_BOOL fullScreen) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_enableContextMenu(VARIANT_BOOL* enable) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_enableContextMenu(VARIANT_BOOL enable) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_uiMode(BSTR mode) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_uiMode(BSTR* mode) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_stretchToFit(VARIANT_BOOL* enabled) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_stretchToFit(VARIANT_BOOL enabled) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_windowlessVideo(VARIANT_BOOL* enabled) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_windowlessVideo(VARIANT_BOOL enabled) = 0;
};

// Sets the user interface off and the stretching on, through whichever player
// interface the control has; the player's core interface is handed back.
template <class Player> ComPtr<IWMPCore> PreparePlayer(ComPtr<Player> player) {
    if (!player)
        return {};
    const Bstr none(L"none");
    player->put_uiMode(none.get());
    player->put_stretchToFit(VARIANT_TRUE);
    return ComPtr<IWMPCore>(player.release());
}

} // namespace

// The player control's event sink; only OpenStateChange matters.
class PlayerEvents final : public ComObject<IDispatch> {
public:
    explicit PlayerEvents(CWallpaperVideo* owner) : ComObject(IID_IDispatch), m_owner(owner) {}
    void Detach() { m_owner = nullptr; }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* parameters,
                                     VARIANT*, EXCEPINFO*, UINT*) override {
        if (id != DISPID_WMPCOREEVENT_OPENSTATECHANGE || !m_owner || !parameters ||
            parameters->cArgs < 1)
            return S_OK;
        VARIANT state;
        VariantInit(&state);
        if (SUCCEEDED(VariantChangeType(&state, &parameters->rgvarg[0], 0, VT_I4)) &&
            V_I4(&state) == kMediaOpen)
            m_owner->FitPlayerToVideo();
        return S_OK;
    }

private:
    bool AnswersTo(REFIID iid) const override {
        return iid == __uuidof(_WMPOCXEvents) || ComObject::AnswersTo(iid);
    }

    CWallpaperVideo* m_owner;
};

CWallpaperVideo::CWallpaperVideo(COptions& options)
    : CDesktopBackground(IDD_WALLPAPER_VIDEO), m_options(options) {
    RegisterActiveXHost(); // the template's player control needs the host window class
}

CWallpaperVideo::~CWallpaperVideo() {
    // The window goes first, so the content stops while the members are still there.
    if (m_hWnd)
        DestroyWindow();
}

void CWallpaperVideo::StartContent() {
    const std::wstring path = m_options.GetString(key::strWallaperVideoPath);
    m_engine =
        m_options.GetInt(key::iWallaperVideoEngine) == kEngineMci ? kEngineMci : kEngineMediaPlayer;
    if (m_engine == kEngineMci)
        StartMci(path);
    else
        StartMediaPlayer(path);
}

void CWallpaperVideo::StartMediaPlayer(const std::wstring& path) {
    RECT window;
    GetWindowRect(m_hWnd, &window);
    MoveWindow(Item(IDC_WALLPAPER_PLAYER), 0, 0, window.right - window.left,
               window.bottom - window.top, TRUE);
    try {
        ConfigurePlayer(path);
    } catch (...) {
        ShowMessageBox(nullptr, kPlayerError, MB_OK | MB_ICONEXCLAMATION);
    }
}

void CWallpaperVideo::ConfigurePlayer(const std::wstring& path) {
    const ComPtr<IUnknown> control = HostedControl(Item(IDC_WALLPAPER_PLAYER));
    m_player = PreparePlayer(control.Query<IWMPPlayer2>(kIidPlayer2));
    // Players that lack the older interface take the same calls through the newer one.
    if (!m_player)
        m_player = PreparePlayer(control.Query<IWMPPlayer4>(__uuidof(IWMPPlayer4)));
    if (!m_player)
        return;
    ConnectEvents();
    ComPtr<IWMPSettings> settings;
    if (FAILED(m_player->get_settings(settings.receive())) || !settings)
        return;
    const Bstr loop(L"loop");
    settings->setMode(loop.get(), VARIANT_TRUE);
    settings->put_mute(VARIANT_TRUE);
    settings->put_volume(0);
    settings.reset();
    const Bstr url(path);
    m_player->put_URL(url.get());
}

void CWallpaperVideo::ConnectEvents() {
    const auto container = m_player.Query<IConnectionPointContainer>(IID_IConnectionPointContainer);
    if (!container ||
        FAILED(container->FindConnectionPoint(__uuidof(_WMPOCXEvents), m_eventSource.receive())))
        return;
    m_events.reset(new PlayerEvents(this));
    if (FAILED(m_eventSource->Advise(m_events.get(), &m_eventCookie))) {
        m_eventSource.reset();
        m_eventCookie = 0;
    }
}

void CWallpaperVideo::DisconnectEvents() {
    if (m_eventSource && m_eventCookie)
        m_eventSource->Unadvise(m_eventCookie);
    m_eventSource.reset();
    m_eventCookie = 0;
    if (m_events)
        m_events->Detach();
    m_events.reset();
}

bool CWallpaperVideo::MediaSize(long& width, long& height) const {
    ComPtr<IWMPMedia> media;
    if (!m_player || FAILED(m_player->get_currentMedia(media.receive())) || !media)
        return false;
    return SUCCEEDED(media->get_imageSourceWidth(&width)) &&
           SUCCEEDED(media->get_imageSourceHeight(&height));
}

void CWallpaperVideo::FitPlayerToVideo() {
    try {
        long width = 0, height = 0;
        if (!MediaSize(width, height) || width == 0 || height == 0)
            return;
        RECT window;
        GetWindowRect(m_hWnd, &window);
        const FitRect fit = CoverFit(static_cast<float>(window.right - window.left),
                                     static_cast<float>(window.bottom - window.top),
                                     static_cast<float>(width), static_cast<float>(height));
        MoveWindow(Item(IDC_WALLPAPER_PLAYER), fit.x, fit.y, fit.width, fit.height, TRUE);
    } catch (...) {
        ShowMessageBox(nullptr, kPlayerError, MB_OK | MB_ICONEXCLAMATION);
    }
}

void CWallpaperVideo::StartMci(const std::wstring& path) {
    MoveWindow(Item(IDC_WALLPAPER_PLAYER), -1, -1, 0, 0, TRUE);
    // A device alias names one device in the whole process: the copies on the other
    // monitors each take one of their own, named after their window.
    m_alias = CoversPrimary() ? kPrimaryAlias
                              : kPrimaryAlias + std::to_wstring(reinterpret_cast<UINT_PTR>(m_hWnd));
    m_video.Play(path, m_hWnd, m_alias, nullptr, true, true);
    // The video covers the whole work area; the window may be a pixel or two shorter.
    const WorkArea work = CoveredWorkArea();
    m_video.PlaceWindow(m_alias, static_cast<unsigned>(work.right - work.left),
                        static_cast<unsigned>(work.bottom - work.top));
}

void CWallpaperVideo::StopContent() {
    if (m_engine == kEngineMci) {
        m_video.Close(m_alias);
        return;
    }
    DisconnectEvents();
    m_player.reset();
}

} // namespace orvane
