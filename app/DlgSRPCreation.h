#pragma once

#include "framework/Dialog.h"
#include "framework/Handle.h"

#include <atomic>
#include <functional>
#include <string>

namespace orvane {

// The small progress window shown while a restore point is made. One worker thread
// makes the restore point, another keeps the bar moving; the window closes by itself
// when the restore point is done and cannot be closed before.
class CDlgSRPCreation : public CDialog {
public:
    // Makes the restore point on the worker thread; messages are owned by the dialog.
    using Creation = std::function<void(const std::wstring& description, HWND dialog)>;

    CDlgSRPCreation(std::wstring caption, std::wstring description,
                    Creation creation = CreateSystemRestorePoint);
    ~CDlgSRPCreation() override;

    // The program's creation: CSystemRestore on the calling thread.
    static void CreateSystemRestorePoint(const std::wstring& description, HWND dialog);

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;
    void OnDestroy() override;

private:
    static unsigned __stdcall ProgressThread(void* dialog);
    static unsigned __stdcall RestorePointThread(void* dialog);
    void WaitForThreads();

    std::wstring m_caption;
    std::wstring m_description;
    Creation m_creation;
    // Set while the restore point is being made; read by both threads.
    std::atomic<bool> m_busy{false};
    UniqueHandleKernel m_progressThread;
    UniqueHandleKernel m_restorePointThread;
};

} // namespace orvane
