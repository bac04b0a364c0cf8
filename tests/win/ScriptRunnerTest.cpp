#include "tweaks/ScriptRunner.h"
#include "TempFolder.h"
#include "TestProgramFolder.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace orvane {
namespace {

using test::TempFolder;
using test::TestProgramFolder;

std::wstring SystemFolder() {
    wchar_t folder[MAX_PATH] = L"";
    GetSystemDirectoryW(folder, MAX_PATH);
    return folder;
}

std::wstring Widen(const std::string& text) {
    std::wstring wide(static_cast<std::size_t>(MultiByteToWideChar(
                          CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0)),
                      L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), &wide[0],
                        static_cast<int>(wide.size()));
    return wide;
}

// One start of the stand-in PowerShell as it logged it.
struct Start {
    DWORD processId;
    std::wstring commandLine;
};

// The temporary files the runner names "=}~....tmp".
std::vector<std::wstring> RunnerFiles() {
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW((std::wstring(folder) + L"=}~*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE)
        return names;
    do
        names.push_back(found.cFileName);
    while (FindNextFileW(find, &found));
    FindClose(find);
    return names;
}

bool FileExists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class ScriptRunnerTest : public ::testing::Test {
protected:
    void SetUp() override {
        CreateDirectoryW((SystemFolder() + L"\\WindowsPowerShell").c_str(), nullptr);
        CreateDirectoryW((SystemFolder() + L"\\WindowsPowerShell\\v1.0").c_str(), nullptr);
        ASSERT_TRUE(CopyFileW((TestProgramFolder() + L"\\fake_powershell.exe").c_str(),
                              PowerShellPath().c_str(), FALSE))
            << "the stand-in PowerShell is built beside the tests";
        SetEnvironmentVariableW(L"ORVANE_FAKE_PS_LOG", Log().c_str());
        m_filesBefore = RunnerFiles();
    }
    void TearDown() override {
        for (const wchar_t* name : {L"ORVANE_FAKE_PS_LOG", L"ORVANE_FAKE_PS_SLEEP_MS",
                                    L"ORVANE_FAKE_PS_OUTPUT", L"ORVANE_FAKE_PS_NO_OUTPUT"})
            SetEnvironmentVariableW(name, nullptr);
        EXPECT_EQ(m_filesBefore, RunnerFiles()) << "a temporary file was left behind";
    }

    std::wstring Log() const { return m_folder / L"starts.log"; }

    std::vector<Start> Starts() const {
        std::vector<Start> starts;
        std::istringstream lines(test::ReadBytes(Log()));
        std::string line;
        while (std::getline(lines, line)) {
            const std::size_t space = line.find(' ');
            starts.push_back({static_cast<DWORD>(std::stoul(line.substr(0, space))),
                              Widen(line.substr(space + 1))});
        }
        return starts;
    }

    TempFolder m_folder;
    std::vector<std::wstring> m_filesBefore;
};

TEST(PowerShellPath, LiesInTheSystemFolderWhereverWindowsIs) {
    // Not a fixed drive and folder: Windows may be installed in D:\\WINNT as well.
    const std::wstring expected = SystemFolder() + L"\\WindowsPowerShell\\v1.0\\powershell.exe";
    EXPECT_EQ(expected, PowerShellPath());
}

TEST_F(ScriptRunnerTest, ABlankScriptFailsAndStartsNothing) {
    CScriptRunner runner;
    EXPECT_FALSE(runner.Run(L"  \r\n\t \n"));
    EXPECT_EQ(L"The script string is empty.", runner.ErrorText());
    EXPECT_TRUE(Starts().empty());
}

TEST_F(ScriptRunnerTest, WrapsTheScriptForPowerShellAndCollectsTheLinesItPrinted) {
    SetEnvironmentVariableW(L"ORVANE_FAKE_PS_OUTPUT", L"first|second line||Gr\u00FC\u00DFe");
    CScriptRunner runner;
    ASSERT_TRUE(runner.Run(L" \r\n Stop-Process -ProcessName explorer"))
        << test::Narrow(runner.ErrorText());
    EXPECT_EQ(L"", runner.ErrorText());
    EXPECT_EQ((std::vector<std::wstring>{L"first", L"second line", L"", L"Gr\u00FC\u00DFe"}),
              runner.OutputLines());

    const std::vector<Start> starts = Starts();
    ASSERT_EQ(1u, starts.size());
    const std::wstring& line = starts[0].commandLine;
    const std::wstring head = L" -command \"function _{Stop-Process -ProcessName explorer}_|"
                              L"out-file -encoding default '";
    ASSERT_EQ(head, line.substr(0, head.size())) << test::Narrow(line);
    ASSERT_GE(line.size(), head.size() + 2);
    EXPECT_EQ(L"'\"", line.substr(line.size() - 2));
    const std::wstring file = line.substr(head.size(), line.size() - head.size() - 2);

    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    const std::wstring name = file.substr(file.rfind(L'\\') + 1);
    EXPECT_EQ(std::wstring(folder), file.substr(0, file.size() - name.size()));
    EXPECT_EQ(L"=}~", name.substr(0, 3));
    EXPECT_EQ(L".tmp", name.substr(name.size() - 4));
    EXPECT_FALSE(FileExists(file)) << "the temporary file is deleted after the run";
}

TEST_F(ScriptRunnerTest, AMissingOutputFileFailsWithTheSystemsReason) {
    SetEnvironmentVariableW(L"ORVANE_FAKE_PS_NO_OUTPUT", L"1");
    CScriptRunner runner;
    EXPECT_FALSE(runner.Run(L"Get-Date"));
    wchar_t expected[512] = L"";
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   ERROR_FILE_NOT_FOUND, 0, expected, ARRAYSIZE(expected), nullptr);
    std::wstring reason = expected;
    while (!reason.empty() && iswspace(reason.back()))
        reason.pop_back();
    ASSERT_FALSE(reason.empty());
    EXPECT_EQ(reason, runner.ErrorText());
    EXPECT_EQ(1u, Starts().size());
}

TEST_F(ScriptRunnerTest, WithoutPowerShellNothingStarts) {
    ASSERT_TRUE(DeleteFileW(PowerShellPath().c_str()));
    CScriptRunner runner;
    EXPECT_FALSE(runner.Run(L"Get-Date"));
    EXPECT_EQ(L"CreateProcess failed.", runner.ErrorText());
}

TEST_F(ScriptRunnerTest, APowerShellPastTheTimeOutFailsAndIsLeftRunning) {
    SetEnvironmentVariableW(L"ORVANE_FAKE_PS_SLEEP_MS", L"20000");
    CScriptRunner runner(500);
    const DWORD start = GetTickCount();
    EXPECT_FALSE(runner.Run(L"Start-Sleep 600"));
    EXPECT_LT(GetTickCount() - start, 10000u);
    EXPECT_EQ(L"Waiting for process PowerShell.exe timed out.", runner.ErrorText());

    const std::vector<Start> starts = Starts();
    ASSERT_EQ(1u, starts.size());
    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, starts[0].processId);
    ASSERT_TRUE(process);
    EXPECT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), WaitForSingleObject(process, 0))
        << "PowerShell is not stopped";
    TerminateProcess(process, 0);
    WaitForSingleObject(process, 5000);
    CloseHandle(process);
}

// A window that counts its 20 ms timer and its paints, as an effect window would see them.
class TickingWindow {
public:
    std::function<void()> onTick = [] {};
    int ticks = 0;
    int paints = 0;

    TickingWindow() {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = Procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"OrvaneTestTickingWindow";
        RegisterClassW(&windowClass);
        m_window = CreateWindowExW(0, windowClass.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 0, 0,
                                   64, 64, nullptr, nullptr, windowClass.hInstance, nullptr);
        SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        SetTimer(m_window, 1, 20, nullptr);
    }
    ~TickingWindow() { DestroyWindow(m_window); }
    TickingWindow(const TickingWindow&) = delete;
    TickingWindow& operator=(const TickingWindow&) = delete;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<TickingWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self && message == WM_TIMER) {
            ++self->ticks;
            InvalidateRect(window, nullptr, FALSE);
            self->onTick();
            return 0;
        }
        if (self && message == WM_PAINT) {
            PAINTSTRUCT paint;
            BeginPaint(window, &paint);
            EndPaint(window, &paint);
            ++self->paints;
            return 0;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }

    HWND m_window;
};

TEST_F(ScriptRunnerTest, TheWindowsKeepPaintingAndTheirTimersRunWhileItWaits) {
    SetEnvironmentVariableW(L"ORVANE_FAKE_PS_SLEEP_MS", L"1500");
    TickingWindow window;
    CScriptRunner runner;
    ASSERT_TRUE(runner.Run(L"Get-Date"));
    EXPECT_GE(window.ticks, 20);
    EXPECT_GE(window.paints, 10);
}

// A large screen on a slow machine: every frame takes longer than the timer's period, so
// a tick is always waiting. The runner still sees PowerShell end while the ticks go on.
TEST_F(ScriptRunnerTest, ItReturnsWhenPowerShellEndsThoughTheTimerNeverLetsTheQueueEmpty) {
    SetEnvironmentVariableW(L"ORVANE_FAKE_PS_SLEEP_MS", L"300");
    constexpr int kSlowTicks = 400; // 12 s of 30 ms frames
    TickingWindow window;
    window.onTick = [&] {
        if (window.ticks <= kSlowTicks)
            Sleep(30);
    };
    CScriptRunner runner;
    ASSERT_TRUE(runner.Run(L"Get-Date"));
    EXPECT_LT(window.ticks, kSlowTicks) << "it returned only once the frames were quick again";
    EXPECT_GE(window.ticks, 5);
}

TEST_F(ScriptRunnerTest, RestartExplorerStopsExplorerAndRefusesASecondRunMeanwhile) {
    SetEnvironmentVariableW(L"ORVANE_FAKE_PS_SLEEP_MS", L"1000");
    TickingWindow window;
    std::vector<bool> nested;
    window.onTick = [&] {
        // A second click on "Restart Explorer" while the first one waits.
        if (nested.empty())
            nested.push_back(RestartExplorer());
    };
    EXPECT_TRUE(RestartExplorer());
    EXPECT_EQ(std::vector<bool>{false}, nested);
    std::vector<Start> starts = Starts();
    ASSERT_EQ(1u, starts.size());
    EXPECT_NE(std::wstring::npos,
              starts[0].commandLine.find(L"function _{Stop-Process -ProcessName explorer}_|"));

    SetEnvironmentVariableW(L"ORVANE_FAKE_PS_SLEEP_MS", nullptr);
    EXPECT_TRUE(RestartExplorer()) << "once the first run is over, the next may start";
    EXPECT_EQ(2u, Starts().size());
}

} // namespace
} // namespace orvane
