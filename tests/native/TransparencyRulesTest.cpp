#include "tweaks/TransparencyRules.h"

#include <gtest/gtest.h>

#include <string>

namespace orvane {
namespace {

TEST(TransparencyRules, PercentagesBecomeAlphaByIntegerArithmeticWithinTheirRange) {
    const struct {
        int percent;
        int alpha;
    } cases[] = {
        {20, 51},
        {70, 178},
        {80, 204},
        {99, 252},
        {100, 255},
        // Stored values outside the range are used at its bounds.
        {10, 51},
        {0, 51},
        {-5, 51},
        {150, 255},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.alpha, LayeredAlpha(c.percent)) << c.percent;
}

TEST(TransparencyRules, TheStartMenuTitleFollowsThePrimaryLanguageOfTheInterface) {
    const struct {
        unsigned language;
        std::wstring title;
    } cases[] = {
        {0x0409, L"Start"},                    // English (United States)
        {0x0419, L"\u041F\u0443\u0441\u043A"}, // Russian
        {0x0C0C, L"D\u00E9marrer"},            // French (Canada): any French
        {0x040C, L"D\u00E9marrer"},
        {0x2C0A, L"Inicio"},       // Spanish (Argentina)
        {0x0804, L"\u5F00\u59CB"}, // Chinese (PRC)
        {0x0404, L"\u5F00\u59CB"}, // Chinese (Taiwan)
        {0x0401, L"\u0627\u0644\u0628\u062F\u0623"},
        {0x0439, L"\u0938\u094D\u091F\u093E\u0930\u094D\u091F"},
        {0x0445, L"\u09B6\u09C1\u09B0\u09C1"},
        {0x0407, L"Start"}, // German: not in the table
        {0x0422, L"Start"}, // Ukrainian is not Russian
        {0x0000, L"Start"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.title, StartMenuTitle(c.language)) << std::hex << c.language;
}

} // namespace
} // namespace orvane
