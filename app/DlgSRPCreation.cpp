#include "app/DlgSRPCreation.h"

#include "app/SystemRestore.h"
#include "resources/ids_restore.h"

#include <commctrl.h>
#include <process.h>

#include <utility>

namespace orvane {
namespace {

HANDLE StartThread(unsigned(__stdcall* function)(void*), void* parameter) {
    return reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, function, parameter, 0, nullptr));
}

// Waits for a thread while still taking the messages that other threads send to this
// one: the workers talk to the dialog with SendMessage and would otherwise never return.
void WaitTakingSentMessages(HANDLE thread) {
    for (;;) {
        MSG message;
        PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        if (MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_SENDMESSAGE) !=
            WAIT_OBJECT_0 + 1)
            return;
    }
}

} // namespace

CDlgSRPCreation::CDlgSRPCreation(std::wstring caption, std::wstring description, Creation creation)
    : CDialog(IDD_SRP_CREATION), m_caption(std::move(caption)),
      m_description(std::move(description)), m_creation(std::move(creation)) {}

CDlgSRPCreation::~CDlgSRPCreation() {
    WaitForThreads();
}

void CDlgSRPCreation::CreateSystemRestorePoint(const std::wstring& description, HWND dialog) {
    CSystemRestore().CreateRestorePoint(description, dialog);
}

BOOL CDlgSRPCreation::OnInitDialog() {
    SetWindowTextW(m_hWnd, m_caption.c_str());
    // A marquee bar is drawn moving only while its animation is on; the steps of the
    // progress thread alone leave it standing still.
    SendDlgItemMessageW(m_hWnd, IDC_SRP_PROGRESS, PBM_SETMARQUEE, TRUE, 0);
    m_busy = true;
    m_progressThread.reset(StartThread(ProgressThread, this));
    m_restorePointThread.reset(StartThread(RestorePointThread, this));
    if (!m_restorePointThread) {
        // Nothing would ever clear the flag, and the window could never be closed.
        m_busy = false;
        EndDialog(IDCANCEL);
    }
    return TRUE;
}

bool CDlgSRPCreation::OnCommand(WORD id, WORD, HWND) {
    // Escape, the close box and WM_CLOSE arrive as IDCANCEL, Enter as IDOK: none of them
    // may end the dialog while the worker still uses it.
    if (id != IDCANCEL && id != IDOK)
        return false;
    if (!m_busy)
        EndDialog(IDCANCEL);
    return true;
}

void CDlgSRPCreation::OnDestroy() {
    WaitForThreads();
}

void CDlgSRPCreation::WaitForThreads() {
    for (UniqueHandleKernel* thread : {&m_restorePointThread, &m_progressThread}) {
        if (*thread)
            WaitTakingSentMessages(thread->get());
        thread->reset();
    }
}

unsigned __stdcall CDlgSRPCreation::ProgressThread(void* dialog) {
    auto* self = static_cast<CDlgSRPCreation*>(dialog);
    while (self->m_busy) {
        Sleep(50);
        if (self->m_busy)
            SendDlgItemMessageW(self->m_hWnd, IDC_SRP_PROGRESS, PBM_STEPIT, 0, 0);
    }
    return 0;
}

unsigned __stdcall CDlgSRPCreation::RestorePointThread(void* dialog) {
    auto* self = static_cast<CDlgSRPCreation*>(dialog);
    try {
        self->m_creation(self->m_description, self->m_hWnd);
    } catch (...) {
        // The dialog must close whatever happened; the creation shows its own messages.
    }
    self->m_busy = false;
    SendMessageW(self->m_hWnd, WM_CLOSE, 0, 0);
    return 0;
}

} // namespace orvane
