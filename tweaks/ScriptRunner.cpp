#include "tweaks/ScriptRunner.h"

#include "framework/Handle.h"
#include "tweaks/ScriptCommand.h"

namespace orvane {
namespace {

constexpr std::size_t kMaxFileErrorLength = 256;

// Waits for the object while dispatching the thread's messages, one message per look at
// the object: an effect whose frames outlast its timer's period always has the next tick
// waiting, and a loop that emptied the queue first would never see the object signalled.
// A WM_QUIT met on the way ends the dispatching and is posted again for the caller's loop.
DWORD WaitDispatchingMessages(HANDLE object, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    bool quit = false;
    WPARAM quitCode = 0;
    DWORD result = WAIT_TIMEOUT;
    for (;;) {
        const DWORD elapsed = GetTickCount() - start;
        const DWORD remaining = elapsed < timeoutMs ? timeoutMs - elapsed : 0;
        result = quit ? WaitForSingleObject(object, remaining)
                      : MsgWaitForMultipleObjectsEx(1, &object, remaining, QS_ALLINPUT,
                                                    MWMO_INPUTAVAILABLE);
        if (result != WAIT_OBJECT_0 + 1)
            break;
        MSG message;
        if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            continue;
        if (message.message == WM_QUIT) {
            quit = true;
            quitCode = message.wParam;
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    if (quit)
        PostQuitMessage(static_cast<int>(quitCode));
    return result;
}

std::wstring SystemMessage(DWORD error) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = length ? std::wstring(buffer, length) : L"Error " + std::to_wstring(error);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' '))
        text.pop_back();
    return text.substr(0, kMaxFileErrorLength);
}

// Out-File's "default" encoding is the system's ANSI code page; a byte-order mark says
// otherwise.
std::wstring DecodeText(const std::string& bytes) {
    if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE')
        return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data() + 2),
                            (bytes.size() - 2) / sizeof(wchar_t));
    UINT codePage = CP_ACP;
    std::size_t skip = 0;
    if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        codePage = CP_UTF8;
        skip = 3;
    }
    const int size = static_cast<int>(bytes.size() - skip);
    if (size == 0)
        return std::wstring();
    std::wstring text(static_cast<std::size_t>(
                          MultiByteToWideChar(codePage, 0, bytes.data() + skip, size, nullptr, 0)),
                      L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data() + skip, size, &text[0],
                        static_cast<int>(text.size()));
    return text;
}

// The whole file, or the system's reason why it cannot be read.
bool ReadWholeFile(const std::wstring& path, std::string& bytes, std::wstring& error) {
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        error = SystemMessage(GetLastError());
        return false;
    }
    char chunk[4096];
    DWORD read = 0;
    while (ReadFile(file.get(), chunk, sizeof chunk, &read, nullptr) && read > 0)
        bytes.append(chunk, read);
    return true;
}

} // namespace

std::wstring PowerShellPath() {
    // Windows need not live in C:\Windows; the system folder says where it is.
    wchar_t folder[MAX_PATH] = L"";
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return {};
    return std::wstring(folder, length) + L"\\WindowsPowerShell\\v1.0\\powershell.exe";
}

CScriptRunner::CScriptRunner(DWORD timeoutMs) : m_timeoutMs(timeoutMs) {}

CScriptRunner::~CScriptRunner() {
    DeleteTemporaryFile();
}

void CScriptRunner::DeleteTemporaryFile() {
    if (!m_temporaryPath.empty())
        DeleteFileW(m_temporaryPath.c_str());
}

bool CScriptRunner::Fail(std::wstring error) {
    m_error = std::move(error);
    DeleteTemporaryFile();
    return false;
}

bool CScriptRunner::Run(const std::wstring& script) {
    DeleteTemporaryFile();
    m_error.clear();
    m_temporaryPath.clear();
    m_lines.clear();
    m_startup = {};
    m_startup.cb = sizeof m_startup;

    const std::wstring body = WithoutLeadingSpace(script);
    if (body.empty()) {
        m_error = L"The script string is empty.";
        return false;
    }

    wchar_t folder[MAX_PATH] = L"";
    wchar_t path[MAX_PATH] = L"";
    GetTempPathW(MAX_PATH, folder);
    if (GetTempFileNameW(folder, L"=}~", 0, path))
        m_temporaryPath = path;

    const std::wstring command = PowerShellCommandLine(body, m_temporaryPath);
    // CreateProcessW may write into the command line.
    std::vector<wchar_t> commandLine(command.begin(), command.end());
    commandLine.push_back(L'\0');
    const std::wstring program = PowerShellPath();
    if (program.empty() ||
        !CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                        CREATE_NO_WINDOW, nullptr, nullptr, &m_startup, &m_process))
        return Fail(L"CreateProcess failed.");

    const DWORD waited = WaitDispatchingMessages(m_process.hProcess, m_timeoutMs);
    CloseHandle(m_process.hProcess);
    CloseHandle(m_process.hThread);
    m_process = {};
    if (waited == WAIT_TIMEOUT)
        return Fail(L"Waiting for process PowerShell.exe timed out.");

    std::string bytes;
    std::wstring error;
    if (!ReadWholeFile(m_temporaryPath, bytes, error))
        return Fail(error);
    m_lines = TextLines(DecodeText(bytes));
    DeleteTemporaryFile();
    return true;
}

bool RestartExplorer() {
    static bool running = false;
    if (running)
        return false;
    running = true;
    struct Done {
        ~Done() { running = false; }
    } done;
    CScriptRunner runner;
    runner.Run(L"Stop-Process -ProcessName explorer");
    return true;
}

} // namespace orvane
