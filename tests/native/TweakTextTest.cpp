#include "tweaks/NumericText.h"
#include "tweaks/ScriptCommand.h"

#include <gtest/gtest.h>

#include <climits>

namespace orvane {
namespace {

TEST(NumericText, TheLeadingDigitsMakeTheNumber) {
    const struct {
        const wchar_t* text;
        int number;
    } cases[] = {
        {L"", 0},
        {L"42", 42},
        {L"007", 7},
        {L"12ab3", 12},
        {L"abc", 0},
        {L" 5", 0},
        {L"-5", 0},
        {L"2147483647", INT_MAX},
        {L"99999999999999", INT_MAX},
        {L"\u0663", 0}, // an Arabic-Indic three is no digit here
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.number, LeadingNumber(c.text)) << c.text;
}

TEST(NumericText, WindowMetricsAreNegativeTwipsInText) {
    EXPECT_EQ(L"-330", PixelsAsTwipsText(22));
    EXPECT_EQ(L"-120", PixelsAsTwipsText(8));
    EXPECT_EQ(L"-1500", PixelsAsTwipsText(100));
    EXPECT_EQ(L"0", PixelsAsTwipsText(0));

    const struct {
        const wchar_t* text;
        int pixels;
    } cases[] = {
        {L"-330", 22},
        {L"-300", 20},
        {L"450", 30},
        {L"-255", 17},
        {L"-1500", 100},
        {L"-14", 0},
        {L"-29", 1},
        {L"+45", 3},
        {L"  -330", 22},
        {L"-330 px", 22},
        {L"", 0},
        {L"abc", 0},
        {L"- 330", 0},
        {L"--330", 0},
        // Far too many twips for an int of pixels: the largest int, not a wrapped value.
        {L"-99999999999999999999", INT_MAX},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.pixels, PixelsOfTwipsText(c.text)) << c.text;
}

TEST(ScriptCommand, OutputIsSplitIntoLinesAsATextReaderDoes) {
    using Lines = std::vector<std::wstring>;
    EXPECT_EQ(Lines{}, TextLines(L""));
    EXPECT_EQ((Lines{L"one", L"two"}), TextLines(L"one\r\ntwo\r\n"));
    EXPECT_EQ((Lines{L"one", L"", L"three"}), TextLines(L"one\n\r\nthree"));
    EXPECT_EQ((Lines{L"a\rb"}), TextLines(L"a\rb\r\n")) << "a lone CR stays in its line";
    EXPECT_EQ((Lines{L""}), TextLines(L"\r\n"));
}

} // namespace
} // namespace orvane
