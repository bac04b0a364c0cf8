#pragma once

#include <windows.h>

#include <shellapi.h>

namespace orvane {

// The notification-area icon of the main window.
class CTray {
public:
    static constexpr UINT kIconId = 128;
    static constexpr UINT kCallbackMessage = 0x465;

    CTray();
    ~CTray(); // removes the icon
    CTray(const CTray&) = delete;
    CTray& operator=(const CTray&) = delete;

    void SetWindow(HWND window) { m_data.hWnd = window; }
    void Add();
    void Remove();
    // The shell lost its icons (Explorer restarted): add ours again if it was there.
    void Restore();
    bool Shown() const { return m_shown; }
    const NOTIFYICONDATAW& Data() const { return m_data; }

private:
    NOTIFYICONDATAW m_data = {};
    bool m_shown = false; // between Add and Remove
};

} // namespace orvane
