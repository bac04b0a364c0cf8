#include "core/Options.h"
#include "core/SettingsFile.h"
#include "framework/ProfileFile.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

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
    const CSettingsFile optionsFile(path);
    optionsFile.Load(options);
    EXPECT_EQ(exact, options.GetString(L"strCursorPath"));
    EXPECT_EQ(exact, options.GetString(L"strLogonScreenImage"));
    optionsFile.Save(options);

    COptions reloaded;
    const CSettingsFile reloadedFile(path);
    reloadedFile.Load(reloaded);
    EXPECT_EQ(exact, reloaded.GetString(L"strCursorPath"));
}

TEST(ProfileFile, SavesAsUnicodeSoAnyCharacterOfAPathSurvives) {
    TempFolder folder(L"-\u041F\u0430\u043F\u043A\u0430-\u6587\u4EF6\u5939");
    const std::wstring path = folder / L"settings.ini";
    const std::wstring video =
        L"D:\\\u0412\u0438\u0434\u0435\u043E\\\u6D77\u6D6A \u00E9t\u00E9.mp4";
    COptions options;
    const CSettingsFile optionsFile(path);
    options.SetString(L"strWallaperVideoPath", video);
    optionsFile.Save(options);
    EXPECT_EQ(0u, ReadBytes(path).rfind("\xFF\xFE", 0)) << "UTF-16LE byte-order mark";

    COptions reloaded;
    const CSettingsFile reloadedFile(path);
    reloadedFile.Load(reloaded);
    EXPECT_EQ(Narrow(video), Narrow(reloaded.GetString(L"strWallaperVideoPath")));
}

TEST(ProfileFile, ConvertsFilesSavedInOtherEncodingsBeforeReading) {
    TempFolder folder;
    struct Case {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"utf8",
         "[Settings]\r\nstrCursorPath=C:\\\xD0\x9A\xD1\x83\xD1\x80\xD1\x81\xE5\x85\x89\r\n"},
        {"utf8-bom", "\xEF\xBB\xBF[Settings]\r\nstrCursorPath=C:"
                     "\\\xD0\x9A\xD1\x83\xD1\x80\xD1\x81\xE5\x85\x89\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::wstring path = folder / L"settings.ini";
        ASSERT_TRUE(WriteBytes(path, c.bytes));
        COptions options;
        const CSettingsFile optionsFile(path);
        optionsFile.Load(options);
        EXPECT_EQ(Narrow(L"C:\\\u041A\u0443\u0440\u0441\u5149"),
                  Narrow(options.GetString(L"strCursorPath")));
        EXPECT_EQ(0u, ReadBytes(path).rfind("\xFF\xFE", 0));
    }
    // Plain ASCII in the ANSI code page reads the same after the conversion.
    const std::wstring path = folder / L"ansi.ini";
    ASSERT_TRUE(WriteBytes(path, "[Settings]\r\niGarland=3\r\n"));
    COptions options;
    const CSettingsFile optionsFile(path);
    optionsFile.Load(options);
    EXPECT_EQ(3, options.GetInt(L"iGarland"));
}

// A settings file with lists and comments beside the settings, as a user's file looks.
const wchar_t kFullSettings[] =
    L"; my notes\r\n[Settings]\r\niGarland=2\r\nstrLanguage=Russian\r\n"
    L"[WallpapersFolders]\r\n0=D:\\\u0424\u043E\u0442\u043E\r\n1=E:\\Pictures\r\n"
    L"[CEffectsCustomObjects]\r\n0Path=C:\\cat.png\r\n0Enable=1\r\n";

class HeldFile {
public:
    explicit HeldFile(const std::wstring& path)
        : m_handle(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~HeldFile() {
        if (m_handle != INVALID_HANDLE_VALUE)
            CloseHandle(m_handle);
    }
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;
    bool Held() const { return m_handle != INVALID_HANDLE_VALUE; }

private:
    HANDLE m_handle;
};

TEST(ProfileFile, SaveRewritesOnlyItsOwnKeysAndKeepsTheListsAndNotes) {
    TempFolder folder;
    const std::wstring path = folder / L"settings.ini";
    ASSERT_TRUE(WriteUtf16File(path, kFullSettings));
    COptions options;
    const CSettingsFile optionsFile(path);
    optionsFile.Load(options);
    options.SetInt(L"iGarland", 5);
    ASSERT_TRUE(optionsFile.Save(options));

    const std::wstring text = ReadUtf16File(path);
    EXPECT_EQ(0u, text.find(L"; my notes\r\n[Settings]\r\niGarland=5\r\nstrLanguage=Russian\r\n"));
    EXPECT_NE(
        std::wstring::npos,
        text.find(L"[WallpapersFolders]\r\n0=D:\\\u0424\u043E\u0442\u043E\r\n1=E:\\Pictures\r\n"
                  L"[CEffectsCustomObjects]\r\n0Path=C:\\cat.png\r\n0Enable=1\r\n"));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW((path + L".new").c_str()));
    // The profile functions read what was written, this process's cached copy included.
    wchar_t value[64] = L"";
    GetPrivateProfileStringW(L"WallpapersFolders", L"1", L"", value, 64, path.c_str());
    EXPECT_STREQ(L"E:\\Pictures", value);
    ProfileFile file(path);
    ASSERT_TRUE(file.WriteString(L"settings", L"IGARLAND", L"7"));
    EXPECT_EQ(7, file.ReadInt(L"Settings", L"iGarland", 0));
}

TEST(ProfileFile, AWriteThatFailsLeavesTheFileAsItWas) {
    TempFolder folder;
    const std::wstring path = folder / L"settings.ini";
    struct Case {
        const char* name;
        std::function<std::unique_ptr<HeldFile>()> prepare;
    } cases[] = {
        // Another program holds the file the new contents go to first.
        {"locked replacement", [&] { return std::make_unique<HeldFile>(path + L".new"); }},
        // The settings file itself is held open, so it can be neither read nor replaced.
        {"locked settings", [&] { return std::make_unique<HeldFile>(path); }},
        {"read-only settings",
         [&] {
             SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
             return std::unique_ptr<HeldFile>();
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(WriteUtf16File(path, kFullSettings));
        const std::string before = ReadBytes(path);
        {
            auto held = c.prepare();
            ASSERT_TRUE(!held || held->Held());
            COptions options;
            const CSettingsFile optionsFile(path);
            options.SetInt(L"iGarland", 9);
            EXPECT_FALSE(optionsFile.Save(options));
            EXPECT_FALSE(ProfileFile(path).WriteString(L"Settings", L"iGarland", L"9"));
        }
        EXPECT_EQ(before, ReadBytes(path));
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW((path + L".new").c_str());
    }
}

TEST(ProfileFile, AConversionThatCannotBeWrittenKeepsTheOriginal) {
    TempFolder folder;
    const std::wstring path = folder / L"settings.ini";
    const std::string utf8 =
        "[Settings]\r\nstrCursorPath=C:\\\xD0\x9A\r\n[WallpapersFolders]\r\n0=D:\\x\r\n";
    ASSERT_TRUE(WriteBytes(path, utf8));
    {
        HeldFile held(path + L".new");
        ASSERT_TRUE(held.Held());
        EXPECT_FALSE(EnsureUnicodeProfile(path));
    }
    EXPECT_EQ(utf8, ReadBytes(path)) << "nothing truncated, nothing lost";
    EXPECT_TRUE(EnsureUnicodeProfile(path));
    EXPECT_EQ(L"[Settings]\r\nstrCursorPath=C:\\\u041A\r\n[WallpapersFolders]\r\n0=D:\\x\r\n",
              ReadUtf16File(path));
}

TEST(ProfileFile, AFailingWriteKeepsTheValuesInMemory) {
    TempFolder folder;
    COptions options;
    const CSettingsFile optionsFile(folder / L"no such folder\\settings.ini");
    options.SetInt(L"iGarland", 4);
    optionsFile.Save(options);
    EXPECT_EQ(4, options.GetInt(L"iGarland"));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW((folder / L"no such folder").c_str()));
}

} // namespace
} // namespace orvane::test
