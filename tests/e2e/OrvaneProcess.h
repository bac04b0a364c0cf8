#pragma once

#include "TempFolder.h"
#include "framework/Handle.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace orvane::test {

// Folder of the runnable program (ORVANE_DIST, set by the test registration).
std::wstring DistFolder();
std::wstring OrvaneExe();

// Polls a condition until it holds or the time is up.
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = 15000);

// One run of Orvane.exe with its own %APPDATA%, so each test starts from a clean slate
// and can read back what the program wrote.
class OrvaneProcess {
public:
    explicit OrvaneProcess(const std::wstring& appDataSuffix = L"");
    ~OrvaneProcess(); // ends a process that is still running

    bool Start(const std::wstring& arguments = L"");
    std::wstring AppData() const {
        return m_sharedAppData.empty() ? m_appData.Path() : m_sharedAppData;
    }
    // Runs with the other run's %APPDATA%, so both see the same settings file.
    void ShareAppDataWith(const OrvaneProcess& other) { m_sharedAppData = other.AppData(); }
    // Starts this Orvane.exe instead of the one in the runnable folder.
    void UseProgram(const std::wstring& exe) { m_program = exe; }
    std::wstring DataFolder() const { return m_appData.Path() + L"\\Teskan\\Orvane"; }
    std::wstring SettingsPath() const { return DataFolder() + L"\\settings.ini"; }
    // Writes settings.ini before the start (UTF-16LE), creating the data folder.
    void WriteSettings(const std::wstring& iniText);

    DWORD Id() const { return m_info.dwProcessId; }
    bool Running() const;
    bool WaitForExit(DWORD timeoutMs = 15000);
    DWORD ExitCode() const;

    // Top-level windows of this process whose class is a dialog box (#32770).
    std::vector<HWND> Dialogs() const;
    // Its visible message boxes whose message is the text given.
    std::vector<HWND> MessageBoxesSaying(const std::wstring& text) const;
    // The first of them once one shows; null when none does in time.
    HWND WaitForMessageBox(const std::wstring& text, DWORD timeoutMs = 15000) const;
    // Its visible top-level layered windows: the running effects' overlays.
    std::vector<HWND> Overlays() const;
    // The main window, once it exists (visible or not).
    HWND MainWindow(DWORD timeoutMs = 15000) const;
    // Exit command of the tray menu; the program saves and ends.
    void Exit();
    // The way a user gets there while a dialog is open over the main window: minimise
    // the window into the tray (as its taskbar button does), right-click the icon and
    // click Exit, the menu's last item, with the mouse. False when the menu never shows.
    bool ExitThroughTheTrayMenu();
    // Starts, waits for the main window, exits; true when all of it happened.
    bool RunOnce(const std::wstring& arguments = L"");
    // The settings dialog, opened by the main window's Settings command; null when it
    // does not appear.
    HWND OpenSettings();
    HANDLE Process() const { return m_info.hProcess; }
    // The "Settings" section of settings.ini as the program left it.
    std::vector<std::pair<std::wstring, std::wstring>> StoredSettings() const;

private:
    TempFolder m_appData;
    std::wstring m_sharedAppData;
    std::wstring m_program;
    PROCESS_INFORMATION m_info = {};
    UniqueHandleKernel m_job;
};

// The text of a message box's message (its static control).
std::wstring MessageBoxText(HWND box);
std::wstring WindowText(HWND window);

// settings.ini as (key, value) lines of a section, in file order.
std::vector<std::pair<std::wstring, std::wstring>> ReadSection(const std::wstring& iniText,
                                                               const std::wstring& section);

} // namespace orvane::test
