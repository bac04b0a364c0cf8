#include "effects/DlgEffectCustomObjects.h"

#include "effects/CustomObjects.h"
#include "resources/ids_effects.h"

#include <shlwapi.h>

#include <limits>

namespace orvane {
namespace {

constexpr UINT kPlacementFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE;
constexpr PROPID kFrameDelayProperty = 0x5100;
// FrameDimensionTime, written out: MinGW's GDI+ headers declare it without a definition.
constexpr GUID kFrameDimensionTime = {
    0x6aedbd6d, 0x3fb5, 0x418a, {0x83, 0xa6, 0x7f, 0x45, 0x22, 0x9d, 0xc8, 0x72}};

// The whole file in a memory stream. GDI+ reads a picture lazily and keeps a file it
// opened itself locked for the picture's life; from memory, the user can still move,
// change or delete the file while the object shows.
ComPtr<IStream> ReadFileStream(const std::wstring& path) {
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size = {};
    if (!file || !GetFileSizeEx(file.get(), &size) || size.QuadPart <= 0 ||
        size.QuadPart > std::numeric_limits<DWORD>::max() / 2)
        return {};
    const auto bytes = static_cast<DWORD>(size.QuadPart);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!memory)
        return {};
    void* data = GlobalLock(memory);
    DWORD read = 0;
    const bool ok = data && ReadFile(file.get(), data, bytes, &read, nullptr) && read == bytes;
    if (data)
        GlobalUnlock(memory);
    IStream* stream = nullptr;
    if (!ok || FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
        GlobalFree(memory);
        return {};
    }
    return ComPtr<IStream>(stream);
}

} // namespace

CDlgEffectCustomObjects::CDlgEffectCustomObjects(CCustomObjects& list)
    : CDialog(IDD_EFFECT_OVERLAY_CLICKABLE), m_list(list) {}

CDlgEffectCustomObjects::~CDlgEffectCustomObjects() = default;

BOOL CDlgEffectCustomObjects::CreateOverlay(std::size_t index, const std::wstring& path) {
    m_index = index;
    m_path = path;
    return Create(GetDesktopWindow()) != nullptr;
}

bool CDlgEffectCustomObjects::LoadPicture() {
    m_stream = ReadFileStream(m_path);
    if (!m_stream)
        return false;
    auto picture = std::make_unique<Gdiplus::Bitmap>(m_stream.get());
    if (picture->GetLastStatus() != Gdiplus::Ok || picture->GetWidth() == 0 ||
        picture->GetHeight() == 0)
        return false;

    m_frameCount = 1;
    if (const UINT dimensions = picture->GetFrameDimensionsCount(); dimensions > 0) {
        std::vector<GUID> list(dimensions);
        if (picture->GetFrameDimensionsList(list.data(), dimensions) == Gdiplus::Ok) {
            m_dimension = list[0];
            m_frameCount = picture->GetFrameCount(&m_dimension);
        }
    }
    m_delays.clear();
    if (const UINT size = picture->GetPropertyItemSize(kFrameDelayProperty); size > 0) {
        std::vector<std::uint64_t> storage(size / sizeof(std::uint64_t) + 1);
        auto* item = reinterpret_cast<Gdiplus::PropertyItem*>(storage.data());
        if (picture->GetPropertyItem(kFrameDelayProperty, size, item) == Gdiplus::Ok &&
            item->type == PropertyTagTypeLong && item->value) {
            const auto* delays = static_cast<const std::uint32_t*>(item->value);
            m_delays.assign(delays, delays + item->length / sizeof(std::uint32_t));
        }
    }
    m_currentFrame = 0;
    if (m_frameCount > 1)
        picture->SelectActiveFrame(&kFrameDimensionTime, 0);
    m_width = static_cast<int>(picture->GetWidth());
    m_height = static_cast<int>(picture->GetHeight());
    m_picture = std::move(picture);
    return true;
}

BOOL CDlgEffectCustomObjects::OnInitDialog() {
    m_captureChanges = 0;
    m_paintCount = 0;
    m_renderedFrame = -1;
    m_frameOnScreen = false;
    if (PathFileExistsW(m_path.c_str()) && LoadPicture()) {
        const ObjectCorner corner =
            ObjectStartCorner(m_list.Entry(m_index), m_list.Monitors(), m_width, m_height);
        m_x = corner.x;
        m_y = corner.y;
        MoveWindow(m_hWnd, m_x, m_y, m_width, m_height, FALSE);
        SetTimer(m_hWnd, kFrameTimer, FrameIntervalMs(m_frameCount, m_delays, 0), nullptr);
    } else {
        // Nothing to show: no size, so not even the empty window can be seen or clicked.
        ReleasePicture();
        SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    SetWindowLongPtrW(m_hWnd, GWL_EXSTYLE, GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE) | WS_EX_LAYERED);
    SetPlacement(OnTop());
    return TRUE;
}

bool CDlgEffectCustomObjects::OnTop() const {
    return m_index < m_list.Count() && m_list.Entry(m_index).top;
}

void CDlgEffectCustomObjects::SetPlacement(bool onTop) {
    if (m_hWnd)
        SetWindowPos(m_hWnd, onTop ? HWND_TOPMOST : HWND_BOTTOM, 0, 0, 0, 0, kPlacementFlags);
}

void CDlgEffectCustomObjects::OnTimer(UINT_PTR id) {
    if (id != kFrameTimer)
        return;
    if (m_picture && m_frameCount > 1) {
        KillTimer(m_hWnd, kFrameTimer);
        m_currentFrame = (m_currentFrame + 1) % m_frameCount;
        m_picture->SelectActiveFrame(&kFrameDimensionTime, m_currentFrame);
        SetTimer(m_hWnd, kFrameTimer, FrameIntervalMs(m_frameCount, m_delays, m_currentFrame),
                 nullptr);
    }
    Repaint();
}

bool CDlgEffectCustomObjects::OnPaint() {
    PAINTSTRUCT paint;
    BeginPaint(m_hWnd, &paint);
    EndPaint(m_hWnd, &paint);
    Repaint();
    return true;
}

bool CDlgEffectCustomObjects::RenderFrame() {
    if (!m_bitmap) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = m_width;
        info.bmiHeader.biHeight = -m_height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        m_bitmap.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &m_bits, nullptr, 0));
        m_dc.reset(CreateCompatibleDC(nullptr));
        if (!m_bitmap || !m_dc || !m_bits) {
            m_bitmap.reset();
            return false;
        }
        m_selection = std::make_unique<SelectGuard>(m_dc.get(), m_bitmap.get());
    }
    if (m_renderedFrame == static_cast<int>(m_currentFrame))
        return true;
    // The frame's pixels converted straight into the DIB as premultiplied ARGB, which is
    // what UpdateLayeredWindow takes: a copy, where drawing would resample every pixel
    // (seconds for a picture of tens of millions of pixels).
    Gdiplus::BitmapData pixels = {};
    pixels.Width = static_cast<UINT>(m_width);
    pixels.Height = static_cast<UINT>(m_height);
    pixels.Stride = m_width * 4;
    pixels.PixelFormat = PixelFormat32bppPARGB;
    pixels.Scan0 = m_bits;
    Gdiplus::Rect whole(0, 0, m_width, m_height);
    if (m_picture->LockBits(&whole, Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeUserInputBuf,
                            PixelFormat32bppPARGB, &pixels) == Gdiplus::Ok) {
        m_picture->UnlockBits(&pixels);
    } else {
        // GDI+ keeps alpha only when it draws into a bitmap of its own format.
        Gdiplus::Bitmap target(m_width, m_height, m_width * 4, PixelFormat32bppPARGB,
                               static_cast<BYTE*>(m_bits));
        Gdiplus::Graphics graphics(&target);
        graphics.Clear(Gdiplus::Color(0, 0, 0, 0));
        graphics.DrawImage(m_picture.get(), 0, 0, m_width, m_height);
        graphics.Flush(Gdiplus::FlushIntentionSync);
    }
    m_renderedFrame = static_cast<int>(m_currentFrame);
    m_frameOnScreen = false;
    return true;
}

void CDlgEffectCustomObjects::RememberCorner() {
    RECT window = {};
    if (GetWindowRect(m_hWnd, &window)) {
        m_x = window.left;
        m_y = window.top;
    }
}

void CDlgEffectCustomObjects::Repaint() {
    if (!m_picture || !RenderFrame())
        return;
    RememberCorner();
    POINT destination = {m_x, m_y};
    SIZE size = {m_width, m_height};
    POINT source = {0, 0};
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    // A frame already on screen is not sent again: without a source the window keeps
    // its pixels, which for a large picture saves copying its whole surface every second.
    const bool send = !m_frameOnScreen;
    if (UpdateLayeredWindow(m_hWnd, nullptr, &destination, send ? &size : nullptr,
                            send ? m_dc.get() : nullptr, send ? &source : nullptr, 0, &blend,
                            ULW_ALPHA)) {
        m_frameOnScreen = true;
        ++m_paintCount;
    } else {
        m_frameOnScreen = false; // the next repaint sends the whole frame again
    }
}

void CDlgEffectCustomObjects::StorePosition() {
    if (!m_picture)
        return; // a window that never showed has no place of its own
    RememberCorner();
    m_list.SetPosition(m_index, m_x, m_y);
}

void CDlgEffectCustomObjects::ReleasePicture() {
    m_selection.reset();
    m_dc.reset();
    m_bitmap.reset();
    m_bits = nullptr;
    m_picture.reset();
    m_stream.reset();
    m_frameCount = 0;
    m_delays.clear();
}

void CDlgEffectCustomObjects::StopObject() {
    if (!m_hWnd)
        return;
    StorePosition();
    ReleasePicture();
    DestroyWindow();
}

void CDlgEffectCustomObjects::OnDestroy() {
    ReleasePicture();
}

INT_PTR CDlgEffectCustomObjects::OnMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                           bool& handled) {
    switch (message) {
    case WM_LBUTTONDOWN: {
        // The system's own move loop drags the window while the button is held.
        POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        ClientToScreen(m_hWnd, &point);
        PostMessageW(m_hWnd, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x, point.y));
        handled = true;
        return TRUE;
    }
    case WM_CAPTURECHANGED: {
        // The move loop takes and gives back the capture: every second change ends a drag.
        const int before = m_captureChanges++;
        if (before != 0 && before != -1) {
            StorePosition();
            m_captureChanges = 0;
        }
        return FALSE;
    }
    case WM_SETFOCUS:
        if (!OnTop())
            SetPlacement(false);
        return FALSE;
    case WM_DPICHANGED:
        // A picture keeps its size in pixels on a monitor of another scale; the dialog
        // manager would scale the window.
        handled = true;
        return TRUE;
    case WM_ACTIVATEAPP:
        if (wParam && OnTop())
            SetPlacement(true);
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace orvane
