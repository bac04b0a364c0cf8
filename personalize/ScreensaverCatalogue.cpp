#include "personalize/ScreensaverCatalogue.h"

#include "core/Options.h"
#include "core/SettingsKeys.h"
#include "core/SystemAccess.h"
#include "core/Translate.h"
#include "framework/Paths.h"
#include "framework/Random.h"

#include <shlwapi.h>

#include <algorithm>
#include <utility>

namespace orvane {
namespace {

const wchar_t kDesktopKey[] = L"Control Panel\\Desktop";
const wchar_t kScreensaverValue[] = L"SCRNSAVE.EXE";
const wchar_t kActiveValue[] = L"ScreenSaveActive";
const wchar_t kTimeoutValue[] = L"ScreenSaveTimeOut";
constexpr unsigned kTextBlank = 172;
constexpr DWORD kPreviewEndMs = 3000;

// The catalogues whose change timer runs, by timer id: a thread timer carries no data
// of its own.
std::vector<std::pair<UINT_PTR, CScreensaverCatalogue*>>& ChangeTimers() {
    static std::vector<std::pair<UINT_PTR, CScreensaverCatalogue*>> timers;
    return timers;
}

void ForgetTimer(UINT_PTR id) {
    auto& timers = ChangeTimers();
    timers.erase(std::remove_if(timers.begin(), timers.end(),
                                [id](const auto& timer) { return timer.first == id; }),
                 timers.end());
}

bool WriteDesktopText(const wchar_t* name, const std::wstring& text) {
    return SHSetValueW(HKEY_CURRENT_USER, kDesktopKey, name, REG_SZ, text.c_str(),
                       static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

std::vector<std::wstring> ScreensaverFiles(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    UniqueFind search(FindFirstFileW((folder + L"\\*.scr").c_str(), &found));
    if (!search)
        return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(found.cFileName);
    } while (FindNextFileW(search.get(), &found));
    return names;
}

// String 1 of a screen saver's resources: the name it gives itself.
std::wstring OwnName(const std::wstring& path) {
    HMODULE module = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module)
        return {};
    wchar_t name[1024] = L"";
    const int length = LoadStringW(module, 1, name, 1024);
    FreeLibrary(module);
    return std::wstring(name, length > 0 ? static_cast<std::size_t>(length) : 0);
}

// Waits for a process to end while answering the messages other threads send to this
// one: a preview's window is a child of ours, and its end may need us to answer.
void WaitForEnd(HANDLE process) {
    const DWORD start = GetTickCount();
    for (;;) {
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= kPreviewEndMs)
            return;
        const DWORD result =
            MsgWaitForMultipleObjects(1, &process, FALSE, kPreviewEndMs - elapsed, QS_SENDMESSAGE);
        if (result != WAIT_OBJECT_0 + 1)
            return;
        MSG message;
        PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

} // namespace

bool StartUnredirected(const std::wstring& commandLine, PROCESS_INFORMATION& started) {
    std::wstring writable = commandLine; // CreateProcessW may write into it
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    started = {};
    FsRedirectionOff off;
    return CreateProcessW(nullptr, &writable[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &started) != FALSE;
}

CScreensaverCatalogue::CScreensaverCatalogue(COptions& options, const CTranslate& texts,
                                             std::function<void()> changed)
    : m_options(options), m_texts(&texts), m_changed(std::move(changed)),
      m_systemRoot(ExpandEnvironment(L"%SystemRoot%")) {}

CScreensaverCatalogue::CScreensaverCatalogue(COptions& options)
    : m_options(options), m_systemRoot(ExpandEnvironment(L"%SystemRoot%")) {}

CScreensaverCatalogue::~CScreensaverCatalogue() {
    StopChangeTimer();
    StopPreview();
}

std::wstring CScreensaverCatalogue::ReadCurrent() {
    wchar_t path[260] = L"";
    DWORD size = sizeof path - sizeof(wchar_t);
    if (SHGetValueW(HKEY_CURRENT_USER, kDesktopKey, kScreensaverValue, nullptr, path, &size) !=
        ERROR_SUCCESS)
        path[0] = L'\0';
    m_currentPath = path;
    wchar_t longPath[260];
    // A System32 path means the real System32, which a 32-bit process sees only with
    // redirection off; elsewhere it changes nothing.
    FsRedirectionOff off;
    const DWORD length = GetLongPathNameW(path, longPath, 260);
    if (length > 0 && length < 260)
        m_currentPath = longPath;
    return m_currentPath;
}

const std::vector<ScreensaverEntry>& CScreensaverCatalogue::Build() {
    std::vector<ScreensaverFolder> folders;
    const std::wstring blank = m_texts ? m_texts->Text(kTextBlank) : std::wstring();
    {
        // With redirection off a 32-bit process sees the real System32, both when it
        // lists the folder and when it reads the names; the other folders are the same
        // either way.
        FsRedirectionOff off;
        folders.push_back({m_systemRoot, ScreensaverFiles(m_systemRoot)});
        folders.push_back(
            {m_systemRoot + L"\\System32", ScreensaverFiles(m_systemRoot + L"\\System32")});
        if (IsWow64())
            folders.push_back(
                {m_systemRoot + L"\\SysWOW64", ScreensaverFiles(m_systemRoot + L"\\SysWOW64")});
        m_entries = BuildScreensaverEntries(folders, OwnName, blank);
    }
    m_currentIndex = IndexOfScreensaver(m_entries, m_currentPath);
    return m_entries;
}

void CScreensaverCatalogue::SetCurrent(const std::wstring& path) {
    if (!path.empty()) {
        WriteDesktopText(kScreensaverValue, path);
        WriteDesktopText(kActiveValue, L"1");
        SystemParametersInfoW(SPI_SETSCREENSAVEACTIVE, TRUE, nullptr, 0);
    } else {
        SHDeleteValueW(HKEY_CURRENT_USER, kDesktopKey, kScreensaverValue);
        SystemParametersInfoW(SPI_SETSCREENSAVEACTIVE, FALSE, nullptr, 0);
    }
    m_currentPath = path;
    m_currentIndex = IndexOfScreensaver(m_entries, m_currentPath);
}

void CScreensaverCatalogue::SetTimeout(int minutes) {
    const int seconds = minutes * 60;
    SystemParametersInfoW(SPI_SETSCREENSAVETIMEOUT, static_cast<UINT>(seconds), nullptr, 0);
    WriteDesktopText(kTimeoutValue, std::to_wstring(seconds));
}

bool CScreensaverCatalogue::SecureResume() const {
    BOOL secure = FALSE;
    return m_systemParameters(SPI_GETSCREENSAVESECURE, 0, &secure, 0) && secure;
}

void CScreensaverCatalogue::SetSecureResume(bool on) {
    m_systemParameters(SPI_SETSCREENSAVESECURE, on ? TRUE : FALSE, nullptr,
                       SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
}

void CScreensaverCatalogue::StartPreview(HWND window, const std::wstring& path) {
    if (m_previewProcess) {
        TerminateProcess(m_previewProcess.get(), 0);
        WaitForEnd(m_previewProcess.get());
        m_previewProcess.reset();
        m_previewThread.reset();
    }
    if (!window)
        return;
    const std::wstring program = path.empty() ? m_currentPath : path;
    // Without a program there is nothing to start; the window keeps its backdrop.
    if (program.empty())
        return;
    const long long handle = static_cast<int>(reinterpret_cast<INT_PTR>(window));
    PROCESS_INFORMATION started;
    if (!StartUnredirected(PreviewCommandLine(program, handle), started))
        return;
    m_previewProcess.reset(started.hProcess);
    m_previewThread.reset(started.hThread);
}

void CScreensaverCatalogue::StartChangeTimer() {
    const UINT_PTR previous = m_timerId;
    m_timerId = SetTimer(nullptr, m_timerId, 1000, ChangeTimerProc);
    if (previous && previous != m_timerId)
        ForgetTimer(previous);
    if (m_timerId && previous != m_timerId)
        ChangeTimers().emplace_back(m_timerId, this);
}

void CScreensaverCatalogue::StopChangeTimer() {
    if (!m_timerId)
        return;
    KillTimer(nullptr, m_timerId);
    ForgetTimer(m_timerId);
    m_timerId = 0;
}

void CALLBACK CScreensaverCatalogue::ChangeTimerProc(HWND, UINT, UINT_PTR id, DWORD) {
    const auto& timers = ChangeTimers();
    const auto found = std::find_if(timers.begin(), timers.end(),
                                    [id](const auto& timer) { return timer.first == id; });
    if (found == timers.end())
        return;
    CScreensaverCatalogue* catalogue = found->second;
    // An exception must not unwind into the system's timer dispatch.
    try {
        catalogue->ChangeTick();
    } catch (...) {
    }
}

void CScreensaverCatalogue::ChangeTick() {
    BOOL running = FALSE;
    if (m_isRunning)
        running = m_isRunning();
    else
        SystemParametersInfoW(SPI_GETSCREENSAVERRUNNING, 0, &running, 0);
    if (!m_runWatch.RunEnded(running != FALSE))
        return;
    const int index =
        NextScreensaverIndex(static_cast<int>(m_entries.size()), m_currentIndex,
                             m_options.GetBool(key::fScreenSaverAutoChangeShuffle), Rand);
    if (index < 0)
        return;
    SetCurrent(m_entries[static_cast<std::size_t>(index)].path);
    if (m_changed)
        m_changed();
}

} // namespace orvane
