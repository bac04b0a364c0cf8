#include "core/Options.h"
#include "effects/EffectOverlay.h"
#include "resources/ids_effects.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvane {
namespace {

// An overlay drawing one 10 × 10 square a step further right each frame, which keeps the
// record of what it handed the window system: each dirty rectangle and whether the
// system took the frame. The frames still go to the real window.
class SquareOverlay : public CDlgEffectOverlay {
public:
    struct Update {
        int frame; // the square's step
        RECT dirty;
        bool taken;
    };

    explicit SquareOverlay(COptions& options)
        : CDlgEffectOverlay(options, EffectId::Hearts, IDD_EFFECT_OVERLAY) {}

    std::vector<Update> updates;

protected:
    void DrawFrame(ICanvas& canvas) override {
        canvas.SetSmoothing(false);
        canvas.FillRect(static_cast<float>(100 + 20 * m_frame++), 100, 10, 10,
                        Color::Argb(0xFF20A0E0u));
    }
    BOOL UpdateLayered(const UPDATELAYEREDWINDOWINFO& info) override {
        const BOOL taken = CDlgEffectOverlay::UpdateLayered(info);
        updates.push_back({m_frame - 1, info.prcDirty ? *info.prcDirty : RECT{}, taken != FALSE});
        return taken;
    }

private:
    int m_frame = 0;
};

class EffectOverlayFrames : public ::testing::Test {
protected:
    void Tick() {
        SendMessageW(overlay.GetSafeHwnd(), WM_TIMER, CDlgEffectOverlay::kFrameTimer, 0);
    }
    void SetLayered(bool layered) {
        HWND window = overlay.GetSafeHwnd();
        const LONG_PTR style = GetWindowLongPtrW(window, GWL_EXSTYLE);
        SetWindowLongPtrW(window, GWL_EXSTYLE,
                          layered ? style | WS_EX_LAYERED : style & ~WS_EX_LAYERED);
    }
    static bool Same(const RECT& a, const RECT& b) {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    }

    COptions options;
    SquareOverlay overlay{options};
};

TEST_F(EffectOverlayFrames, AFrameTheSystemRefusedIsFollowedByAWholeFrame) {
    overlay.StartEffect();
    ASSERT_TRUE(overlay.Running());
    KillTimer(overlay.GetSafeHwnd(), CDlgEffectOverlay::kFrameTimer); // frames come from Tick
    const RECT whole = {0, 0, overlay.Width(), overlay.Height()};
    // What a frame after a shown one changes: the square before (cleared) and its own.
    const auto squares = [](const SquareOverlay::Update& update) {
        return RECT{100 + 20 * (update.frame - 1), 100, 100 + 20 * update.frame + 10, 110};
    };

    overlay.updates.clear(); // whatever painting the start did
    Tick();
    Tick();
    ASSERT_EQ(2u, overlay.updates.size());
    EXPECT_TRUE(overlay.updates[0].taken && overlay.updates[1].taken);
    EXPECT_TRUE(Same(squares(overlay.updates[1]), overlay.updates[1].dirty)) << "only what changed";

    // A window that is not layered refuses the update.
    SetLayered(false);
    Tick();
    ASSERT_EQ(3u, overlay.updates.size());
    EXPECT_FALSE(overlay.updates[2].taken);

    SetLayered(true);
    Tick();
    ASSERT_EQ(4u, overlay.updates.size());
    EXPECT_TRUE(overlay.updates[3].taken);
    EXPECT_TRUE(Same(whole, overlay.updates[3].dirty))
        << "the refused frame's picture never reached the screen: the next goes over whole";

    Tick();
    ASSERT_EQ(5u, overlay.updates.size());
    EXPECT_TRUE(overlay.updates[4].taken);
    EXPECT_TRUE(Same(squares(overlay.updates[4]), overlay.updates[4].dirty))
        << "and then back to what changed";
    overlay.StopEffect();
}

} // namespace
} // namespace orvane
