#include "OrvaneProcess.h"

#include "core/SettingsTable.h"

#include <gtest/gtest.h>

#include <shlwapi.h>

namespace orvane::test {
namespace {

TEST(Startup, FirstRunWritesEveryKeyInTableOrderOnExit) {
    OrvaneProcess orvane;
    ASSERT_TRUE(orvane.Start());
    ASSERT_NE(nullptr, orvane.MainWindow());
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(orvane.SettingsPath().c_str()))
        << "settings are written on the way out, not at start";
    orvane.Exit();
    ASSERT_TRUE(orvane.WaitForExit());

    const std::wstring text = ReadUtf16File(orvane.SettingsPath());
    ASSERT_FALSE(text.empty()) << "settings.ini missing or not UTF-16LE";
    const auto lines = ReadSection(text, L"Settings");
    ASSERT_EQ(kSettingDefaultCount, lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(kSettingDefaults[i].key, lines[i].first) << "line " << i;
    EXPECT_EQ(L"English", lines[0].second);
    EXPECT_EQ(L"1", lines[1].second);
}

TEST(Startup, AFileWithOneKeyKeepsTheOtherDefaultsAndIsRewrittenWhole) {
    OrvaneProcess orvane;
    orvane.WriteSettings(L"[Settings]\r\nfEffectsLeafFall=1\r\niNightShiftTransitionPhase=-5\r\n");
    ASSERT_TRUE(orvane.RunOnce());

    const auto lines = orvane.StoredSettings();
    ASSERT_EQ(kSettingDefaultCount, lines.size());
    for (const auto& [key, value] : lines) {
        if (key == L"fEffectsLeafFall")
            EXPECT_EQ(L"1", value);
        else if (key == L"iNightShiftTransitionPhase")
            EXPECT_EQ(L"0", value); // a negative number reads as 0
        else if (key == L"iNightShiftColourTemperature")
            EXPECT_EQ(L"4100", value);
        else if (key == L"fAutoRun")
            EXPECT_EQ(L"1", value);
    }
}

TEST(Startup, KeepsUnicodePathsInTheDataFolderAndInValues) {
    OrvaneProcess orvane(L"-\u0422\u0435\u0441\u0442-\u6D4B\u8BD5");
    const std::wstring cursorPath = L"C:\\\u041A\u0443\u0440\u0441\u043E\u0440\u044B\\\u5149\u6807";
    orvane.WriteSettings(L"[Settings]\r\nstrCursorPath=" + cursorPath + L"\r\n");
    ASSERT_TRUE(orvane.RunOnce());

    const auto lines = orvane.StoredSettings();
    ASSERT_EQ(kSettingDefaultCount, lines.size());
    bool found = false;
    for (const auto& [key, value] : lines)
        if (key == L"strCursorPath") {
            EXPECT_EQ(Narrow(cursorPath), Narrow(value));
            found = true;
        }
    EXPECT_TRUE(found);
}

TEST(Startup, ASecondInstanceSaysSoAndLeavesTheFirstAlone) {
    OrvaneProcess first;
    ASSERT_TRUE(first.Start());
    HWND firstWindow = first.MainWindow();
    ASSERT_NE(nullptr, firstWindow);

    OrvaneProcess second;
    ASSERT_TRUE(second.Start());
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        auto dialogs = second.Dialogs();
        box = dialogs.empty() ? nullptr : dialogs.front();
        return box != nullptr;
    }));
    EXPECT_EQ(L"The program is already running. The icon located in the notification area "
              L"(system tray) near the clock.",
              MessageBoxText(box));
    EXPECT_EQ(nullptr, GetDlgItem(box, IDCANCEL)) << "only an OK button";
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(second.WaitForExit());
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(second.SettingsPath().c_str()))
        << "the second instance must not save anything";

    EXPECT_TRUE(first.Running());
    EXPECT_TRUE(IsWindow(firstWindow));
    first.Exit();
    EXPECT_TRUE(first.WaitForExit());
}

TEST(Startup, ASecondSignInStartEndsSilently) {
    // The Run value and the restart after a Windows update both start "-auto"; the one
    // that comes second has nothing to tell the user.
    OrvaneProcess first;
    ASSERT_TRUE(first.Start(L"-auto"));
    ASSERT_NE(nullptr, first.MainWindow());

    OrvaneProcess second;
    second.ShareAppDataWith(first);
    ASSERT_TRUE(second.Start(L"-auto"));
    EXPECT_TRUE(second.WaitForExit()) << "still running";
    EXPECT_EQ(0u, second.ExitCode());
    EXPECT_TRUE(first.Running());

    first.Exit();
    EXPECT_TRUE(first.WaitForExit());
}

TEST(Startup, ASecondInstanceLeavesTheSettingsFileByteForByteAlone) {
    OrvaneProcess first;
    ASSERT_TRUE(first.Start());
    ASSERT_NE(nullptr, first.MainWindow());
    // The file as a user's editor may have left it while the first one runs: UTF-8,
    // which a start would otherwise convert.
    const std::string edited = "[Settings]\r\nstrLanguage=English\r\nstrCursorPath=C:\\\xD0\x9A\r\n"
                               "[WallpapersFolders]\r\n0=D:\\x\r\n";
    ASSERT_TRUE(WriteBytes(first.SettingsPath(), edited));

    OrvaneProcess second;
    second.ShareAppDataWith(first);
    ASSERT_TRUE(second.Start());
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        auto dialogs = second.Dialogs();
        box = dialogs.empty() ? nullptr : dialogs.front();
        return box != nullptr;
    }));
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(second.WaitForExit());
    EXPECT_EQ(edited, ReadBytes(first.SettingsPath()));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES,
              GetFileAttributesW((first.SettingsPath() + L".new").c_str()));

    first.Exit();
    EXPECT_TRUE(first.WaitForExit());
}

struct VisibilityCase {
    const wchar_t* arguments;
    bool visible;
};

TEST(Startup, OnlyTheExactAutoArgumentStartsHidden) {
    const VisibilityCase cases[] = {
        {L"-auto", false}, {L"-Auto", true}, {L"-auto x", true}, {L"", true}};
    for (const VisibilityCase& c : cases) {
        SCOPED_TRACE(Narrow(c.arguments));
        OrvaneProcess orvane;
        ASSERT_TRUE(orvane.Start(c.arguments));
        HWND main = orvane.MainWindow();
        ASSERT_NE(nullptr, main);
        if (c.visible) {
            EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(main) != FALSE; }));
        } else {
            Sleep(1500); // give a wrongly shown window time to appear
            EXPECT_FALSE(IsWindowVisible(main));
        }
        orvane.Exit();
        EXPECT_TRUE(orvane.WaitForExit());
    }
}

} // namespace
} // namespace orvane::test
