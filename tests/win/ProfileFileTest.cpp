#include "app/Options.h"
#include "framework/ProfileFile.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace orvane::test {
namespace {

TEST(ProfileFile, ReadsNegativeNumbersAsZeroAndKeepsFallbacksForMissingKeys) {
    TempFolder folder;
    const std::wstring path = folder / L"settings.ini";
    ASSERT_TRUE(WriteUtf16File(path, L"[Settings]\r\nnegative=-5\r\nplain=42\r\nempty=\r\n"));
    ProfileFile file(path);
    EXPECT_EQ(0, file.ReadInt(L"Settings", L"negative", 7));
    EXPECT_EQ(42, file.ReadInt(L"Settings", L"plain", 7));
    EXPECT_EQ(7, file.ReadInt(L"Settings", L"missing", 7));
    EXPECT_EQ(7, file.ReadInt(L"Other", L"plain", 7));
}

TEST(ProfileFile, Keeps259CharactersAndCutsLongerTexts) {
    TempFolder folder;
    const std::wstring path = folder / L"settings.ini";
    const std::wstring exact(259, L'\u0436');
    ASSERT_TRUE(WriteUtf16File(path, L"[Settings]\r\nstrCursorPath=" + exact +
                                         L"\r\nstrLogonScreenImage=" + exact + L"Z\r\n"));
    COptions options;
    options.SetPath(path);
    options.Load();
    EXPECT_EQ(exact, options.GetString(L"strCursorPath"));
    EXPECT_EQ(exact, options.GetString(L"strLogonScreenImage"));
    options.Save();

    COptions reloaded;
    reloaded.SetPath(path);
    reloaded.Load();
    EXPECT_EQ(exact, reloaded.GetString(L"strCursorPath"));
}

TEST(ProfileFile, SavesAsUnicodeSoAnyCharacterOfAPathSurvives) {
    TempFolder folder(L"-\u041F\u0430\u043F\u043A\u0430-\u6587\u4EF6\u5939");
    const std::wstring path = folder / L"settings.ini";
    const std::wstring video = L"D:\\\u0412\u0438\u0434\u0435\u043E\\\u6D77\u6D6A \u00E9t\u00E9.mp4";
    COptions options;
    options.SetPath(path);
    options.SetString(L"strWallaperVideoPath", video);
    options.Save();
    EXPECT_EQ(0u, ReadBytes(path).rfind("\xFF\xFE", 0)) << "UTF-16LE byte-order mark";

    COptions reloaded;
    reloaded.SetPath(path);
    reloaded.Load();
    EXPECT_EQ(Narrow(video), Narrow(reloaded.GetString(L"strWallaperVideoPath")));
}

TEST(ProfileFile, ConvertsFilesSavedInOtherEncodingsBeforeReading) {
    TempFolder folder;
    struct Case {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"utf8", "[Settings]\r\nstrCursorPath=C:\\\xD0\x9A\xD1\x83\xD1\x80\xD1\x81\xE5\x85\x89\r\n"},
        {"utf8-bom", "\xEF\xBB\xBF[Settings]\r\nstrCursorPath=C:\\\xD0\x9A\xD1\x83\xD1\x80\xD1\x81\xE5\x85\x89\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::wstring path = folder / L"settings.ini";
        ASSERT_TRUE(WriteBytes(path, c.bytes));
        COptions options;
        options.SetPath(path);
        options.Load();
        EXPECT_EQ(Narrow(L"C:\\\u041A\u0443\u0440\u0441\u5149"), Narrow(options.GetString(L"strCursorPath")));
        EXPECT_EQ(0u, ReadBytes(path).rfind("\xFF\xFE", 0));
    }
    // Plain ASCII in the ANSI code page reads the same after the conversion.
    const std::wstring path = folder / L"ansi.ini";
    ASSERT_TRUE(WriteBytes(path, "[Settings]\r\niGarland=3\r\n"));
    COptions options;
    options.SetPath(path);
    options.Load();
    EXPECT_EQ(3, options.GetInt(L"iGarland"));
}

TEST(ProfileFile, AFailingWriteKeepsTheValuesInMemory) {
    TempFolder folder;
    COptions options;
    options.SetPath(folder / L"no such folder\\settings.ini");
    options.SetInt(L"iGarland", 4);
    options.Save();
    EXPECT_EQ(4, options.GetInt(L"iGarland"));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW((folder / L"no such folder").c_str()));
}

} // namespace
} // namespace orvane::test
