#pragma once

#include "effects/Canvas.h"
#include "effects/EffectCatalog.h"
#include "effects/OverlayPlacement.h"
#include "framework/Dialog.h"
#include "framework/MonitorLayout.h"

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

namespace orvane {

class COptions;
class FrameBuffer;
class ScaledCanvas;

// The effects draw with SSE2 (effects/Blend.h). On a processor without it they stay off,
// their keys kept for a computer that has it, and this interface text says why.
constexpr unsigned kTextEffectsNeedSse2 = 247;

// The window of one desktop effect: a borderless layered popup over one monitor,
// click-through, either above all windows ("On top") or at the bottom of the window order
// ("On desktop"), redrawn by a 20 ms timer. The object lives for the whole run; starting
// the effect creates its window and stopping destroys it.
class CDlgEffectOverlay : public CDialog {
public:
    static constexpr UINT_PTR kFrameTimer = 1;
    static constexpr UINT kFramePeriodMs = 20;

    CDlgEffectOverlay(COptions& options, EffectId id, UINT templateId);
    ~CDlgEffectOverlay() override;

    bool Running() const { return GetSafeHwnd() != nullptr; }

    // Creates, shows and paints the window; nothing when the effect runs already or the
    // processor cannot draw it.
    void StartEffect();
    // Frees the pictures and particles and destroys the window with its timers. FALSE
    // when there was no window.
    BOOL StopEffect();
    // The monitor the window covers from its next start on; without one, the primary.
    void SetMonitor(const MonitorArea& monitor) { m_monitor = monitor; }
    const std::optional<MonitorArea>& Monitor() const { return m_monitor; }

    // Raises the window above all others (true) or sends it to the bottom. Without a
    // window nothing happens; the placement key decides at the next start.
    void SetPlacement(bool onTop);

    // The scene the effect lays out, measured at start: the window's area at 100 % display
    // scaling. On a screen scaled further the frame is drawn that much larger, so that the
    // screen shows the same scene in its own pixels (SceneScale() of them to one).
    int Width() const;
    int Height() const;
    float SceneScale() const { return m_scale; }
    // The window's own size in screen pixels.
    int PixelWidth() const { return m_overlay.right - m_overlay.left; }
    int PixelHeight() const { return m_overlay.bottom - m_overlay.top; }

    // How many particles the effect keeps alive; a control page sets it while the effect
    // runs and the effect converges to it.
    int targetCount = 0;

    // The live settings of the effect's control page. They act on the object whether or
    // not its window exists (the page writes the key as well, which the next start reads);
    // an effect ignores those it has no use for.
    //
    // Density slider position, 1 to 9: the effect's own particle count (DensityTargetCount
    // over the area measured at the last start).
    virtual void SetDensity(int density);
    // Wind slider position, 1 to 9: the wind start rule.
    virtual void StartWind(int /*level*/) {}
    // Falling petals: the pictures of a colour value ("pink", "white"; any other is red).
    virtual void SetPetalColour(const std::wstring& /*colour*/) {}
    // Fireflies: many colours or one; the population is spawned anew.
    virtual void SetColourful(bool /*colourful*/) {}
    // Cursor effects: the mode by its stored name ("BUBBLES" to "TRAIL"); an unknown name
    // keeps the mode.
    virtual void SetMode(const std::wstring& /*mode*/) {}
    // Garland lights: the garland (0 to 5), the flash mode (0 to 4) and the flash speed
    // (1 to 9), as the garland page lists them.
    virtual void SetGarlandKind(int /*kind*/) {}
    virtual void SetFlashMode(int /*mode*/) {}
    virtual void SetFlashSpeed(int /*speed*/) {}

protected:
    COptions& Options() { return m_options; }

    // Where the window goes on its monitor for the taskbar state the system reports; by
    // default OverlayPlacement.
    virtual OverlayBox Placement(unsigned taskbarState, const MonitorArea& monitor) const;
    // Creates the window (its OnInitDialog starts the effect); FALSE on failure.
    virtual BOOL CreateOverlay();
    // An effect's own parts of a start, in this order: its pictures (before the window is
    // placed), its settings (after), its timers besides the frame timer.
    virtual void LoadSprites() {}
    virtual void ReadSettings() {}
    virtual void StartOwnTimers() {}
    // Tops up, draws and advances the effect by one frame. The canvas starts transparent.
    virtual void DrawFrame(ICanvas& canvas) = 0;
    // A timer of the effect's own; false leaves it to the frame tick.
    virtual bool OnEffectTimer(UINT_PTR /*id*/) { return false; }
    // Frees the pictures and particles.
    virtual void ReleaseEffect() {}
    // Hands a drawn frame to the window system; FALSE when it was not taken.
    virtual BOOL UpdateLayered(const UPDATELAYEREDWINDOWINFO& info);

private:
    BOOL OnInitDialog() override;
    void OnTimer(UINT_PTR id) override;
    bool OnPaint() override;
    void OnDestroy() override;
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

    void Place();
    bool PlacementKey() const;
    void ShowFrame(HDC paintDc);

    COptions& m_options;
    EffectId m_id;
    std::optional<MonitorArea> m_monitor;
    RECT m_overlay = {};
    float m_scale = 1.0f;
    std::unique_ptr<FrameBuffer> m_frame;
    std::unique_ptr<ScaledCanvas> m_scaled; // over the frame where the scale is above 1
    bool m_shown = false; // the first frame goes to the screen whole
};

} // namespace orvane
