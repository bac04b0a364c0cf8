#pragma once

#include "background/MciCommands.h"

#include <windows.h>
#include <mmsystem.h>

#include <functional>
#include <string>

namespace orvane {

// Video playback through the Media Control Interface's "mpegvideo" device, driven by
// command strings. Holds no state of its own: every operation names the device alias.
class CVideo {
public:
    // Sends one command string; mciSendStringW unless a test records them.
    using Sender = std::function<MCIERROR(const wchar_t* command, wchar_t* reply, UINT replyLength,
                                          HWND callback)>;

    CVideo();
    void SetSender(Sender sender) { m_send = std::move(sender); }

    // stop, then close.
    void Close(const std::wstring& alias);
    // Closes a leftover device, opens the file as a child video window of window (a
    // failed open shows the device's error text under "MCI Error", and the later
    // commands still go), mutes it when asked and plays it, repeating when asked.
    void Play(const std::wstring& path, HWND window, const std::wstring& alias, HWND notifyWindow,
              bool repeat, bool audioOff);
    mci::SourceRect GetSourceRect(const std::wstring& alias);
    // Places the video over a width x height area by the cover rule.
    void PlaceWindow(const std::wstring& alias, unsigned width, unsigned height);
    // Whether the device opens the file.
    bool CanOpen(const std::wstring& path);

private:
    MCIERROR Send(const std::wstring& command, HWND callback = nullptr);

    Sender m_send;
};

} // namespace orvane
