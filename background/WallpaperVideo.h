#pragma once

#include "background/DesktopHost.h"
#include "background/Video.h"
#include "framework/ComPtr.h"

#include <wmp.h>

#include <string>

namespace orvane {

class COptions;
class PlayerEvents;

// The video background: the chosen file plays silently and endlessly behind the icons,
// covering the work area. Two engines: the Windows Media Player control (control 1223
// of the window's template), or the Media Control Interface playing into the window.
class CWallpaperVideo : public CDesktopBackground {
public:
    explicit CWallpaperVideo(COptions& options);
    ~CWallpaperVideo() override;

    CVideo& Video() { return m_video; }
    // The Media Player's interface while that engine plays; null otherwise.
    IWMPCore* Player() const { return m_player.get(); }

    // Fits the player control to the opened media by the cover rule.
    void FitPlayerToVideo();

    static constexpr int kEngineMediaPlayer = 0;
    static constexpr int kEngineMci = 1;

protected:
    void StartContent() override;
    void StopContent() override;
    // The picture size of the player's opened media; false when the player has none.
    virtual bool MediaSize(long& width, long& height) const;

private:
    void StartMediaPlayer(const std::wstring& path);
    void StartMci(const std::wstring& path);
    void ConfigurePlayer(const std::wstring& path);
    void ConnectEvents();
    void DisconnectEvents();

    COptions& m_options;
    CVideo m_video;
    int m_engine = kEngineMediaPlayer; // of the running window
    std::wstring m_alias;              // its device, with the MCI engine
    ComPtr<IWMPCore> m_player;
    ComPtr<PlayerEvents> m_events;
    ComPtr<IConnectionPoint> m_eventSource;
    DWORD m_eventCookie = 0;
};

} // namespace orvane
