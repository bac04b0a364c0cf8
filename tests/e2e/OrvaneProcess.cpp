#include "OrvaneProcess.h"

#include "resources/ids_app.h"

namespace orvane::test {

std::wstring DistFolder() {
    wchar_t buffer[MAX_PATH] = L"";
    GetEnvironmentVariableW(L"ORVANE_DIST", buffer, MAX_PATH);
    return buffer;
}

std::wstring OrvaneExe() {
    return DistFolder() + L"\\Orvane.exe";
}

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition())
            return true;
        if (GetTickCount() - start > timeoutMs)
            return false;
        Sleep(50);
    }
}

OrvaneProcess::OrvaneProcess(const std::wstring& appDataSuffix) : m_appData(appDataSuffix) {}

OrvaneProcess::~OrvaneProcess() {
    if (m_info.hProcess) {
        if (Running()) {
            TerminateProcess(m_info.hProcess, 99);
            WaitForSingleObject(m_info.hProcess, 5000);
        }
        CloseHandle(m_info.hProcess);
        CloseHandle(m_info.hThread);
    }
}

void OrvaneProcess::WriteSettings(const std::wstring& iniText) {
    CreateDirectoryW((AppData() + L"\\Teskan").c_str(), nullptr);
    CreateDirectoryW(DataFolder().c_str(), nullptr);
    WriteUtf16File(SettingsPath(), iniText);
}

bool OrvaneProcess::Start(const std::wstring& arguments) {
    // The child inherits our environment with %APPDATA% pointing at the test's folder.
    wchar_t saved[MAX_PATH * 2] = L"";
    GetEnvironmentVariableW(L"APPDATA", saved, MAX_PATH * 2);
    SetEnvironmentVariableW(L"APPDATA", AppData().c_str());
    const std::wstring program = m_program.empty() ? OrvaneExe() : m_program;
    const std::wstring folder = program.substr(0, program.find_last_of(L'\\'));
    std::wstring commandLine = L"\"" + program + L"\"";
    if (!arguments.empty())
        commandLine += L" " + arguments;
    STARTUPINFOW startup = {sizeof startup};
    const BOOL ok =
        CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                       nullptr, folder.c_str(), &startup, &m_info);
    SetEnvironmentVariableW(L"APPDATA", saved);
    if (!ok)
        return false;
    // Should this test program crash, the job's last handle goes with it and takes the
    // Orvane it started along: a left-over Orvane would hold the single-instance mutex and
    // fail every later test.
    m_job.reset(CreateJobObjectW(nullptr, nullptr));
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (m_job)
        SetInformationJobObject(m_job.get(), JobObjectExtendedLimitInformation, &limits,
                                sizeof limits);
    if (m_job)
        AssignProcessToJobObject(m_job.get(), m_info.hProcess);
    ResumeThread(m_info.hThread);
    WaitForInputIdle(m_info.hProcess, 10000);
    return true;
}

bool OrvaneProcess::Running() const {
    return m_info.hProcess && WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT;
}

bool OrvaneProcess::WaitForExit(DWORD timeoutMs) {
    return m_info.hProcess && WaitForSingleObject(m_info.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

DWORD OrvaneProcess::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(m_info.hProcess, &code);
    return code;
}

namespace {

struct DialogSearch {
    DWORD pid;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectDialog(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<DialogSearch*>(context);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    wchar_t className[64] = L"";
    GetClassNameW(window, className, 64);
    if (pid == search->pid && std::wstring(className) == L"#32770")
        search->found.push_back(window);
    return TRUE;
}

} // namespace

std::vector<HWND> OrvaneProcess::Dialogs() const {
    DialogSearch search{m_info.dwProcessId, {}};
    EnumWindows(CollectDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> OrvaneProcess::MessageBoxesSaying(const std::wstring& text) const {
    std::vector<HWND> boxes;
    for (HWND dialog : Dialogs())
        if (IsWindowVisible(dialog) && MessageBoxText(dialog) == text)
            boxes.push_back(dialog);
    return boxes;
}

HWND OrvaneProcess::WaitForMessageBox(const std::wstring& text, DWORD timeoutMs) const {
    HWND box = nullptr;
    WaitFor(
        [&] {
            const std::vector<HWND> boxes = MessageBoxesSaying(text);
            box = boxes.empty() ? nullptr : boxes.front();
            return box != nullptr;
        },
        timeoutMs);
    return box;
}

std::vector<HWND> OrvaneProcess::Overlays() const {
    std::vector<HWND> overlays;
    for (HWND window : Dialogs())
        if (IsWindowVisible(window) && (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED))
            overlays.push_back(window);
    return overlays;
}

HWND OrvaneProcess::MainWindow(DWORD timeoutMs) const {
    HWND main = nullptr;
    WaitFor(
        [&] {
            for (HWND dialog : Dialogs())
                if (GetDlgItem(dialog, IDC_MAIN_TABS))
                    main = dialog;
            return main != nullptr;
        },
        timeoutMs);
    return main;
}

void OrvaneProcess::Exit() {
    if (HWND main = MainWindow(5000))
        PostMessageW(main, WM_COMMAND, ID_TRAY_EXIT, 0);
}

bool OrvaneProcess::ExitThroughTheTrayMenu() {
    constexpr UINT kTrayCallback = 0x465;
    HWND main = MainWindow(5000);
    if (!main)
        return false;
    // As the taskbar does it: the window is disabled under the open dialog, so its own
    // minimise command would not be taken.
    ShowWindowAsync(main, SW_MINIMIZE);
    if (!WaitFor([&] { return !IsWindowVisible(main); }))
        return false;
    PostMessageW(main, kTrayCallback, 128, WM_RBUTTONUP);
    HWND menu = nullptr;
    if (!WaitFor([&] {
            menu = FindWindowW(L"#32768", nullptr);
            return menu && IsWindowVisible(menu);
        }))
        return false;
    RECT box;
    GetWindowRect(menu, &box);
    // Exit is the bottom item; a few pixels above the frame hit it in any theme.
    SetCursorPos((box.left + box.right) / 2, box.bottom - 6);
    Sleep(200);
    INPUT click[2] = {};
    click[0].type = click[1].type = INPUT_MOUSE;
    click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, click, sizeof click[0]);
    return true;
}

bool OrvaneProcess::RunOnce(const std::wstring& arguments) {
    if (!Start(arguments) || !MainWindow())
        return false;
    Exit();
    return WaitForExit();
}

std::vector<std::pair<std::wstring, std::wstring>> OrvaneProcess::StoredSettings() const {
    return ReadSection(ReadUtf16File(SettingsPath()), L"Settings");
}

HWND OrvaneProcess::OpenSettings() {
    HWND main = MainWindow();
    if (!main)
        return nullptr;
    PostMessageW(main, WM_COMMAND, ID_MENU_SETTINGS, 0);
    HWND settings = nullptr;
    // The caption comes last in the dialog's start: then every control is filled.
    WaitFor([&] {
        for (HWND dialog : Dialogs())
            if (GetDlgItem(dialog, IDC_SETTINGS_LANGUAGE) && !WindowText(dialog).empty())
                settings = dialog;
        return settings != nullptr;
    });
    return settings;
}

std::wstring WindowText(HWND window) {
    wchar_t buffer[2048] = L"";
    GetWindowTextW(window, buffer, 2048);
    return buffer;
}

std::wstring MessageBoxText(HWND box) {
    // The message is the box's static control with id 0xFFFF.
    return WindowText(GetDlgItem(box, 0xFFFF));
}

std::vector<std::pair<std::wstring, std::wstring>> ReadSection(const std::wstring& iniText,
                                                               const std::wstring& section) {
    std::vector<std::pair<std::wstring, std::wstring>> lines;
    bool inSection = false;
    std::size_t start = 0;
    while (start < iniText.size()) {
        std::size_t end = iniText.find(L'\n', start);
        if (end == std::wstring::npos)
            end = iniText.size();
        std::wstring line = iniText.substr(start, end - start);
        if (!line.empty() && line.back() == L'\r')
            line.pop_back();
        start = end + 1;
        if (!line.empty() && line.front() == L'[') {
            inSection = line == L"[" + section + L"]";
            continue;
        }
        const std::size_t equals = line.find(L'=');
        if (inSection && equals != std::wstring::npos)
            lines.emplace_back(line.substr(0, equals), line.substr(equals + 1));
    }
    return lines;
}

} // namespace orvane::test
