#include "DialogWatcher.h"

#include <algorithm>

namespace orvane::test {
namespace {

std::wstring TextOf(HWND window) {
    wchar_t text[1024] = L"";
    if (window)
        GetWindowTextW(window, text, ARRAYSIZE(text));
    return text;
}

BOOL CALLBACK CollectDialog(HWND window, LPARAM found) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t className[16] = L"";
    GetClassNameW(window, className, ARRAYSIZE(className));
    if (process == GetCurrentProcessId() && IsWindowVisible(window) &&
        lstrcmpW(className, L"#32770") == 0)
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
    return TRUE;
}

} // namespace

DialogWatcher::DialogWatcher(Answer answer)
    : m_answer(std::move(answer)), m_thread([this] { Run(); }) {}

DialogWatcher::~DialogWatcher() {
    m_stop = true;
    m_thread.join();
}

std::vector<SeenDialog> DialogWatcher::Seen() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_seen;
}

std::vector<std::wstring> DialogWatcher::Messages() const {
    std::vector<std::wstring> messages;
    for (const SeenDialog& dialog : Seen())
        if (!dialog.message.empty())
            messages.push_back(dialog.message);
    return messages;
}

void DialogWatcher::Run() {
    std::vector<HWND> handled;
    while (!m_stop) {
        // A window handle may come again for a later dialog once the first is gone.
        handled.erase(std::remove_if(handled.begin(), handled.end(),
                                     [](HWND window) { return !IsWindow(window); }),
                      handled.end());
        std::vector<HWND> found;
        EnumWindows(CollectDialog, reinterpret_cast<LPARAM>(&found));
        for (HWND window : found) {
            if (std::find(handled.begin(), handled.end(), window) != handled.end())
                continue;
            handled.push_back(window);
            // The message of a message box is its static control 0xFFFF.
            const SeenDialog dialog{window, TextOf(window), TextOf(GetDlgItem(window, 0xFFFF)),
                                    GetDlgItem(window, IDYES) && GetDlgItem(window, IDNO)};
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_seen.push_back(dialog);
            }
            m_answer(dialog);
        }
        Sleep(20);
    }
}

void PressButton(HWND dialog, int id) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs)
            return false;
        Sleep(20);
    }
    return true;
}

} // namespace orvane::test
