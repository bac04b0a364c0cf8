#include "personalize/LogonPictures.h"

#include <gtest/gtest.h>

#include <cwctype>

namespace orvane {
namespace {

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
