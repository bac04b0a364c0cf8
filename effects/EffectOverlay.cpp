#include "effects/EffectOverlay.h"

#include "core/Options.h"
#include "core/SystemAccess.h"
#include "effects/FrameBuffer.h"
#include "effects/OverlayPlacement.h"
#include "effects/ScaledCanvas.h"
#include "framework/Dpi.h"
#include "framework/Monitors.h"

#include <shellapi.h>

#include <algorithm>
#include <cmath>

namespace orvane {
namespace {

constexpr UINT kPlacementFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE;

} // namespace

CDlgEffectOverlay::CDlgEffectOverlay(COptions& options, EffectId id, UINT templateId)
    : CDialog(templateId), m_options(options), m_id(id) {}

CDlgEffectOverlay::~CDlgEffectOverlay() = default;

int CDlgEffectOverlay::Width() const {
    return static_cast<int>(std::ceil(PixelWidth() / m_scale));
}

int CDlgEffectOverlay::Height() const {
    return static_cast<int>(std::ceil(PixelHeight() / m_scale));
}

BOOL CDlgEffectOverlay::CreateOverlay() {
    return Create(GetDesktopWindow()) != nullptr;
}

void CDlgEffectOverlay::StartEffect() {
    // A second window would orphan the first, still animating with this object's state.
    if (Running() || !ProcessorHasSse2() || !CreateOverlay())
        return;
    ShowWindow(m_hWnd, SW_SHOW);
    UpdateWindow(m_hWnd);
}

BOOL CDlgEffectOverlay::StopEffect() {
    ReleaseEffect();
    if (!Running())
        return FALSE;
    DestroyWindow();
    return TRUE;
}

void CDlgEffectOverlay::SetDensity(int density) {
    targetCount = DensityTargetCount(m_id, density, Width(), Height());
}

void CDlgEffectOverlay::SetPlacement(bool onTop) {
    if (m_hWnd)
        SetWindowPos(m_hWnd, onTop ? HWND_TOPMOST : HWND_BOTTOM, 0, 0, 0, 0, kPlacementFlags);
}

OverlayBox CDlgEffectOverlay::Placement(unsigned taskbarState, const MonitorArea& monitor) const {
    return OverlayPlacement(taskbarState, monitor);
}

bool CDlgEffectOverlay::PlacementKey() const {
    return m_options.GetBool(KeysOf(m_id).placementKey);
}

BOOL CDlgEffectOverlay::OnInitDialog() {
    LoadSprites();
    Place();
    m_frame = std::make_unique<FrameBuffer>(PixelWidth(), PixelHeight());
    m_scaled.reset();
    if (m_scale > 1.0f)
        m_scaled = std::make_unique<ScaledCanvas>(m_frame->Canvas(), m_scale);
    m_shown = false;
    ReadSettings();
    SetTimer(m_hWnd, kFrameTimer, kFramePeriodMs, nullptr);
    StartOwnTimers();
    return TRUE;
}

void CDlgEffectOverlay::Place() {
    APPBARDATA taskbar = {};
    taskbar.cbSize = sizeof taskbar;
    const auto state = static_cast<unsigned>(SHAppBarMessage(ABM_GETSTATE, &taskbar));
    const MonitorArea monitor = m_monitor ? *m_monitor : SystemMonitors().front();
    const OverlayBox box = Placement(state, monitor);
    MoveWindow(m_hWnd, box.left, box.top, box.width, box.height, TRUE);
    GetWindowRect(m_hWnd, &m_overlay);
    // The monitor's own scale: the window is drawn for the monitor it covers, whatever the
    // scale of the others.
    m_scale = std::max(1.0f, static_cast<float>(monitor.dpi) / kDefaultDpi);
    SetWindowLongPtrW(m_hWnd, GWL_EXSTYLE, GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE) | WS_EX_LAYERED);
    SetPlacement(PlacementKey());
}

void CDlgEffectOverlay::OnTimer(UINT_PTR id) {
    if (!OnEffectTimer(id))
        RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

bool CDlgEffectOverlay::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hWnd, &paint);
    if (dc && m_frame && m_frame->Ok())
        ShowFrame(dc);
    EndPaint(m_hWnd, &paint);
    return true;
}

void CDlgEffectOverlay::ShowFrame(HDC paintDc) {
    FrameCanvas& canvas = m_frame->Canvas();
    canvas.BeginFrame();
    if (m_scaled)
        DrawFrame(*m_scaled);
    else
        DrawFrame(canvas);
    PixelRect changed = canvas.DirtyRect();
    if (!m_shown)
        changed = {0, 0, PixelWidth(), PixelHeight()};
    // Nothing drawn now or before: the picture on screen is still right.
    if (changed.Empty())
        return;
    POINT destination = {m_overlay.left, m_overlay.top};
    SIZE size = {PixelWidth(), PixelHeight()};
    POINT source = {0, 0};
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    RECT dirty = {changed.left, changed.top, changed.right, changed.bottom};
    UPDATELAYEREDWINDOWINFO info = {sizeof info, paintDc, &destination, &size,     m_frame->Dc(),
                                    &source,     0,       &blend,       ULW_ALPHA, &dirty};
    // A frame that fails leaves the previous one on screen, which no longer matches the
    // buffer outside the next dirty rectangle: the next frame goes over whole.
    m_shown = UpdateLayered(info) != FALSE;
}

BOOL CDlgEffectOverlay::UpdateLayered(const UPDATELAYEREDWINDOWINFO& info) {
    return UpdateLayeredWindowIndirect(m_hWnd, &info);
}

void CDlgEffectOverlay::OnDestroy() {
    m_scaled.reset();
    m_frame.reset();
    ReleaseEffect();
}

INT_PTR CDlgEffectOverlay::OnMessage(UINT message, WPARAM wParam, LPARAM, bool& handled) {
    // The window is sized for its monitor's pixels already; the dialog manager's own
    // answer would scale it again. A monitor that changes its scale gets a new window.
    if (message == WM_DPICHANGED) {
        handled = true;
        return TRUE;
    }
    // The key is read at each message, so a placement chosen on the page applies at once.
    if (message == WM_SETFOCUS && !PlacementKey())
        SetPlacement(false);
    else if (message == WM_ACTIVATEAPP && wParam && PlacementKey())
        SetPlacement(true);
    return FALSE;
}

} // namespace orvane
