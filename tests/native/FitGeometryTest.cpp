#include "framework/FitGeometry.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

void ExpectRect(const FitRect& expected, const FitRect& actual) {
    EXPECT_EQ(expected.x, actual.x);
    EXPECT_EQ(expected.y, actual.y);
    EXPECT_EQ(expected.width, actual.width);
    EXPECT_EQ(expected.height, actual.height);
}

TEST(FitGeometry, CoverFitWiderWindowsCropTopAndBottomNarrowerOnesLeftAndRight) {
    // 4:3 on a 1920 x 1040 work area: full width, 200 pixels cut off top and bottom each.
    const FitRect fourThree = CoverFit(1920, 1040, 640, 480);
    EXPECT_EQ(0, fourThree.x);
    EXPECT_EQ(1920, fourThree.width);
    EXPECT_EQ(1440, fourThree.height);
    EXPECT_EQ(-200, fourThree.y);

    // 21:9: full height, the width overflows and is split between both sides.
    const FitRect wide = CoverFit(1920, 1040, 2560, 1080);
    EXPECT_EQ(0, wide.y);
    EXPECT_EQ(1040, wide.height);
    EXPECT_EQ(2465, wide.width); // 2465.18 truncated
    EXPECT_EQ(-272, wide.x);     // -272.59 truncated toward zero
    EXPECT_NEAR(-wide.x, (wide.width - 1920) / 2, 1);

    // Equal ratios fill exactly; a source without a size gives nothing to place.
    const FitRect same = CoverFit(1920, 1080, 1280, 720);
    EXPECT_EQ(0, same.x);
    EXPECT_EQ(0, same.y);
    EXPECT_EQ(1920, same.width);
    EXPECT_EQ(1080, same.height);
    const FitRect unknown = CoverFit(1920, 1040, 0, 0);
    EXPECT_EQ(0, unknown.width);
    EXPECT_EQ(0, unknown.height);
}

TEST(FitGeometry, CoverRectFillsTheFrameAndCropsEquallyOnBothSides) {
    // A square on a wide screen: full width, 420 rows cut off at the top and the bottom.
    ExpectRect({0, -420, 1920, 1920}, CoverRect(1920, 1080, 1000, 1000));
    // A panorama: full height, cut at the left and the right.
    ExpectRect({-1200, 0, 4320, 1080}, CoverRect(1920, 1080, 4000, 1000));
    // The same shape only scales; a portrait on a wide preview frame keeps its middle.
    ExpectRect({0, 0, 1920, 1080}, CoverRect(1920, 1080, 1280, 720));
    ExpectRect({0, -427, 480, 1124}, CoverRect(480, 270, 1000, 2342));
    // Nothing to fit.
    ExpectRect({0, 0, 0, 0}, CoverRect(1920, 1080, 0, 100));
    ExpectRect({0, 0, 0, 0}, CoverRect(0, 1080, 100, 100));
}

TEST(FitGeometry, FitInSquareKeepsPreviewsWholeAndCentred) {
    ExpectRect({0, 24, 96, 48}, FitInSquare(200, 100, 96));
    ExpectRect({24, 0, 48, 96}, FitInSquare(100, 200, 96));
    ExpectRect({0, 0, 96, 96}, FitInSquare(512, 512, 96));
    // A sliver still gets a pixel of height to draw into.
    const FitRect sliver = FitInSquare(10000, 1, 96);
    EXPECT_EQ(96, sliver.width);
    EXPECT_EQ(1, sliver.height);
    ExpectRect({0, 0, 0, 0}, FitInSquare(0, 10, 96));
}

TEST(FitGeometry, ContainFitKeepsTheBackdropWholeAndCentred) {
    // 4:3 on 1920 x 1079: full height, centred across.
    const FitRectF fourThree = ContainFit(1920, 1079, 1600, 1200);
    EXPECT_NEAR(1438.67f, fourThree.width, 0.01f);
    EXPECT_FLOAT_EQ(1079.0f, fourThree.height);
    EXPECT_NEAR(240.67f, fourThree.x, 0.01f);
    EXPECT_FLOAT_EQ(0.0f, fourThree.y);

    // 21:9: full width, centred from top to bottom.
    const FitRectF wide = ContainFit(1920, 1079, 2520, 1080);
    EXPECT_FLOAT_EQ(1920.0f, wide.width);
    EXPECT_FLOAT_EQ(0.0f, wide.x);
    EXPECT_NEAR(1920.0f * 9 / 21, wide.height, 0.01f);
    EXPECT_GT(wide.y, 0.0f);
    EXPECT_NEAR(1079.0f, wide.y * 2 + wide.height, 0.01f);

    // The same shape fills the window; no size, no rectangle.
    const FitRectF same = ContainFit(1920, 1080, 1280, 720);
    EXPECT_FLOAT_EQ(0.0f, same.x);
    EXPECT_FLOAT_EQ(0.0f, same.y);
    EXPECT_FLOAT_EQ(1920.0f, same.width);
    EXPECT_FLOAT_EQ(0.0f, ContainFit(1920, 1080, 0, 720).width);
    EXPECT_FLOAT_EQ(0.0f, ContainFit(0, 0, 640, 480).height);
}

} // namespace
} // namespace orvane
