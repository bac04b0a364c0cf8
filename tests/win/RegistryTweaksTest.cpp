#include "resources/ids_tweaks.h"
#include "TweakTestSupport.h"

#include <gtest/gtest.h>

namespace orvane::test {
namespace {

const wchar_t kSentinel[] = L"OrvaneTestSentinel";
const wchar_t kAdvanced[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
const wchar_t kHandlers[] = L"AllFilesystemObjects\\shellex\\ContextMenuHandlers";

StoredValue Binary(std::vector<BYTE> bytes) {
    return {REG_BINARY, std::move(bytes)};
}

// A tweak that is one value: ticked writes exactly it, cleared deletes exactly it.
struct ValueTweak {
    const char* name;
    WORD item;
    HKEY root;
    const wchar_t* key;
    const wchar_t* value;
    StoredValue on;
    StoredValue nearMiss;             // stored data that does not count as on
    int onControl;                    // what the user ticks
    int offControl;                   // and clears: the same box, or the "Hide" radio button
    int FakeTweakPageHost::*followUp; // the follow-up's counter, or null
};

const ValueTweak kValueTweaks[] = {
    {"Encrypt", 87, HKEY_CURRENT_USER, kAdvanced, L"EncryptionContextMenu", DwordValue(1),
     DwordValue(257), IDC_TWEAK_ENABLE, IDC_TWEAK_ENABLE, nullptr},
    {"LastActiveClick", 106, HKEY_CURRENT_USER, kAdvanced, L"LastActiveClick", DwordValue(1),
     DwordValue(0), IDC_TWEAK_ENABLE, IDC_TWEAK_ENABLE, &FakeTweakPageHost::signOuts},
    {"LegacyBalloons", 58, HKEY_CURRENT_USER, L"SOFTWARE\\Policies\\Microsoft\\Windows\\Explorer",
     L"EnableLegacyBalloonNotifications", DwordValue(1), TextValue(L"1"), IDC_TWEAK_ENABLE,
     IDC_TWEAK_ENABLE, &FakeTweakPageHost::windowsRestarts},
    {"ShortcutText", 123, HKEY_CURRENT_USER,
     L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer", L"link", Binary({0, 0, 0, 0}),
     Binary({0x1E, 0, 0, 0}), IDC_TWEAK_ENABLE, IDC_TWEAK_ENABLE, &FakeTweakPageHost::signOuts},
    {"ShortcutArrow", 142, HKEY_LOCAL_MACHINE,
     L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Icons", L"29",
     TextValue(L"%windir%\\System32\\shell32.dll,-50"),
     TextValue(L"%windir%\\System32\\shell32.dll,-51"), IDC_TWEAK_ENABLE, IDC_TWEAK_ENABLE,
     &FakeTweakPageHost::signOuts},
    {"LoginBlur", 173, HKEY_LOCAL_MACHINE, L"SOFTWARE\\Policies\\Microsoft\\Windows\\System",
     L"DisableAcrylicBackgroundOnLogon", DwordValue(1), DwordValue(2), IDC_TWEAK_DISABLE,
     IDC_TWEAK_DISABLE, nullptr},
    {"VerboseMessages", 209, HKEY_LOCAL_MACHINE,
     L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\System", L"VerboseStatus",
     DwordValue(1), DwordValue(0), IDC_TWEAK_ENABLE, IDC_TWEAK_ENABLE, nullptr},
    {"ClockSeconds", 52, HKEY_CURRENT_USER, kAdvanced, L"ShowSecondsInSystemClock", DwordValue(1),
     DwordValue(0), IDC_TWEAK_SHOW, IDC_TWEAK_HIDE, &FakeTweakPageHost::explorerRestarts},
};

class ValueTweakTest : public ::testing::TestWithParam<ValueTweak> {};

TEST_P(ValueTweakTest, TickingWritesExactlyItsValueAndClearingDeletesOnlyThat) {
    const ValueTweak& tweak = GetParam();
    RegistryRestorer restore(
        {{tweak.root, tweak.key, tweak.value}, {tweak.root, tweak.key, kSentinel}},
        {{tweak.root, tweak.key}});
    DeleteValue(tweak.root, tweak.key, tweak.value);
    WriteValue(tweak.root, tweak.key, kSentinel, DwordValue(5));
    FakeTweakPageHost pageHost;
    HostWindow host;
    const auto shownOn = [&] {
        auto page = MakeTweakPage(tweak.item, pageHost, host.get());
        return Checked(page->GetSafeHwnd(), tweak.onControl);
    };

    EXPECT_FALSE(shownOn()) << "nothing stored";
    WriteValue(tweak.root, tweak.key, tweak.value, tweak.nearMiss);
    EXPECT_FALSE(shownOn()) << "other data";
    DeleteValue(tweak.root, tweak.key, tweak.value);

    auto page = MakeTweakPage(tweak.item, pageHost, host.get());
    HWND window = page->GetSafeHwnd();
    if (tweak.offControl == IDC_TWEAK_HIDE)
        EXPECT_TRUE(Checked(window, IDC_TWEAK_HIDE));
    bool storedAtRestorePoint = true;
    pageHost.onRestorePoint = [&] {
        storedAtRestorePoint = ReadValue(tweak.root, tweak.key, tweak.value).has_value();
    };
    if (tweak.followUp)
        EXPECT_FALSE(Enabled(window, IDC_TWEAK_FOLLOW_UP));

    Click(window, tweak.onControl);
    EXPECT_EQ(1, pageHost.restorePoints);
    EXPECT_FALSE(storedAtRestorePoint) << "the restore point comes before the change";
    EXPECT_EQ(tweak.on, ReadValue(tweak.root, tweak.key, tweak.value));
    EXPECT_TRUE(shownOn());
    if (tweak.followUp) {
        EXPECT_TRUE(Enabled(window, IDC_TWEAK_FOLLOW_UP));
        Click(window, IDC_TWEAK_FOLLOW_UP);
        EXPECT_EQ(1, pageHost.*tweak.followUp);
    }

    Click(window, tweak.offControl);
    EXPECT_EQ(2, pageHost.restorePoints);
    EXPECT_FALSE(ReadValue(tweak.root, tweak.key, tweak.value));
    EXPECT_EQ(DwordValue(5), ReadValue(tweak.root, tweak.key, kSentinel)) << "only its own value";
    EXPECT_FALSE(shownOn());
}

INSTANTIATE_TEST_SUITE_P(Tweaks, ValueTweakTest, ::testing::ValuesIn(kValueTweaks),
                         [](const auto& info) { return std::string(info.param.name); });

// The fixture of the tweaks that own their keys.
class KeyTweakTest : public ::testing::Test {
protected:
    bool ShownOn(WORD item) {
        auto page = MakeTweakPage(item, pageHost, host.get());
        return Checked(page->GetSafeHwnd(), IDC_TWEAK_ENABLE);
    }

    FakeTweakPageHost pageHost;
    HostWindow host;
};

TEST_F(KeyTweakTest, CopyToAndMoveToOwnAHandlerKeyNamedInTheInterfaceLanguage) {
    const std::wstring copyTo = std::wstring(kHandlers) + L"\\Copy to";
    const std::wstring moveTo = std::wstring(kHandlers) + L"\\Move to";
    const std::wstring sibling = std::wstring(kHandlers) + L"\\OrvaneTestSibling";
    RegistryRestorer restore({},
                             {{HKEY_CLASSES_ROOT, copyTo},
                              {HKEY_CLASSES_ROOT, moveTo},
                              {HKEY_CLASSES_ROOT, sibling},
                              {HKEY_CLASSES_ROOT, std::wstring(kHandlers) + L"\\Kopieren nach"}});
    CreateKey(HKEY_CLASSES_ROOT, sibling);
    for (const auto& [item, key, classId] :
         {std::tuple{WORD(81), copyTo, L"{C2FBB630-2971-11D1-A18C-00C04FD75D13}"},
          std::tuple{WORD(84), moveTo, L"{C2FBB631-2971-11D1-A18C-00C04FD75D13}"}}) {
        DeleteKeyTree(HKEY_CLASSES_ROOT, key);
        EXPECT_FALSE(ShownOn(item));
        auto page = MakeTweakPage(item, pageHost, host.get());
        Click(page->GetSafeHwnd(), IDC_TWEAK_ENABLE);
        EXPECT_EQ(TextValue(classId), ReadValue(HKEY_CLASSES_ROOT, key, nullptr));
        EXPECT_TRUE(ShownOn(item));
        Click(page->GetSafeHwnd(), IDC_TWEAK_ENABLE);
        EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, key));
        EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, sibling));
    }

    // In German the key is named by the German text 83; the English one is not ours.
    WriteValue(HKEY_CLASSES_ROOT, copyTo, nullptr,
               TextValue(L"{C2FBB630-2971-11D1-A18C-00C04FD75D13}"));
    pageHost.UseLanguage(L"83=Kopieren nach\r\n");
    EXPECT_FALSE(ShownOn(81));
    auto page = MakeTweakPage(81, pageHost, host.get());
    Click(page->GetSafeHwnd(), IDC_TWEAK_ENABLE);
    EXPECT_EQ(TextValue(L"{C2FBB630-2971-11D1-A18C-00C04FD75D13}"),
              ReadValue(HKEY_CLASSES_ROOT, std::wstring(kHandlers) + L"\\Kopieren nach", nullptr));
    EXPECT_TRUE(ShownOn(81));
}

TEST_F(KeyTweakTest, OpenWithNotepadClearsItsWholeVerbAndWritesItAgain) {
    const std::wstring verb = L"*\\shell\\Open with Notepad";
    const std::wstring sibling = L"*\\shell\\OrvaneTestSibling";
    RegistryRestorer restore({}, {{HKEY_CLASSES_ROOT, verb}, {HKEY_CLASSES_ROOT, sibling}});
    DeleteKeyTree(HKEY_CLASSES_ROOT, verb);
    CreateKey(HKEY_CLASSES_ROOT, sibling);
    EXPECT_FALSE(ShownOn(100));

    auto page = MakeTweakPage(100, pageHost, host.get());
    HWND window = page->GetSafeHwnd();
    Click(window, IDC_TWEAK_ENABLE);
    EXPECT_EQ(TextValue(L"notepad.exe %1"),
              ReadValue(HKEY_CLASSES_ROOT, verb + L"\\command", nullptr));
    EXPECT_TRUE(ShownOn(100));

    CreateKey(HKEY_CLASSES_ROOT, verb + L"\\command\\deeper\\deepest");
    Click(window, IDC_TWEAK_ENABLE);
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, verb));
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, sibling));
    Click(window, IDC_TWEAK_ENABLE);
    EXPECT_EQ(TextValue(L"notepad.exe %1"),
              ReadValue(HKEY_CLASSES_ROOT, verb + L"\\command", nullptr))
        << "written again after being cleared";
}

TEST_F(KeyTweakTest, RecycleBinAndControlPanelAreFoldersOfThisPcWhileTheirKeysExist) {
    const std::wstring space =
        L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MyComputer\\NameSpace\\";
    for (const auto& [item, classId] :
         {std::pair{WORD(98), L"{645FF040-5081-101B-9F08-00AA002F954E}"},
          std::pair{WORD(99), L"{26EE0668-A00A-44D7-9371-BEB064C98683}"}}) {
        const std::wstring key = space + classId;
        RegistryRestorer restore({}, {{HKEY_LOCAL_MACHINE, key}});
        DeleteKeyTree(HKEY_LOCAL_MACHINE, key);
        EXPECT_FALSE(ShownOn(item));
        auto page = MakeTweakPage(item, pageHost, host.get());
        Click(page->GetSafeHwnd(), IDC_TWEAK_ENABLE);
        EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, key));
        EXPECT_TRUE(ShownOn(item));
        Click(page->GetSafeHwnd(), IDC_TWEAK_ENABLE);
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, key));
    }
}

TEST_F(KeyTweakTest, TakeOwnershipWritesEightValuesAndShowsOnOnlyWhenAllMatch) {
    const std::wstring files = L"*\\shell\\runas", folders = L"Directory\\shell\\runas";
    RegistryRestorer restore({}, {{HKEY_CLASSES_ROOT, files}, {HKEY_CLASSES_ROOT, folders}});
    DeleteKeyTree(HKEY_CLASSES_ROOT, files);
    DeleteKeyTree(HKEY_CLASSES_ROOT, folders);
    EXPECT_FALSE(ShownOn(149));

    auto page = MakeTweakPage(149, pageHost, host.get());
    HWND window = page->GetSafeHwnd();
    Click(window, IDC_TWEAK_ENABLE);
    const StoredValue empty{REG_SZ, {}};
    const StoredValue fileCommand =
        TextValue(L"cmd.exe /c takeown /f \"%1\" && icacls \"%1\" /grant administrators:F");
    const StoredValue folderCommand = TextValue(
        L"cmd.exe /c takeown /f \"%1\" /r /d y && icacls \"%1\" /grant administrators:F /t");
    for (const std::wstring& key : {files, folders}) {
        EXPECT_EQ(TextValue(L"Take Ownership"), ReadValue(HKEY_CLASSES_ROOT, key, nullptr));
        EXPECT_EQ(empty, ReadValue(HKEY_CLASSES_ROOT, key, L"NoWorkingDirectory"));
    }
    EXPECT_EQ(fileCommand, ReadValue(HKEY_CLASSES_ROOT, files + L"\\command", nullptr));
    EXPECT_EQ(fileCommand, ReadValue(HKEY_CLASSES_ROOT, files + L"\\command", L"IsolatedCommand"));
    EXPECT_EQ(folderCommand, ReadValue(HKEY_CLASSES_ROOT, folders + L"\\command", nullptr));
    EXPECT_EQ(folderCommand,
              ReadValue(HKEY_CLASSES_ROOT, folders + L"\\command", L"IsolatedCommand"));
    EXPECT_TRUE(ShownOn(149));

    // One command changed outside the program.
    WriteValue(HKEY_CLASSES_ROOT, folders + L"\\command", L"IsolatedCommand",
               TextValue(L"cmd.exe"));
    EXPECT_FALSE(ShownOn(149));

    // Clearing deletes the four keys; one that still has another subkey stays.
    CreateKey(HKEY_CLASSES_ROOT, folders + L"\\OrvaneTestExtra");
    Click(window, IDC_TWEAK_ENABLE);
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, files));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, folders + L"\\command"));
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, folders + L"\\OrvaneTestExtra"));
}

class CompatibilityTest : public KeyTweakTest {
protected:
    const std::wstring programs = L"exefile\\shellex\\ContextMenuHandlers\\Compatibility";
    const std::wstring shortcuts = L"lnkfile\\shellex\\ContextMenuHandlers\\Compatibility";
    const std::wstring handler = L"{1d27f844-3a1f-4410-85ac-14651078412d}";
    RegistryRestorer restore{
        {{HKEY_CLASSES_ROOT, programs, nullptr}, {HKEY_CLASSES_ROOT, shortcuts, nullptr}},
        {{HKEY_CLASSES_ROOT, programs}, {HKEY_CLASSES_ROOT, shortcuts}}};

    void Store(const std::wstring& key, const std::optional<std::wstring>& value) {
        DeleteKeyTree(HKEY_CLASSES_ROOT, key);
        if (value)
            WriteValue(HKEY_CLASSES_ROOT, key, nullptr, TextValue(*value));
    }
    std::optional<StoredValue> Stored(const std::wstring& key) {
        return ReadValue(HKEY_CLASSES_ROOT, key, nullptr);
    }
};

TEST_F(CompatibilityTest, RemovingPrefixesBothHandlersOnceAndBringingBackTakesOneDashAway) {
    Store(programs, handler);
    Store(shortcuts, L"-" + handler);
    EXPECT_FALSE(ShownOn(102)) << "the programs' handler is still there";

    auto page = MakeTweakPage(102, pageHost, host.get());
    HWND window = page->GetSafeHwnd();
    Click(window, IDC_TWEAK_ENABLE);
    EXPECT_EQ(TextValue(L"-" + handler), Stored(programs));
    EXPECT_EQ(TextValue(L"-" + handler), Stored(shortcuts)) << "not prefixed twice";
    EXPECT_TRUE(ShownOn(102));
    Click(window, IDC_TWEAK_ENABLE);
    EXPECT_EQ(TextValue(handler), Stored(programs));
    EXPECT_EQ(TextValue(handler), Stored(shortcuts));
    Click(window, IDC_TWEAK_ENABLE);
    EXPECT_EQ(TextValue(L"-" + handler), Stored(programs)) << "works on the values it wrote";

    Store(programs, L"--" + handler);
    Store(shortcuts, L"-" + handler);
    auto removed = MakeTweakPage(102, pageHost, host.get());
    EXPECT_TRUE(Checked(removed->GetSafeHwnd(), IDC_TWEAK_ENABLE));
    Click(removed->GetSafeHwnd(), IDC_TWEAK_ENABLE);
    EXPECT_EQ(TextValue(L"-" + handler), Stored(programs)) << "exactly one dash comes off";
    EXPECT_EQ(TextValue(handler), Stored(shortcuts));
}

TEST_F(CompatibilityTest, AMissingShortcutHandlerIsLeftAloneAndAMissingProgramHandlerIsMarked) {
    Store(programs, L"-" + handler);
    Store(shortcuts, std::nullopt);
    EXPECT_TRUE(ShownOn(102)) << "a shortcut handler that cannot be read counts as removed";

    Store(programs, std::nullopt);
    auto page = MakeTweakPage(102, pageHost, host.get());
    Click(page->GetSafeHwnd(), IDC_TWEAK_ENABLE);
    EXPECT_EQ(TextValue(L"-"), Stored(programs));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, shortcuts));
    Click(page->GetSafeHwnd(), IDC_TWEAK_ENABLE);
    EXPECT_EQ(TextValue(L""), Stored(programs));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, shortcuts));
}

} // namespace
} // namespace orvane::test
