#include "app/CommandLine.h"
#include "core/TextEscapes.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(CommandLine, SkipsTheProgramNameQuotedOrNot) {
    const struct {
        const wchar_t* full;
        const wchar_t* arguments;
    } cases[] = {
        {L"\"C:\\Program Files\\Orvane\\Orvane.exe\" -auto", L"-auto"},
        {L"C:\\Orvane\\Orvane.exe -auto", L"-auto"},
        {L"Orvane.exe", L""},
        {L"\"C:\\a b\\Orvane.exe\"", L""},
        {L"Orvane.exe \t -auto x", L"-auto x"},
        {L"\"unterminated -auto", L""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.arguments, ArgumentsOf(c.full));
}

TEST(CommandLine, RecognisesOnlyTheExactAutoArgument) {
    EXPECT_TRUE(IsAutoStart(L"-auto"));
    for (const wchar_t* other : {L"-Auto", L"-AUTO", L"-auto x", L"-auto ", L"auto", L"", L"/auto"})
        EXPECT_FALSE(IsAutoStart(other));
}

TEST(TextEscapes, TurnsBackslashSequencesIntoLineBreaks) {
    EXPECT_EQ(L"one\ntwo", ExpandLineBreaks(L"one\\ntwo"));
    EXPECT_EQ(L"a\r\nb\r\nc", ExpandLineBreaks(L"a\\r\\nb\\r\\nc"));
    EXPECT_EQ(L"C:\\temp", ExpandLineBreaks(L"C:\\temp")); // \t is no escape
    EXPECT_EQ(L"\n\n", ExpandLineBreaks(L"\\n\\n"));
    EXPECT_EQ(L"end\\", ExpandLineBreaks(L"end\\"));
}

} // namespace
} // namespace orvane
