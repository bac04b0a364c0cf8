#pragma once

#include "framework/Handle.h"
#include "personalize/ScreensaverRules.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace orvane {

class COptions;
class CTranslate;

// The screen savers installed in the Windows folders, the system's choice among them and
// its waiting time, the preview process, and the automatic change after each run. The
// application holds one (the system's screen saver, the Screen Saver page, the change
// timer); the screen-saver background holds another for its own preview.
class CScreensaverCatalogue {
public:
    // texts name the blank screen saver in the user's language whenever the list is
    // built; changed runs after the change timer has chosen another screen saver (the
    // program refreshes its pages).
    CScreensaverCatalogue(COptions& options, const CTranslate& texts,
                          std::function<void()> changed = {});
    // A catalogue that only runs previews of the paths it is given; its list is never
    // built, so it needs no texts.
    explicit CScreensaverCatalogue(COptions& options);
    ~CScreensaverCatalogue();
    CScreensaverCatalogue(const CScreensaverCatalogue&) = delete;
    CScreensaverCatalogue& operator=(const CScreensaverCatalogue&) = delete;

    // The system's screen saver ("SCRNSAVE.EXE"), in its long form when it has one.
    std::wstring ReadCurrent();
    // Searches the Windows folder, System32 and, for a 32-bit process on 64-bit
    // Windows, SysWOW64; sorted by name. Finds the current screen saver among them.
    const std::vector<ScreensaverEntry>& Build();
    // Makes path the system's screen saver; an empty path turns the screen saver off.
    void SetCurrent(const std::wstring& path);
    // The waiting time, for the system and in "ScreenSaveTimeOut".
    static void SetTimeout(int minutes);
    // "On resume, display logon screen": read from the system, and written to the
    // user's profile so that it outlasts the session.
    bool SecureResume() const;
    void SetSecureResume(bool on);

    // Ends the running preview; then, given a window, runs path (the current screen
    // saver when empty) in preview mode inside it. At most one preview runs.
    void StartPreview(HWND window, const std::wstring& path = {});
    void StopPreview() { StartPreview(nullptr); }
    // The running preview process; null when none runs.
    HANDLE PreviewProcess() const { return m_previewProcess.get(); }

    // The change poll, every second while auto change is on.
    void StartChangeTimer();
    void StopChangeTimer();
    bool ChangeTimerRunning() const { return m_timerId != 0; }
    // One poll: at the end of a screen-saver run the next screen saver is chosen.
    void ChangeTick();

    const std::vector<ScreensaverEntry>& Entries() const { return m_entries; }
    int CurrentIndex() const { return m_currentIndex; }
    const std::wstring& CurrentPath() const { return m_currentPath; }
    // The Windows folder searched (%SystemRoot%).
    const std::wstring& SystemRoot() const { return m_systemRoot; }
    bool CurrentIsBlank() const { return IsBlankScreensaver(m_currentPath, m_systemRoot); }

    // For tests: another Windows folder to search, and who answers whether a screen
    // saver runs (the system by default).
    void SetSystemRoot(const std::wstring& root) { m_systemRoot = root; }
    void SetRunningQuery(std::function<bool()> query) { m_isRunning = std::move(query); }
    // For tests: the system-parameters call (SystemParametersInfoW by default).
    using SystemParametersCall = BOOL(WINAPI*)(UINT action, UINT uiParam, PVOID pvParam,
                                               UINT winIni);
    void SetSystemParametersCall(SystemParametersCall call) { m_systemParameters = call; }

private:
    static void CALLBACK ChangeTimerProc(HWND, UINT, UINT_PTR id, DWORD);

    COptions& m_options;
    const CTranslate* m_texts = nullptr;
    std::function<void()> m_changed;
    std::function<bool()> m_isRunning;
    SystemParametersCall m_systemParameters = SystemParametersInfoW;
    std::wstring m_systemRoot;
    ScreensaverRunWatch m_runWatch;
    int m_currentIndex = -1;
    std::vector<ScreensaverEntry> m_entries;
    std::wstring m_currentPath;
    UINT_PTR m_timerId = 0;
    UniqueHandleKernel m_previewProcess;
    UniqueHandleKernel m_previewThread;
};

// Starts a program with file-system redirection off for a 32-bit process on 64-bit
// Windows, so that a System32 path means the real System32. The handles of the new
// process are given back; false when it could not start.
bool StartUnredirected(const std::wstring& commandLine, PROCESS_INFORMATION& started);

} // namespace orvane
