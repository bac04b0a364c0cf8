#pragma once

#include <windows.h>

namespace orvane {

// A dialog built from a template resource. The object is attached to its window at
// WM_INITDIALOG and messages reach it through the virtual handlers below; anything a
// handler does not take goes to the dialog manager's default handling.
class CDialog {
public:
    explicit CDialog(UINT templateId);
    virtual ~CDialog();
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Runs a modal loop until EndDialog; returns its code, or -1 when the window could
    // not be created.
    INT_PTR DoModal(HWND parent = nullptr);
    // Creates a modeless child or popup; the window lives until DestroyWindow.
    HWND Create(HWND parent);
    void DestroyWindow();
    void EndDialog(INT_PTR result);

    HWND GetSafeHwnd() const { return m_hWnd; }
    HWND Item(int controlId) const { return GetDlgItem(m_hWnd, controlId); }

protected:
    virtual BOOL OnInitDialog() { return TRUE; }
    // Return true when the command was handled. The default ends the dialog for
    // IDOK and IDCANCEL, like the dialog manager would for a plain dialog.
    virtual bool OnCommand(WORD id, WORD notifyCode, HWND control);
    virtual bool OnNotify(NMHDR* /*header*/, LRESULT& /*result*/) { return false; }
    virtual void OnTimer(UINT_PTR /*id*/) {}
    // Return true when the handler painted (BeginPaint/EndPaint) itself.
    virtual bool OnPaint() { return false; }
    virtual void OnDestroy() {}
    // Every other message; set handled to keep it from the default handling.
    virtual INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);

    // Sets the dialog procedure's result for messages whose answer is not TRUE/FALSE.
    void SetResult(LRESULT result) { SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, result); }

    HWND m_hWnd = nullptr;

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_templateId;
};

} // namespace orvane
