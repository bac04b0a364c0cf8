#include "BitmapFile.h"
#include "DesktopShellFixture.h"
#include "DialogControls.h"
#include "MessagePump.h"
#include "OrvaneProcess.h"
#include "resources/ids_app.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace orvane::test {
namespace {

constexpr int kNotPresent = 1, kBusy = 2, kPresentation = 4, kAcceptsNotifications = 5;
// The monitor looks once a second; a change must show within a few of its ticks.
constexpr DWORD kWithinAFewTicks = 5000;

// Answers for the shell: Orvane reads the state from the file named by its environment.
class ShellStateSeam {
public:
    ShellStateSeam() {
        SetEnvironmentVariableW(L"ORVANE_USER_STATE_FILE", m_file.c_str());
        Answer(kAcceptsNotifications);
    }
    ~ShellStateSeam() {
        SetEnvironmentVariableW(L"ORVANE_USER_STATE_FILE", nullptr);
        DeleteFileW(m_file.c_str());
    }
    void Answer(int state) { WriteState(std::to_string(state)); }
    void Fail() { WriteState("no answer"); }

private:
    void WriteState(const std::string& text) {
        HANDLE file = CreateFileW(m_file.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                  CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, file);
        DWORD written = 0;
        WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        CloseHandle(file);
    }
    TempFolder m_folder;
    std::wstring m_file = m_folder / L"state.txt";
};

struct Search {
    DWORD pid;
    HWND host;
    int found;
};

BOOL CALLBACK CountChild(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<Search*>(context);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == search->pid && GetParent(window) == search->host)
        ++search->found;
    return TRUE;
}

// Orvane's background windows behind the desktop icons of the fixture shell.
int Backgrounds(const DesktopShellFixture& shell, const OrvaneProcess& orvane) {
    Search search{orvane.Id(), nullptr, 0};
    for (HWND host : {shell.WallpaperWorker(), shell.Progman()}) {
        if (!host)
            continue;
        search.host = host;
        EnumChildWindows(host, CountChild, reinterpret_cast<LPARAM>(&search));
    }
    return search.found;
}

// Who holds the foreground, for a failure's message.
std::string Describe(HWND window) {
    char name[128] = "";
    GetClassNameA(window, name, sizeof name);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    char title[128] = "";
    GetWindowTextA(window, title, sizeof title);
    return std::string("class ") + name + " \"" + title + "\", visible " +
           std::to_string(IsWindowVisible(window)) + ", process " + std::to_string(pid) +
           (pid == GetCurrentProcessId() ? " (this test)" : "");
}

// True once the window's thread has answered ten messages in a row within 100 ms each.
bool AnswersPromptly(HWND window) {
    int prompt = 0;
    for (DWORD waited = 0; prompt < 10 && waited < 30000; waited += 100) {
        const DWORD sent = GetTickCount();
        DWORD_PTR answer = 0;
        if (!SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &answer))
            return false;
        const DWORD took = GetTickCount() - sent;
        prompt = took < 100 ? prompt + 1 : 0;
        waited += took;
        Sleep(100);
    }
    return prompt == 10;
}

// A running video background (Windows Media Player with no file: the window still
// stands) and two drawn effects.
const wchar_t kRunning[] = L"fWallaperVideoEnable=1\r\niWallaperVideoEngine=0\r\n"
                           L"fEffectsLeafFall=1\r\nfEffectHearts=1\r\n";

class BusyState : public ::testing::Test {
protected:
    // With `customObject`, one enabled picture of the user's joins the two effects as a
    // third layered window.
    void StartWith(const std::wstring& settings, bool customObject = false) {
        ASSERT_TRUE(shell.Ready());
        std::wstring objects;
        if (customObject) {
            const std::wstring picture = pictures / L"object.bmp";
            ASSERT_TRUE(WriteBitmapFile(picture, 40, 30, 200, 60, 40));
            objects = L"[CEffectsCustomObjects]\r\n0Path=" + picture +
                      L"\r\n0Enable=1\r\n0Top=0\r\n0X=50\r\n0Y=60\r\n";
            m_effects = 3;
        }
        orvane.WriteSettings(L"[Settings]\r\n" + settings + objects);
        ASSERT_TRUE(orvane.Start(L"-auto"));
        ASSERT_NE(nullptr, orvane.MainWindow());
        ASSERT_TRUE(WaitFor([&] { return Running(1, m_effects); }));
        // Under Wine the media player holds the program's thread for five to eight
        // seconds soon after its start; a pause is timed from a program that answers.
        ASSERT_TRUE(AnswersPromptly(orvane.MainWindow()));
    }
    bool Running(int backgrounds, std::size_t overlays) const {
        return Backgrounds(shell, orvane) == backgrounds && orvane.Overlays().size() == overlays;
    }
    // Holds for the whole time, checked every 100 ms.
    bool Stays(int backgrounds, std::size_t overlays, DWORD ms) const {
        for (DWORD waited = 0; waited < ms; waited += 100) {
            if (!Running(backgrounds, overlays))
                return false;
            Sleep(100);
        }
        return true;
    }
    void ExitAndKeepKeys() {
        orvane.Exit();
        ASSERT_TRUE(orvane.WaitForExit());
        // Pausing never touches a key.
        int set = 0;
        for (const auto& [key, value] : orvane.StoredSettings())
            if (key == L"fWallaperVideoEnable" || key == L"fEffectsLeafFall" ||
                key == L"fEffectHearts")
                set += value == L"1";
        EXPECT_EQ(3, set);
    }

    ShellStateSeam seam;
    DesktopShellFixture shell{ShellLayout::Classic};
    OrvaneProcess orvane;
    TempFolder pictures;
    std::size_t m_effects = 2;
};

TEST_F(BusyState, WithTheFlagABusyDesktopStopsEverythingAndANormalOneStartsItOnce) {
    StartWith(std::wstring(kRunning) + L"fDisableAtHighLoad=1\r\n", true);
    for (int busy : {kBusy, kPresentation, kNotPresent}) {
        seam.Answer(busy);
        EXPECT_TRUE(WaitFor([&] { return Running(0, 0); }, kWithinAFewTicks))
            << busy << ": " << Backgrounds(shell, orvane) << " background(s), "
            << orvane.Overlays().size() << " effect(s) still running";
        seam.Answer(kAcceptsNotifications);
        EXPECT_TRUE(WaitFor([&] { return Running(1, 3); }, kWithinAFewTicks)) << busy;
        // Each once: no second window appears on the following ticks.
        EXPECT_TRUE(Stays(1, 3, 1500)) << busy;
    }
    // A query that fails counts as a normal desktop.
    seam.Answer(kBusy);
    ASSERT_TRUE(WaitFor([&] { return Running(0, 0); }, kWithinAFewTicks));
    seam.Fail();
    EXPECT_TRUE(WaitFor([&] { return Running(1, 3); }, kWithinAFewTicks));
    ExitAndKeepKeys();
    // The object's flag and place outlive the pauses.
    std::map<std::wstring, std::wstring> stored;
    for (const auto& [key, value] :
         ReadSection(ReadUtf16File(orvane.SettingsPath()), L"CEffectsCustomObjects"))
        stored[key] = value;
    EXPECT_EQ(L"1", stored[L"0Enable"]);
    EXPECT_EQ(L"50", stored[L"0X"]);
    EXPECT_EQ(L"60", stored[L"0Y"]);
}

TEST_F(BusyState, WithoutTheFlagOnlyAnAbsentUserStopsOnlyTheVideo) {
    StartWith(std::wstring(kRunning) + L"fDisableAtHighLoad=0\r\n");
    seam.Answer(kBusy);
    EXPECT_TRUE(Stays(1, 2, 2500)) << "a full-screen program pauses nothing";
    seam.Answer(kNotPresent);
    EXPECT_TRUE(WaitFor([&] { return Running(0, 2); }, kWithinAFewTicks));
    EXPECT_TRUE(Stays(0, 2, 1500)) << "the effects go on";
    seam.Answer(kAcceptsNotifications);
    EXPECT_TRUE(WaitFor([&] { return Running(1, 2); }, kWithinAFewTicks));
    ExitAndKeepKeys();
}

TEST_F(BusyState, ClearingTheFlagDuringAPauseBringsBackWhatThePauseStopped) {
    StartWith(std::wstring(kRunning) + L"fDisableAtHighLoad=1\r\n");
    seam.Answer(kBusy);
    ASSERT_TRUE(WaitFor([&] { return Running(0, 0); }, kWithinAFewTicks));
    HWND settings = orvane.OpenSettings();
    ASSERT_NE(nullptr, settings);
    Click(settings, IDC_SETTINGS_HIGH_LOAD);
    // The game still runs, but it no longer counts: everything comes back, not just the
    // video.
    EXPECT_TRUE(WaitFor([&] { return Running(1, 2); }, kWithinAFewTicks));
    PostMessageW(settings, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(settings); }));
    ExitAndKeepKeys();
}

// The shell answers "busy" late or not at all for some full-screen windows; a
// foreground window covering the whole monitor counts by itself.
TEST_F(BusyState, AFullScreenForegroundWindowPausesWithTheFlag) {
    StartWith(std::wstring(kRunning) + L"fDisableAtHighLoad=1\r\n");
    HWND game = CreateWindowExW(0, L"STATIC", L"game", WS_POPUP | WS_VISIBLE, 0, 0,
                                GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(nullptr, game);
    // A window of the last test's program or the shell can still be taking the
    // foreground, and under Wine the X server's focus can hand it back to Orvane's hidden
    // main window; the game asks again, as a user's click on it would.
    const auto inFront = [&] {
        if (GetForegroundWindow() == game)
            return true;
        SetForegroundWindow(game);
        return false;
    };
    ASSERT_TRUE(PumpUntil(inFront, 15000)) << Describe(GetForegroundWindow());
    EXPECT_TRUE(PumpUntil([&] { return inFront() && Running(0, 0); }, kWithinAFewTicks))
        << "foreground: " << Describe(GetForegroundWindow()) << "; " << Backgrounds(shell, orvane)
        << " background(s), " << orvane.Overlays().size() << " effect(s) still running";
    DestroyWindow(game);
    EXPECT_TRUE(PumpUntil([&] { return Running(1, 2); }, kWithinAFewTicks));
    ExitAndKeepKeys();
}

} // namespace
} // namespace orvane::test
