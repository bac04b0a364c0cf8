#include "background/Video.h"

#include "framework/FitGeometry.h"

namespace orvane {
namespace {
constexpr UINT kReplyLength = 260;
constexpr UINT kErrorLength = 256;
} // namespace

CVideo::CVideo() : m_send(mciSendStringW) {}

MCIERROR CVideo::Send(const std::wstring& command, HWND callback) {
    return m_send(command.c_str(), nullptr, 0, callback);
}

void CVideo::Close(const std::wstring& alias) {
    Send(mci::Stop(alias));
    Send(mci::Close(alias));
}

void CVideo::Play(const std::wstring& path, HWND window, const std::wstring& alias,
                  HWND notifyWindow, bool repeat, bool audioOff) {
    Close(alias);
    // Window handles carry 32 significant bits, also in a 64-bit process.
    const auto handle = static_cast<std::int32_t>(reinterpret_cast<INT_PTR>(window));
    if (const MCIERROR error = Send(mci::Open(path, alias, handle))) {
        wchar_t text[kErrorLength] = L"";
        if (!mciGetErrorStringW(error, text, kErrorLength))
            wcscpy(text, L"Unknown Error");
        MessageBoxW(nullptr, text, L"MCI Error", MB_ICONEXCLAMATION);
    }
    if (audioOff)
        Send(mci::Mute(alias));
    Send(mci::Play(alias, repeat), notifyWindow);
}

mci::SourceRect CVideo::GetSourceRect(const std::wstring& alias) {
    wchar_t reply[kReplyLength] = L"";
    m_send(mci::SourceSize(alias).c_str(), reply, kReplyLength, nullptr);
    return mci::ParseSourceRect(reply);
}

void CVideo::PlaceWindow(const std::wstring& alias, unsigned width, unsigned height) {
    const mci::SourceRect source = GetSourceRect(alias);
    // Without a source size (the open failed) there is nothing sensible to place.
    if (source.width <= 0 || source.height <= 0)
        return;
    const FitRect fit =
        CoverFit(static_cast<float>(width), static_cast<float>(height),
                 static_cast<float>(source.width), static_cast<float>(source.height));
    Send(mci::Place(alias, fit.x, fit.y, static_cast<unsigned>(fit.width),
                    static_cast<unsigned>(fit.height)));
}

bool CVideo::CanOpen(const std::wstring& path) {
    const bool opened = Send(mci::TestOpen(path)) == 0;
    Send(mci::TestClose());
    return opened;
}

} // namespace orvane
