#include "personalize/FitRules.h"
#include "personalize/LogonPictures.h"

#include <gtest/gtest.h>

#include <cwctype>

namespace orvane {
namespace {

void ExpectRect(const FitRect& expected, const FitRect& actual) {
    EXPECT_EQ(expected.x, actual.x);
    EXPECT_EQ(expected.y, actual.y);
    EXPECT_EQ(expected.width, actual.width);
    EXPECT_EQ(expected.height, actual.height);
}

TEST(FitRules, CoverFillsTheFrameAndCropsEquallyOnBothSides) {
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

TEST(FitRules, PreviewsFitTheSquareWholeAndCentred) {
    ExpectRect({0, 24, 96, 48}, FitInSquare(200, 100, 96));
    ExpectRect({24, 0, 48, 96}, FitInSquare(100, 200, 96));
    ExpectRect({0, 0, 96, 96}, FitInSquare(512, 512, 96));
    // A sliver still gets a pixel of height to draw into.
    const FitRect sliver = FitInSquare(10000, 1, 96);
    EXPECT_EQ(96, sliver.width);
    EXPECT_EQ(1, sliver.height);
    ExpectRect({0, 0, 0, 0}, FitInSquare(0, 10, 96));
}

TEST(LogonPictures, RowsKeepTheirOrderAndStoredNames) {
    ASSERT_EQ(20u, kLogonRowCount);
    EXPECT_EQ(77u, kLogonRows[kLogonDefaultRow].textId);
    EXPECT_STREQ(L"", kLogonRows[kLogonDefaultRow].name);
    EXPECT_EQ(79u, kLogonRows[kLogonCustomRow].textId);
    EXPECT_STREQ(L"custom", kLogonRows[kLogonCustomRow].name);
    // Each picture row stores its caption in lower case; the files are named after it.
    for (std::size_t row = 1; row < kLogonCustomRow; ++row) {
        SCOPED_TRACE(row);
        ASSERT_NE(nullptr, kLogonRows[row].caption);
        std::wstring lower = kLogonRows[row].caption;
        for (wchar_t& c : lower)
            c = static_cast<wchar_t>(std::towlower(c));
        EXPECT_EQ(lower, kLogonRows[row].name);
        if (row > 1)
            EXPECT_LT(std::wstring(kLogonRows[row - 1].name), kLogonRows[row].name);
    }
    EXPECT_STREQ(L"sea", kLogonRows[13].name);
    EXPECT_EQ(L"C:\\Orvane\\logon\\sea.jpg", BuiltInLogonPicture(L"C:\\Orvane", L"sea"));
}

TEST(LogonPictures, TheShownRowFollowsTheSystemThenTheStoredName) {
    struct Case {
        const wchar_t* stored;
        bool customImage;
        bool valueMayBeSet;
        std::size_t row;
    } cases[] = {
        {L"sea", true, true, 13},
        {L"branches", true, true, 1},
        {L"water", true, true, 18},
        {L"", true, true, kLogonCustomRow}, // a picture but no name: the user's own
        {L"custom", true, true, kLogonCustomRow},
        {L"Sea", true, true, kLogonCustomRow},    // names compare exactly
        {L"autumn", true, true, kLogonCustomRow}, // a name we no longer ship
        {L"sea", false, true, kLogonDefaultRow},  // no image file: Windows' own
        {L"sea", true, false, kLogonDefaultRow},  // the value is gone: Windows' own
        {L"", false, false, kLogonDefaultRow},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "stored name #" << (&c - cases));
        EXPECT_EQ(c.row, LogonRowToShow(c.stored, c.customImage, c.valueMayBeSet));
    }
}

} // namespace
} // namespace orvane
