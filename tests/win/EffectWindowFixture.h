#pragma once

#include "core/Options.h"
#include "effects/EffectOverlay.h"
#include "framework/Gdiplus.h"

#include <gtest/gtest.h>

namespace orvane::test {

// What the effect window tests share: GDI+ for the pictures, the options the effects
// read, and frames drawn by hand as the frame timer would draw them.
class EffectWindowFixture : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(gdiplus.Ok()); }

    static void Tick(CDlgEffectOverlay& effect, int frames = 1) {
        for (int i = 0; i < frames; ++i)
            SendMessageW(effect.GetSafeHwnd(), WM_TIMER, CDlgEffectOverlay::kFrameTimer, 0);
    }

    GdiplusSession gdiplus;
    COptions options;
};

} // namespace orvane::test
