#include "framework/ProfileText.h"

#include <gtest/gtest.h>

#include <climits>

namespace orvane {
namespace {

std::wstring Value(const ProfileText& text, const wchar_t* section, const wchar_t* key) {
    const std::wstring* value = text.Find(section, key);
    return value ? *value : L"<missing>";
}

TEST(ProfileText, FindsKeysAsTheProfileFunctionsDo) {
    const ProfileText text(L"; comment\r\n"
                           L"[ Settings ]\r\n"
                           L"  iGarland =  3  \r\n"
                           L"strPath=C:\\a=b\n"
                           L"bare\r"
                           L"iGarland=4\r\n"
                           L"[Other]\r\n"
                           L"iGarland=7\r\n"
                           L"[settings]\r\n"
                           L"late=1\r\n");
    EXPECT_EQ(L"3", Value(text, L"settings", L"IGARLAND"))
        << "case and blanks do not matter, first wins";
    EXPECT_EQ(L"C:\\a=b", Value(text, L"Settings", L"strPath")) << "only the first = splits";
    EXPECT_EQ(L"", Value(text, L"Settings", L"bare")) << "a line without = is a key without value";
    EXPECT_EQ(L"7", Value(text, L"Other", L"iGarland"));
    EXPECT_EQ(L"<missing>", Value(text, L"Settings", L"late"))
        << "only the first section of a name is read";
    EXPECT_EQ(L"<missing>", Value(text, L"Settings", L"; comment"));
    EXPECT_EQ(L"<missing>", Value(text, L"Missing", L"iGarland"));
}

TEST(ProfileText, SetChangesInPlaceAndKeepsEverythingElse) {
    ProfileText text(L"; kept\r\n[A]\r\nx=1\r\n  odd line  \r\ny=2\r\n\r\n[B]\r\nx=9\r\n");
    text.Set(L"a", L"X", L"5");
    text.Set(L"A", L"z", L"new");
    text.Set(L"C", L"k", L"v");
    EXPECT_EQ(
        L"; kept\r\n[A]\r\nX=5\r\n  odd line  \r\ny=2\r\nz=new\r\n\r\n[B]\r\nx=9\r\n[C]\r\nk=v\r\n",
        text.Text());
}

TEST(ProfileText, AKeyGoesRightAfterItsSectionsHeaderWhenTheSectionIsEmpty) {
    ProfileText text(L"[A]\r\n[B]\r\nx=1\r\n");
    text.Set(L"A", L"k", L"v");
    EXPECT_EQ(L"[A]\r\nk=v\r\n[B]\r\nx=1\r\n", text.Text());
}

TEST(ProfileText, LineBreaksInAValueCannotStartNewKeysOrSections) {
    ProfileText text(L"[Settings]\r\nstrPath=old\r\n");
    text.Set(L"Settings", L"strPath", L"C:\\x\r\n[Settings]\r\nfAutoRun=0\nz");
    const ProfileText reread(text.Text());
    EXPECT_EQ(L"C:\\x  [Settings]  fAutoRun=0 z", Value(reread, L"Settings", L"strPath"));
    EXPECT_EQ(L"<missing>", Value(reread, L"Settings", L"fAutoRun"));
}

TEST(ProfileText, ReadsEveryKindOfLineEnd) {
    const ProfileText text(L"[A]\nx=1\ry=2\r\n\r\nz=3");
    EXPECT_EQ(L"1", Value(text, L"A", L"x"));
    EXPECT_EQ(L"2", Value(text, L"A", L"y"));
    EXPECT_EQ(L"3", Value(text, L"A", L"z"));
    EXPECT_EQ(L"[A]\r\nx=1\r\ny=2\r\n\r\nz=3\r\n", text.Text());
}

TEST(ProfileText, NumbersReadLikeTheProfileFunctions) {
    struct Case {
        const wchar_t* value;
        int expected;
    } cases[] = {
        {L"", 42},
        {L"17", 17},
        {L"17px", 17},
        {L"px", 0},
        {L"-5", 0},
        {L"+8", 8},
        {L"007", 7},
        {L"99999999999999999999", INT_MAX},
        {L"2147483647", INT_MAX},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, ProfileNumber(c.value, 42))
            << "'" << std::string(c.value, c.value + wcslen(c.value)) << "'";
}

} // namespace
} // namespace orvane
