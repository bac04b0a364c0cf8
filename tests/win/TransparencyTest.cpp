#include "resources/ids_tweaks.h"
#include "DesktopShellFixture.h"
#include "Screenshot.h"
#include "ShellWindowsFixture.h"
#include "TweakTestSupport.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <array>

namespace orvane::test {
namespace {

constexpr LANGID kEnglish = 0x0409, kRussian = 0x0419;
const wchar_t kRecorder[] = L"composition_recorder.dll";

TransparencySystem Windows10(LANGID language = kEnglish) {
    return {language, true, false, kRecorder};
}

struct Layering {
    bool layered;
    int alpha; // -1: no constant alpha set
};

Layering LayeringOf(HWND window) {
    Layering layering{(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED) != 0, -1};
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    if (layering.layered && GetLayeredWindowAttributes(window, &key, &alpha, &flags) &&
        (flags & LWA_ALPHA))
        layering.alpha = alpha;
    return layering;
}

bool Layered(HWND window) {
    return LayeringOf(window).layered;
}
int Alpha(HWND window) {
    return LayeringOf(window).alpha;
}

// Runs this thread's messages until the condition holds or the time is up; the time it
// took, or -1.
template <class Condition> int MillisecondsUntil(Condition condition, DWORD limit) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > limit)
            return -1;
        PumpMessages(10);
    }
    return static_cast<int>(GetTickCount() - start);
}

// The stand-in for user32's SetWindowCompositionAttribute, loaded for as long as the test
// looks at its calls.
class CompositionCalls {
public:
    struct Call {
        HWND window;
        DWORD attribute;
        ULONG size;
        std::array<DWORD, 8> data;
    };

    CompositionCalls() : m_library(LoadLibraryW(kRecorder)) {
        m_count = reinterpret_cast<int (*)()>(
            reinterpret_cast<void (*)()>(GetProcAddress(m_library, "CompositionRecorderCount")));
        m_call = reinterpret_cast<BOOL (*)(int, Call*)>(
            reinterpret_cast<void (*)()>(GetProcAddress(m_library, "CompositionRecorderCall")));
    }
    ~CompositionCalls() { FreeLibrary(m_library); }
    CompositionCalls(const CompositionCalls&) = delete;
    CompositionCalls& operator=(const CompositionCalls&) = delete;

    bool Loaded() const { return m_count && m_call; }
    int Count() const { return m_count(); }
    Call At(int index) const {
        Call call = {};
        m_call(index, &call);
        return call;
    }

private:
    HMODULE m_library;
    int (*m_count)() = nullptr;
    BOOL (*m_call)(int, Call*) = nullptr;
};

class TransparencyTest : public ::testing::Test {
protected:
    void SetUp() override {
        pageHost.UseTransparencySystem(Windows10());
        ASSERT_TRUE(calls.Loaded());
    }

    std::unique_ptr<CDlgTweakPage> Page(WORD item) {
        return MakeTweakPage(item, pageHost, host.get());
    }
    CTransparency& Transparency() { return pageHost.Transparency(); }
    static void MoveSlider(HWND page, int id, int position, WORD code) {
        HWND slider = GetDlgItem(page, id);
        SendMessageW(slider, TBM_SETPOS, TRUE, position);
        SendMessageW(page, WM_HSCROLL, MAKEWPARAM(code, position),
                     reinterpret_cast<LPARAM>(slider));
    }
    static int SliderPosition(HWND page, int id) {
        return static_cast<int>(SendDlgItemMessageW(page, id, TBM_GETPOS, 0, 0));
    }

    CompositionCalls calls;
    FakeTweakPageHost pageHost;
    HostWindow host;
};

TEST_F(TransparencyTest, TheTaskbarTickMakesItLayeredAndARestartedTaskbarFollowsWithinASecond) {
    ShellWindowsFixture shell({L"taskbar"});
    ASSERT_TRUE(shell.Ready());
    auto page = Page(215);
    HWND window = page->GetSafeHwnd();
    EXPECT_EQ(L"70", ControlText(window, IDC_TWEAK_TASKBAR_VALUE));
    EXPECT_EQ(70, SliderPosition(window, IDC_TWEAK_TASKBAR_SLIDER));
    EXPECT_FALSE(Enabled(window, IDC_TWEAK_TASKBAR_SLIDER));
    EXPECT_FALSE(Layered(shell.Taskbar()));

    Click(window, IDC_TWEAK_TASKBAR_BOX);
    EXPECT_EQ(1, pageHost.restorePoints);
    EXPECT_TRUE(Enabled(window, IDC_TWEAK_TASKBAR_SLIDER));
    EXPECT_EQ(178, Alpha(shell.Taskbar()));
    EXPECT_TRUE(pageHost.options.GetBool(L"fTweaksTransparencyTaskbar"));
    EXPECT_TRUE(Transparency().Running(ShellEffect::Taskbar));

    // Dragging shows the number; letting go applies and stores it.
    MoveSlider(window, IDC_TWEAK_TASKBAR_SLIDER, 40, TB_THUMBTRACK);
    EXPECT_EQ(L"40", ControlText(window, IDC_TWEAK_TASKBAR_VALUE));
    EXPECT_EQ(178, Alpha(shell.Taskbar()));
    MoveSlider(window, IDC_TWEAK_TASKBAR_SLIDER, 40, TB_THUMBPOSITION);
    EXPECT_EQ(102, Alpha(shell.Taskbar()));
    EXPECT_EQ(40, pageHost.options.GetInt(L"iTweaksTransparencyTaskbarValue"));
    EXPECT_EQ(1, pageHost.restorePoints) << "slider moves make no restore point";

    // Explorer restarts: the new taskbar is found by the next tick.
    ASSERT_TRUE(shell.Restart());
    HWND restarted = shell.Taskbar();
    const int took = MillisecondsUntil([&] { return Alpha(restarted) == 102; }, 1100);
    EXPECT_GE(took, 0) << "the new taskbar is not transparent after 1.1 s";

    Click(window, IDC_TWEAK_TASKBAR_BOX);
    EXPECT_FALSE(Layered(restarted));
    EXPECT_FALSE(Enabled(window, IDC_TWEAK_TASKBAR_SLIDER));
    EXPECT_FALSE(Transparency().Running(ShellEffect::Taskbar));
    EXPECT_FALSE(pageHost.options.GetBool(L"fTweaksTransparencyTaskbar"));
    PumpMessages(1100);
    EXPECT_FALSE(Layered(restarted)) << "no tick after the option is off";
}

TEST_F(TransparencyTest, AStoredPercentageIsShownAsStoredAndUsedWithinTwentyToAHundred) {
    ShellWindowsFixture shell({L"taskbar"});
    ASSERT_TRUE(shell.Ready());
    pageHost.options.SetInt(L"iTweaksTransparencyTaskbarValue", 10);
    pageHost.options.SetInt(L"iTweaksTransparencyStartMenuValue", 250);
    auto page = Page(215);
    HWND window = page->GetSafeHwnd();
    EXPECT_EQ(L"10", ControlText(window, IDC_TWEAK_TASKBAR_VALUE));
    EXPECT_EQ(20, SliderPosition(window, IDC_TWEAK_TASKBAR_SLIDER));
    EXPECT_EQ(L"250", ControlText(window, IDC_TWEAK_START_VALUE));
    EXPECT_EQ(100, SliderPosition(window, IDC_TWEAK_START_SLIDER));
    EXPECT_EQ(L"80", ControlText(window, IDC_TWEAK_WINDOWS_VALUE));

    Click(window, IDC_TWEAK_TASKBAR_BOX);
    EXPECT_EQ(51, Alpha(shell.Taskbar()));
    EXPECT_EQ(10, pageHost.options.GetInt(L"iTweaksTransparencyTaskbarValue"))
        << "ticking keeps the stored value";
    MoveSlider(window, IDC_TWEAK_TASKBAR_SLIDER, 100, TB_ENDTRACK);
    EXPECT_EQ(51, Alpha(shell.Taskbar())) << "the note after a move is not a move";
    MoveSlider(window, IDC_TWEAK_TASKBAR_SLIDER, 100, TB_PAGEDOWN);
    EXPECT_EQ(255, Alpha(shell.Taskbar()));
    Transparency().UndoAtExit();
}

TEST_F(TransparencyTest, TheWindowsOptionChangesExactlyTheWindowsAUserWouldSwitchTo) {
    ShellWindowsFixture shell({L"app:Plain", L"owned:Owned", L"app:Second", L"hidden:Hidden",
                               L"bare:Bare", L"layered:OwnLayers"});
    ASSERT_TRUE(shell.Ready());
    HWND plain = shell.App(L"Plain"), owned = shell.App(L"Owned"), second = shell.App(L"Second"),
         hidden = shell.App(L"Hidden"), bare = shell.App(L"Bare"),
         ownLayers = shell.App(L"OwnLayers");
    auto page = Page(215);
    HWND window = page->GetSafeHwnd();

    Click(window, IDC_TWEAK_WINDOWS_BOX);
    EXPECT_EQ(204, Alpha(plain));
    EXPECT_EQ(204, Alpha(second));
    EXPECT_FALSE(Layered(owned)) << "switching to it goes through its owner";
    EXPECT_FALSE(Layered(hidden));
    EXPECT_FALSE(Layered(bare)) << "no title bar";
    EXPECT_EQ(kOwnLayeredAlpha, Alpha(ownLayers)) << "its own program's alpha stays";

    MoveSlider(window, IDC_TWEAK_WINDOWS_SLIDER, 50, TB_THUMBPOSITION);
    EXPECT_EQ(127, Alpha(plain));
    EXPECT_EQ(127, Alpha(second));

    // A window hidden when the option goes off keeps its style until exit.
    shell.Show(plain, false);
    Click(window, IDC_TWEAK_WINDOWS_BOX);
    EXPECT_FALSE(Layered(second));
    EXPECT_TRUE(Layered(plain));
    EXPECT_EQ(kOwnLayeredAlpha, Alpha(ownLayers)) << "not ours to take away";
    Transparency().UndoAtExit();
    EXPECT_FALSE(Layered(plain));
    EXPECT_EQ(kOwnLayeredAlpha, Alpha(ownLayers));
}

TEST_F(TransparencyTest, TheStartMenuIsFoundByItsTitleInTheInterfaceLanguageOrItsOldClass) {
    ShellWindowsFixture shell(
        {L"corewindow:\u041F\u0443\u0441\u043A", L"corewindow:Start", L"dv2"});
    ASSERT_TRUE(shell.Ready());
    HWND russian = FindWindowW(L"Windows.UI.Core.CoreWindow", L"\u041F\u0443\u0441\u043A");
    HWND english = FindWindowW(L"Windows.UI.Core.CoreWindow", L"Start");
    HWND windows7 = FindWindowW(L"DV2ControlHost", nullptr);
    const struct {
        TransparencySystem system;
        HWND expected;
    } cases[] = {
        {Windows10(kRussian), russian},
        {Windows10(kEnglish), english},
        {Windows10(0x0407), english}, // German has no title of its own
        {{kRussian, false, false, kRecorder}, windows7},
    };
    for (const auto& c : cases) {
        pageHost.UseTransparencySystem(c.system);
        EXPECT_EQ(c.expected, Transparency().StartMenu());
        Transparency().Switch(ShellEffect::StartMenu, true);
        for (HWND menu : {russian, english, windows7})
            EXPECT_EQ(menu == c.expected ? 204 : -1, Alpha(menu)) << c.system.uiLanguage;
        Transparency().Switch(ShellEffect::StartMenu, false);
        EXPECT_FALSE(Layered(c.expected));
    }
}

TEST_F(TransparencyTest, GlassSendsTheBlurAccentEachSecondAndClearingAsksTheTaskbarToRestore) {
    ShellWindowsFixture shell({L"taskbar"});
    ASSERT_TRUE(shell.Ready());
    const int before = calls.Count();
    auto page = Page(219);
    HWND window = page->GetSafeHwnd();
    EXPECT_FALSE(Visible(window, IDC_TWEAK_UNSUPPORTED));
    EXPECT_TRUE(Enabled(window, IDC_TWEAK_ENABLE));

    Click(window, IDC_TWEAK_ENABLE);
    EXPECT_EQ(1, pageHost.restorePoints);
    EXPECT_TRUE(pageHost.options.GetBool(L"fTweaksGlassEffectTaskbar"));
    ASSERT_EQ(before + 1, calls.Count());
    const CompositionCalls::Call call = calls.At(before);
    EXPECT_EQ(shell.Taskbar(), call.window);
    EXPECT_EQ(19u, call.attribute);
    EXPECT_EQ(16u, call.size);
    EXPECT_EQ((std::array<DWORD, 4>{3, 0, 0, 0}),
              (std::array<DWORD, 4>{call.data[0], call.data[1], call.data[2], call.data[3]}));
    EXPECT_GE(MillisecondsUntil([&] { return calls.Count() > before + 1; }, 1100), 0)
        << "the glass tick sends it again";
    EXPECT_EQ(0, shell.CompositionResets());

    Click(window, IDC_TWEAK_ENABLE);
    EXPECT_EQ(1, shell.CompositionResets());
    EXPECT_FALSE(pageHost.options.GetBool(L"fTweaksGlassEffectTaskbar"));
    const int after = calls.Count();
    PumpMessages(1100);
    EXPECT_EQ(after, calls.Count()) << "no tick after clearing";
}

TEST_F(TransparencyTest, WhereTheTaskbarCannotTakeGlassThePageSaysSoAndOffersNoSwitch) {
    ShellWindowsFixture shell({L"taskbar"});
    ASSERT_TRUE(shell.Ready());
    for (const TransparencySystem& system :
         {TransparencySystem{kEnglish, true, true, kRecorder},
          TransparencySystem{kEnglish, true, false, L"kernel32.dll"}}) {
        pageHost.UseTransparencySystem(system);
        EXPECT_FALSE(Transparency().Works(ShellEffect::Glass));
        auto page = Page(219);
        HWND window = page->GetSafeHwnd();
        EXPECT_TRUE(Visible(window, IDC_TWEAK_UNSUPPORTED));
        EXPECT_NE(L"", ControlText(window, IDC_TWEAK_UNSUPPORTED));
        EXPECT_FALSE(Enabled(window, IDC_TWEAK_ENABLE));
    }
    // Without the function nothing is sent, and nothing breaks.
    const int before = calls.Count();
    Transparency().Switch(ShellEffect::Glass, true);
    EXPECT_EQ(before, calls.Count());

    // Switched on where it works, the option can still be switched off where it does not.
    pageHost.options.SetBool(L"fTweaksGlassEffectTaskbar", true);
    pageHost.UseTransparencySystem({kEnglish, true, true, kRecorder});
    auto page = Page(219);
    EXPECT_TRUE(Checked(page->GetSafeHwnd(), IDC_TWEAK_ENABLE));
    EXPECT_TRUE(Enabled(page->GetSafeHwnd(), IDC_TWEAK_ENABLE));
    ShowWindow(host.get(), SW_SHOWNOACTIVATE);
    ShowWindow(page->GetSafeHwnd(), SW_SHOWNOACTIVATE);
    SaveScreenshot(host.get(), L"tweak-glass-unsupported");
    Click(page->GetSafeHwnd(), IDC_TWEAK_ENABLE);
    EXPECT_FALSE(pageHost.options.GetBool(L"fTweaksGlassEffectTaskbar"));
}

class StartUpAndExitTest : public TransparencyTest {
protected:
    void SwitchAllOn() {
        for (const wchar_t* flag :
             {L"fTweaksTransparencyTaskbar", L"fTweaksTransparencyStartMenu",
              L"fTweaksTransparencyVisibleWindows", L"fTweaksGlassEffectTaskbar"})
            pageHost.options.SetBool(flag, true);
    }

    ShellWindowsFixture shell{
        {L"taskbar", L"corewindow:Start", L"app:Plain", L"hidden:Hidden", L"layered:OwnLayers"}};
    HWND startMenu = FindWindowW(L"Windows.UI.Core.CoreWindow", L"Start");
};

TEST_F(StartUpAndExitTest, StartUpAppliesEveryOptionWhoseFlagIsSetAndExitUndoesThemAll) {
    ASSERT_TRUE(shell.Ready());
    SwitchAllOn();
    pageHost.options.SetInt(L"iTweaksTransparencyStartMenuValue", 5);
    const int before = calls.Count();
    Transparency().ApplyAtStartUp();
    EXPECT_EQ(178, Alpha(shell.Taskbar()));
    EXPECT_EQ(51, Alpha(startMenu));
    EXPECT_EQ(204, Alpha(shell.App(L"Plain")));
    EXPECT_EQ(before + 1, calls.Count());
    for (ShellEffect effect :
         {ShellEffect::Taskbar, ShellEffect::StartMenu, ShellEffect::Windows, ShellEffect::Glass})
        EXPECT_TRUE(Transparency().Running(effect));

    // A window that appears later is found by the next tick.
    shell.Show(shell.App(L"Hidden"), true);
    EXPECT_GE(MillisecondsUntil([&] { return Alpha(shell.App(L"Hidden")) == 204; }, 1100), 0);
    shell.Show(shell.App(L"Hidden"), false);

    Transparency().UndoAtExit();
    for (HWND window : {shell.Taskbar(), startMenu, shell.App(L"Plain"), shell.App(L"Hidden")})
        EXPECT_FALSE(Layered(window)) << "hidden ones too";
    EXPECT_EQ(kOwnLayeredAlpha, Alpha(shell.App(L"OwnLayers")));
    EXPECT_EQ(1, shell.CompositionResets());
    for (ShellEffect effect :
         {ShellEffect::Taskbar, ShellEffect::StartMenu, ShellEffect::Windows, ShellEffect::Glass})
        EXPECT_FALSE(Transparency().Running(effect));
    EXPECT_TRUE(pageHost.options.GetBool(L"fTweaksTransparencyTaskbar"))
        << "the flags stay for the next start";
}

TEST_F(StartUpAndExitTest, ARunThatEndedWithoutUndoingIsPutRightByTheNextStart) {
    ASSERT_TRUE(shell.Ready());
    SwitchAllOn();
    Transparency().ApplyAtStartUp();
    ASSERT_TRUE(Layered(shell.Taskbar()));
    // The program ends without its exit steps, and its last settings never reached the
    // file: the next start sees every flag clear.
    pageHost.options = COptions();
    pageHost.UseTransparencySystem(Windows10());
    Transparency().ApplyAtStartUp();
    for (HWND window : {shell.Taskbar(), startMenu, shell.App(L"Plain")})
        EXPECT_FALSE(Layered(window));
    EXPECT_EQ(kOwnLayeredAlpha, Alpha(shell.App(L"OwnLayers")));
    EXPECT_EQ(1, shell.CompositionResets()) << "the glass mark on the taskbar is seen too";
    EXPECT_FALSE(Transparency().Running(ShellEffect::Taskbar));
}

class IncreasedTransparencyTest : public TransparencyTest {
protected:
    const std::wstring advanced =
        L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
    const std::wstring dwm = L"SOFTWARE\\Microsoft\\Windows\\Dwm";
    RegistryRestorer restore{{{HKEY_LOCAL_MACHINE, advanced, L"UseOLEDTaskbarTransparency"},
                              {HKEY_LOCAL_MACHINE, dwm, L"ForceEffectMode"}},
                             {{HKEY_LOCAL_MACHINE, dwm}}};
    bool ShownOn() { return Checked(Page(194)->GetSafeHwnd(), IDC_TWEAK_ENABLE); }
};

TEST_F(IncreasedTransparencyTest, BothMachineValuesAreWrittenInOrderAndDeletedWithRightsOnly) {
    DeleteValue(HKEY_LOCAL_MACHINE, advanced, L"UseOLEDTaskbarTransparency");
    DeleteValue(HKEY_LOCAL_MACHINE, dwm, L"ForceEffectMode");
    EXPECT_FALSE(ShownOn());
    WriteValue(HKEY_LOCAL_MACHINE, dwm, L"ForceEffectMode", DwordValue(1));
    EXPECT_FALSE(ShownOn()) << "one of the two";
    DeleteValue(HKEY_LOCAL_MACHINE, dwm, L"ForceEffectMode");

    auto page = Page(194);
    HWND window = page->GetSafeHwnd();
    EXPECT_FALSE(Visible(window, IDC_TWEAK_NOTICE));
    EXPECT_FALSE(Enabled(window, IDC_TWEAK_FOLLOW_UP));
    Click(window, IDC_TWEAK_ENABLE);
    EXPECT_EQ(1, pageHost.restorePoints);
    EXPECT_EQ(DwordValue(1),
              ReadValue(HKEY_LOCAL_MACHINE, advanced, L"UseOLEDTaskbarTransparency"));
    EXPECT_EQ(DwordValue(1), ReadValue(HKEY_LOCAL_MACHINE, dwm, L"ForceEffectMode"));
    EXPECT_TRUE(ShownOn());
    EXPECT_TRUE(Enabled(window, IDC_TWEAK_FOLLOW_UP));
    Click(window, IDC_TWEAK_FOLLOW_UP);
    EXPECT_EQ(1, pageHost.signOuts);

    Click(window, IDC_TWEAK_ENABLE);
    EXPECT_FALSE(ReadValue(HKEY_LOCAL_MACHINE, advanced, L"UseOLEDTaskbarTransparency"));
    EXPECT_FALSE(ReadValue(HKEY_LOCAL_MACHINE, dwm, L"ForceEffectMode"));

    pageHost.admin = false;
    auto unelevated = Page(194);
    EXPECT_TRUE(Visible(unelevated->GetSafeHwnd(), IDC_TWEAK_NOTICE));
    EXPECT_FALSE(Enabled(unelevated->GetSafeHwnd(), IDC_TWEAK_ENABLE));
}

} // namespace
} // namespace orvane::test
