#include "app/DlgSRPCreation.h"
#include "resources/ids_restore.h"
#include "DialogWatcher.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <atomic>
#include <set>
#include <thread>

namespace orvane {
namespace {

using test::WaitUntil;

const wchar_t kCaption[] = L"Creating a restore point…";

HWND FindProgressDialog() {
    HWND found = nullptr;
    WaitUntil([&] {
        found = FindWindowW(L"#32770", kCaption);
        return found && IsWindowVisible(found);
    });
    return found;
}

TEST(DlgSRPCreation, CannotBeClosedWhileBusyAndClosesByItselfWhenDone) {
    // As the program does at start-up: the template's progress bar needs its class.
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_PROGRESS_CLASS};
    ASSERT_TRUE(InitCommonControlsEx(&controls));
    UniqueHandleKernel done(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    std::atomic<DWORD> creationThread{0};
    std::wstring description;
    HWND messageOwner = nullptr;
    CDlgSRPCreation dialog(kCaption, L"Orvane", [&](const std::wstring& text, HWND owner) {
        creationThread = GetCurrentThreadId();
        description = text;
        messageOwner = owner;
        WaitForSingleObject(done.get(), 30000);
    });

    HWND window = nullptr;
    std::set<LRESULT> positions;
    bool openAfterClosing = false;
    bool closedByItself = false;
    std::thread driver([&] {
        window = FindProgressDialog();
        if (window) {
            HWND bar = GetDlgItem(window, IDC_SRP_PROGRESS);
            for (int i = 0; i < 12; ++i) {
                positions.insert(SendMessageW(bar, PBM_GETPOS, 0, 0));
                Sleep(60);
            }
            // Every way of closing it while the restore point is being made.
            SendMessageW(window, WM_COMMAND, IDCANCEL, 0);
            SendMessageW(window, WM_COMMAND, IDOK, 0);
            SendMessageW(window, WM_CLOSE, 0, 0);
            SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
            PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0);
            PostMessageW(window, WM_KEYUP, VK_ESCAPE, 0);
            Sleep(300);
            openAfterClosing = IsWindow(window) && IsWindowVisible(window);
        }
        SetEvent(done.get());
        closedByItself = WaitUntil([&] { return !IsWindow(window); }, 5000);
    });
    const INT_PTR result = dialog.DoModal();
    driver.join();

    ASSERT_NE(nullptr, window) << "no progress dialog; DoModal gave " << result;
    EXPECT_TRUE(openAfterClosing);
    EXPECT_TRUE(closedByItself);
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_GE(positions.size(), 3u) << "the bar does not move";
    EXPECT_NE(0u, creationThread.load());
    EXPECT_NE(GetCurrentThreadId(), creationThread.load());
    EXPECT_EQ(L"Orvane", description);
    EXPECT_EQ(window, messageOwner) << "the creation's messages belong to the dialog";
}

} // namespace
} // namespace orvane
