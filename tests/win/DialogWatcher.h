#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace orvane::test {

// A dialog window of this process, as a watcher found it.
struct SeenDialog {
    HWND window;
    std::wstring caption;
    std::wstring message; // a message box's text; empty for other dialogs
    bool yesNo;           // has Yes and No buttons
};

// Watches, from a thread of its own, for the dialog boxes (#32770) that this process
// shows while the code under test runs modally on the test's thread, and hands each new
// visible one to the answer once. Answers press buttons with PressButton.
class DialogWatcher {
public:
    using Answer = std::function<void(const SeenDialog&)>;
    explicit DialogWatcher(Answer answer);
    ~DialogWatcher();
    DialogWatcher(const DialogWatcher&) = delete;
    DialogWatcher& operator=(const DialogWatcher&) = delete;

    std::vector<SeenDialog> Seen() const;
    std::vector<std::wstring> Messages() const; // the message boxes' texts, in order

private:
    void Run();

    Answer m_answer;
    std::atomic<bool> m_stop{false};
    mutable std::mutex m_mutex;
    std::vector<SeenDialog> m_seen;
    std::thread m_thread;
};

// Clicks a dialog's button (IDOK, IDYES, ...).
void PressButton(HWND dialog, int id);

// Polls until the condition holds; false when the time ran out.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000);

} // namespace orvane::test
